#include "core/alphabets/alfabeto.hpp"

#include "core/shell/errores.hpp"
#include "core/shell/numeros.hpp"

namespace zefra {

double maximoCodigo(const std::vector<Equivalencia>& equivalencias) {
    double maximo = 0;
    for (const auto& e : equivalencias) {
        const auto codigo = leeNumero(e.codigo);
        if (!codigo) throw ErrorEjecucion(TipoError::TiposNoCoinciden);
        if (*codigo > maximo) maximo = *codigo;
    }
    return maximo;
}

}  // namespace zefra
