// φ(k) for 1 ≤ k ≤ n, for a chart: every k while there are few, evenly spaced k beyond that.
#pragma once

#include <cstdint>
#include <vector>

namespace zefra {

struct PuntoEuler {
    std::uint64_t k = 0;
    std::uint64_t phi = 0;
};

// Every k in 1 … n while n ≤ maximo (φ by a sieve); otherwise `maximo` values of k spread
// evenly up to n, ending at n, each φ(k) by its factorization. Empty for n = 0.
std::vector<PuntoEuler> muestrasEuler(std::uint64_t n, std::uint64_t maximo);

}  // namespace zefra
