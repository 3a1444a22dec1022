// The window that modifies the active user alphabet on a working copy: entries are inserted
// after a chosen symbol, deleted or sorted, and the alphabet may get a new name; "Aceptar"
// writes the copy back into its slot.
#pragma once

#include <optional>
#include <string>

#include "core/alphabets/edicion.hpp"
#include "gui/alphabets/tabla_alfabeto.hpp"
#include "gui/ui/contexto.hpp"
#include "gui/ui/ventana.hpp"

namespace zefra::gui {

class Rejilla;

class FrmModificarAlfabeto final : public Ventana {
    Q_OBJECT

  public:
    explicit FrmModificarAlfabeto(Contexto& contexto);

    // "Modificar": shows a working copy of the alphabet of this slot, with no new name pending.
    void abreSobre(int ranura);

    // The working copy, which the windows that add and delete entries change through agrega
    // and borra.
    const Equivalencias& trabajo() const { return trabajo_; }
    // agregaEquivalencia and borraEquivalencia on the working copy, shown at once.
    std::optional<std::string> agrega(std::string_view simbolo, std::string_view codigo,
                                      std::string_view despuesDe);
    bool borra(std::string_view simbolo, std::string_view codigo);
    // The slot of the alphabet being modified.
    int ranura() const { return ranura_; }
    // The new name to apply on "Aceptar"; nothing for none.
    void fijaNombrePendiente(std::optional<std::string> nombre) {
        nombrePendiente_ = std::move(nombre);
    }
    const std::optional<std::string>& nombrePendiente() const { return nombrePendiente_; }

  private slots:
    void ordenar();
    void aceptar();

  private:
    void cambiaNombreAlfabeto();
    // Shows the working copy in the grid.
    void muestra();

    Contexto& contexto_;
    Equivalencias trabajo_;
    Tabla tabla_ = tablaAlfabeto();  // the grid that shows the working copy
    int ranura_ = -1;
    std::string nombre_;  // the alphabet's name when the window was opened (or last renamed)
    std::optional<std::string> nombrePendiente_;
    Rejilla* rejilla_;
};

}  // namespace zefra::gui
