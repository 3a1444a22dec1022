// The trace of a power [a]^b in Zn, kept as the steps themselves and turned into text only when
// someone reads it: a cipher window computes thousands of powers and shows none of their traces.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zefra {

// b reduced modulo φ(n) because gcd(a, n) = 1.
struct ReduccionExponente {
    std::int64_t b = 0;
    std::int64_t phi = 0;
    std::int64_t reducido = 0;
};

// One squaring: [a]^(2^i) = ([a]^(2^(i−1)))^2, with the square and, when it reached n, its class.
struct PasoCuadrado {
    int i = 0;
    std::int64_t b = 0;  // what is left of the exponent
    std::uint64_t cuadrado = 0;
    std::optional<std::int64_t> clase;
};

// 2^i passed b: [a]^(2^(i−1)) is kept as a factor and b drops by 2^(i−1).
struct PasoFactor {
    int i = 0;
    std::int64_t b = 0;
    std::int64_t nuevoB = 0;
};

struct FactorPotencia {
    std::int64_t exponente = 0;
    std::int64_t valor = 0;
};

struct TrazaPotencia {
    std::int64_t a = 0;
    std::int64_t n = 0;
    std::optional<ReduccionExponente> reduccion;
    std::vector<std::variant<PasoCuadrado, PasoFactor>> pasos;
    std::vector<FactorPotencia> factores;
    std::int64_t exponente = 0;             // b after the reduction
    std::optional<std::int64_t> resultado;  // set once the power is complete
};

// The sentence that justifies the reduction of b (empty without one), and the trace lines.
struct TextoTrazaPotencia {
    std::string etiqueta;
    std::string traza;
};
TextoTrazaPotencia textoTrazaPotencia(const TrazaPotencia& traza);

}  // namespace zefra
