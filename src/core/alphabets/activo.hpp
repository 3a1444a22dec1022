// The active alphabet: the one the cryptosystems work over, named in the main window's status
// frame, and its modulus n.
#pragma once

#include <string>
#include <string_view>

namespace zefra {

struct Estado;

struct AlfabetoActivo {
    std::string nombre = "a-z";
    double modulo = 28;
};

// True for the five predefined names, compared exactly.
bool esPredefinido(std::string_view nombre);

// Makes n the modulus of the active alphabet and tells the observer `moduloAlfabeto`.
void publicaModulo(Estado& estado, double n);

// Publishes n of the active alphabet: fixed for a predefined one, the largest code + 1 of its
// slot for a user alphabet. False, with nothing changed, when the name is neither.
bool fijaModulo(Estado& estado);

// True when the active alphabet is the one loaded in this slot.
bool esActivo(const Estado& estado, int ranura);

// Closes the user alphabet of a slot: the slot is emptied and freed and, when its alphabet was
// the active one, "a-z" becomes active and its modulus is published. Returns whether the
// active alphabet changed.
bool cierraAlfabeto(Estado& estado, int ranura);

// Gives the alphabet of a slot a new name, not yet saved in any file; when it is the active
// alphabet, it stays active under the new name.
void renombraAlfabeto(Estado& estado, int ranura, std::string nombre);

}  // namespace zefra
