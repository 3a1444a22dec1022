// The window that names a newly defined alphabet and loads it into a free slot when asked to.
#pragma once

#include <QDialog>
#include <string>

#include "gui/ui/contexto.hpp"

class QLineEdit;

namespace zefra::gui {

class FrNombreAlfa final : public QDialog {
    Q_OBJECT

  public:
    explicit FrNombreAlfa(Contexto& contexto);

    // Shows it modally over the define window.
    void pide();
    // The name typed.
    std::string nombre() const;

  public slots:
    // "Cancelar", the window frame and Escape: empties the name and hides the window.
    void reject() override;

  private:
    void aceptar();

    Contexto& contexto_;
    QLineEdit* nombre_;
};

}  // namespace zefra::gui
