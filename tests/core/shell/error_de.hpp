// The run-time error a call raises, for checking error cases in one line each.
#pragma once

#include <optional>
#include <string>

#include "shell/errores.hpp"

namespace zefra::pruebas {

// The type of the error the call raises, trapped or not, or nothing when it raises none. The
// name of the trap that caught it, if any, goes to `trampa`.
template <class F>
std::optional<TipoError> errorDe(F&& llamada, std::string* trampa = nullptr) {
    try {
        llamada();
    } catch (const ErrorAtrapado& e) {
        if (trampa) *trampa = e.prefijo();
        return e.tipo();
    } catch (const ErrorEjecucion& e) {
        return e.tipo();
    }
    return std::nullopt;
}

}  // namespace zefra::pruebas
