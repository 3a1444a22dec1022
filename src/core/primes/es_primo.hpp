// The primality test by trial division with 2, 3 and the pairs 6k − 1, 6k + 1.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/shell/numeros.hpp"
#include "core/shell/tiempo.hpp"

namespace zefra {

inline constexpr std::string_view kEsPrimo = "¡ES PRIMO!.";
inline constexpr std::string_view kNoEsPrimo = "NO ES PRIMO.";

// 2^53 as an integer: up to here the test is about the number typed.
inline constexpr auto kMayorPrimoComprobable = static_cast<std::uint64_t>(kMayorEnteroExacto);

// 1 when n is prime, 0 when it is not (1, 0 and numbers that are not whole included), nothing
// when the budget runs out (private start). A negative number raises the invalid-argument error,
// after the budget has been read; there is no trap of its own.
ConTiempo<int> esPrimo(Tiempo& tiempo, double n);

// The same for a numeric text, whose wholeness is judged on its exact digits.
ConTiempo<int> esPrimo(Tiempo& tiempo, std::string_view texto);

// The verdict text of a result of esPrimo.
constexpr std::string_view textoVeredicto(int primo) {
    return primo == 1 ? kEsPrimo : kNoEsPrimo;
}

}  // namespace zefra
