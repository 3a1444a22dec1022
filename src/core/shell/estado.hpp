// Program-wide state: owned by the application and handed to every window.
#pragma once

#include "alphabets/activo.hpp"
#include "alphabets/ranuras.hpp"
#include "arithmetic/euclides.hpp"
#include "modular/memoria_modulo.hpp"
#include "modular/traza_potencia.hpp"
#include "primes/factorizacion.hpp"
#include "shell/observadores.hpp"
#include "shell/tabla.hpp"
#include "shell/tiempo.hpp"

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
    Observadores observadores;
};

}  // namespace zefra
