// What a result window shows, as a document that can be copied, saved, exported or printed: a
// title, the inputs that produced it, the date and time, and its blocks in order.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace zefra {

class Tabla;

// A table of text cells. Its cells are asked for on demand, one at a time, so a table of
// millions of rows is written without ever being held as text.
struct BloqueTabla {
    int filas = 0;
    int columnas = 0;
    bool filaCabecera = false;     // row 0 heads the columns
    bool columnaCabecera = false;  // column 0 heads the rows
    std::function<std::string(int fila, int columna)> celda;
};

// A fixed-width text, line by line as shown (a trace).
struct BloqueTraza {
    std::string texto;
};

// A rich text (a description): its HTML for the typeset forms and its plain text for the
// text forms.
struct BloqueRico {
    std::string html;
    std::string texto;
};

using Bloque = std::variant<BloqueTabla, BloqueTraza, BloqueRico>;

struct Documento {
    std::string titulo;
    std::vector<std::pair<std::string, std::string>> entradas;  // caption, value
    std::string fecha;                                          // date and time, as shown
    std::vector<Bloque> bloques;
};

// The cells of a table as a block; the table must outlive the block. `filasCabecera` and
// `columnasCabecera` are the table's leading rows and columns, which a grid keeps out of its
// cells: the first of them heads the block, as in the grid's header, the others are left out.
BloqueTabla bloqueDeTabla(const Tabla& tabla, int filasCabecera, int columnasCabecera);

// Whether the document holds a table (which can also be saved as CSV).
bool tieneTabla(const Documento& documento);

}  // namespace zefra
