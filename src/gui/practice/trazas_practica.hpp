// The program's own trace of a practice exercise: the routine the exercise practises, run on its
// numbers and published for the trace window that matches it.
#pragma once

#include <QString>

#include "core/practice/practica.hpp"
#include "gui/ui/contexto.hpp"

namespace zefra::gui {

// Runs the routine on the exercise's numbers and publishes its trace, as computed in the window
// titled `ventana`; false when the exercise has no trace window or the run gave none.
bool publicaTraza(Contexto& contexto, const practica::Ejercicio& ejercicio, const QString& ventana);

// Opens the trace window of exercises of this type.
void abreTraza(Contexto& contexto, practica::TipoEjercicio tipo);

}  // namespace zefra::gui
