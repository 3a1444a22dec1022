#include <QAreaSeries>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "core/arithmetic/puntos_recta.hpp"
#include "core/shell/numeros.hpp"
#include "gui/graficas/graficas.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {
namespace {

QString decimal(double v) {
    return aQt(textoDecimal(v));
}

// The range [desde, hasta] widened to take v.
void abarca(double& desde, double& hasta, double v) {
    desde = std::min(desde, v);
    hasta = std::max(hasta, v);
}

}  // namespace

FrGraficaDiofantica::FrGraficaDiofantica(Contexto& contexto)
    : VentanaGrafica(contexto, QStringLiteral("frGraficaDiofantica"),
                     QStringLiteral("Gráfica de la ecuación diofántica")) {}

void FrGraficaDiofantica::dibuja(const DatosDiofantica& d) {
    const QString ecuacion =
        QStringLiteral("%1·x %2 %3·y = %4")
            .arg(decimal(d.a), d.b < 0 ? QStringLiteral("−") : QStringLiteral("+"),
                 decimal(std::fabs(d.b)), decimal(d.c));
    empieza(QStringLiteral("Soluciones enteras de ") + ecuacion, d.entradas);
    const auto puntos = d.solucion ? puntosDeLaRecta(*d.solucion, d.cotas, kMaximoPuntos)
                                   : std::vector<PuntoRecta>{};

    // The view: the points, the finite bounds, and near the origin the line's nearest point.
    double x0 = INFINITY, x1 = -INFINITY, y0 = INFINITY, y1 = -INFINITY;
    for (const PuntoRecta& p : puntos)
        abarca(x0, x1, p.x), abarca(y0, y1, p.y);
    for (const auto& v : {d.cotas.xMinima, d.cotas.xMaxima})
        if (v) abarca(x0, x1, *v);
    for (const auto& v : {d.cotas.yMinima, d.cotas.yMaxima})
        if (v) abarca(y0, y1, *v);
    const double norma = d.a * d.a + d.b * d.b;
    if (puntos.empty() && norma > 0) {
        abarca(x0, x1, d.a * d.c / norma), abarca(y0, y1, d.b * d.c / norma);
    }
    if (!std::isfinite(x0)) x0 = x1 = 0;
    if (!std::isfinite(y0)) y0 = y1 = 0;
    const double mx = std::max((x1 - x0) / 10, 2.0), my = std::max((y1 - y0) / 10, 2.0);
    x0 -= mx, x1 += mx, y0 -= my, y1 += my;
    auto* ejeX = eje(Qt::AlignBottom, QStringLiteral("x"), x0, x1);
    auto* ejeY = eje(Qt::AlignLeft, QStringLiteral("y"), y0, y1);

    // The bounds as a shaded box, an unbounded side running to the edge of the view.
    if (d.cotas.xMinima || d.cotas.xMaxima || d.cotas.yMinima || d.cotas.yMaxima) {
        auto* arriba = new QLineSeries;
        auto* abajo = new QLineSeries;
        const double bx0 = d.cotas.xMinima.value_or(x0), bx1 = d.cotas.xMaxima.value_or(x1);
        *arriba << QPointF(bx0, d.cotas.yMaxima.value_or(y1))
                << QPointF(bx1, d.cotas.yMaxima.value_or(y1));
        *abajo << QPointF(bx0, d.cotas.yMinima.value_or(y0))
               << QPointF(bx1, d.cotas.yMinima.value_or(y0));
        auto* caja = new QAreaSeries(arriba, abajo);
        arriba->setParent(caja), abajo->setParent(caja);
        caja->setName(QStringLiteral("Cotas"));
        caja->setPen(QPen(QColor(0x60, 0x60, 0x60), 1.5, Qt::DashLine));
        caja->setBrush(QColor(0xe4, 0xe4, 0xe4));  // light grey, solid: apart from hollow marks
        anade(caja, ejeX, ejeY);
    }

    QString notas;
    if (norma == 0) {
        notas = ecuacion + QStringLiteral(" no describe ninguna recta: no hay nada que dibujar.");
    } else {
        auto* recta = linea(ecuacion, Qt::SolidLine, QColor(0x40, 0x40, 0x40), 2);
        if (d.b != 0) {
            recta->append(x0, (d.c - d.a * x0) / d.b);
            recta->append(x1, (d.c - d.a * x1) / d.b);
        } else {
            recta->append(d.c / d.a, y0);
            recta->append(d.c / d.a, y1);
        }
        anade(recta, ejeX, ejeY);
    }
    DatosGrafica datos{{"k", "x", "y", "cumple las cotas"}, {}};
    if (!puntos.empty()) {
        QScatterSeries* dentro =
            this->puntos(QStringLiteral("Dentro de las cotas"), QScatterSeries::MarkerShapeCircle,
                         QColor(0x1f, 0x4e, 0x9a), true);
        QScatterSeries* fuera =
            this->puntos(QStringLiteral("Fuera de las cotas"), QScatterSeries::MarkerShapeRectangle,
                         QColor(0xb0, 0x3a, 0x2e), false);
        int cuantas = 0;
        for (const PuntoRecta& p : puntos) {
            (p.dentro ? dentro : fuera)->append(p.x, p.y);
            cuantas += p.dentro;
            datos.filas.push_back(
                {textoDecimal(p.k), textoDecimal(p.x), textoDecimal(p.y), p.dentro ? "sí" : "no"});
        }
        anade(fuera, ejeX, ejeY);
        anade(dentro, ejeX, ejeY);
        notas = cuantas == 0 ? QStringLiteral("Ninguna de las soluciones enteras cumple las cotas.")
                             : QStringLiteral(
                                   "Se dibujan %1 soluciones enteras (k = %2 … %3); "
                                   "%4 de ellas cumplen las cotas.")
                                   .arg(puntos.size())
                                   .arg(decimal(puntos.front().k), decimal(puntos.back().k))
                                   .arg(cuantas);
    } else if (norma > 0) {
        notas = QStringLiteral("La recta ") + ecuacion +
                QStringLiteral(
                    " no pasa por ningún punto de coordenadas enteras: la ecuación no "
                    "tiene solución entera.");
    }
    termina(std::move(datos), notas);
}

}  // namespace zefra::gui
