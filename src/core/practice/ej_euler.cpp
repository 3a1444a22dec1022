// The exercise on Euler's function: φ(n) from the factorization of n.
// Sheet: one row per prime of the routine's factor table, in increasing order, the student
// filling p, its exponent e and φ(p^e) = p^e − p^(e−1); answer F.E.(n), the product of the last
// column, which the routine computes by itself.
#include <cmath>

#include "core/modular/euler.hpp"
#include "core/practice/familia.hpp"
#include "core/primes/factores_primos.hpp"
#include "core/primes/factorizacion.hpp"
#include "core/shell/numeros.hpp"

namespace zefra::practica {
namespace {

enum Columna { kPrimo, kExponente, kPhi };

struct Rango {
    std::int64_t minimo, maximo;
    std::uint64_t mayorPrimo;  // factors a student finds by hand
};
Rango rango(Nivel nivel) {
    return porNivel<Rango>(nivel, {10, 100, 100}, {100, 3000, 97}, {1000, 100000, 97});
}

std::vector<std::int64_t> genera(Nivel nivel, Generador& azar) {
    const Rango r = rango(nivel);
    // One in six is a prime; the others have at least two different prime factors.
    const bool primo = azar.probabilidad(1, 6);
    for (;;) {
        const std::int64_t n = azar.entre(r.minimo, r.maximo);
        const auto f = factoresPrimos(static_cast<std::uint64_t>(n));
        if (primo ? f.size() == 1 && f[0].exponente == 1
                  : f.size() >= 2 && f.back().primo <= r.mayorPrimo) {
            return {n};
        }
    }
}

std::int64_t maximo(Nivel nivel) {
    return rango(nivel).maximo;
}

EjercicioPropio propio(const std::vector<std::string>& t) {
    const auto n = leeNumero(t[0]);
    if (!n || *n <= 0) return {std::nullopt, "El módulo ha de ser un número >0"};
    if (recorta(t[0]).size() > 10) return {std::nullopt, "No puede superar los once dígitos"};
    if (!esEntero(*n)) return {std::nullopt, "El módulo ha de ser un número entero."};
    if (*n > kMayorEntero32) return {std::nullopt, "El módulo ha de ser inferior a 2.147.483.648"};
    return {Ejercicio{TipoEjercicio::Euler, Nivel::Facil, 0, {static_cast<std::int64_t>(*n)}}, {}};
}

std::string enunciadoDe(const Ejercicio& e) {
    return "Calcula F.E.(" + aTexto(e.datos[0]) +
           ") factorizando <i>n</i> = " + aTexto(e.datos[0]) +
           " = <i>p</i><sub>1</sub><sup><i>e</i><sub>1</sub></sup>···<i>p</i><sub><i>k</i></sub>"
           "<sup><i>e</i><sub><i>k</i></sub></sup>: F.E.(<i>n</i>) = Π (<i>p</i><sup><i>e</i></sup>"
           " − <i>p</i><sup><i>e</i>−1</sup>).";
}

Entero potencia(Entero p, Entero e) {
    Entero r = 1;
    for (Entero i = 0; i < e; ++i)
        r *= p;
    return r;
}

Plantilla plantilla(const Ejercicio& e) {
    Calculo calculo;
    const auto n = static_cast<double>(e.datos[0]);
    TablaFactores tabla;
    factorizaPrimos(calculo.tiempo, tabla, n).value();
    Plantilla p;
    p.hoja.columnas = {"p", "e", "p^e − p^(e−1)"};
    for (int fila = 1; tabla.primo(fila) != TablaFactores::kVacia; ++fila) {
        const Entero primo = tabla.primo(fila), exponente = tabla.exponente(fila);
        p.fila({"", "", ""}, {texto(primo), texto(exponente),
                              texto(potencia(primo, exponente) - potencia(primo, exponente - 1))});
    }
    const double phi = funcionEuler(calculo.tiempo, calculo.memoria, n).value();
    p.respuesta("F.E.(n)", texto(static_cast<Entero>(phi)));
    return p;
}

bool esPrimo(Entero x) {
    if (x < 2) return false;
    for (Entero d = 2; d * d <= x; ++d) {
        if (x % d == 0) return false;
    }
    return true;
}

Veredicto juzgaFila(const Contexto& c, std::size_t fila, std::size_t col) {
    const LecturaCelda l = leeCelda(c.celda(fila, col));
    if (auto v = noNumerico(l)) return *v;
    const Entero v = l.valor;
    if (v == c.esperada(fila, col)) return correcto();
    const Entero n = c.ejercicio.datos[0];
    const Entero p = c.esperada(fila, kPrimo);
    switch (col) {
        case kPrimo:
            if (v < 2 || v > n || n % v != 0)
                return incorrecto(texto(v) + " no divide a " + texto(n));
            if (!esPrimo(v)) return incorrecto(texto(v) + " no es primo");
            return incorrecto("Los primos van en orden creciente, sin repetirse");
        case kExponente:
            if (v < 1) return incorrecto("El exponente es al menos 1");
            if (v < c.esperada(fila, col))
                return incorrecto(texto(p) + "^" + texto(v + 1) + " también divide a " + texto(n));
            return incorrecto(texto(p) + "^" + texto(v) + " no divide a " + texto(n));
        default:
            break;
    }
    const auto primo = c.numero(fila, kPrimo);
    const auto e = c.numero(fila, kExponente);
    if (!primo || !e || *e < 1 || *e > 64 || *primo < 2 || *primo > n)
        return incorrecto("φ(p^e) = p^e − p^(e−1)");
    const Entero debido = potencia(*primo, *e) - potencia(*primo, *e - 1);
    if (debido == v) return incorrecto("Arrastra un valor incorrecto de esta fila");
    return incorrecto(texto(potencia(*primo, *e)) + " − " + texto(potencia(*primo, *e - 1)) +
                      " = " + texto(debido) + " ≠ " + texto(v));
}

Veredicto juzgaRespuesta(const Contexto& c, std::size_t i) {
    const LecturaCelda l = leeCelda(c.respuesta(i));
    if (auto v = noNumerico(l)) return *v;
    if (l.valor == c.esperadaRespuesta(i)) return correcto();
    // The product of the column as written; one too large for any answer is not compared.
    Entero producto = 1;
    bool cabe = true;
    for (std::size_t fila = 0; fila < c.plantilla.celdas.size() && cabe; ++fila) {
        const auto f = c.numero(fila, kPhi);
        if (!f) return incorrecto("F.E.(n) es el producto de la última columna");
        cabe = !__builtin_mul_overflow(producto, *f, &producto);
    }
    if (cabe && producto == l.valor) return incorrecto("Arrastra un valor incorrecto de una fila");
    return incorrecto("F.E.(n) es el producto de la última columna");
}

Veredicto juzga(const Contexto& c, std::size_t fila, std::size_t col) {
    return fila == kRespuesta ? juzgaRespuesta(c, col) : juzgaFila(c, fila, col);
}

std::string regla(const Contexto&, std::size_t fila, std::size_t col) {
    if (fila == kRespuesta) return "F.E.(n) = n · Π (1 − 1/p): el producto de la última columna.";
    switch (col) {
        case kPrimo:
            return "Divide n por los primos 2, 3, 5, 7, … en orden creciente.";
        case kExponente:
            return "El exponente cuenta cuántas veces divide p a n.";
        default:
            break;
    }
    return "Los enteros de 1 a p^e no primos con p^e son los múltiplos de p: p^e − p^(e−1).";
}

}  // namespace

const Familia& familiaEuler() {
    static const Familia f{{"n"}, genera, maximo, propio, enunciadoDe, plantilla, juzga, regla};
    return f;
}

}  // namespace zefra::practica
