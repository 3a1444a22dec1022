// The active alphabet: the one the cryptosystems work over, named in the main window's status
// frame, and its modulus n.
#pragma once

#include <string>
#include <string_view>

#include "core/alphabets/ranuras.hpp"

namespace zefra {

struct AlfabetoActivo {
    std::string nombre = "a-z";
    double modulo = 28;
};

// True for the five predefined names, compared exactly.
bool esPredefinido(std::string_view nombre);

// The alphabet of that name: a predefined one, else the first loaded user alphabet that has it;
// nullptr when the name names neither.
const Alfabeto* alfabetoLlamado(const RanurasAlfabeto& ranuras, std::string_view nombre);

// Sets n of the active alphabet: fixed for a predefined one, the largest code + 1 of its slot
// for a user alphabet. False, with nothing changed, when the name is neither. The window layer
// announces the modulus when this returns true.
bool fijaModulo(const RanurasAlfabeto& ranuras, AlfabetoActivo& activo);

// True when the active alphabet is the one loaded in this slot.
bool esActivo(const RanurasAlfabeto& ranuras, const AlfabetoActivo& activo, int ranura);

// Closes the user alphabet of a slot: the slot is emptied and freed and, when its alphabet was
// the active one, "a-z" becomes active with its modulus. Returns whether the active alphabet
// changed.
bool cierraAlfabeto(RanurasAlfabeto& ranuras, AlfabetoActivo& activo, int ranura);

// Gives the alphabet of a slot a new name, not yet saved in any file; when it is the active
// alphabet, it stays active under the new name.
void renombraAlfabeto(RanurasAlfabeto& ranuras, AlfabetoActivo& activo, int ranura,
                      std::string nombre);

}  // namespace zefra
