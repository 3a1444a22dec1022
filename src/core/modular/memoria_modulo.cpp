#include "core/modular/memoria_modulo.hpp"

#include "core/primes/es_primo.hpp"

namespace zefra {

ConTiempo<int> esPrimoRecordado(Tiempo& tiempo, MemoriaModulo& memoria, double n,
                                AvisosZn* avisos) {
    memoria.para(n);
    if (!memoria.primo) {
        const auto p = esPrimo(tiempo, n);
        if (!p) return std::nullopt;
        memoria.primo = *p;
    }
    if (avisos) avisos->veredictoEsPrimo(textoVeredicto(*memoria.primo));
    return memoria.primo;
}

}  // namespace zefra
