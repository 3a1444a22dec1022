// Program-wide state: owned by the application and handed to every window. It gathers the
// state of every subsystem, so it stands above the folders of the core, not in one of them.
#pragma once

#include "core/alphabets/activo.hpp"
#include "core/alphabets/ranuras.hpp"
#include "core/modular/memoria_modulo.hpp"
#include "core/primes/factorizacion.hpp"
#include "core/shell/tiempo.hpp"

namespace zefra {

struct Estado {
    explicit Estado(const Reloj& reloj) : tiempo(reloj) {}

    Tiempo tiempo;
    RanurasAlfabeto ranuras;
    AlfabetoActivo alfabeto;
    TablaFactores factores;
    MemoriaModulo memoriaModulo;
};

}  // namespace zefra
