#include "core/primes/lista_primos.hpp"

#include "core/shell/errores.hpp"
#include "core/shell/numeros.hpp"

namespace zefra {
namespace {

// A divisor never needs to exceed the square root of the largest 32-bit bound.
constexpr std::uint32_t kMayorDivisor = 46340;

// The stored primes from 5 on, ready for a divisibility test without a division: for an odd q,
// c is a multiple of q exactly when c × q⁻¹ (mod 2³²) is at most (2³² − 1) / q, because the
// multiples of q are the only values that this product maps into 0 … (2³² − 1) / q.
class Divisores {
  public:
    void agrega(std::uint32_t q) {
        std::uint32_t inverso = q;  // right in the last 3 bits, since q² ≡ 1 (mod 8)
        for (int i = 0; i < 4; ++i)
            inverso *= 2 - q * inverso;  // Newton's step doubles the right bits
        inversos_.push_back(inverso);
        limites_.push_back(UINT32_MAX / q);
        cuadrados_.push_back(q * q);
    }

    // Widens the divisors in use to every stored prime q with q² ≤ c (c never decreases).
    void alcanza(std::uint32_t c) {
        while (enUso_ < cuadrados_.size() && cuadrados_[enUso_] <= c)
            ++enUso_;
    }

    // True when a prime in use divides c. The primes above √c need no test: a multiple of one
    // of them below its square has a smaller prime factor, which is in use.
    bool divide(std::uint32_t c) const {
        const std::uint32_t* inverso = inversos_.data();
        const std::uint32_t* limite = limites_.data();
        for (std::size_t i = 0; i < enUso_; ++i) {
            if (c * inverso[i] <= limite[i]) return true;
        }
        return false;
    }

  private:
    std::vector<std::uint32_t> inversos_;
    std::vector<std::uint32_t> limites_;
    std::vector<std::uint32_t> cuadrados_;
    std::size_t enUso_ = 0;
};

}  // namespace

TablaPrimos::TablaPrimos(int posiciones) : posiciones_(posiciones) {
    // Positions 1 … k hold the primes and k + 1 the end marker.
    if (posiciones_ > 2) primos_.reserve(static_cast<std::size_t>(posiciones_ - 2));
}

std::int32_t TablaPrimos::primo(int posicion) const {
    if (posicion < 1 || posicion > cuenta()) {
        throw ErrorEjecucion(TipoError::SubindiceFueraDeIntervalo);
    }
    return primos_[static_cast<std::size_t>(posicion - 1)];
}

void TablaPrimos::agrega(std::int32_t primo) {
    if (cuenta() + 2 >= posiciones_) throw ErrorEjecucion(TipoError::SubindiceFueraDeIntervalo);
    primos_.push_back(primo);
}

FinLista listaPrimos(Tiempo& tiempo, double tope, TablaPrimos& tabla,
                     const std::function<void(int)>& avance) {
    Cronometro cronometro(tiempo, Inicio::Privada);
    tabla.vacia();
    const std::int64_t n = aEntero32(tope);
    if (n >= 2) tabla.agrega(2);
    if (n >= 3) tabla.agrega(3);

    // The budget is checked once per block and once per candidate; the trial divisions of one
    // candidate take microseconds at most.
    Divisores divisores;
    FinLista fin;
    const auto agotado = [&] {
        fin.agotado = cronometro.agotado();
        return fin.agotado;
    };
    for (std::int64_t bloque = 6;; bloque += 6) {
        if (agotado()) return fin;
        for (const std::int64_t c : {bloque - 1, bloque + 1}) {
            if (agotado()) return fin;
            fin.candidato = c;
            if (c > n) return fin;
            const auto candidato = static_cast<std::uint32_t>(c);
            divisores.alcanza(candidato);
            if (divisores.divide(candidato)) continue;
            tabla.agrega(static_cast<std::int32_t>(c));
            if (candidato <= kMayorDivisor) divisores.agrega(candidato);
            if (avance && tabla.cuenta() % kAvisoListaPrimos == 0) avance(tabla.cuenta());
        }
    }
}

}  // namespace zefra
