#include "core/practice/divisiones.hpp"

#include <utility>

namespace zefra::practica {

int cuentaDivisiones(std::int64_t a, std::int64_t b) {
    int k = 0;
    for (; b != 0; ++k)
        a = std::exchange(b, a % b);
    return k;
}

std::vector<std::string> columnasDivisiones() {
    return {"Dividendo", "Divisor", "Cociente", "Resto"};
}

void anadeDivisiones(Plantilla& p, const TrazaEuclides& traza) {
    p.hoja.columnas = columnasDivisiones();
    for (const auto& f : traza.filas) {
        if (!f.cociente || !f.resto) continue;
        const std::string dividendo = texto(static_cast<Entero>(f.dividendo));
        const std::string divisor = texto(static_cast<Entero>(f.divisor));
        const std::string q = texto(static_cast<Entero>(*f.cociente));
        const std::string r = texto(static_cast<Entero>(*f.resto));
        if (p.celdas.empty()) {
            p.fila({dividendo, divisor, "", ""}, {"", "", q, r});
        } else {
            p.fila({"", "", "", ""}, {dividendo, divisor, q, r});
        }
    }
}

Veredicto juzgaDivision(const Contexto& c, std::size_t fila, std::size_t col) {
    const LecturaCelda l = leeCelda(c.celda(fila, col));
    if (auto v = noNumerico(l)) return *v;
    const Entero v = l.valor;
    if (v == c.esperada(fila, col)) return correcto();
    // The dividend and divisor of the row as they should be, given or not.
    const auto dato = [&](std::size_t columna) {
        return fila == 0 ? leeCelda(c.plantilla.hoja.dadas[0][columna]).valor
                         : c.esperada(fila, columna);
    };
    const Entero dividendo = dato(0);
    const Entero divisor = dato(1);
    switch (col) {
        case 0:
            return incorrecto("El dividendo es el divisor de la fila anterior");
        case 1:
            return incorrecto("El divisor es el resto de la fila anterior");
        case 2:
            if (v < 0) return incorrecto("El cociente no puede ser negativo");
            if (v > c.esperada(fila, 2)) {
                return incorrecto(texto(divisor) + "·" + texto(v) + " = " + texto(divisor * v) +
                                  " > " + texto(dividendo) + ": el cociente es demasiado grande");
            }
            return incorrecto(texto(dividendo) + " − " + texto(divisor) + "·" + texto(v) + " = " +
                              texto(dividendo - divisor * v) + " ≥ " + texto(divisor) +
                              ": el cociente es demasiado pequeño");
        default:
            break;
    }
    if (v < 0) return incorrecto("El resto no puede ser negativo");
    if (v >= divisor) return incorrecto("El resto debe ser menor que el divisor");
    const Entero q = c.numero(fila, 2).value_or(c.esperada(fila, 2));
    return incorrecto(texto(divisor) + "·" + factor(q) + " + " + texto(v) + " = " +
                      texto(divisor * q + v) + " ≠ " + texto(dividendo));
}

std::string reglaDivision(std::size_t col) {
    switch (col) {
        case 0:
            return "El dividendo de cada fila es el divisor de la fila anterior.";
        case 1:
            return "El divisor de cada fila es el resto de la fila anterior.";
        case 2:
            return "El cociente es la parte entera de dividendo ÷ divisor.";
        default:
            break;
    }
    return "El resto es dividendo − divisor · cociente; ha de ser menor que el divisor.";
}

}  // namespace zefra::practica
