// What was last worked out about a modulus: a cipher window raises one block after another to a
// power modulo the same n, and the primality test and φ(n) are worth doing once, not per block.
#pragma once

#include <optional>

#include "core/modular/avisos_zn.hpp"
#include "core/shell/tiempo.hpp"

namespace zefra {

struct MemoriaModulo {
    double n = 0;
    std::optional<int> primo;   // esPrimo(n), 1 or 0
    std::optional<double> phi;  // φ(n)

    // Forgets everything when the modulus changes.
    void para(double modulo) {
        if (modulo == n) return;
        *this = MemoriaModulo{};
        n = modulo;
    }
};

// esPrimo(n), tested once for the last modulus and then remembered; its verdict is announced
// each time, remembered or not. Nothing when the budget runs out.
ConTiempo<int> esPrimoRecordado(Tiempo& tiempo, MemoriaModulo& memoria, double n, AvisosZn* avisos);

}  // namespace zefra
