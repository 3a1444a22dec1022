// The ways out of a chart window: its data as tab-separated text and CSV, its picture as PNG or
// SVG, and a page with the title, the inputs and the chart for a PDF file or a printer.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/files/documento.hpp"

class QIODevice;
class QPainter;
class QPagedPaintDevice;
class QRectF;
class QWidget;

namespace zefra::gui {

// The plotted data: a header row and the rows of values as shown.
struct DatosGrafica {
    std::vector<std::string> cabecera;
    std::vector<std::vector<std::string>> filas;
};

// The data as a document of one table headed by its first row, for the export writers every
// window uses (tab-separated text, CSV).
Documento documentoDeDatos(const DatosGrafica& datos);

// Writes `ruta` through a temporary file renamed over it, so a failure leaves the old file as it
// was; `escribe` fills the device. Returns the message of a failure (the one every save gives),
// empty when saved.
QString escribeAtomico(const QString& ruta, const std::function<bool(QIODevice&)>& escribe);

// What a page says above the chart: the title, the inputs (caption, value) and the notes.
struct PaginaGrafica {
    QString titulo;
    std::vector<std::pair<std::string, std::string>> entradas;
    QString notas;
};

// Paints the page on `dispositivo`: the heading wrapped to the page's width, then `pinta` draws
// the chart in the rectangle left below it. False when the device cannot be painted on.
bool pintaPagina(QPagedPaintDevice& dispositivo, const PaginaGrafica& pagina,
                 const std::function<void(QPainter&, const QRectF&)>& pinta);

}  // namespace zefra::gui
