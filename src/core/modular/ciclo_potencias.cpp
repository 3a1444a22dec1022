#include "core/modular/ciclo_potencias.hpp"

#include <algorithm>
#include <map>

namespace zefra {

std::uint64_t potenciaModular(std::uint64_t a, std::uint64_t b, std::uint64_t n) {
    std::uint64_t r = 1 % n;
    for (a %= n; b > 0; b >>= 1) {
        if (b & 1) r = r * a % n;
        a = a * a % n;
    }
    return r;
}

namespace {

std::uint64_t potencia(std::uint64_t p, int e) {
    std::uint64_t r = 1;
    while (e-- > 0)
        r *= p;
    return r;
}

}  // namespace

PotenciasZn::PotenciasZn(std::uint64_t n) : n_(n), phi_(n), factores_(factoresPrimos(n)) {
    for (const auto& f : factores_)
        phi_ -= phi_ / f.primo;
}

std::uint64_t PotenciasZn::orden(std::uint64_t a, const std::vector<PotenciaPrima>& primos) const {
    // m and φ(m) = Π p^(e−1)·(p − 1), its primes gathered from each p − 1 and each p with e > 1.
    std::uint64_t m = 1;
    std::uint64_t phi = 1;
    std::map<std::uint64_t, int> primosDePhi;
    for (const auto& f : primos) {
        m *= potencia(f.primo, f.exponente);
        phi *= potencia(f.primo, f.exponente - 1) * (f.primo - 1);
        if (f.exponente > 1) primosDePhi[f.primo] += f.exponente - 1;
        for (const auto& g : factoresPrimos(f.primo - 1))
            primosDePhi[g.primo] += g.exponente;
    }
    // The order divides φ(m): take out each prime while the power stays 1.
    std::uint64_t orden = phi;
    for (const auto& [p, e] : primosDePhi) {
        for (int i = 0; i < e && orden % p == 0 && potenciaModular(a, orden / p, m) == 1 % m; ++i)
            orden /= p;
    }
    return orden;
}

CicloPotencias PotenciasZn::ciclo(std::uint64_t a) const {
    a %= n_;
    // n = n1·n2: n1 holds the primes of n that divide a, n2 the others. Modulo n2 [a] is a unit
    // and its powers cycle from the start; modulo p^e | n1 they reach 0 once k·v_p(a) ≥ e and
    // stay there, and never repeat before, since their valuations grow.
    std::vector<PotenciaPrima> primosDeN2;
    CicloPotencias resultado;
    for (const auto& f : factores_) {
        if (a % f.primo != 0) {
            primosDeN2.push_back(f);
            continue;
        }
        int v = 0;
        for (std::uint64_t b = a; b % f.primo == 0 && v < f.exponente; b /= f.primo)
            ++v;
        const auto k = a == 0 ? 1 : static_cast<std::uint64_t>((f.exponente + v - 1) / v);
        resultado.cola = std::max(resultado.cola, k);
    }
    resultado.unidad = primosDeN2.size() == factores_.size();
    resultado.ciclo = orden(a, primosDeN2);
    return resultado;
}

}  // namespace zefra
