// A clock for tests: it shows the time the test sets and, if asked, moves on by a fixed step
// after every reading.
#pragma once

#include "shell/tiempo.hpp"

namespace zefra::pruebas {

class RelojFalso final : public Reloj {
  public:
    double segundosDesdeMedianoche() const override {
        ++lecturas;
        const double lectura = ahora;
        ahora += paso;
        return lectura;
    }

    mutable double ahora = 36000;  // 10:00:00
    double paso = 0;
    mutable int lecturas = 0;
};

}  // namespace zefra::pruebas
