// A document typeset on A4 pages, for a PDF file or a printer: the heading (title, inputs,
// date), then each block as the window shows it — a table as a table whose header row is
// repeated on every page, a rich text with its formulas, a trace in a fixed-width font — and the
// page number at the foot of every page.
#pragma once

#include <QString>

#include "core/files/documento.hpp"

class QPagedPaintDevice;

namespace zefra::gui {

// More pages than this are refused before any is made: text is the form for such a content.
inline constexpr int kMaximoPaginas = 500;

// Sets A4 paper and the margins on the device.
void preparaPaginas(QPagedPaintDevice& dispositivo);

// The number of pages the document takes on the (prepared) device; counting lays out nothing
// row by row, so a table of millions of rows is counted at once.
int cuentaPaginas(const Documento& documento, QPagedPaintDevice& dispositivo);

// The number of pages the document takes on A4 paper, as a PDF.
int paginasEnA4(const Documento& documento);

// Paints every page on the device; returns false when the device could not be painted on.
bool pintaPaginas(const Documento& documento, QPagedPaintDevice& dispositivo);

// The refusal of a job of `paginas` pages when it goes beyond `maximo`; nothing when it may be
// made.
QString rechazoPorPaginas(int paginas, int maximo = kMaximoPaginas);

// Writes the document as a PDF file, atomically: a failure leaves any old file as it was.
// Returns the message that explains a failure or refusal, or nothing when it was written.
QString exportaPdf(const Documento& documento, const QString& ruta,
                   int maximoPaginas = kMaximoPaginas);

}  // namespace zefra::gui
