// What a computation in Zn announces, sent on as the signals of the context's echoes, so that
// the primality and Euler windows show it whichever window ran the computation.
#pragma once

#include "core/modular/avisos_zn.hpp"
#include "gui/ui/avisos.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {

class AvisosVentanas final : public AvisosZn {
  public:
    explicit AvisosVentanas(Avisos& avisos) : avisos_(avisos) {}

    void veredictoEsPrimo(std::string_view veredicto) override {
        emit avisos_.veredictoEsPrimo(aQt(veredicto));
    }
    void primosEuler(std::string_view lista, bool terminada) override {
        emit avisos_.primosEuler(aQt(lista), terminada);
    }

  private:
    Avisos& avisos_;
};

}  // namespace zefra::gui
