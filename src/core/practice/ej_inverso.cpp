// The inverse exercise: the inverse of [a] in Zn through Euclid's divisions on n and a.
// Sheet: the columns of Euclid's trace (Dividendo, Divisor, Cociente, Resto), one row per
// division of the routine, first dividend and divisor given; answers m.c.d.(n, a) and the
// inverse, any representative accepted (the canonical one named), or "No existe el inverso".
#include <cmath>
#include <utility>

#include "core/modular/inverso.hpp"
#include "core/modular/representante.hpp"
#include "core/practice/divisiones.hpp"
#include "core/shell/numeros.hpp"

namespace zefra::practica {
namespace {

struct Rango {
    std::int64_t minimo, maximo;
    int divisiones;
};
Rango rango(Nivel nivel) {
    return porNivel<Rango>(nivel, {5, 30, 1}, {30, 500, 3}, {500, 99999, 4});
}

std::vector<std::int64_t> genera(Nivel nivel, Generador& azar) {
    const Rango r = rango(nivel);
    // A third of the elements have no inverse.
    const bool existe = !azar.probabilidad(1, 3);
    for (;;) {
        const std::int64_t n = azar.entre(r.minimo, r.maximo);
        const std::int64_t a = azar.entre(2, n - 1);
        if ((mcdEntero(n, a) == 1) == existe && cuentaDivisiones(n, a) >= r.divisiones)
            return {n, a};
    }
}

std::int64_t maximo(Nivel nivel) {
    return rango(nivel).maximo;
}

EjercicioPropio propio(const std::vector<std::string>& t) {
    const auto n = leeNumero(t[0]);
    if (!n) return {std::nullopt, "El módulo ha de ser un valor numérico."};
    if (*n > kMayorEntero32)
        return {std::nullopt, "El número está limitado al valor 2.147.483.647"};
    if (*n <= 0) return {std::nullopt, "El módulo ha de ser un valor positivo (>0)."};
    if (!esEntero(*n)) return {std::nullopt, "El módulo ha de ser un número entero."};
    const auto a = leeNumero(t[1]);
    if (!a) return {std::nullopt, "El número de clase ha de ser numérico"};
    if (std::fabs(*a) > kMayorEntero32) {
        return {std::nullopt,
                "El valor númerico está limitado entre -2.147.483.647 y 2.147.483.647"};
    }
    if (!esEntero(*a)) return {std::nullopt, "El número de clase ha de ser un número entero."};
    if (recorta(t[0]).size() > 10) return {std::nullopt, "No puede superar los once dígitos"};
    return {Ejercicio{TipoEjercicio::Inverso,
                      Nivel::Facil,
                      0,
                      {static_cast<std::int64_t>(*n), static_cast<std::int64_t>(*a)}},
            {}};
}

std::string enunciadoDe(const Ejercicio& e) {
    return "Halla el inverso de [" + aTexto(e.datos[1]) + "] en ℤ<sub>" + aTexto(e.datos[0]) +
           "</sub> con el algoritmo de Euclides, o di que no existe.";
}

// The element the routine works with: a negative one stands for its representative.
double elemento(const Ejercicio& e) {
    const auto n = static_cast<double>(e.datos[0]);
    const auto a = static_cast<double>(e.datos[1]);
    return a < 0 ? representante(n, a).representante : a;
}

Plantilla plantilla(const Ejercicio& e) {
    Calculo calculo;
    const auto r = inversoZn(calculo.tiempo, static_cast<double>(e.datos[0]), elemento(e));
    const InversoZn& inverso = r.inverso.value();
    Plantilla p;
    anadeDivisiones(p, r.euclides);
    p.respuesta("m.c.d.(n, a)", texto(static_cast<Entero>(inverso.mcd)));
    p.respuesta("Inverso de [a] en Zn",
                inverso.mcd == 1 ? texto(static_cast<Entero>(inverso.inverso)) : kNoExisteInverso);
    return p;
}

Veredicto juzgaRespuesta(const Contexto& c, std::size_t i) {
    const LecturaCelda l = leeCelda(c.respuesta(i));
    const Entero n = c.ejercicio.datos[0], a = c.ejercicio.datos[1];
    const Entero g = c.esperadaRespuesta(0);
    if (i == 0) {
        if (auto v = noNumerico(l)) return *v;
        if (l.valor == g) return correcto();
        if (l.valor <= 0) return incorrecto("El m.c.d. es positivo");
        if (n % l.valor != 0 || a % l.valor != 0)
            return incorrecto(texto(l.valor) + " no divide a n y a a");
        return incorrecto(texto(l.valor) + " es un divisor común, pero no el mayor");
    }
    if (l.tipo == LecturaCelda::Tipo::Error) return incorrecto(l.error);
    if (l.tipo == LecturaCelda::Tipo::NoHay) {
        if (g != 1) return correcto();
        return incorrecto("Sí existe: m.c.d.(" + texto(n) + ", " + texto(a) + ") = 1");
    }
    if (g != 1) {
        return incorrecto("m.c.d.(" + texto(n) + ", " + texto(a) + ") = " + texto(g) +
                          " ≠ 1: no existe el inverso");
    }
    const Entero v = l.valor;
    if (modulo(a * v, n) != modulo(1, n)) {
        return incorrecto(factor(a) + "·" + factor(v) + " = " + texto(a * v) + " ≢ 1 (mod " +
                          texto(n) + ")");
    }
    const std::string canonico = c.plantilla.respuestas[1];
    return correcto(texto(v) == canonico ? "" : "correcto; el representante es " + canonico);
}

Veredicto juzga(const Contexto& c, std::size_t fila, std::size_t col) {
    return fila == kRespuesta ? juzgaRespuesta(c, col) : juzgaDivision(c, fila, col);
}

std::string regla(const Contexto&, std::size_t fila, std::size_t col) {
    if (fila != kRespuesta) return reglaDivision(col);
    if (col == 0) return "El m.c.d. es el último resto distinto de cero.";
    return "[a] tiene inverso si m.c.d.(n, a) = 1: es la x de a·x + n·y = 1, llevada a 0 … n − 1.";
}

}  // namespace

const Familia& familiaInverso() {
    static const Familia f{{"n", "a"},  genera,    maximo, propio,
                           enunciadoDe, plantilla, juzga,  regla};
    return f;
}

}  // namespace zefra::practica
