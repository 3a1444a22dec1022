// The eight slots that hold the user's own alphabets.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "alphabets/alfabeto.hpp"

namespace zefra {

inline constexpr int kRanurasAlfabeto = 8;

struct RanuraAlfabeto {
    bool libre = true;      // no alphabet loaded in this slot
    bool guardado = false;  // its alphabet has been saved to a file since its last change
    // While the slot is occupied: the alphabet's name (the caption of its menu entry) and its
    // conversion grid in the 128-row layout.
    std::string nombre;
    Tabla tabla = tablaAlfabeto();
};

using RanurasAlfabeto = std::array<RanuraAlfabeto, kRanurasAlfabeto>;

// Slots whose alphabet would be lost on exit (loaded and never saved), in ascending order.
std::vector<int> alfabetosEnPeligro(const RanurasAlfabeto& ranuras);

// The first occupied slot whose alphabet has this name (compared exactly), if any.
std::optional<int> ranuraDe(const RanurasAlfabeto& ranuras, std::string_view nombre);

}  // namespace zefra
