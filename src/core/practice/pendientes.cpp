// Families still to be written: their exercises have no data and an empty sheet.
#include "core/practice/familia.hpp"

namespace zefra::practica {
namespace {

std::vector<std::int64_t> genera(Nivel, Generador&) {
    return {};
}
std::int64_t maximo(Nivel) {
    return 0;
}
EjercicioPropio propio(const std::vector<std::string>&) {
    return {std::nullopt, "Este ejercicio aún no está disponible."};
}
std::string enunciadoDe(const Ejercicio&) {
    return "Este ejercicio aún no está disponible.";
}
Plantilla plantilla(const Ejercicio&) {
    return {};
}
Veredicto juzga(const Contexto&, std::size_t, std::size_t) {
    return {};
}
std::string regla(const Contexto&, std::size_t, std::size_t) {
    return {};
}
const Familia kPendiente{{}, genera, maximo, propio, enunciadoDe, plantilla, juzga, regla};

}  // namespace

const Familia& familiaRSA() {
    return kPendiente;
}

}  // namespace zefra::practica
