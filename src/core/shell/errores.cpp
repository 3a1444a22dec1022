#include "core/shell/errores.hpp"

namespace zefra {

std::string_view descripcion(TipoError tipo) {
    switch (tipo) {
        case TipoError::Desbordamiento:
            return "Desbordamiento";
        case TipoError::DivisionPorCero:
            return "División por cero";
        case TipoError::SubindiceFueraDeIntervalo:
            return "El subíndice está fuera del intervalo";
        case TipoError::ArgumentoNoValido:
            return "Argumento o llamada a procedimiento no válida";
        case TipoError::TiposNoCoinciden:
            return "No coinciden los tipos";
        case TipoError::MemoriaInsuficiente:
            return "Memoria insuficiente";
    }
    return "Error desconocido";
}

ErrorEjecucion::ErrorEjecucion(TipoError tipo)
    : std::runtime_error(std::string(descripcion(tipo))), tipo_(tipo) {}

ErrorAtrapado::ErrorAtrapado(std::string prefijo, TipoError tipo)
    : std::runtime_error(prefijo + ": " + std::string(descripcion(tipo))),
      prefijo_(std::move(prefijo)),
      tipo_(tipo) {}

}  // namespace zefra
