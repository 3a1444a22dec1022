// The list of primes up to a bound, by trial division of the numbers 6p − 1 and 6p + 1 by the
// primes already found.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "core/shell/tiempo.hpp"

namespace zefra {

// Positions 0 … 10,000,000 of the prime table: position 0 unused, the primes from position 1,
// and after the last prime the end marker, which must fit too.
inline constexpr int kPosicionesTablaPrimos = 10'000'001;

// The primes found by one run, in increasing order. The memory is reserved once and filled
// as the run goes, so a short list costs little.
class TablaPrimos {
  public:
    explicit TablaPrimos(int posiciones = kPosicionesTablaPrimos);

    // k, the number of primes in the table.
    int cuenta() const { return static_cast<int>(primos_.size()); }
    // The prime at position 1 … k; any other position raises the subscript error.
    std::int32_t primo(int posicion) const;

    // The primes of the table, in increasing order.
    std::span<const std::int32_t> primos() const { return primos_; }
    void vacia() { primos_.clear(); }
    // Appends a prime; raises the subscript error when its end marker would fall outside the
    // table, leaving the table as it was.
    void agrega(std::int32_t primo);

  private:
    int posiciones_;
    std::vector<std::int32_t> primos_;
};

// How a run ended: completed, or stopped by the budget after generating the candidate named
// (nothing when it stopped before the first one).
struct FinLista {
    bool agotado = false;
    std::optional<std::int64_t> candidato;
};

// How often, in primes found, a run reports its progress.
inline constexpr int kAvisoListaPrimos = 4096;

// Fills `tabla` with every prime from 2 up to the bound (converted to a 32-bit integer, halves
// to even), under the time budget with a private start. `avance`, when set, is told the count
// every kAvisoListaPrimos primes so that a window can show the list growing. Raises the
// type-mismatch error for a bad budget, the overflow error for a bound outside 32 bits and the
// subscript error when the table is full; the table keeps what was found.
FinLista listaPrimos(Tiempo& tiempo, double tope, TablaPrimos& tabla,
                     const std::function<void(int)>& avance = {});

}  // namespace zefra
