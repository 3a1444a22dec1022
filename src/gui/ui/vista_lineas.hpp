// A read-only list of text lines over a list model, for lists of millions of lines: every line
// has the same height, so nothing is laid out per line and only the visible lines are painted.
// The lines can be selected and copied, and the whole text is the `text` property.
#pragma once

#include <QAbstractItemView>

namespace zefra::gui {

class VistaLineas final : public QAbstractItemView {
    Q_OBJECT
    Q_PROPERTY(QString text READ text)

  public:
    explicit VistaLineas(QWidget* padre);

    // Every line of the model, each followed by a line break.
    QString text() const;
    // The selected lines, in order, each followed by a line break.
    QString textoSeleccionado() const;
    // Puts the selected lines on the clipboard.
    void copia() const;

    QRect visualRect(const QModelIndex& indice) const override;
    void scrollTo(const QModelIndex& indice, ScrollHint pista = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& punto) const override;
    QSize sizeHint() const override;
    void reset() override;

  protected:
    QModelIndex moveCursor(CursorAction accion, Qt::KeyboardModifiers modificadores) override;
    int horizontalOffset() const override { return 0; }
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex&) const override { return false; }
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags flags) override;
    QRegion visualRegionForSelection(const QItemSelection& seleccion) const override;
    void updateGeometries() override;
    void rowsInserted(const QModelIndex& padre, int primera, int ultima) override;
    void paintEvent(QPaintEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void currentChanged(const QModelIndex& actual, const QModelIndex& anterior) override;
    void contextMenuEvent(QContextMenuEvent* evento) override;
    void changeEvent(QEvent* evento) override;

  private:
    int filas() const;
    int filaEn(int y) const;
    QString lineas(int primera, int ultima) const;

    int altoFila_ = 1;
};

}  // namespace zefra::gui
