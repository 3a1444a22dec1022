// The powers [a]^0, [a]^1, [a]^2, … in Zn run, after a tail, into a cycle; for a unit the tail is
// empty and the cycle's length is the order of [a], a divisor of φ(n). Worked out from the
// factorizations of n and φ(n), not by walking the powers, so it is exact and instant for every
// n below 2^32.
#pragma once

#include <cstdint>
#include <vector>

#include "core/primes/factores_primos.hpp"

namespace zefra {

struct CicloPotencias {
    std::uint64_t cola = 0;   // powers before the cycle: [a]^cola is the first that comes back
    std::uint64_t ciclo = 1;  // powers in the cycle: the order of [a] for a unit
    bool unidad = false;      // mcd(a, n) = 1
};

// a^b mod n, exact for n < 2^32.
std::uint64_t potenciaModular(std::uint64_t a, std::uint64_t b, std::uint64_t n);

// One modulus n (1 ≤ n < 2^32), factored once, answering for as many a as asked.
class PotenciasZn {
  public:
    explicit PotenciasZn(std::uint64_t n);

    std::uint64_t modulo() const { return n_; }
    std::uint64_t phi() const { return phi_; }
    CicloPotencias ciclo(std::uint64_t a) const;

  private:
    // The order of a unit a modulo m = Π p^e over `primos`, with φ(m) and its factors.
    std::uint64_t orden(std::uint64_t a, const std::vector<PotenciaPrima>& primos) const;

    std::uint64_t n_;
    std::uint64_t phi_;
    std::vector<PotenciaPrima> factores_;
};

}  // namespace zefra
