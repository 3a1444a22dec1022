// While a computation runs, the windows keep painting and a close from a window's frame (which
// some platforms count as input) reaches its window; what the student types waits until the
// computation ends and is then delivered in order, so no keystroke is lost and none acts in the
// middle of a run. Mouse clicks, wheel turns and moves are not kept: they would land on whatever
// the screen shows by then. Input the owner allows (the program's exit) is handled at once.
// Escape is not kept: it asks the computation to stop.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

namespace zefra::gui {

// The property the main window has while a computation runs. A window shown then does not take
// the focus, so the keys typed meanwhile stay where they were typed.
inline constexpr char kCalculoEnCurso[] = "calculoEnCurso";

class EntradaEnEspera final : public QObject {
  public:
    // Handles the pending events, keeping back the user's input as said above.
    void atiende();
    // Delivers the keys kept back, in the order they were typed.
    void entrega();
    // Input that is handled during a run all the same.
    void permite(std::function<bool(QObject*, QEvent*)> permitida) {
        permitida_ = std::move(permitida);
    }
    // What Escape does during a run: ask the computation to stop.
    void fijaDetener(std::function<void()> detener) { detener_ = std::move(detener); }

  protected:
    bool eventFilter(QObject* destino, QEvent* evento) override;

  private:
    struct Pendiente {
        QPointer<QObject> destino;
        std::unique_ptr<QEvent> evento;
    };
    std::vector<Pendiente> pendientes_;
    std::function<bool(QObject*, QEvent*)> permitida_;
    std::function<void()> detener_;
};

}  // namespace zefra::gui
