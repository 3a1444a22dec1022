#include "core/primes/conteo_primos.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zefra {

double integralLogaritmica(double x) {
    // li(x) = γ + ln ln x + √x · Σ (−1)^(n−1) (ln x)^n / (n! 2^(n−1)) · Σ_{k ≤ (n−1)/2} 1/(2k+1)
    const double l = std::log(x);
    double suma = 0;
    double termino = 1;  // (ln x)^n / (n! 2^(n−1)) with its sign
    double impares = 0;  // Σ 1/(2k+1) for k ≤ (n−1)/2
    for (int n = 1; n < 200; ++n) {
        termino *= (n == 1 ? l : -l / (2.0 * n));
        if ((n - 1) % 2 == 0) impares += 1.0 / n;
        const double sumando = termino * impares;
        suma += sumando;
        if (std::abs(sumando) < 1e-17 * std::abs(suma)) break;
    }
    return std::numbers::egamma + std::log(l) + std::sqrt(x) * suma;
}

std::vector<MuestraPi> muestrasPi(std::span<const std::int32_t> primos, double tope, int maximo) {
    std::vector<MuestraPi> muestras;
    if (tope < 2) return muestras;
    const auto punto = [&](double x) {
        const auto pi = std::upper_bound(primos.begin(), primos.end(), x) - primos.begin();
        muestras.push_back({x, pi, x / std::log(x), integralLogaritmica(x)});
    };
    if (std::ssize(primos) <= maximo) {
        for (const auto p : primos)
            punto(p);
        if (primos.empty() || primos.back() < tope) punto(tope);
        return muestras;
    }
    for (int i = 0; i < maximo; ++i)
        punto(2 + (tope - 2) * (i + 1) / maximo);
    return muestras;
}

}  // namespace zefra
