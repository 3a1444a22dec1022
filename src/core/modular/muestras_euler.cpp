#include "core/modular/muestras_euler.hpp"

#include <numeric>

#include "core/modular/euler.hpp"

namespace zefra {

std::vector<PuntoEuler> muestrasEuler(std::uint64_t n, std::uint64_t maximo) {
    std::vector<PuntoEuler> puntos;
    if (n <= maximo) {
        std::vector<std::uint64_t> phi(n + 1);
        std::iota(phi.begin(), phi.end(), std::uint64_t{0});
        for (std::uint64_t p = 2; p <= n; ++p) {
            if (phi[p] != p) continue;  // not prime: an earlier prime has lowered it
            for (std::uint64_t m = p; m <= n; m += p)
                phi[m] -= phi[m] / p;
        }
        for (std::uint64_t k = 1; k <= n; ++k)
            puntos.push_back({k, phi[k]});
        return puntos;
    }
    for (std::uint64_t i = 1; i <= maximo; ++i) {
        const auto k = static_cast<std::uint64_t>(static_cast<unsigned __int128>(n) * i / maximo);
        puntos.push_back({k, phiPorFactores(k)});
    }
    return puntos;
}

}  // namespace zefra
