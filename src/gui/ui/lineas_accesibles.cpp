#include "gui/ui/lineas_accesibles.hpp"

#include <QAccessibleWidget>
#include <QPointer>
#include <unordered_map>

#include "gui/ui/vista_lineas.hpp"

namespace zefra::gui {
namespace {

int filasDe(const VistaLineas* vista) {
    return vista && vista->model() ? vista->model()->rowCount(vista->rootIndex()) : 0;
}

// One line of the list, read from the model each time it is asked.
class LineaAccesible final : public QAccessibleInterface {
  public:
    LineaAccesible(VistaLineas* vista, int fila) : vista_(vista), fila_(fila) {}

    int fila() const { return fila_; }
    bool isValid() const override { return fila_ < filasDe(vista_); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return vista_ ? vista_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(vista_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid()) return {};
        return indice().data().toString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect r = vista_->visualRect(indice());
        return {vista_->viewport()->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) return s;
        s.selectable = s.focusable = true;
        s.selected = vista_->selectionModel()->isRowSelected(fila_, vista_->rootIndex());
        s.focused = vista_->hasFocus() && vista_->currentIndex() == indice();
        s.invisible = !vista_->viewport()->rect().intersects(vista_->visualRect(indice()));
        return s;
    }

  private:
    QModelIndex indice() const { return vista_->model()->index(fila_, 0, vista_->rootIndex()); }

    QPointer<VistaLineas> vista_;
    const int fila_;
};

// The list: as many children as lines, each made when first asked for and kept.
class ListaAccesible final : public QAccessibleWidget {
  public:
    explicit ListaAccesible(VistaLineas* vista) : QAccessibleWidget(vista, QAccessible::List) {}
    ~ListaAccesible() override {
        for (const auto& [fila, id] : hijos_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return filasDe(vista()); }
    QAccessibleInterface* child(int i) const override {
        if (i < 0 || i >= childCount()) return nullptr;
        const auto hallado = hijos_.find(i);
        if (hallado != hijos_.end()) return QAccessible::accessibleInterface(hallado->second);
        auto* hijo = new LineaAccesible(vista(), i);
        hijos_.emplace(i, QAccessible::registerAccessibleInterface(hijo));
        return hijo;
    }
    int indexOfChild(const QAccessibleInterface* hijo) const override {
        const auto* linea = dynamic_cast<const LineaAccesible*>(hijo);
        return linea && linea->parent() == this ? linea->fila() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint punto = vista()->viewport()->mapFromGlobal(QPoint(x, y));
        const QModelIndex indice = vista()->indexAt(punto);
        return indice.isValid() ? child(indice.row()) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const QModelIndex actual = vista()->currentIndex();
        return vista()->hasFocus() && actual.isValid() ? child(actual.row()) : nullptr;
    }

  private:
    VistaLineas* vista() const { return static_cast<VistaLineas*>(widget()); }

    mutable std::unordered_map<int, QAccessible::Id> hijos_;
};

}  // namespace

QAccessibleInterface* listaAccesible(const QString& clase, QWidget* widget) {
    if (clase != QLatin1String(VistaLineas::staticMetaObject.className())) return nullptr;
    return new ListaAccesible(static_cast<VistaLineas*>(widget));
}

}  // namespace zefra::gui
