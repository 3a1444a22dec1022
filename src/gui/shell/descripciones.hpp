// The static description windows as data: name, title, rich-text content and the buttons that
// open a further description. The texts live in one file per subject.
#pragma once

#include <QStringView>
#include <span>
#include <vector>

namespace zefra::gui {

// A button beside "Salir" that opens another description window.
struct BotonDescripcion {
    const char* nombre;
    const char* titulo;
    const char* abre;  // name of the description window it opens
};

struct Descripcion {
    const char* nombre;
    const char* titulo;
    const char* contenido;  // Qt rich text (HTML subset), UTF-8
    int columnas;           // width of the text, in average characters, at the default size
    std::span<const BotonDescripcion> botones = {};
};

// The descriptions of each subject.
std::span<const Descripcion> descripcionesAritmetica();
std::span<const Descripcion> descripcionesPrimos();
std::span<const Descripcion> descripcionesModular();
std::span<const Descripcion> descripcionesBases();
std::span<const Descripcion> descripcionesCripto();

// Every description, subject by subject.
std::vector<std::span<const Descripcion>> todasLasDescripciones();

// The description called `nombre`; throws std::invalid_argument for an unknown name, which is
// a programming error.
const Descripcion& descripcion(QStringView nombre);

}  // namespace zefra::gui
