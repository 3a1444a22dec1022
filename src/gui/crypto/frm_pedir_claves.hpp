// The key window of the private-key system: states n, searches keys r prime to n, and passes
// the keys r and s to the encryption window.
#pragma once

#include "gui/ui/contexto.hpp"
#include "gui/ui/ventana.hpp"

class QComboBox;
class QLabel;
class QLineEdit;

namespace zefra::gui {

class FrmPedirClaves final : public Ventana {
    Q_OBJECT

  public:
    explicit FrmPedirClaves(Contexto& contexto);

    // Empties the list of keys found; the text typed in the drop-down stays.
    void vaciaLista();

  public slots:
    void salir() override;

  private slots:
    void buscaClaves();
    void continua();

  private:
    Contexto& contexto_;
    QLabel* fraseModulo_;
    QComboBox* claveR_;  // the keys found, or r as typed
    QLineEdit* claveS_;
    QLineEdit* claveMinima_;
};

}  // namespace zefra::gui
