// Euclid's algorithm on its worst case below the window's bound: consecutive Fibonacci numbers.
#include "cargas.hpp"
#include "core/arithmetic/euclides.hpp"

namespace zefra::bench {
namespace {

constexpr double kF71 = 308061521170129;
constexpr double kF70 = 190392490709135;
constexpr int kRepeticiones = 100000;

const Registro trazaEuclides{
    {"euclides-traza", "100000 runs of Euclides(F71, F70) returning its 70-row trace", [] {
         bool bien = true;
         for (int i = 0; i < kRepeticiones; ++i) {
             const auto [g, traza] = Euclides(tiempoIlimitado(), kF71, kF70);
             bien = bien && g && *g == 1 && traza.filas.size() == 70 &&
                    traza.filas.back().dividendo == 1;
         }
         return bien;
     }}};

const Registro mcdFibonacci{{"mcd-fibonacci", "1000000 runs of mcd(F71, F70)", [] {
                                 bool bien = true;
                                 for (int i = 0; i < 10 * kRepeticiones; ++i) {
                                     const auto g = mcd(tiempoIlimitado(), kF71, kF70 + (i & 1));
                                     bien = bien && g && *g >= 1;
                                 }
                                 return bien;
                             }}};

}  // namespace
}  // namespace zefra::bench
