// The power exercise: [a]^b in Zn by repeated squaring, after reducing b modulo φ(n) when
// gcd(a, n) = 1.
// Sheet: one row per power of two the routine's first pass reaches, i = 0 … k with 2^k ≤ b
// (after the reduction): i and 2^i given, the student fills [a]^(2^i) in Zn (any representative)
// and whether 2^i is one of the factors b splits into (1 or 0). Answers: m.c.d.(a, n), then, when
// the routine reduces b, F.E.(n) and b mod F.E.(n), and the power (any representative).
#include <bit>
#include <variant>

#include "core/arithmetic/euclides.hpp"
#include "core/modular/euler.hpp"
#include "core/modular/potencias.hpp"
#include "core/practice/familia.hpp"
#include "core/shell/numeros.hpp"

namespace zefra::practica {
namespace {

enum Columna { kI, kPotenciaDeDos, kValor, kFactor };

struct Rango {
    std::int64_t minimoN, maximoN, minimoB, maximoB;
    int unos;
};
Rango rango(Nivel nivel) {
    return porNivel<Rango>(nivel, {5, 30, 5, 60, 2}, {30, 300, 50, 1000, 3},
                           {300, 10000, 1000, 100000, 3});
}

std::vector<std::int64_t> genera(Nivel nivel, Generador& azar) {
    const Rango r = rango(nivel);
    for (;;) {
        const std::int64_t n = azar.entre(r.minimoN, r.maximoN);
        const std::int64_t a = azar.entre(2, n - 1);
        const std::int64_t b = azar.entre(r.minimoB, r.maximoB);
        // The exponent the squarings work with has several ones in binary.
        const auto reducido = static_cast<std::uint64_t>(
            mcdEntero(a, n) == 1 ? b % static_cast<std::int64_t>(phiPorFactores(n)) : b);
        if (reducido >= 3 && std::popcount(reducido) >= r.unos) return {n, a, b};
    }
}

std::int64_t maximo(Nivel nivel) {
    return rango(nivel).maximoB;
}

EjercicioPropio propio(const std::vector<std::string>& t) {
    const auto n = leeNumero(t[0]);
    const auto a = leeNumero(t[1]);
    const auto b = leeNumero(t[2]);
    if (!a || !b || !n) return {std::nullopt, "Han de introducirse valores numéricos positivos."};
    if (*a < 0 || *b < 0 || *n <= 0) return {std::nullopt, "Los valores han de ser positivos (>0)"};
    if (recorta(t[1]).size() > 10) return {std::nullopt, "No puede superar los once dígitos"};
    for (const double v : {*a, *b, *n}) {
        if (!esEntero(v)) return {std::nullopt, "Los valores han de ser números enteros."};
        if (v > kMayorEntero32)
            return {std::nullopt, "Los valores no pueden superar 2.147.483.647"};
    }
    return {Ejercicio{TipoEjercicio::Potencia,
                      Nivel::Facil,
                      0,
                      {static_cast<std::int64_t>(*n), static_cast<std::int64_t>(*a),
                       static_cast<std::int64_t>(*b)}},
            {}};
}

std::string enunciadoDe(const Ejercicio& e) {
    return "Calcula [" + aTexto(e.datos[1]) + "]<sup>" + aTexto(e.datos[2]) + "</sup> en ℤ<sub>" +
           aTexto(e.datos[0]) +
           "</sub> elevando al cuadrado sucesivamente (reduce antes el exponente módulo F.E.(n) "
           "si m.c.d.(a, n) = 1).";
}

Plantilla plantilla(const Ejercicio& e) {
    Calculo calculo;
    const auto n = static_cast<double>(e.datos[0]);
    const auto a = static_cast<double>(e.datos[1]);
    const auto r =
        Calcupoten(calculo.tiempo, calculo.memoria, a, static_cast<double>(e.datos[2]), n);
    const TrazaPotencia& traza = r.traza;
    Plantilla p;
    p.hoja.columnas = {"i", "2^i", "[a]^(2^i) en Zn", "Factor (1/0)"};
    const auto factor = [&traza](std::int64_t exponente) {
        for (const auto& f : traza.factores) {
            if (f.exponente == exponente) return "1";
        }
        return "0";
    };
    if (!traza.pasos.empty()) {
        p.fila({"0", "1", "", ""}, {"", "", texto(modulo(traza.a, traza.n)), factor(1)});
    }
    // The first pass squares up to the largest power of two; later passes repeat its values.
    for (const auto& paso : traza.pasos) {
        const auto* c = std::get_if<PasoCuadrado>(&paso);
        if (!c) break;
        const Entero valor = c->clase ? *c->clase : static_cast<Entero>(c->cuadrado);
        const std::int64_t dos = std::int64_t{1} << c->i;
        p.fila({aTexto(c->i), aTexto(dos), "", ""}, {"", "", texto(valor), factor(dos)});
    }
    p.respuesta("m.c.d.(a, n)", texto(static_cast<Entero>(mcd(calculo.tiempo, a, n).value())));
    if (traza.reduccion) {
        p.respuesta("F.E.(n)", aTexto(traza.reduccion->phi));
        p.respuesta("b mod F.E.(n)", aTexto(traza.reduccion->reducido));
    }
    p.respuesta("[a]^b en Zn", texto(static_cast<Entero>(r.resultado.value())));
    return p;
}

// Whether a text says a power of two is a factor: nothing when it says neither.
std::optional<bool> leeSiNo(std::string_view t) {
    t = recorta(t);
    for (const std::string_view si : {"1", "sí", "si", "Sí", "Si", "SI", "SÍ", "x", "X"}) {
        if (t == si) return true;
    }
    for (const std::string_view no : {"0", "no", "No", "NO", "-"}) {
        if (t == no) return false;
    }
    return std::nullopt;
}

Veredicto juzgaFila(const Contexto& c, std::size_t fila, std::size_t col) {
    const Entero n = c.ejercicio.datos[0];
    if (col == kFactor) {
        const auto si = leeSiNo(c.celda(fila, col));
        if (!si) return incorrecto("Escriba 1 si 2^i es un factor, 0 si no");
        if ((*si ? "1" : "0") == c.plantilla.celdas[fila][col]) return correcto();
        return incorrecto("Las potencias de 2 marcadas han de sumar el exponente");
    }
    const LecturaCelda l = leeCelda(c.celda(fila, col));
    if (auto v = noNumerico(l)) return *v;
    const Entero esperado = c.esperada(fila, col);
    if (modulo(l.valor, n) == modulo(esperado, n)) {
        return correcto(l.valor == esperado ? ""
                                            : "correcto; el representante es " + texto(esperado));
    }
    if (fila == 0) {
        return incorrecto(texto(c.ejercicio.datos[1]) + " ≢ " + texto(l.valor) + " (mod " +
                          texto(n) + ")");
    }
    const Entero previo = modulo(c.numero(fila - 1, col).value_or(c.esperada(fila - 1, col)), n);
    if (modulo(previo * previo, n) == modulo(l.valor, n))
        return incorrecto("Arrastra un valor incorrecto de una fila anterior");
    return incorrecto(texto(previo) + "² = " + texto(previo * previo) + " ≢ " + texto(l.valor) +
                      " (mod " + texto(n) + ")");
}

Veredicto juzgaRespuesta(const Contexto& c, std::size_t i) {
    const LecturaCelda l = leeCelda(c.respuesta(i));
    if (auto v = noNumerico(l)) return *v;
    const std::string& etiqueta = c.plantilla.hoja.respuestas[i];
    const Entero esperado = c.esperadaRespuesta(i);
    const Entero n = c.ejercicio.datos[0];
    if (etiqueta == "[a]^b en Zn") {
        if (modulo(l.valor, n) != modulo(esperado, n))
            return incorrecto("[a]^b es el producto en Zn de las potencias marcadas");
        return correcto(l.valor == esperado ? ""
                                            : "correcto; el representante es " + texto(esperado));
    }
    if (l.valor == esperado) return correcto();
    if (etiqueta == "m.c.d.(a, n)") return incorrecto("No es el m.c.d. de a y n");
    if (etiqueta == "F.E.(n)")
        return incorrecto("F.E.(n) cuenta los enteros de 1 a n primos con n");
    if (l.valor < 0 || l.valor >= c.esperadaRespuesta(i - 1))
        return incorrecto("El resto debe ser menor que F.E.(n)");
    return incorrecto("No es el resto de b ÷ F.E.(n)");
}

Veredicto juzga(const Contexto& c, std::size_t fila, std::size_t col) {
    return fila == kRespuesta ? juzgaRespuesta(c, col) : juzgaFila(c, fila, col);
}

std::string regla(const Contexto& c, std::size_t fila, std::size_t col) {
    if (fila != kRespuesta) {
        if (col == kFactor)
            return "Parte el exponente en potencias de 2: la mayor que cabe, y luego el resto.";
        return fila == 0 ? "[a]^1 es la clase de a en Zn."
                         : "Cada potencia es el cuadrado de la anterior, reducido módulo n.";
    }
    const std::string& etiqueta = c.plantilla.hoja.respuestas[col];
    if (etiqueta == "m.c.d.(a, n)") return "Si m.c.d.(a, n) = 1 se puede reducir b módulo F.E.(n).";
    if (etiqueta == "F.E.(n)") return "F.E.(n) cuenta los enteros de 1 a n primos con n.";
    if (etiqueta == "b mod F.E.(n)")
        return "Como [a]^F.E.(n) = [1], basta el resto de b ÷ F.E.(n).";
    return "[a]^b es el producto en Zn de las potencias [a]^(2^i) marcadas.";
}

}  // namespace

const Familia& familiaPotencia() {
    static const Familia f{{"n", "a", "b"}, genera,    maximo, propio,
                           enunciadoDe,     plantilla, juzga,  regla};
    return f;
}

}  // namespace zefra::practica
