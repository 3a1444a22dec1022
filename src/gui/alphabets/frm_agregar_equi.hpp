// The window that inserts an equivalence into the alphabet being modified, right after a
// chosen symbol.
#pragma once

#include <QDialog>

#include "gui/ui/contexto.hpp"

class QComboBox;

namespace zefra::gui {

class FrmAgregarEqui final : public QDialog {
    Q_OBJECT

  public:
    explicit FrmAgregarEqui(Contexto& contexto);

    // Fills the lists (the symbols after which to insert from the working table) and shows the
    // window modally.
    void pide();

  private:
    void aceptar();
    void llenaSimbolosDeLaTabla();

    Contexto& contexto_;
    QComboBox* simbolo_;
    QComboBox* codigo_;
    QComboBox* despuesDe_;
};

}  // namespace zefra::gui
