// π(x), the number of primes up to x, sampled from a list of primes for a chart, beside the two
// curves that approximate it: x / ln x and the logarithmic integral li(x).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace zefra {

// li(x) = ∫₀ˣ dt / ln t (Cauchy's principal value), for x > 1, by Ramanujan's series; relative
// error below 1e-12 for 1.5 ≤ x ≤ 2^53.
double integralLogaritmica(double x);

struct MuestraPi {
    double x = 0;
    std::int64_t pi = 0;  // exact: the primes of the list up to x
    double xSobreLn = 0;
    double li = 0;
};

// Points of π(x) for 2 ≤ x ≤ tope over the increasing list `primos` (every prime up to tope):
// one at each prime while there are at most `maximo` of them; otherwise `maximo` evenly spaced
// points, so ten million primes cost a few thousand points. Empty when tope < 2.
std::vector<MuestraPi> muestrasPi(std::span<const std::int32_t> primos, double tope, int maximo);

}  // namespace zefra
