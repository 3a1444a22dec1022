// Base of the chart windows: a chart with a sentence or two about it, its data kept as a table,
// and the four ways out of a result window (copy, save as PNG, SVG or CSV, PDF and print), as
// actions of the window and in the chart's context menu.
#pragma once

#include <QColor>
#include <QScatterSeries>
#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "gui/graficas/exportacion_grafica.hpp"
#include "gui/ui/contexto.hpp"
#include "gui/ui/ventana.hpp"

class QAbstractAxis;
class QAbstractSeries;
class QChart;
class QLineSeries;
class QChartView;
class QLabel;
class QPainter;
class QValueAxis;

namespace zefra::gui {

class VentanaGrafica : public Ventana {
    Q_OBJECT

  public:
    VentanaGrafica(Contexto& contexto, const QString& nombre, const QString& titulo);

    const DatosGrafica& datos() const { return datos_; }
    QChart& grafica() const { return *grafica_; }
    // Draws the chart in `pintor` filling `destino`, as it is on screen.
    void pinta(QPainter& pintor, const QRectF& destino) const;

  protected:
    // Starts a new chart: no series, no axes; its title, inputs and notes for the exports.
    void empieza(const QString& titulo, std::vector<std::pair<std::string, std::string>> entradas);
    // Ends it: the data its table exports and the sentence shown below it.
    void termina(DatosGrafica datos, const QString& notas);
    // An axis of the chart on `lado` with its title and range.
    QValueAxis* eje(Qt::Alignment lado, const QString& titulo, double desde, double hasta);
    void anade(QAbstractSeries* serie, QAbstractAxis* x, QAbstractAxis* y);
    QLabel* notas() const { return notas_; }
    // A line told apart without colour by its pattern, and points by their shape and filling.
    static QLineSeries* linea(const QString& nombre, Qt::PenStyle estilo, const QColor& color,
                              double ancho);
    QScatterSeries* puntos(const QString& nombre, QScatterSeries::MarkerShape forma,
                           const QColor& color, bool relleno) const;

  private:
    void accion(const char* nombre, const QString& titulo, const QKeySequence& atajo,
                void (VentanaGrafica::*hace)());
    void copiaTodo();
    void guardaComo();
    void exportaPdf();
    void imprime();
    void pideFichero(const QString& titulo, const QStringList& filtros,
                     std::function<QString(const QString& ruta)> escribe);

    Contexto& contexto_;
    QChart* grafica_;
    QChartView* vista_;
    QLabel* notas_;
    DatosGrafica datos_;
    PaginaGrafica pagina_;
};

}  // namespace zefra::gui
