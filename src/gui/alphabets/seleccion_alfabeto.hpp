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
class QMainWindow;
class QMenu;

namespace zefra::gui {

class SeleccionAlfabeto final : public QObject {
    Q_OBJECT

  public:
    // Takes the menu entries and the label of the main window by their names.
    SeleccionAlfabeto(Contexto& contexto, QMainWindow* principal);

    // The one of the main window behind this context.
    static SeleccionAlfabeto& de(const Contexto& contexto);

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

  private:
    void eligePredefinido(int k);
    void eligeUsuario(int index);
    void activa(const std::string& nombre, QAction* entrada, bool deUsuario);

    Contexto& contexto_;
    QLabel* lbalfabetoactivo_;
    QMenu* nSelecAlfa_;
    std::array<QAction*, 5> predefinidos_{};
    std::array<QAction*, 9> nalfaus_{};
    std::array<QAction*, 3> deUsuarioActivo_{};  // "Modificar", "Cerrar", "Guardar"
};

}  // namespace zefra::gui
