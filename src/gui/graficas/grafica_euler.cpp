#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

#include "core/modular/muestras_euler.hpp"
#include "gui/graficas/graficas.hpp"

namespace zefra::gui {

FrGraficaEuler::FrGraficaEuler(Contexto& contexto)
    : VentanaGrafica(contexto, QStringLiteral("frGraficaEuler"),
                     QStringLiteral("Gráfica de la función de Euler")) {}

void FrGraficaEuler::dibuja(std::uint64_t n) {
    empieza(QStringLiteral("φ(k) para 1 ≤ k ≤ %1").arg(n), {{"Módulo n", std::to_string(n)}});
    const auto muestras = muestrasEuler(n, kMaximoPuntos);
    // Primes (φ(k) = k − 1) as filled triangles on the dashed line, the rest as hollow circles.
    auto* recta = linea(QStringLiteral("y = x − 1, donde están los primos"), Qt::DashLine,
                        QColor(0xb0, 0x3a, 0x2e), 1.5);
    recta->append(1, 0);
    recta->append(static_cast<double>(std::max<std::uint64_t>(n, 2)),
                  static_cast<double>(std::max<std::uint64_t>(n, 2) - 1));
    QScatterSeries* primos =
        puntos(QStringLiteral("φ(k) = k − 1: k primo"), QScatterSeries::MarkerShapeTriangle,
               QColor(0xb0, 0x3a, 0x2e), true);
    QScatterSeries* resto =
        puntos(QStringLiteral("φ(k), k no primo"), QScatterSeries::MarkerShapeCircle,
               QColor(0x1f, 0x4e, 0x9a), false);
    if (muestras.size() > 500) {  // thousands of markers: smaller, so they stay apart
        primos->setMarkerSize(primos->markerSize() * 0.6);
        resto->setMarkerSize(resto->markerSize() * 0.6);
    }
    DatosGrafica datos{{"k", "φ(k)"}, {}};
    for (const PuntoEuler& p : muestras) {
        (p.k > 1 && p.phi == p.k - 1 ? primos : resto)
            ->append(static_cast<double>(p.k), static_cast<double>(p.phi));
        datos.filas.push_back({std::to_string(p.k), std::to_string(p.phi)});
    }
    const double alto = static_cast<double>(std::max<std::uint64_t>(n, 2));
    auto* x = eje(Qt::AlignBottom, QStringLiteral("k"), 0, alto);
    auto* y = eje(Qt::AlignLeft, QStringLiteral("φ(k)"), 0, alto);
    anade(recta, x, y);
    anade(resto, x, y);
    anade(primos, x, y);
    termina(std::move(datos),
            muestras.size() < n
                ? QStringLiteral("Se dibujan %1 valores de k repartidos entre 1 y %2.")
                      .arg(muestras.size())
                      .arg(n)
                : QStringLiteral("Se dibuja φ(k) para cada k de 1 a %1.").arg(n));
}

}  // namespace zefra::gui
