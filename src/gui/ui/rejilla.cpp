#include "gui/ui/rejilla.hpp"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

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
    if (rol == Qt::TextAlignmentRole) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (rol != Qt::DisplayRole && rol != Qt::ToolTipRole) return {};
    const QString celda = texto(indice.row() + filasFijas_, indice.column() + columnasFijas_);
    return simbolosVisibles_ ? signoVisible(celda) : celda;
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

void Rejilla::keyPressEvent(QKeyEvent* evento) {
    if (evento->matches(QKeySequence::Copy)) {
        const QString texto = textoSeleccionado();
        if (!texto.isEmpty()) QGuiApplication::clipboard()->setText(texto);
        return;
    }
    QTableView::keyPressEvent(evento);
}

}  // namespace zefra::gui
