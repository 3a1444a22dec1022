#include "core/primes/factorizacion.hpp"

#include "core/shell/errores.hpp"
#include "core/shell/numeros.hpp"

namespace zefra {

TablaFactores::TablaFactores() : filas_(kUltimaFila + 1, {0, kVacia, kVacia}) {}

void TablaFactores::vacia() {
    for (auto& fila : filas_) {
        fila[1] = kVacia;
        fila[2] = kVacia;
    }
}

std::int32_t TablaFactores::valor(int fila, int columna) const {
    if (fila < 0 || fila > kUltimaFila || columna < 0 || columna > 2) {
        throw ErrorEjecucion(TipoError::SubindiceFueraDeIntervalo);
    }
    return filas_[static_cast<std::size_t>(fila)][static_cast<std::size_t>(columna)];
}

void TablaFactores::fija(int fila, std::int32_t primo, std::int32_t exponente) {
    valor(fila, 0);  // checks the row
    auto& f = filas_[static_cast<std::size_t>(fila)];
    f[1] = primo;
    f[2] = exponente;
}

ConTiempo<std::string> factorizaPrimos(Tiempo& tiempo, TablaFactores& tabla, double numero) {
    tabla.vacia();
    std::int32_t n = aEntero32(numero);
    Cronometro cronometro(tiempo, Inicio::Publica);

    int fila = 0;
    const auto anota = [&](std::int32_t d) {
        if (fila > 0 && tabla.primo(fila) == d) {
            tabla.fija(fila, d, tabla.exponente(fila) + 1);
        } else {
            tabla.fija(++fila, d, 1);
        }
    };
    // Every d from 2 on is tried, and a divisor is tried again until it no longer divides. Once
    // d × d exceeds what is left of n, that rest has no divisor up to its square root: it is
    // prime, and counting d up to it would only reach it.
    for (std::int32_t d = 2; n > 1;) {
        if (cronometro.agotado()) return std::nullopt;
        if (static_cast<std::int64_t>(d) * d > n) {
            anota(n);
            break;
        }
        if (n % d == 0) {
            anota(d);
            n /= d;
        } else {
            ++d;
        }
    }
    return textoFactorizacion(tabla);
}

std::string textoFactorizacion(const TablaFactores& tabla) {
    constexpr std::size_t kAnchoPrimo = 10;
    std::string texto;
    for (int fila = 1; fila <= TablaFactores::kUltimaFila; ++fila) {
        if (tabla.primo(fila) == TablaFactores::kVacia) break;
        const std::string primo = textoDecimal(tabla.primo(fila));
        texto += primo;
        if (primo.size() < kAnchoPrimo) texto.append(2 * (kAnchoPrimo - primo.size()), ' ');
        texto.append(6, ' ');
        texto += textoDecimal(tabla.exponente(fila));
        texto += "\r\n";
    }
    return texto;
}

}  // namespace zefra
