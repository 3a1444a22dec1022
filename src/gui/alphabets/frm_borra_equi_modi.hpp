// The window that deletes an equivalence from the alphabet being modified, chosen by its symbol
// or by its code.
#pragma once

#include <QDialog>

#include "gui/ui/contexto.hpp"

class QComboBox;

namespace zefra::gui {

class FrmBorraEquiModi final : public QDialog {
    Q_OBJECT

  public:
    explicit FrmBorraEquiModi(Contexto& contexto);

    // Fills the lists from the working table and shows the window modally.
    void pide();

  public slots:
    // "Salir", the window frame and Escape: empties both texts and hides the window.
    void reject() override;

  private:
    void aceptar();
    void llenaListas();

    Contexto& contexto_;
    QComboBox* simbolo_;
    QComboBox* codigo_;
};

}  // namespace zefra::gui
