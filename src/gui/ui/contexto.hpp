// What every window is given: the program-wide state, the echoes between windows, the alphabet
// management of the main window and the registry of windows, which creates a window on its first
// opening and from then on only shows it again.
#pragma once

#include <QString>
#include <QWidget>
#include <map>
#include <typeindex>
#include <utility>

#include "core/estado.hpp"
#include "gui/ui/avisos.hpp"
#include "gui/ui/trazas.hpp"

namespace zefra::gui {

class GestionAlfabetos;
class SeleccionAlfabeto;

class Contexto {
  public:
    Contexto(Estado& estado, QWidget* principal) : estado(estado), principal(principal) {}
    Contexto(const Contexto&) = delete;
    Contexto& operator=(const Contexto&) = delete;

    Estado& estado;
    QWidget* const principal;
    // The echoes between windows; a window connects to the ones it shows.
    Avisos avisos;
    // The last trace of each traced routine, for the trace windows.
    Trazas trazas;
    // The user alphabets' life and the choice of the active alphabet, which the main window
    // builds with its menu and owns.
    GestionAlfabetos* gestionAlfabetos = nullptr;
    SeleccionAlfabeto* seleccionAlfabeto = nullptr;

    // The one window of type W, created on first use as a child window of the main window
    // (which owns it).
    template <class W>
    W& ventana() {
        return registrada<W>(QString(), [this] { return new W(*this); });
    }

    // The one window of type W if it has been created, else nothing.
    template <class W>
    W* existente() const {
        const auto sitio = ventanas_.find({std::type_index(typeid(W)), QString()});
        return sitio == ventanas_.end() ? nullptr : static_cast<W*>(sitio->second);
    }

    // The window called `nombre` of a class that builds several windows from data, created on
    // first use as W(contexto, nombre).
    template <class W>
    W& ventana(const QString& nombre) {
        return registrada<W>(nombre, [this, &nombre] { return new W(*this, nombre); });
    }

    // Shows the window modeless and brings it to the front.
    template <class W>
    W& abre() {
        W& w = ventana<W>();
        muestra(w);
        return w;
    }

    template <class W>
    W& abre(const QString& nombre) {
        W& w = ventana<W>(nombre);
        muestra(w);
        return w;
    }

    // Shows a window, or during a computation shows it without the focus, which it gets when
    // the computation ends (activaLosAbiertosDurante).
    static void muestra(QWidget& w);
    static void activaLosAbiertosDurante(QWidget& principal);

  private:
    template <class W, class Crea>
    W& registrada(const QString& nombre, Crea crea) {
        QWidget*& sitio = ventanas_[{std::type_index(typeid(W)), nombre}];
        if (!sitio) sitio = crea();
        return static_cast<W&>(*sitio);
    }

    // Keyed by class and, for classes that build several windows, by window name.
    std::map<std::pair<std::type_index, QString>, QWidget*> ventanas_;
};

}  // namespace zefra::gui
