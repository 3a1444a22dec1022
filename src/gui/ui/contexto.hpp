// What every window is given: the program-wide state and the registry of windows, which
// creates a window on its first opening and from then on only shows it again.
#pragma once

#include <QWidget>
#include <typeindex>
#include <unordered_map>

#include "shell/estado.hpp"

namespace zefra::gui {

class Contexto {
  public:
    Contexto(Estado& estado, QWidget* principal) : estado(estado), principal(principal) {}
    Contexto(const Contexto&) = delete;
    Contexto& operator=(const Contexto&) = delete;

    Estado& estado;
    QWidget* const principal;

    // The one window of type W, created on first use as a child window of the main window
    // (which owns it).
    template <class W>
    W& ventana() {
        auto& sitio = ventanas_[std::type_index(typeid(W))];
        if (!sitio) sitio = new W(*this);
        return static_cast<W&>(*sitio);
    }

    // Shows the window modeless and brings it to the front.
    template <class W>
    W& abre() {
        W& w = ventana<W>();
        muestra(w);
        return w;
    }

    static void muestra(QWidget& w);

  private:
    std::unordered_map<std::type_index, QWidget*> ventanas_;
};

}  // namespace zefra::gui
