#include "gui/ui/estilo_foco.hpp"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <QWidget>

namespace zefra::gui {
namespace {

class EstiloFoco final : public QProxyStyle {
  public:
    void drawPrimitive(PrimitiveElement elemento, const QStyleOption* opcion, QPainter* pintor,
                       const QWidget* widget) const override {
        if (elemento == PE_FrameFocusRect) {
            anillo(opcion->rect, pintor);
            return;
        }
        QProxyStyle::drawPrimitive(elemento, opcion, pintor, widget);
        // Fields and text views: their frame turns into the ring while they have the focus.
        const bool marco = elemento == PE_FrameLineEdit || elemento == PE_Frame;
        if (marco && (opcion->state & State_HasFocus)) anillo(opcion->rect, pintor);
    }
    void drawControl(ControlElement elemento, const QStyleOption* opcion, QPainter* pintor,
                     const QWidget* widget) const override {
        QProxyStyle::drawControl(elemento, opcion, pintor, widget);
        // A scroll area's frame (a text view, a grid) is a shaped frame, not a primitive.
        if (elemento == CE_ShapedFrame && widget && widget->hasFocus())
            anillo(opcion->rect, pintor);
        // Buttons and boxes: the style's own hint is faint or looks like the default button's.
        const bool boton =
            elemento == CE_PushButton || elemento == CE_CheckBox || elemento == CE_RadioButton;
        if (boton && (opcion->state & State_HasFocus)) anillo(opcion->rect, pintor);
    }

  private:
    static void anillo(const QRect& rect, QPainter* pintor) {
        pintor->save();
        pintor->setRenderHint(QPainter::Antialiasing, false);
        pintor->setPen(QPen(kColorFoco, 2));
        pintor->setBrush(Qt::NoBrush);
        pintor->drawRect(rect.adjusted(1, 1, -1, -1));
        pintor->restore();
    }
};

}  // namespace

void instalaEstiloFoco() {
    QApplication::setStyle(new EstiloFoco);
    // A frame does not repaint by itself when the focus enters or leaves it.
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget* antes, QWidget* ahora) {
        for (QWidget* w : {antes, ahora}) {
            if (w) w->update();
        }
    });
}

}  // namespace zefra::gui
