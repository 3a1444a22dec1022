// The workloads of zefra-bench. Each file registers its own with a static Registro.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "core/estado.hpp"
#include "core/shell/tiempo.hpp"

namespace zefra::bench {

struct Carga {
    std::string nombre;
    std::string descripcion;
    // Runs the workload once and says whether its result was right.
    std::function<bool()> ejecuta;
    // What the time is held against, printed beside it: with a reference workload, the largest
    // ratio to the reference's time; without one, the most seconds allowed (0: no target).
    std::string referencia = {};
    double objetivo = 0;
    // Untimed steps around it, when set: what it needs ready, and the check of its result.
    std::function<void()> prepara = {};
    std::function<bool()> comprueba = {};
};

std::vector<Carga>& cargas();

struct Registro {
    explicit Registro(Carga carga) { cargas().push_back(std::move(carga)); }
};

// A steady clock and a time state whose budget never runs out, for measuring.
class RelojBench final : public Reloj {
  public:
    double segundosDesdeMedianoche() const override {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - origen_).count();
    }

  private:
    std::chrono::steady_clock::time_point origen_ = std::chrono::steady_clock::now();
};

Tiempo& tiempoIlimitado();
// A whole program state under that budget.
Estado& estadoIlimitado();

}  // namespace zefra::bench
