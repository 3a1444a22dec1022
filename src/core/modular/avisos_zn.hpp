// What a computation in Zn announces while it runs, for the windows that show part of it: the
// primality verdict of its modulus and Euler's list as it grows.
#pragma once

#include <string_view>

namespace zefra {

class AvisosZn {
  public:
    virtual ~AvisosZn() = default;

    // A primality verdict reached or remembered: kEsPrimo or kNoEsPrimo.
    virtual void veredictoEsPrimo(std::string_view veredicto) = 0;
    // Euler's list of the numbers prime to n (or what stands for it), and whether the routine
    // finished with it.
    virtual void primosEuler(std::string_view lista, bool terminada) = 0;

  protected:
    AvisosZn() = default;
    AvisosZn(const AvisosZn&) = default;
    AvisosZn& operator=(const AvisosZn&) = default;
};

}  // namespace zefra
