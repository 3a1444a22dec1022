#include "gui/shell/descripciones.hpp"

#include <QString>
#include <stdexcept>

namespace zefra::gui {

const Descripcion& descripcion(QStringView nombre) {
    for (const auto temas :
         {descripcionesAritmetica(), descripcionesPrimos(), descripcionesModular()}) {
        for (const Descripcion& d : temas) {
            if (QString::fromUtf8(d.nombre) == nombre) return d;
        }
    }
    throw std::invalid_argument("no description window named " + nombre.toString().toStdString());
}

}  // namespace zefra::gui
