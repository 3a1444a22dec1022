#include "gui/ui/rejilla.hpp"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include "gui/ui/teclado.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/ventana.hpp"

namespace zefra::gui {

ModeloTabla::ModeloTabla(Tabla& tabla, int filasFijas, int columnasFijas, QObject* padre)
    : QAbstractTableModel(padre),
      tabla_(&tabla),
      filasFijas_(filasFijas),
      columnasFijas_(columnasFijas) {
    tabla_->fijaObservador(this);
}

ModeloTabla::~ModeloTabla() {
    if (tabla_) tabla_->fijaObservador(nullptr);
}

int ModeloTabla::rowCount(const QModelIndex& padre) const {
    return padre.isValid() || !tabla_ ? 0 : std::max(0, tabla_->filas() - filasFijas_);
}

int ModeloTabla::columnCount(const QModelIndex& padre) const {
    return padre.isValid() || !tabla_ ? 0 : std::max(0, tabla_->columnas() - columnasFijas_);
}

QString ModeloTabla::texto(int fila, int columna) const {
    if (!tabla_ || fila < 0 || fila >= tabla_->filas() || columna < 0 ||
        columna >= tabla_->columnas()) {
        return {};
    }
    return aQt(tabla_->texto(fila, columna));
}

BloqueTabla ModeloTabla::bloque() const {
    if (!tabla_) return {};
    return bloqueDeTabla(*tabla_, filasFijas_, columnasFijas_);
}

namespace {

// The sign that stands for a one-character cell that would otherwise draw as nothing: ␣ for a
// space, the usual abbreviations for control characters (fonts seldom have their pictures).
QString signoVisible(const QString& texto) {
    if (texto.size() != 1) return texto;
    const char16_t c = texto.front().unicode();
    switch (c) {
        case u' ':
            return QStringLiteral("\u2423");
        case u'\n':
            return QStringLiteral("LF");
        case u'\r':
            return QStringLiteral("CR");
        case u'\t':
            return QStringLiteral("TAB");
        case 0x7F:
            return QStringLiteral("DEL");
        default:
            if (c < 0x20) return QStringLiteral("^") + QChar(static_cast<char16_t>(0x40 + c));
            return texto;
    }
}

}  // namespace

QVariant ModeloTabla::data(const QModelIndex& indice, int rol) const {
    if (!indice.isValid()) return {};
    const int fila = indice.row() + filasFijas_;
    const int columna = indice.column() + columnasFijas_;
    if (rol == Qt::TextAlignmentRole) {
        const QVariant propia = aspecto_ ? aspecto_(fila, columna, rol) : QVariant();
        return propia.isValid() ? propia : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (rol == Qt::EditRole) return texto(fila, columna);
    if (rol != Qt::DisplayRole && rol != Qt::ToolTipRole) {
        return aspecto_ ? aspecto_(fila, columna, rol) : QVariant();
    }
    const QString celda = texto(fila, columna);
    return simbolosVisibles_ ? signoVisible(celda) : celda;
}

void ModeloTabla::fijaEdicion(std::function<bool(int, int)> editable,
                              std::function<QVariant(int, int, int)> aspecto) {
    editable_ = std::move(editable);
    aspecto_ = std::move(aspecto);
}

Qt::ItemFlags ModeloTabla::flags(const QModelIndex& indice) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(indice);
    if (indice.isValid() && editable(indice.row(), indice.column())) f |= Qt::ItemIsEditable;
    return f;
}

bool ModeloTabla::setData(const QModelIndex& indice, const QVariant& valor, int rol) {
    if (!tabla_ || rol != Qt::EditRole || !indice.isValid() ||
        !editable(indice.row(), indice.column())) {
        return false;
    }
    // The table tells this model of the change, which redraws the cell.
    tabla_->fija(indice.row() + filasFijas_, indice.column() + columnasFijas_,
                 aCore(valor.toString()));
    return true;
}

QVariant ModeloTabla::headerData(int seccion, Qt::Orientation orientacion, int rol) const {
    if (rol != Qt::DisplayRole) return {};
    if (orientacion == Qt::Horizontal && filasFijas_ > 0) return texto(0, seccion + columnasFijas_);
    if (orientacion == Qt::Horizontal) return cabecerasHabladas_.value(seccion);
    if (orientacion == Qt::Vertical && columnasFijas_ > 0) return texto(seccion + filasFijas_, 0);
    return {};
}

void ModeloTabla::celdaCambiada(int fila, int columna) {
    const bool enFilaFija = fila < filasFijas_;
    const bool enColumnaFija = columna < columnasFijas_;
    if (enFilaFija && !enColumnaFija) {
        emit headerDataChanged(Qt::Horizontal, columna - columnasFijas_, columna - columnasFijas_);
    } else if (enColumnaFija && !enFilaFija) {
        emit headerDataChanged(Qt::Vertical, fila - filasFijas_, fila - filasFijas_);
    } else if (!enFilaFija) {
        const QModelIndex celda = index(fila - filasFijas_, columna - columnasFijas_);
        emit dataChanged(celda, celda, {Qt::DisplayRole});
    }
}

void ModeloTabla::dimensionesCambiadas() {
    beginResetModel();
    endResetModel();
}

void ModeloTabla::tablaDestruida() {
    beginResetModel();
    tabla_ = nullptr;
    endResetModel();
}

Rejilla::Rejilla(Tabla& tabla, int filasFijas, int columnasFijas, QWidget* padre)
    : QTableView(padre), modelo_(new ModeloTabla(tabla, filasFijas, columnasFijas, this)) {
    setModel(modelo_);
    horizontalHeader()->setVisible(filasFijas > 0);
    verticalHeader()->setVisible(columnasFijas > 0);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setAlternatingRowColors(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

QString Rejilla::cellText(int row, int column) const {
    return modelo_->texto(row, column);
}

int Rejilla::anchoContenido(int columna) const {
    return std::max(sizeHintForColumn(columna), horizontalHeader()->sectionSizeHint(columna)) + 8;
}

int Rejilla::anchoTotal() const {
    int total = verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
    if (verticalHeader()->isVisible()) total += verticalHeader()->width();
    for (int c = 0; c < model()->columnCount(); ++c)
        total += columnWidth(c);
    return total;
}

void Rejilla::muestraSimbolosInvisibles() {
    modelo_->fijaSimbolosVisibles(true);
    viewport()->update();
}

void Rejilla::ocultaFilasVacias() {
    const int filas = model()->rowCount();
    int ultima = -1;
    for (int f = 0; f < filas; ++f) {
        for (int c = 0; c < model()->columnCount() && ultima < f; ++c) {
            if (!model()->index(f, c).data().toString().isEmpty()) ultima = f;
        }
    }
    for (int f = 0; f < filas; ++f)
        setRowHidden(f, f > ultima);
}

Rejilla* rejillaDeAlfabeto(Tabla& tabla, const char* nombre, QWidget* padre) {
    auto* rejilla = new Rejilla(tabla, 0, 0, padre);
    rejilla->setObjectName(QString::fromLatin1(nombre));
    rejilla->muestraSimbolosInvisibles();
    rejilla->setAccessibleName(QStringLiteral("Tabla de equivalencia"));
    rejilla->modelo_->fijaCabecerasHabladas({QStringLiteral("Símbolo"), QStringLiteral("Código"),
                                             QStringLiteral("Símbolo"), QStringLiteral("Código")});
    rejilla->horizontalHeader()->setMinimumSectionSize(8);
    for (int c = 0; c < tabla.columnas(); ++c)
        rejilla->setColumnWidth(c, pixelesDePuntos(padre, 31));
    rejilla->setFixedWidth(rejilla->anchoTotal());
    rejilla->setMinimumHeight(rejilla->verticalHeader()->defaultSectionSize() * 14);
    return rejilla;
}

void Rejilla::muestraTodasLasFilas() {
    int alto = 2 * frameWidth() + horizontalScrollBar()->sizeHint().height() + 2;
    if (horizontalHeader()->isVisible()) alto += horizontalHeader()->sizeHint().height();
    for (int f = 0; f < model()->rowCount(); ++f)
        alto += rowHeight(f);
    setFixedHeight(alto);
}

QString Rejilla::textoSeleccionado() const {
    const QModelIndexList celdas =
        selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    if (celdas.isEmpty()) return {};
    int arriba = celdas.front().row(), abajo = arriba;
    int izquierda = celdas.front().column(), derecha = izquierda;
    for (const QModelIndex& c : celdas) {
        arriba = std::min(arriba, c.row());
        abajo = std::max(abajo, c.row());
        izquierda = std::min(izquierda, c.column());
        derecha = std::max(derecha, c.column());
    }
    const bool filaCabecera = !horizontalHeader()->isHidden();
    const bool columnaCabecera = !verticalHeader()->isHidden();
    QString texto;
    const auto fila = [&](int f, const auto& celda) {
        QStringList campos;
        if (columnaCabecera)
            campos << (f < 0 ? QString()
                             : modelo_->headerData(f, Qt::Vertical, Qt::DisplayRole).toString());
        for (int c = izquierda; c <= derecha; ++c)
            campos << celda(f, c);
        texto += campos.join(QLatin1Char('\t')) + QLatin1Char('\n');
    };
    if (filaCabecera) {
        fila(-1, [this](int, int c) {
            return modelo_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        });
    }
    for (int f = arriba; f <= abajo; ++f) {
        if (isRowHidden(f)) continue;
        fila(f, [this](int r, int c) { return modelo_->celda(r, c); });
    }
    return texto;
}

namespace {

// The cell editor of a grid the student fills in: Enter keeps what was typed at once, so that
// the window's default button, which the key goes on to, reads it.
class DelegadoCeldas final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        auto* editor = qobject_cast<QWidget*>(objeto);
        if (editor && evento->type() == QEvent::KeyPress) {
            const auto* tecla = static_cast<QKeyEvent*>(evento);
            if (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                return false;
            }
            // Shift+Tab may come as Tab with Shift: it goes back all the same.
            if (tecla->key() == Qt::Key_Tab && tecla->modifiers() & Qt::ShiftModifier) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::EditPreviousItem);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(objeto, evento);
    }
};

}  // namespace

void Rejilla::permiteEdicion(std::function<bool(int, int)> editable,
                             std::function<QVariant(int, int, int)> aspecto) {
    modelo_->fijaEdicion(std::move(editable), std::move(aspecto));
    setProperty(kTabEntreCeldas, true);
    setItemDelegate(new DelegadoCeldas(this));
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    // The cell to type in shows by its focus frame; a selection would hide its verdict colour.
    setSelectionMode(QAbstractItemView::NoSelection);
}

void Rejilla::confirmaEdicion() {
    if (state() != QAbstractItemView::EditingState) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

namespace {

// The editable cell after (or before) `desde` in reading order; from the first (or last) cell
// when `desde` is not a cell.
QModelIndex editableJunto(const ModeloTabla& modelo, const QModelIndex& desde, bool adelante) {
    const int columnas = modelo.columnCount();
    const int total = modelo.rowCount() * columnas;
    int i = desde.isValid() ? desde.row() * columnas + desde.column() : (adelante ? -1 : total);
    for (i += adelante ? 1 : -1; i >= 0 && i < total; i += adelante ? 1 : -1) {
        if (modelo.editable(i / columnas, i % columnas))
            return modelo.index(i / columnas, i % columnas);
    }
    return {};
}

}  // namespace

void Rejilla::siguienteEditable(const QModelIndex& desde, bool adelante) {
    const QModelIndex celda = editableJunto(*modelo_, desde, adelante);
    if (!celda.isValid()) return enfocaSiguiente(this, adelante);
    setCurrentIndex(celda);
    scrollTo(celda);
    edit(celda);
}

void Rejilla::focusInEvent(QFocusEvent* evento) {
    QTableView::focusInEvent(evento);
    const Qt::FocusReason razon = evento->reason();
    if (!property(kTabEntreCeldas).toBool() || razon == Qt::MouseFocusReason ||
        razon == Qt::PopupFocusReason) {
        return;
    }
    // Entered by Tab, the first cell to fill opens (the last by Shift+Tab); otherwise the
    // cursor only goes there, unless it is on such a cell already. A grid with none left keeps
    // the focus itself.
    const bool porTab = razon == Qt::TabFocusReason || razon == Qt::BacktabFocusReason;
    const QModelIndex actual = currentIndex();
    if (!porTab && actual.isValid() && modelo_->editable(actual.row(), actual.column())) return;
    const QModelIndex celda = editableJunto(*modelo_, {}, razon != Qt::BacktabFocusReason);
    if (!celda.isValid()) return;
    setCurrentIndex(celda);
    scrollTo(celda);
    if (porTab) edit(celda);
}

void Rejilla::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool adelante = hint == QAbstractItemDelegate::EditNextItem;
    if (!property(kTabEntreCeldas).toBool() ||
        (!adelante && hint != QAbstractItemDelegate::EditPreviousItem)) {
        return QTableView::closeEditor(editor, hint);
    }
    const QModelIndex actual = currentIndex();
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    siguienteEditable(actual, adelante);
}

void Rejilla::keyPressEvent(QKeyEvent* evento) {
    const auto modificadores = evento->modifiers() & ~Qt::KeypadModifier;
    const bool tab = evento->key() == Qt::Key_Tab && modificadores == Qt::NoModifier;
    const bool atras = (evento->key() == Qt::Key_Backtab || evento->key() == Qt::Key_Tab) &&
                       modificadores == Qt::ShiftModifier;
    if (property(kTabEntreCeldas).toBool() && (tab || atras)) {
        return siguienteEditable(currentIndex(), tab);
    }
    // Enter goes on to the window (its default button).
    const bool intro = evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter;
    if (property(kTabEntreCeldas).toBool() && intro) return evento->ignore();
    if (evento->matches(QKeySequence::Copy)) {
        const QString texto = textoSeleccionado();
        if (!texto.isEmpty()) QGuiApplication::clipboard()->setText(texto);
        return;
    }
    QTableView::keyPressEvent(evento);
}

}  // namespace zefra::gui
