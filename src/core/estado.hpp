// Program-wide state: owned by the application and handed to every window. It gathers the
// state of every subsystem, so it stands above the folders of the core, not in one of them.
#pragma once

#include "core/alphabets/activo.hpp"
#include "core/alphabets/ranuras.hpp"
#include "core/arithmetic/euclides.hpp"
#include "core/modular/memoria_modulo.hpp"
#include "core/modular/traza_potencia.hpp"
#include "core/primes/factorizacion.hpp"
#include "core/shell/tabla.hpp"
#include "core/shell/tiempo.hpp"

namespace zefra {

struct Estado {
    explicit Estado(const Reloj& reloj) : tiempo(reloj) {}

    Tiempo tiempo;
    Tabla trazaEuclides{kFilasTrazaEuclides, kColumnasTrazaEuclides};
    Tabla trazaDiofantica{4, 1000};  // rows i, Q(i), A(i), B(i); a column per step
    RanurasAlfabeto ranuras;
    AlfabetoActivo alfabeto;
    TablaFactores factores;
    MemoriaModulo memoriaModulo;
    TrazaPotencia trazaPotencia;  // of the last power computed in Zn
};

}  // namespace zefra
