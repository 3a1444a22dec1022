#include <QLabel>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <numeric>

#include "core/modular/ciclo_potencias.hpp"
#include "gui/graficas/graficas.hpp"
#include "gui/ui/controles.hpp"

namespace zefra::gui {
namespace {

QString numero(std::uint64_t v) {
    return QString::number(v);
}

QString potencias(std::uint64_t cuantas) {
    return cuantas == 1 ? QStringLiteral("1 potencia") : numero(cuantas) + " potencias";
}

}  // namespace

FrGraficaPotencias::FrGraficaPotencias(Contexto& contexto)
    : VentanaGrafica(contexto, QStringLiteral("frGraficaPotencias"),
                     QStringLiteral("Gráfica de las potencias en Zn")) {
    orden_ = etiqueta(this, "lbOrden", {});
    orden_->setWordWrap(true);
    orden_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    orden_->setFocusPolicy(Qt::StrongFocus);
    QFont negrita = orden_->font();
    negrita.setBold(true);
    orden_->setFont(negrita);
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, orden_);
}

void FrGraficaPotencias::dibuja(std::uint64_t a, std::uint64_t n) {
    a %= n;
    const PotenciasZn zn(n);
    const CicloPotencias c = zn.ciclo(a);
    const QString clase = QStringLiteral("[%1]").arg(a);
    const QString zN = QStringLiteral("Z") + numero(n);
    empieza(QStringLiteral("Potencias de %1 en %2").arg(clase, zN),
            {{"Módulo n", std::to_string(n)}, {"a", std::to_string(a)}});
    if (c.unidad) {
        orden_->setText(QStringLiteral("El orden de %1 en %2 es %3 (divide a φ(%4) = %5)")
                            .arg(clase, zN, numero(c.ciclo), numero(n), numero(zn.phi())));
    } else {
        orden_->setText(QStringLiteral("%1 no es una unidad de %2 (mcd(%3, %4) = %5): la cola "
                                       "antes del ciclo tiene %6 ([a]^0 … [a]^%7) y el ciclo, que "
                                       "empieza en [a]^%8, tiene longitud %9.")
                            .arg(clase, zN, numero(a), numero(n), numero(std::gcd(a, n)),
                                 potencias(c.cola), numero(c.cola - 1), numero(c.cola),
                                 numero(c.ciclo))
                            .replace(QStringLiteral("[a]"), clase));
    }
    // The tail, the first turn of the cycle and the turns after it, by shape; a thin line joins
    // them in order of k.
    QLineSeries* recorrido =
        linea(QStringLiteral("Recorrido en orden de k"), Qt::DotLine, QColor(0x80, 0x80, 0x80), 1);
    QScatterSeries* partes[] = {
        puntos(QStringLiteral("Cola, antes del ciclo"), QScatterSeries::MarkerShapeTriangle,
               QColor(0xb0, 0x3a, 0x2e), true),
        puntos(QStringLiteral("Primera vuelta del ciclo"), QScatterSeries::MarkerShapeCircle,
               QColor(0x1f, 0x4e, 0x9a), true),
        puntos(QStringLiteral("Vueltas siguientes"), QScatterSeries::MarkerShapeRectangle,
               QColor(0x1f, 0x4e, 0x9a), false)};
    const char* nombres[] = {"cola", "ciclo", "repetición"};
    // The tail and two turns of the cycle, at most kMaximoPotencias powers.
    const std::uint64_t dibujadas =
        std::min({c.cola + 2 * c.ciclo, kMaximoPotencias, c.cola + c.ciclo + kMaximoPotencias});
    DatosGrafica datos{{"k", "[a]^k", "parte"}, {}};
    std::uint64_t v = 1 % n;
    for (std::uint64_t k = 0; k < dibujadas; ++k) {
        const int parte = k < c.cola ? 0 : (k < c.cola + c.ciclo ? 1 : 2);
        partes[parte]->append(static_cast<double>(k), static_cast<double>(v));
        recorrido->append(static_cast<double>(k), static_cast<double>(v));
        datos.filas.push_back({std::to_string(k), std::to_string(v), nombres[parte]});
        v = v * a % n;
    }
    auto* x = eje(Qt::AlignBottom, QStringLiteral("k"), 0,
                  static_cast<double>(std::max<std::uint64_t>(dibujadas - 1, 1)));
    auto* y = eje(Qt::AlignLeft, clase + QStringLiteral("^k"), 0,
                  static_cast<double>(std::max<std::uint64_t>(n - 1, 1)));
    anade(recorrido, x, y);
    for (QScatterSeries* s : partes)
        anade(s, x, y);
    const QString cuantas =
        dibujadas < c.cola + 2 * c.ciclo
            ? QStringLiteral("Se dibujan solo las primeras %1 potencias (k = 0 … %2).")
                  .arg(numero(dibujadas), numero(dibujadas - 1))
            : QStringLiteral("Se dibujan la cola y dos vueltas del ciclo (k = 0 … %1).")
                  .arg(numero(dibujadas - 1));
    termina(std::move(datos), orden_->text() + QLatin1Char('\n') + cuantas);
    notas()->setText(cuantas);
}

}  // namespace zefra::gui
