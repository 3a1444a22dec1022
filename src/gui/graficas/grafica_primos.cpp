#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

#include "core/primes/conteo_primos.hpp"
#include "core/shell/numeros.hpp"
#include "gui/graficas/graficas.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {

FrGraficaPrimos::FrGraficaPrimos(Contexto& contexto)
    : VentanaGrafica(contexto, QStringLiteral("frGraficaPrimos"),
                     QStringLiteral("Gráfica de π(x), x / ln x y li(x)")) {}

void FrGraficaPrimos::dibuja(std::span<const std::int32_t> primos, const std::string& cota) {
    const auto cuenta = static_cast<double>(primos.size());
    const double tope = primos.empty() ? 0 : primos.back();
    empieza(QStringLiteral("Números primos hasta x: π(x), x / ln x y li(x)"),
            {{"Números primos hasta", cota}, {"Número total de primos", textoDecimal(cuenta)}});
    // π(x) solid and thick, x / ln x dashed, li(x) dotted: apart in grey too.
    QLineSeries* series[] = {
        linea(QStringLiteral("π(x), primos hasta x"), Qt::SolidLine, QColor(0x1f, 0x4e, 0x9a), 3),
        linea(QStringLiteral("x / ln x"), Qt::DashLine, QColor(0xb0, 0x3a, 0x2e), 2),
        linea(QStringLiteral("li(x), integral logarítmica"), Qt::DotLine, QColor(0x1e, 0x84, 0x49),
              2.5)};
    DatosGrafica datos{{"x", "π(x)", "x / ln x", "li(x)"}, {}};
    const auto muestras = muestrasPi(primos, tope, kMaximoPuntos);
    const bool muestreado = std::ssize(primos) > kMaximoPuntos;
    double alto = 1;
    double anterior = 0;  // π just before x
    for (const MuestraPi& m : muestras) {
        const auto pi = static_cast<double>(m.pi);
        // At each prime π(x) steps up by one; between samples of a long list it is not known,
        // so the samples are joined.
        if (!muestreado && pi != anterior) series[0]->append(m.x, anterior);
        series[0]->append(m.x, pi);
        anterior = pi;
        series[1]->append(m.x, m.xSobreLn);
        series[2]->append(m.x, m.li);
        alto = std::max({alto, static_cast<double>(m.pi), m.xSobreLn, m.li});
        datos.filas.push_back({textoDecimal(m.x), textoDecimal(static_cast<double>(m.pi)),
                               textoDecimal(m.xSobreLn), textoDecimal(m.li)});
    }
    auto* x = eje(Qt::AlignBottom, QStringLiteral("x"), 2, std::max(tope, 3.0));
    auto* y = eje(Qt::AlignLeft, QStringLiteral("Primos hasta x"), 0, alto * 1.05);
    for (QLineSeries* s : series)
        anade(s, x, y);
    const QString puntos =
        muestreado
            ? QStringLiteral(
                  "π(x) se dibuja en %1 puntos de muestra repartidos hasta %2; en "
                  "cada uno es exacto.")
                  .arg(aQt(textoDecimal(static_cast<double>(muestras.size()))),
                       aQt(textoDecimal(tope)))
            : QStringLiteral("π(x) se dibuja en escalones: sube uno en cada primo de la lista.");
    termina(std::move(datos), QStringLiteral("%1 primos hasta %2. ")
                                      .arg(aQt(textoDecimal(cuenta)), aQt(textoDecimal(tope))) +
                                  puntos);
}

}  // namespace zefra::gui
