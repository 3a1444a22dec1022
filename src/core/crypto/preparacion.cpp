#include "core/crypto/preparacion.hpp"

#include "core/alphabets/alfabeto.hpp"
#include "core/alphabets/predefinidos.hpp"
#include "core/crypto/transcripcion.hpp"

namespace zefra {

std::optional<TablaCargada> cargaAlfabetoActivo(Estado& estado,
                                                std::initializer_list<Tabla*> tablas) {
    if (tablas.size() == 0) return std::nullopt;
    for (Tabla* t : tablas)
        limpiaTabla(*t);
    const std::string& nombre = estado.alfabeto.nombre;
    if (const Alfabeto* predefinido = alfabetoPredefinido(nombre)) {
        for (Tabla* t : tablas)
            escribeAlfabeto(*predefinido, *t);
    } else if (const auto ranura = ranuraDe(estado.ranuras, nombre)) {
        const Tabla& origen = estado.ranuras[static_cast<std::size_t>(*ranura)].tabla;
        for (Tabla* t : tablas)
            copiaTabla(origen, *t);
    } else {
        return std::nullopt;
    }
    const Tabla& cargada = **tablas.begin();
    const TablaCargada resultado{moduloDe(cargada), anchoBloque(cargada)};
    publicaModulo(estado, resultado.modulo);
    return resultado;
}

}  // namespace zefra
