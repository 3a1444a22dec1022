// The Euclid exercise: the gcd and lcm of a and b, working the table of divisions.
// Sheet: the columns of Euclid's trace (Dividendo, Divisor, Cociente, Resto), one row per
// division with the first dividend and divisor given; answers m.c.d.(a, b) and m.c.m.(a, b).
#include <cmath>

#include "core/arithmetic/primitivas.hpp"
#include "core/practice/divisiones.hpp"
#include "core/shell/numeros.hpp"

namespace zefra::practica {
namespace {

// The largest operand the Euclid window takes: beyond it the doubles lose whole numbers.
constexpr double kMaximoOperando = 494065645841247;
// An lcm is written with up to 30 digits (it is never multiplied).
constexpr std::size_t kCifrasMCM = 30;

struct Rango {
    std::int64_t minimo, maximo;
    int divisiones;
};
Rango rango(Nivel nivel) {
    return porNivel<Rango>(nivel, {10, 99, 2}, {100, 9999, 4}, {1000, 999999, 6});
}

std::vector<std::int64_t> genera(Nivel nivel, Generador& azar) {
    const Rango r = rango(nivel);
    for (;;) {
        // Half of the pairs share a factor, so that the gcd is not always 1.
        const std::int64_t comun = azar.probabilidad(1, 2) ? azar.entre(2, 12) : 1;
        const std::int64_t a = comun * azar.entre(r.minimo / comun + 1, r.maximo / comun);
        const std::int64_t b = comun * azar.entre(r.minimo / comun + 1, r.maximo / comun);
        if (a != b && cuentaDivisiones(std::max(a, b), std::min(a, b)) >= r.divisiones)
            return {a, b};
    }
}

std::int64_t maximo(Nivel nivel) {
    return rango(nivel).maximo;
}

EjercicioPropio propio(const std::vector<std::string>& t) {
    const auto a = leeNumero(t[0]);
    const auto b = leeNumero(t[1]);
    if (!a || !b) return {std::nullopt, "a y b han de ser valores numéricos"};
    if (std::fabs(*a) > kMaximoOperando || std::fabs(*b) > kMaximoOperando) {
        return {std::nullopt,
                "No puede exceder el valor: 494065645841247 porque los resultados no serían "
                "fiables, gracias."};
    }
    if (noEsEntero(t[0]) == 1 || noEsEntero(t[1]) == 1)
        return {std::nullopt, "a y b han de ser números enteros"};
    return {Ejercicio{TipoEjercicio::Euclides,
                      Nivel::Facil,
                      0,
                      {static_cast<std::int64_t>(*a), static_cast<std::int64_t>(*b)}},
            {}};
}

std::string enunciadoDe(const Ejercicio& e) {
    return "Calcula con el algoritmo de Euclides el m.c.d. y el m.c.m. de <i>a</i> = " +
           aTexto(e.datos[0]) + " y <i>b</i> = " + aTexto(e.datos[1]) + ".";
}

Plantilla plantilla(const Ejercicio& e) {
    Calculo calculo;
    const auto r =
        Euclides(calculo.tiempo, static_cast<double>(e.datos[0]), static_cast<double>(e.datos[1]));
    Plantilla p;
    anadeDivisiones(p, r.traza);
    const auto g = static_cast<Entero>(r.mcd.value_or(0));
    const Entero producto = static_cast<Entero>(e.datos[0]) * e.datos[1];
    p.respuesta("m.c.d.(a, b)", texto(g));
    p.respuesta("m.c.m.(a, b)", texto(g == 0 ? 0 : (producto < 0 ? -producto : producto) / g));
    return p;
}

Veredicto juzgaRespuesta(const Contexto& c, std::size_t i) {
    const LecturaCelda l = leeCelda(c.respuesta(i), i == 1 ? kCifrasMCM : kMaximoCifras);
    if (auto v = noNumerico(l)) return *v;
    const Entero v = l.valor;
    const Entero esperado = leeCelda(c.plantilla.respuestas[i], kCifrasMCM).valor;
    if (v == esperado) return correcto();
    const Entero a = c.ejercicio.datos[0];
    const Entero b = c.ejercicio.datos[1];
    if (v <= 0) return incorrecto(i == 0 ? "El m.c.d. es positivo" : "El m.c.m. es positivo");
    if (i == 0) {
        if (a % v != 0) return incorrecto(texto(v) + " no divide a " + texto(a));
        if (b % v != 0) return incorrecto(texto(v) + " no divide a " + texto(b));
        return incorrecto(texto(v) + " es un divisor común, pero no el mayor");
    }
    if (a != 0 && v % a != 0) return incorrecto(texto(v) + " no es múltiplo de " + texto(a));
    if (b != 0 && v % b != 0) return incorrecto(texto(v) + " no es múltiplo de " + texto(b));
    return incorrecto(texto(v) + " es un múltiplo común, pero no el menor");
}

Veredicto juzga(const Contexto& c, std::size_t fila, std::size_t col) {
    return fila == kRespuesta ? juzgaRespuesta(c, col) : juzgaDivision(c, fila, col);
}

std::string regla(const Contexto&, std::size_t fila, std::size_t col) {
    if (fila != kRespuesta) return reglaDivision(col);
    return col == 0 ? "El m.c.d. es el último resto distinto de cero."
                    : "m.c.m.(a, b) = |a · b| / m.c.d.(a, b).";
}

}  // namespace

const Familia& familiaEuclides() {
    static const Familia f{{"a", "b"},  genera,    maximo, propio,
                           enunciadoDe, plantilla, juzga,  regla};
    return f;
}

}  // namespace zefra::practica
