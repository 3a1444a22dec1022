// The text forms of a document: UTF-8 text with CR LF line ends, and CSV for its tables. Both
// are written as a stream, so a table of millions of rows costs no more memory than one row.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "core/files/documento.hpp"
#include "core/files/ficheros_texto.hpp"

namespace zefra {

// Where the text goes, piece by piece; returns false to stop.
using Sumidero = std::function<bool(std::string_view)>;

// The content alone (no heading), as copied to the clipboard: a table's rows with their cells
// separated by tabs, so a spreadsheet or word processor pastes a table; a trace or rich text as
// its text. Blocks are separated by an empty line; every line ends in CR LF when `crlf`, else
// in LF.
bool escribeContenido(const Documento& documento, const Sumidero& salida, bool crlf);

// The whole document as text: the title, the inputs ("caption: value"), the date ("Fecha: …"), an
// empty line and the content, every line ending in CR LF.
bool escribeDocumento(const Documento& documento, const Sumidero& salida);

// The document's tables as CSV (RFC 4180: a field holding a comma, quote or line break is
// quoted, its quotes doubled; CR LF line ends), one after another with an empty line between.
bool escribeCsv(const Documento& documento, const Sumidero& salida);

// Saves the document to a file through the atomic writer: as CSV when `csv`, else as text.
FalloEscritura guardaDocumento(const Documento& documento, const std::filesystem::path& ruta,
                               bool csv);

// A CSV field, quoted when it must be.
std::string campoCsv(std::string_view valor);

}  // namespace zefra
