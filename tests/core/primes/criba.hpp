// The primes up to a bound by the sieve of Eratosthenes: an answer found another way than by
// trial division, to check the routines against.
#pragma once

#include <cstdint>
#include <vector>

namespace zefra::pruebas {

// esPrimo[i] for 0 ≤ i ≤ n.
inline std::vector<bool> criba(int n) {
    std::vector<bool> esPrimo(static_cast<std::size_t>(n) + 1, true);
    esPrimo[0] = false;
    if (n >= 1) esPrimo[1] = false;
    for (std::int64_t i = 2; i * i <= n; ++i) {
        if (!esPrimo[static_cast<std::size_t>(i)]) continue;
        for (std::int64_t j = i * i; j <= n; j += i)
            esPrimo[static_cast<std::size_t>(j)] = false;
    }
    return esPrimo;
}

inline std::vector<std::int32_t> primosHasta(int n) {
    std::vector<std::int32_t> primos;
    const auto es = criba(n);
    for (int i = 2; i <= n; ++i) {
        if (es[static_cast<std::size_t>(i)]) primos.push_back(i);
    }
    return primos;
}

}  // namespace zefra::pruebas
