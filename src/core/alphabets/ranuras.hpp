// The eight slots that hold the user's own alphabets.
#pragma once

#include <array>
#include <vector>

namespace zefra {

inline constexpr int kRanurasAlfabeto = 8;

struct RanuraAlfabeto {
    bool libre = true;      // no alphabet loaded in this slot
    bool guardado = false;  // its alphabet has been saved to a file since its last change
};

using RanurasAlfabeto = std::array<RanuraAlfabeto, kRanurasAlfabeto>;

// Slots whose alphabet would be lost on exit (loaded and never saved), in ascending order.
std::vector<int> alfabetosEnPeligro(const RanurasAlfabeto& ranuras);

}  // namespace zefra
