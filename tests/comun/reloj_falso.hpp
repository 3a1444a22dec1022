// A clock for tests: it shows the time the test sets and, if asked, moves on by a fixed step
// after every reading; or, when `real` is set, it runs as the real clock does from `ahora`.
#pragma once

#include <chrono>

#include "core/shell/tiempo.hpp"

namespace zefra::pruebas {

class RelojFalso final : public Reloj {
  public:
    double segundosDesdeMedianoche() const override {
        ++lecturas;
        if (real) {
            return ahora + std::chrono::duration<double>(std::chrono::steady_clock::now() - origen_)
                               .count();
        }
        const double lectura = ahora;
        ahora += paso;
        return lectura;
    }

    mutable double ahora = 36000;  // 10:00:00
    double paso = 0;
    mutable int lecturas = 0;
    bool real = false;

  private:
    std::chrono::steady_clock::time_point origen_ = std::chrono::steady_clock::now();
};

}  // namespace zefra::pruebas
