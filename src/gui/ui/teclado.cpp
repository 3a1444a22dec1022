#include "gui/ui/teclado.hpp"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <algorithm>

#include "gui/ui/rejilla.hpp"

namespace zefra::gui {
namespace {

// A cell editor keeps Tab for its grid.
bool dentroDeVista(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget()) {
        if (qobject_cast<const QAbstractItemView*>(p)) return true;
    }
    return false;
}

QRect enVentana(const QWidget* w, const QWidget* ventana) {
    return {w->mapTo(ventana, QPoint(0, 0)), w->size()};
}

// Shift+F10 does what the menu key does: the control with the focus gets a context menu event
// from the keyboard, placed at its text cursor (its centre when it has none).
void abreMenuContextual(QWidget* w) {
    const QPoint sitio = w->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, sitio, w->mapToGlobal(sitio));
    QCoreApplication::sendEvent(w, &menu);
}

}  // namespace

bool seLeeAntes(const QRect& a, const QRect& b) {
    const int solape = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) + 1;
    if (2 * solape > std::min(a.height(), b.height())) return a.left() < b.left();
    return a.center().y() < b.center().y();
}

QList<QWidget*> ordenDeLectura(const QWidget* ventana) {
    struct Control {
        QWidget* w;
        QRect sitio;
    };
    std::vector<Control> resto;
    for (QWidget* w : ventana->findChildren<QWidget*>()) {
        if (w->window() != ventana || !w->isVisible() || !w->isEnabled() || w->focusProxy() ||
            (w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || dentroDeVista(w)) {
            continue;
        }
        // A result label is a stop only once it shows something.
        if (const auto* l = qobject_cast<const QLabel*>(w); l && l->text().isEmpty()) continue;
        resto.push_back({w, enVentana(w, ventana)});
    }
    // Each time the control that no other one left is read before; should the positions
    // contradict each other, the highest one.
    QList<QWidget*> orden;
    while (!resto.empty()) {
        auto elegido = std::find_if(resto.begin(), resto.end(), [&resto](const Control& c) {
            return std::none_of(resto.begin(), resto.end(), [&c](const Control& d) {
                return d.w != c.w && seLeeAntes(d.sitio, c.sitio);
            });
        });
        if (elegido == resto.end()) {
            elegido =
                std::min_element(resto.begin(), resto.end(), [](const auto& a, const auto& b) {
                    return a.sitio.center().y() < b.sitio.center().y();
                });
        }
        orden << elegido->w;
        resto.erase(elegido);
    }
    return orden;
}

void enfocaSiguiente(QWidget* desde, bool adelante) {
    QWidget* ventana = desde->window();
    const QList<QWidget*> orden = ordenDeLectura(ventana);
    if (orden.isEmpty()) return;
    const qsizetype n = orden.size();
    const qsizetype i = orden.indexOf(desde);
    qsizetype siguiente = adelante ? 0 : n - 1;
    if (i >= 0) {
        siguiente = (i + (adelante ? 1 : n - 1)) % n;
    } else if (desde != ventana) {
        // From a place Tab does not stop at (a label clicked to select its text): the control
        // read right after it, or right before it.
        const QRect aqui = enVentana(desde, ventana);
        for (qsizetype k = 0; k < n; ++k) {
            const qsizetype j = adelante ? k : n - 1 - k;
            const QRect alli = enVentana(orden[j], ventana);
            if (adelante ? seLeeAntes(aqui, alli) : seLeeAntes(alli, aqui)) {
                siguiente = j;
                break;
            }
        }
    }
    orden[siguiente]->setFocus(adelante ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void Teclado::anadeAtajo(QAction* accion) {
    // Active from every window, not only from the one that holds the menu.
    accion->setShortcutContext(Qt::ApplicationShortcut);
    atajos_ << accion;
}

bool Teclado::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::ShortcutOverride) {
        // Left unaccepted, the key goes to the shortcut instead of the field's own binding.
        auto* tecla = static_cast<QKeyEvent*>(evento);
        const QKeySequence pulsada(tecla->keyCombination());
        const bool esAtajo = std::any_of(atajos_.begin(), atajos_.end(), [&](QAction* a) {
            return a->isEnabled() && a->shortcut() == pulsada;
        });
        if (esAtajo) {
            tecla->ignore();
            return true;
        }
        return false;
    }
    if (evento->type() != QEvent::KeyPress) return false;
    auto* tecla = static_cast<QKeyEvent*>(evento);
    const auto modificadores = tecla->modifiers() & ~Qt::KeypadModifier;
    const bool adelante = tecla->key() == Qt::Key_Tab && modificadores == Qt::NoModifier;
    const bool atras = (tecla->key() == Qt::Key_Backtab || tecla->key() == Qt::Key_Tab) &&
                       modificadores == Qt::ShiftModifier;
    auto* w = qobject_cast<QWidget*>(objeto);
    if (!w) return false;
    const Qt::WindowType tipo = w->window()->windowType();
    if (tipo == Qt::Popup || tipo == Qt::ToolTip) return false;
    if (tecla->key() == Qt::Key_F10 && modificadores == Qt::ShiftModifier) {
        abreMenuContextual(w);
        return true;
    }
    if ((!adelante && !atras) || dentroDeVista(w)) return false;
    // A grid the student fills in walks its own cells.
    if (w->property(kTabEntreCeldas).toBool()) return false;
    enfocaSiguiente(w, adelante);
    return true;
}

QRect junto(const QRect& ventana, const QRect& origen, const QRect& disponible) {
    const QSize tam = ventana.size().boundedTo(disponible.size());
    int x = origen.right() + 1;
    if (x + tam.width() - 1 > disponible.right()) x = origen.left() - tam.width();
    if (x < disponible.left()) x = origen.left();
    x = std::clamp(x, disponible.left(), disponible.right() - tam.width() + 1);
    const int y =
        std::clamp(origen.top(), disponible.top(), disponible.bottom() - tam.height() + 1);
    return {QPoint(x, y), tam};
}

void colocaJuntoAlActivo(QWidget& ventana) {
    static const char* const kColocada = "zefraColocada";
    if (ventana.property(kColocada).toBool()) return;
    ventana.setProperty(kColocada, true);
    QWidget* origen = QApplication::activeWindow();
    if (!origen || origen == &ventana || !origen->isVisible()) {
        origen = ventana.parentWidget() ? ventana.parentWidget()->window() : nullptr;
    }
    if (!origen || !origen->isVisible()) return;
    // The new window's frame is taken as thick as the one it opens from.
    const QRect fuera = origen->frameGeometry();
    const QRect dentro = origen->geometry();
    const QMargins marco(dentro.left() - fuera.left(), dentro.top() - fuera.top(),
                         fuera.right() - dentro.right(), fuera.bottom() - dentro.bottom());
    ventana.ensurePolished();
    const QSize tam = ventana.testAttribute(Qt::WA_Resized) ? ventana.size() : ventana.sizeHint();
    const QRect sitio = junto(QRect(QPoint(), tam).marginsAdded(marco), fuera,
                              origen->screen()->availableGeometry());
    ventana.resize(sitio.marginsRemoved(marco).size().boundedTo(tam));
    ventana.move(sitio.topLeft());
}

void preparaModal(QDialog& dialogo) {
    // Shown, a dialog is centred on its parent and kept inside the screen.
    QWidget* pide = QApplication::activeWindow();
    if (pide && pide != &dialogo && pide->isVisible() && pide != dialogo.parentWidget()) {
        dialogo.setParent(pide, dialogo.windowFlags());
    }
}

}  // namespace zefra::gui
