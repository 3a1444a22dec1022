// The grid widget shared by every trace and conversion table. It shows a core table; its fixed
// rows and columns are the table's leading rows and columns and stay in view while the rest
// scrolls. Cells are addressed as in the table itself.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <functional>

#include "core/files/documento.hpp"
#include "core/shell/tabla.hpp"

namespace zefra::gui {

class ModeloTabla final : public QAbstractTableModel, private Tabla::Observador {
    Q_OBJECT

  public:
    ModeloTabla(Tabla& tabla, int filasFijas, int columnasFijas, QObject* padre);
    ~ModeloTabla() override;

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;

    // A cell of the table, addressed as in the table; empty outside it.
    QString texto(int fila, int columna) const;
    // A cell addressed as in the view, with the text it holds (no visible sign).
    QString celda(int fila, int columna) const {
        return texto(fila + filasFijas_, columna + columnasFijas_);
    }
    // The grid's content as a block: its header row and column (when it shows them) and cells.
    BloqueTabla bloque() const;

    // Draws a cell that holds only a blank or a control character as a visible sign.
    void fijaSimbolosVisibles(bool visibles) { simbolosVisibles_ = visibles; }
    // Column headings for a grid without a heading row: not drawn, but read by a screen
    // reader with each cell.
    void fijaCabecerasHabladas(const QStringList& cabeceras) { cabecerasHabladas_ = cabeceras; }

    // A grid the student fills in: the cells `editable` allows (addressed as in the table)
    // take what is typed into the table; `aspecto` gives any other role of a cell (its colours).
    void fijaEdicion(std::function<bool(int, int)> editable,
                     std::function<QVariant(int, int, int)> aspecto);
    bool editable(int fila, int columna) const {
        return editable_ && editable_(fila + filasFijas_, columna + columnasFijas_);
    }
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    bool setData(const QModelIndex& indice, const QVariant& valor, int rol) override;

  private:
    void celdaCambiada(int fila, int columna) override;
    void dimensionesCambiadas() override;
    void tablaDestruida() override;

    Tabla* tabla_;  // not owned; null once the table is gone
    const int filasFijas_;
    const int columnasFijas_;
    bool simbolosVisibles_ = false;
    QStringList cabecerasHabladas_;
    std::function<bool(int, int)> editable_;
    std::function<QVariant(int, int, int)> aspecto_;
};

class Rejilla final : public QTableView {
    Q_OBJECT

  public:
    Rejilla(Tabla& tabla, int filasFijas, int columnasFijas, QWidget* padre);

    Q_INVOKABLE QString cellText(int row, int column) const;

    // Width a scrolling column needs to show its visible contents whole.
    int anchoContenido(int columna) const;
    // Width of the whole grid with its vertical scroll bar and frame.
    int anchoTotal() const;
    // Fixes the height to show every row at once, with room for the horizontal scroll bar;
    // for grids of a few rows and many columns.
    void muestraTodasLasFilas();
    // For conversion tables: a space, line feed or carriage return symbol is drawn as a sign
    // (␣, LF, CR) instead of as nothing; cellText still gives the symbol itself.
    void muestraSimbolosInvisibles();
    // Shows the rows down to the last one that holds anything and hides the empty rows below.
    void ocultaFilasVacias();
    // The whole content as a block, headers included.
    BloqueTabla bloque() const { return modelo_->bloque(); }
    // The selected cells as tab-separated rows, under the header row and after the header
    // column when the grid has them, as Ctrl+C copies them.
    QString textoSeleccionado() const;

    // Lets the student type into the cells `editable` allows (see ModeloTabla::fijaEdicion).
    // Tab and Shift+Tab then walk those cells in reading order, each open for typing, and leave
    // the grid after the last and before the first.
    void permiteEdicion(std::function<bool(int, int)> editable,
                        std::function<QVariant(int, int, int)> aspecto);
    // Writes into the table what the open cell holds, and closes it.
    void confirmaEdicion();

  protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

  private:
    friend Rejilla* rejillaDeAlfabeto(Tabla& tabla, const char* nombre, QWidget* padre);
    // Opens the next (or previous) editable cell after `desde`, or moves the focus out of the
    // grid when there is none.
    void siguienteEditable(const QModelIndex& desde, bool adelante);

    ModeloTabla* modelo_;
};

// The property that marks a grid whose Tab walks its cells (the keyboard rules leave it alone).
inline constexpr char kTabEntreCeldas[] = "zefraTabEntreCeldas";

// A conversion grid of an alphabet: its four columns 31 points wide, blanks and line ends drawn
// as signs, as wide as its columns, its cells read as "Símbolo" and "Código".
Rejilla* rejillaDeAlfabeto(Tabla& tabla, const char* nombre, QWidget* padre);

}  // namespace zefra::gui
