#include "core/practice/generador.hpp"

namespace zefra::practica {

std::uint64_t Generador::siguiente() {
    std::uint64_t z = (estado_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::int64_t Generador::entre(std::int64_t minimo, std::int64_t maximo) {
    if (maximo <= minimo) return minimo;
    const std::uint64_t amplitud =
        static_cast<std::uint64_t>(maximo) - static_cast<std::uint64_t>(minimo) + 1;
    // Draws past the last whole multiple of the range are thrown away, so no value is favoured.
    const std::uint64_t limite = amplitud == 0 ? 0 : UINT64_MAX - UINT64_MAX % amplitud;
    std::uint64_t x = siguiente();
    while (amplitud != 0 && x >= limite)
        x = siguiente();
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(minimo) +
                                     (amplitud == 0 ? x : x % amplitud));
}

bool Generador::probabilidad(int numerador, int denominador) {
    return entre(0, denominador - 1) < numerador;
}

std::uint64_t semillaEjercicio(int tipo, int nivel, std::uint64_t numero) {
    Generador mezcla(numero ^ (static_cast<std::uint64_t>(tipo) << 56) ^
                     (static_cast<std::uint64_t>(nivel) << 48));
    return mezcla.siguiente();
}

}  // namespace zefra::practica
