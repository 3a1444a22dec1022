// Secondary results that some routines report to the window that shows them, also when another
// routine calls them (a primality verdict while Euler's function runs, say). A window that wants
// them sets the matching callback when it is created; an unset callback is simply not called.
#pragma once

#include <functional>
#include <string_view>
#include <utility>

namespace zefra {

struct Observadores {
    // The representative in Zn: the remainder with the sign of a, and the truncated quotient.
    std::function<void(double resto, double cociente)> representante;
    // The inverse in Zn: the Bézout coefficient of the element before it is made non-negative.
    std::function<void(double)> inversoSinConvertir;

    // The Diophantine solver of the inverse in Zn: the gcd of its coefficients, and the Bézout
    // coefficient of the modulus.
    std::function<void(double)> mcdInverso;
    std::function<void(double)> coeficienteInverso;

    // The verdict text of the primality test, whenever it reaches one.
    std::function<void(std::string_view)> veredictoEsPrimo;
    // The lines of a completed factorization.
    std::function<void(std::string_view)> factorizacion;

    // The list field of Euler's function: the numbers prime to n (or what stands for them),
    // and whether the routine finished with it.
    std::function<void(std::string_view texto, bool terminada)> primosEuler;
    // A power in Zn has been computed (or stopped): its trace is in Estado::trazaPotencia.
    std::function<void()> trazaPotencia;

    // Calls the callback when one is set.
    template <class F, class... Args>
    static void avisa(const F& callback, Args&&... args) {
        if (callback) callback(std::forward<Args>(args)...);
    }
};

}  // namespace zefra
