// The choice of the active alphabet from the main menu ("Seleccionar"): the entries of the five
// predefined alphabets and of the eight user slots, their enabling, and the status frame's
// label that names the active alphabet.
#pragma once

#include <QObject>
#include <array>
#include <string>

#include "gui/ui/contexto.hpp"

class QAction;
class QLabel;
class QMenu;

namespace zefra::gui {

// The menu entries the selection works with, as the main window builds them.
struct EntradasAlfabeto {
    QMenu* seleccionar = nullptr;            // "Seleccionar"
    std::array<QAction*, 5> predefinidos{};  // "a-z" … "ASCII"
    // The separator before the user alphabets, then the entry of each of the eight slots.
    std::array<QAction*, 9> ranuras{};
    std::array<QAction*, 3> deUsuario{};  // "Modificar", "Cerrar", "Guardar"
};

class SeleccionAlfabeto final : public QObject {
    Q_OBJECT

  public:
    // Connects the predefined and slot entries; `activo` is the status frame's label.
    SeleccionAlfabeto(Contexto& contexto, const EntradasAlfabeto& entradas, QLabel* activo,
                      QObject* padre);

    // Re-enables the entry of the active alphabet (and every user entry) before another one is
    // chosen.
    void habilitaAlfabetos();

    // Locks or unlocks the "Seleccionar" submenu while a cryptosystem window works over the
    // active alphabet.
    void habilitaSeleccion(bool habilitada);

    // An alphabet was loaded into the slot: its entry shows the name and can be chosen at once.
    void ranuraCargada(int ranura);
    // The slot's alphabet has a new name (the status frame follows when it is the active one).
    void ranuraRenombrada(int ranura);
    // The slot was closed; when its alphabet was the active one, "a-z" is active now.
    void ranuraCerrada(int ranura, bool eraActivo);
    // Enables or disables "Modificar", "Cerrar" and "Guardar", which act on the active user
    // alphabet.
    void habilitaDeUsuario(bool habilitados);

    // The caption of a menu entry that shows a name as it is (an "&" is no mnemonic).
    static QString tituloDeMenu(const std::string& nombre);
    // The name the entry of a slot shows.
    QString nombreEnMenu(int ranura) const;

  private:
    void eligePredefinido(int k);
    void eligeUsuario(int index);
    void activa(const std::string& nombre, QAction* entrada, bool deUsuario);

    Contexto& contexto_;
    const EntradasAlfabeto entradas_;
    QLabel* activo_;
};

}  // namespace zefra::gui
