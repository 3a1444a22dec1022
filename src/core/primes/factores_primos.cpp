#include "core/primes/factores_primos.hpp"

namespace zefra {

std::vector<PotenciaPrima> factoresPrimos(std::uint64_t n) {
    std::vector<PotenciaPrima> factores;
    for (std::uint64_t p = 2; p * p <= n; p += (p == 2 ? 1 : 2)) {
        if (n % p != 0) continue;
        PotenciaPrima factor{p, 0};
        for (; n % p == 0; n /= p)
            ++factor.exponente;
        factores.push_back(factor);
    }
    if (n > 1) factores.push_back({n, 1});
    return factores;
}

}  // namespace zefra
