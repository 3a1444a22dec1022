// The window that modifies the active user alphabet on a working copy: entries are inserted
// after a chosen symbol, deleted or sorted, and the alphabet may get a new name; "Aceptar"
// writes the copy back into its slot.
#pragma once

#include <optional>
#include <string>

#include "core/alphabets/alfabeto.hpp"
#include "gui/ui/contexto.hpp"
#include "gui/ui/ventana.hpp"

class QLineEdit;

namespace zefra::gui {

class Rejilla;

class FrmModificarAlfabeto final : public Ventana {
    Q_OBJECT

  public:
    explicit FrmModificarAlfabeto(Contexto& contexto);

    // "Modificar": shows a working copy of the alphabet of this slot, with no new name pending.
    void abreSobre(int ranura);

    // The working copy, which the windows that add and delete entries change.
    Tabla& trabajo() { return trabajo_; }
    // The slot of the alphabet being modified.
    int ranura() const { return ranura_; }
    // The new name to apply on "Aceptar"; nothing for none.
    void fijaNombrePendiente(std::optional<std::string> nombre);

  private slots:
    void ordenar();
    void aceptar();

  private:
    void cambiaNombreAlfabeto();

    Contexto& contexto_;
    Tabla trabajo_ = tablaAlfabeto();  // FlexAlfaSelec
    int ranura_ = -1;
    std::string nombre_;  // the alphabet's name when the window was opened (or last renamed)
    std::optional<std::string> nombrePendiente_;
    Rejilla* FlexAlfaSelec_;
    QLineEdit* txSeCambio_;
};

}  // namespace zefra::gui
