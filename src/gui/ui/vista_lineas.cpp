#include "gui/ui/vista_lineas.hpp"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

namespace zefra::gui {
namespace {

// The selected rows as sorted, disjoint ranges (first, last).
std::vector<std::pair<int, int>> rangosDe(const QItemSelection& seleccion) {
    std::vector<std::pair<int, int>> rangos;
    for (const QItemSelectionRange& r : seleccion)
        rangos.emplace_back(r.top(), r.bottom());
    std::sort(rangos.begin(), rangos.end());
    std::vector<std::pair<int, int>> unidos;
    for (const auto& r : rangos) {
        if (!unidos.empty() && r.first <= unidos.back().second + 1) {
            unidos.back().second = std::max(unidos.back().second, r.second);
        } else {
            unidos.push_back(r);
        }
    }
    return unidos;
}

}  // namespace

VistaLineas::VistaLineas(QWidget* padre) : QAbstractItemView(padre) {
    setSelectionMode(ExtendedSelection);
    setSelectionBehavior(SelectRows);
    setEditTriggers(NoEditTriggers);
    setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    altoFila_ = fontMetrics().lineSpacing() + 2;
}

void VistaLineas::currentChanged(const QModelIndex& actual, const QModelIndex& anterior) {
    QAbstractItemView::currentChanged(actual, anterior);
    // The reader speaks the line the cursor moved to.
    if (QAccessible::isActive() && actual.isValid() && hasFocus()) {
        QAccessibleEvent evento(this, QAccessible::Focus);
        evento.setChild(actual.row());
        QAccessible::updateAccessibility(&evento);
    }
}

int VistaLineas::filas() const {
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int VistaLineas::filaEn(int y) const {
    const qint64 contenido = static_cast<qint64>(y) + verticalOffset();
    return contenido < 0 ? -1 : static_cast<int>(contenido / altoFila_);
}

int VistaLineas::verticalOffset() const {
    return verticalScrollBar()->value();
}

QRect VistaLineas::visualRect(const QModelIndex& indice) const {
    if (!indice.isValid()) return {};
    const qint64 y = static_cast<qint64>(indice.row()) * altoFila_ - verticalOffset();
    return {0, static_cast<int>(std::clamp<qint64>(y, INT_MIN / 2, INT_MAX / 2)),
            viewport()->width(), altoFila_};
}

QModelIndex VistaLineas::indexAt(const QPoint& punto) const {
    const int fila = filaEn(punto.y());
    if (fila < 0 || fila >= filas()) return {};
    return model()->index(fila, 0, rootIndex());
}

void VistaLineas::scrollTo(const QModelIndex& indice, ScrollHint pista) {
    if (!indice.isValid()) return;
    const qint64 arriba = static_cast<qint64>(indice.row()) * altoFila_;
    const int alto = viewport()->height();
    qint64 destino = verticalOffset();
    switch (pista) {
        case EnsureVisible:
            if (arriba < destino) {
                destino = arriba;
            } else if (arriba + altoFila_ > destino + alto) {
                destino = arriba + altoFila_ - alto;
            }
            break;
        case PositionAtTop:
            destino = arriba;
            break;
        case PositionAtBottom:
            destino = arriba + altoFila_ - alto;
            break;
        case PositionAtCenter:
            destino = arriba - (alto - altoFila_) / 2;
            break;
    }
    verticalScrollBar()->setValue(static_cast<int>(std::clamp<qint64>(destino, 0, INT_MAX)));
}

QModelIndex VistaLineas::moveCursor(CursorAction accion, Qt::KeyboardModifiers) {
    const int total = filas();
    if (total == 0) return {};
    // With no current line yet, any move starts at an end of the list.
    if (!currentIndex().isValid()) {
        return model()->index(accion == MoveEnd ? total - 1 : 0, 0, rootIndex());
    }
    const int actual = currentIndex().row();
    const int porPagina = std::max(1, viewport()->height() / altoFila_ - 1);
    int fila = actual;
    switch (accion) {
        case MoveUp:
        case MovePrevious:
            fila = actual - 1;
            break;
        case MoveDown:
        case MoveNext:
            fila = actual + 1;
            break;
        case MovePageUp:
            fila = actual - porPagina;
            break;
        case MovePageDown:
            fila = actual + porPagina;
            break;
        case MoveHome:
            fila = 0;
            break;
        case MoveEnd:
            fila = total - 1;
            break;
        default:
            break;
    }
    return model()->index(std::clamp(fila, 0, total - 1), 0, rootIndex());
}

void VistaLineas::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags flags) {
    const int total = filas();
    if (total == 0) return;
    const QRect r = rect.normalized();
    const int primera = std::clamp(filaEn(r.top()), 0, total - 1);
    const int ultima = std::clamp(filaEn(r.bottom()), 0, total - 1);
    selectionModel()->select(QItemSelection(model()->index(primera, 0, rootIndex()),
                                            model()->index(ultima, 0, rootIndex())),
                             flags);
}

QRegion VistaLineas::visualRegionForSelection(const QItemSelection& seleccion) const {
    QRegion region;
    const QRect vista = viewport()->rect();
    for (const QItemSelectionRange& r : seleccion) {
        const QRect arriba = visualRect(r.topLeft());
        const QRect abajo = visualRect(r.bottomRight());
        region += QRect(arriba.topLeft(), abajo.bottomRight()).normalized().intersected(vista);
    }
    return region;
}

void VistaLineas::updateGeometries() {
    const qint64 contenido = static_cast<qint64>(filas()) * altoFila_;
    const int alto = viewport()->height();
    verticalScrollBar()->setRange(
        0, static_cast<int>(std::clamp<qint64>(contenido - alto, 0, INT_MAX)));
    verticalScrollBar()->setPageStep(alto);
    verticalScrollBar()->setSingleStep(altoFila_);
    horizontalScrollBar()->setRange(0, 0);
    QAbstractItemView::updateGeometries();
}

void VistaLineas::rowsInserted(const QModelIndex& padre, int primera, int ultima) {
    QAbstractItemView::rowsInserted(padre, primera, ultima);
    updateGeometries();
    viewport()->update();
}

void VistaLineas::reset() {
    QAbstractItemView::reset();
    updateGeometries();
    viewport()->update();
}

void VistaLineas::paintEvent(QPaintEvent*) {
    const int total = filas();
    if (total == 0) return;
    QPainter pintor(viewport());
    QStyleOptionViewItem base;
    initViewItemOption(&base);
    base.state &= ~QStyle::State_MouseOver;  // the view, not a line, is what is under the mouse
    const int primera = std::max(0, filaEn(0));
    const int ultima = std::min(total - 1, filaEn(viewport()->height()));
    const QModelIndex actual = currentIndex();
    for (int fila = primera; fila <= ultima; ++fila) {
        const QModelIndex indice = model()->index(fila, 0, rootIndex());
        QStyleOptionViewItem opcion = base;
        opcion.rect = visualRect(indice);
        if (selectionModel()->isSelected(indice)) opcion.state |= QStyle::State_Selected;
        if (indice == actual && hasFocus()) opcion.state |= QStyle::State_HasFocus;
        itemDelegateForIndex(indice)->paint(&pintor, opcion, indice);
    }
}

QString VistaLineas::lineas(int primera, int ultima) const {
    QString texto;
    for (int fila = primera; fila <= ultima; ++fila) {
        texto += model()->index(fila, 0, rootIndex()).data().toString();
        texto += QLatin1Char('\n');
    }
    return texto;
}

QString VistaLineas::text() const {
    return filas() == 0 ? QString() : lineas(0, filas() - 1);
}

QString VistaLineas::textoSeleccionado() const {
    QString texto;
    for (const auto& [primera, ultima] : rangosDe(selectionModel()->selection()))
        texto += lineas(primera, ultima);
    return texto;
}

void VistaLineas::copia() const {
    // Built as UTF-8 line by line: a whole list of millions of lines stays at one byte per
    // digit instead of two.
    QByteArray texto;
    for (const auto& [primera, ultima] : rangosDe(selectionModel()->selection())) {
        for (int fila = primera; fila <= ultima; ++fila) {
            texto += model()->index(fila, 0, rootIndex()).data().toString().toUtf8();
            texto += '\n';
        }
    }
    if (texto.isEmpty()) return;
    auto* datos = new QMimeData;
    datos->setData(QStringLiteral("text/plain;charset=utf-8"), texto);
    datos->setData(QStringLiteral("text/plain"), texto);
    QApplication::clipboard()->setMimeData(datos);
}

void VistaLineas::keyPressEvent(QKeyEvent* evento) {
    if (evento == QKeySequence::Copy) {
        copia();
        evento->accept();
        return;
    }
    QAbstractItemView::keyPressEvent(evento);
}

void VistaLineas::contextMenuEvent(QContextMenuEvent* evento) {
    QMenu menu(this);
    QAction* copiar = menu.addAction(QStringLiteral("&Copiar"), this, &VistaLineas::copia);
    copiar->setShortcut(QKeySequence::Copy);
    copiar->setEnabled(selectionModel() && selectionModel()->hasSelection());
    QAction* todo =
        menu.addAction(QStringLiteral("Seleccionar &todo"), this, &QAbstractItemView::selectAll);
    todo->setShortcut(QKeySequence::SelectAll);
    todo->setEnabled(filas() > 0);
    menu.exec(evento->globalPos());
}

void VistaLineas::changeEvent(QEvent* evento) {
    QAbstractItemView::changeEvent(evento);
    if (evento->type() == QEvent::FontChange) {
        altoFila_ = fontMetrics().lineSpacing() + 2;
        updateGeometries();
    }
}

QSize VistaLineas::sizeHint() const {
    const int ancho = fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) +
                      verticalScrollBar()->sizeHint().width() + 2 * frameWidth() + 16;
    return {ancho, 14 * altoFila_ + 2 * frameWidth()};
}

}  // namespace zefra::gui
