#include "gui/shell/descripciones.hpp"

#include <QString>
#include <stdexcept>

namespace zefra::gui {

std::vector<std::span<const Descripcion>> todasLasDescripciones() {
    return {descripcionesAritmetica(), descripcionesBases(), descripcionesPrimos(),
            descripcionesModular(), descripcionesCripto()};
}

const Descripcion& descripcion(QStringView nombre) {
    for (const auto temas : todasLasDescripciones()) {
        for (const Descripcion& d : temas) {
            if (QString::fromUtf8(d.nombre) == nombre) return d;
        }
    }
    throw std::invalid_argument("no description window named " + nombre.toString().toStdString());
}

}  // namespace zefra::gui
