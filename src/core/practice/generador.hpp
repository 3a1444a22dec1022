// The random numbers of the exercises: splitmix64 and a mapping to ranges by rejection, both our
// own, so that an exercise number gives the same data with every compiler and library.
#pragma once

#include <cstdint>

namespace zefra::practica {

class Generador {
  public:
    explicit Generador(std::uint64_t semilla) : estado_(semilla) {}

    std::uint64_t siguiente();
    // A whole number in minimo … maximo, both included, every value equally likely.
    std::int64_t entre(std::int64_t minimo, std::int64_t maximo);
    // True with a probability of numerador / denominador.
    bool probabilidad(int numerador, int denominador);

  private:
    std::uint64_t estado_;
};

// The seed of one exercise: type, level and number mixed so that neighbouring numbers differ.
std::uint64_t semillaEjercicio(int tipo, int nivel, std::uint64_t numero);

}  // namespace zefra::practica
