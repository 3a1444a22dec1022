// The error trap of a computing button: a run-time error ends the click with a message naming
// the routine whose trap caught it, or the button itself.
#pragma once

#include <new>
#include <string_view>
#include <utility>

#include "core/shell/errores.hpp"
#include "gui/ui/mensajes.hpp"

namespace zefra::gui {

// Runs the handler body; returns false when a run-time error ended it (already reported).
template <class F>
bool atrapaErrores(QWidget* ventana, std::string_view prefijo, F&& cuerpo) {
    try {
        std::forward<F>(cuerpo)();
        return true;
    } catch (const ErrorAtrapado& e) {
        mensajeError(ventana, e.prefijo(), descripcion(e.tipo()));
    } catch (const ErrorEjecucion& e) {
        mensajeError(ventana, prefijo, descripcion(e.tipo()));
    } catch (const std::bad_alloc&) {
        mensajeError(ventana, prefijo, descripcion(TipoError::MemoriaInsuficiente));
    }
    return false;
}

}  // namespace zefra::gui
