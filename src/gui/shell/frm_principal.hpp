// The main window: the menu of every operation, the status frame with the time budget and the
// active alphabet, and the exit path.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "gui/ui/contexto.hpp"
#include "gui/ui/entrada_en_espera.hpp"

class QLabel;
class QLineEdit;

namespace zefra::gui {

class FrmPrincipal final : public QMainWindow {
    Q_OBJECT

  public:
    explicit FrmPrincipal(Estado& estado);

    Contexto& contexto() { return contexto_; }

    // How the program ends; the default leaves the event loop. Tests observe it instead.
    void fijaTerminar(std::function<void()> terminar) { terminar_ = std::move(terminar); }

  public slots:
    // The exit path: warns before unsaved user alphabets are lost.
    void salir();

  protected:
    void closeEvent(QCloseEvent* evento) override;

  private:
    // Ends the program, stopping any computation under way.
    void termina();
    void construyeMenu();
    QWidget* construyeCabecera();
    QWidget* construyeEstado();
    QLineEdit* campoPresupuesto(const char* nombre, std::string Presupuesto::*campo);

    Contexto contexto_;
    std::function<void()> terminar_;
    // Whether the busy cursor is shown; shared with the time hooks, which may outlive nothing.
    std::shared_ptr<bool> ocupado_ = std::make_shared<bool>(false);
    // The input typed during a computation, kept until it ends.
    std::shared_ptr<EntradaEnEspera> entrada_ = std::make_shared<EntradaEnEspera>();
    // The status frame's name of the active alphabet, made before the menu that updates it.
    QLabel* alfabetoActivo_;
};

}  // namespace zefra::gui
