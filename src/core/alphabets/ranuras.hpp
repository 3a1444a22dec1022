// The eight slots that hold the user's own alphabets.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/alphabets/alfabeto.hpp"

namespace zefra {

inline constexpr int kRanurasAlfabeto = 8;

struct RanuraAlfabeto {
    bool libre = true;      // no alphabet loaded in this slot
    bool guardado = false;  // its alphabet has been saved to a file since its last change
    // While the slot is occupied: the alphabet, its name the caption of its menu entry and its
    // entries in the 128-row layout of the user's alphabets.
    Alfabeto alfabeto;
};

using RanurasAlfabeto = std::array<RanuraAlfabeto, kRanurasAlfabeto>;

// Slots whose alphabet would be lost on exit (loaded and never saved), in ascending order.
std::vector<int> alfabetosEnPeligro(const RanurasAlfabeto& ranuras);

// The first occupied slot whose alphabet has this name (compared exactly), if any.
std::optional<int> ranuraDe(const RanurasAlfabeto& ranuras, std::string_view nombre);

// The first free slot, if any.
std::optional<int> primeraRanuraLibre(const RanurasAlfabeto& ranuras);

// Loads an alphabet into the slot: occupied, with this saved flag, and every code at the
// table's common width (see igualaAnchos), so the cipher windows can use it.
void ocupaRanura(RanuraAlfabeto& ranura, Alfabeto alfabeto, bool guardado);

// Empties the slot and frees it; its saved flag goes back to "not saved".
void liberaRanura(RanuraAlfabeto& ranura);

}  // namespace zefra
