// The prime factors of a 64-bit whole number by trial division, as values: for the routines that
// need a factorization without the program's factor table or its budget (φ, the order in Zn).
#pragma once

#include <cstdint>
#include <vector>

namespace zefra {

struct PotenciaPrima {
    std::uint64_t primo = 0;
    int exponente = 0;
};

// The distinct primes of n in increasing order with their exponents; empty for n ≤ 1. Quick for
// every n below 2^42 (at most √n / 2 divisions).
std::vector<PotenciaPrima> factoresPrimos(std::uint64_t n);

}  // namespace zefra
