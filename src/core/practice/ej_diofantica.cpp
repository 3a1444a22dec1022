// The Diophantine exercise A·x + B·y = C: the gcd, a particular solution by the recurrence of
// the convergents, and the general solution.
// Sheet: the columns of the recurrence's trace turned into rows (i, Q(i), A(i), B(i)): i = −1
// and i = 0 given, then one row per step of the routine, computed on |A| and |B| even when C
// rules the equation out, so that the sheet does not tell. Answers: m.c.d.(A, B), x₀, y₀ and the
// coefficients of K in x and y; "No tiene solución" in the last four when gcd(A, B) ∤ C.
#include <variant>

#include "core/arithmetic/diofantica.hpp"
#include "core/arithmetic/primitivas.hpp"
#include "core/practice/familia.hpp"
#include "core/shell/numeros.hpp"

namespace zefra::practica {
namespace {

enum Respuesta { kMcd, kX0, kY0, kBeta, kAlpha };
constexpr Entero kMaximoExacto = Entero{1} << 53;

struct Rango {
    std::int64_t minimo, maximo, comun, multiplo, cota;
};
Rango rango(Nivel nivel) {
    return porNivel<Rango>(nivel, {2, 15, 4, 10, 1000}, {10, 200, 6, 30, 50000},
                           {100, 5000, 9, 100, 5000000});
}

std::vector<std::int64_t> genera(Nivel nivel, Generador& azar) {
    const Rango r = rango(nivel);
    const bool resoluble = !azar.probabilidad(1, 3);
    for (;;) {
        const std::int64_t k = azar.entre(resoluble ? 1 : 2, r.comun);
        std::int64_t a = k * azar.entre(r.minimo, r.maximo);
        std::int64_t b = k * azar.entre(r.minimo, r.maximo);
        const auto g = static_cast<std::int64_t>(mcdEntero(a, b));
        if (nivel != Nivel::Facil) {
            if (azar.probabilidad(1, 3)) a = -a;
            if (azar.probabilidad(1, 3)) b = -b;
        }
        std::int64_t c = g * azar.entre(1, r.multiplo);
        if (!resoluble) c += azar.entre(1, g - 1);
        if (azar.probabilidad(1, 4)) c = -c;
        if (a != b && std::abs(c) <= r.cota) return {a, b, c};
    }
}

std::int64_t maximo(Nivel nivel) {
    return rango(nivel).cota;
}

EjercicioPropio propio(const std::vector<std::string>& t) {
    std::int64_t v[3];
    for (int i = 0; i < 3; ++i) {
        const auto x = leeNumero(t[i]);
        if (!x) return {std::nullopt, "a, b y c han de ser valores numéricos"};
        v[i] = static_cast<std::int64_t>(*x);
    }
    for (const auto& texto : t) {
        if (texto.size() > 10) {
            return {std::nullopt,
                    "a, b y c han de tener una longitud inferior o igual a diez dígitos"};
        }
    }
    for (const auto& texto : t) {
        if (noEsEntero(texto) == 1) return {std::nullopt, "a, b y c han de ser números enteros"};
    }
    if (v[0] == 0 && v[1] == 0 && v[2] == 0)
        return {std::nullopt, "Todo par de enteros (X, Y) es solución de 0·X + 0·Y = 0."};
    // The recurrence works in 32 bits and the solution in doubles: beyond, neither is exact.
    const Entero mayor = std::max(std::abs(v[0]), std::abs(v[1]));
    if (mayor > static_cast<Entero>(kMayorEntero32) || mayor * std::abs(v[2]) >= kMaximoExacto) {
        return {std::nullopt,
                "Los coeficientes son demasiado grandes para obtener una solución exacta."};
    }
    return {Ejercicio{TipoEjercicio::Diofantica, Nivel::Facil, 0, {v[0], v[1], v[2]}}, {}};
}

// "12x − 8y = 20" with the unknowns in italics.
std::string ecuacion(const Ejercicio& e) {
    const std::string b = aTexto(std::abs(e.datos[1]));
    return aTexto(e.datos[0]) + "<i>x</i> " + (e.datos[1] < 0 ? "− " : "+ ") + b +
           "<i>y</i> = " + aTexto(e.datos[2]);
}

std::string enunciadoDe(const Ejercicio& e) {
    return "Resuelve en los enteros la ecuación " + ecuacion(e) +
           ": halla m.c.d.(<i>A</i>, <i>B</i>) con sus cocientes, una solución particular "
           "(<i>x</i><sub>0</sub>, <i>y</i><sub>0</sub>) y la solución general <i>x</i> = "
           "<i>x</i><sub>0</sub> + β<i>K</i>, <i>y</i> = <i>y</i><sub>0</sub> + α<i>K</i>. Si no "
           "tiene solución, escríbelo.";
}

Plantilla plantilla(const Ejercicio& e) {
    Calculo calculo;
    const auto a = static_cast<double>(e.datos[0]);
    const auto b = static_cast<double>(e.datos[1]);
    const auto r = Diofantica(calculo.tiempo, a, b, static_cast<double>(e.datos[2]));
    const auto& resultado = r.resultado.value();
    double g = 0;
    if (!r.euclides.filas.empty())
        g = r.euclides.filas.back().dividendo;
    else
        g = std::max(std::abs(a), std::abs(b));
    // The recurrence on |A| and |B| alone, when C stopped the routine before it.
    auto pasos = r.pasos;
    if (pasos.size() == 2 && g != 0)
        pasos = Diofantica(calculo.tiempo, std::abs(a), std::abs(b), g).pasos;

    Plantilla p;
    p.hoja.columnas = {"i", "Q(i)", "A(i)", "B(i)"};
    for (const auto& paso : pasos) {
        const std::string i = aTexto(paso.i);
        const std::string ai = texto(static_cast<Entero>(paso.a));
        const std::string bi = texto(static_cast<Entero>(paso.b));
        if (!paso.q) {
            p.fila({i, "—", ai, bi}, {"", "", "", ""});
        } else {
            p.fila({i, "", "", ""}, {"", texto(static_cast<Entero>(*paso.q)), ai, bi});
        }
    }
    p.respuesta("m.c.d.(A, B)", texto(static_cast<Entero>(g)));
    const auto* s = std::get_if<SolucionDiofantica>(&resultado);
    const auto valor = [s](double x) {
        return s ? texto(static_cast<Entero>(x)) : kNoTieneSolucion;
    };
    p.respuesta("Solución particular x₀", valor(s ? s->x0 : 0));
    p.respuesta("Solución particular y₀", valor(s ? s->y0 : 0));
    p.respuesta("Coeficiente de K en x", valor(s ? s->beta : 0));
    p.respuesta("Coeficiente de K en y", valor(s ? s->alpha : 0));
    return p;
}

// The student's number in a cell, or the given one.
std::optional<Entero> valor(const Contexto& c, std::size_t fila, std::size_t col) {
    const std::string& dada = c.plantilla.hoja.dadas[fila][col];
    return dada.empty() ? c.numero(fila, col) : leeCelda(dada).valor;
}

Veredicto juzgaPaso(const Contexto& c, std::size_t fila, std::size_t col) {
    const LecturaCelda l = leeCelda(c.celda(fila, col));
    if (auto v = noNumerico(l)) return *v;
    if (l.valor == c.esperada(fila, col)) return correcto();
    if (col == 1) return incorrecto("No es el cociente de esta división de Euclides con |A| y |B|");
    const std::string letra = col == 2 ? "A" : "B";
    const auto q = valor(c, fila, 1);
    const auto previo = valor(c, fila - 1, col);
    const auto anterior = valor(c, fila - 2, col);
    if (!q || !previo || !anterior)
        return incorrecto(letra + "(i) = " + letra + "(i−1)·Q(i) + " + letra + "(i−2)");
    const Entero debido = *previo * *q + *anterior;
    if (debido == l.valor) return incorrecto("Arrastra un valor incorrecto de una fila anterior");
    return incorrecto(texto(*previo) + "·" + factor(*q) + " + " + factor(*anterior) + " = " +
                      texto(debido) + " ≠ " + texto(l.valor));
}

Veredicto juzgaRespuesta(const Contexto& c, std::size_t i) {
    const LecturaCelda l = leeCelda(c.respuesta(i));
    const Entero a = c.ejercicio.datos[0], b = c.ejercicio.datos[1], cc = c.ejercicio.datos[2];
    const Entero g = c.esperadaRespuesta(kMcd);
    const bool resoluble = c.plantilla.respuestas[kX0] != kNoTieneSolucion;
    if (i == kMcd) {
        if (auto v = noNumerico(l)) return *v;
        if (l.valor == g) return correcto();
        if (l.valor <= 0) return incorrecto("El m.c.d. es positivo");
        if (a % l.valor != 0 || b % l.valor != 0)
            return incorrecto(texto(l.valor) + " no divide a A y a B");
        return incorrecto(texto(l.valor) + " es un divisor común, pero no el mayor");
    }
    if (l.tipo == LecturaCelda::Tipo::Error) return incorrecto(l.error);
    if (l.tipo == LecturaCelda::Tipo::NoHay) {
        if (!resoluble) return correcto();
        return incorrecto("Sí tiene solución: m.c.d.(A, B) = " + texto(g) + " divide a C");
    }
    if (!resoluble) {
        if (g == 0) return incorrecto("0·x + 0·y = 0 ≠ " + texto(cc) + ": no tiene solución");
        return incorrecto("m.c.d.(A, B) = " + texto(g) + " no divide a " + texto(cc) +
                          ": no tiene solución");
    }
    const Entero v = l.valor;
    // Whether a·u + b·w = cc has a whole w.
    const auto completa = [](Entero a, Entero u, Entero b, Entero cc) {
        return b == 0 ? a * u == cc : (cc - a * u) % b == 0;
    };
    const std::string programa = c.plantilla.respuestas[i];
    const std::string nota = texto(v) == programa ? "" : "correcto; el programa da " + programa;
    if (i == kX0 || i == kY0) {
        const auto otro = c.numero(kRespuesta, i == kX0 ? kY0 : kX0);
        const bool propio = i == kX0 ? completa(a, v, b, cc) : completa(b, v, a, cc);
        if (!propio) {
            return incorrecto("Con " + std::string(i == kX0 ? "x₀" : "y₀") + " = " + texto(v) +
                              " no hay otra incógnita entera que cumpla la ecuación");
        }
        if (i == kY0 && otro && completa(a, *otro, b, cc) && a * *otro + b * v != cc) {
            return incorrecto(texto(a) + "·" + factor(*otro) + " + " + factor(b) + "·" + factor(v) +
                              " = " + texto(a * *otro + b * v) + " ≠ " + texto(cc));
        }
        return correcto(nota);
    }
    const Entero propio = i == kBeta ? b / g : a / g;
    if (v != propio && v != -propio) {
        if (g > 1 && (v == b || v == -b || v == a || v == -a))
            return incorrecto("Falta dividir entre m.c.d.(A, B) = " + texto(g));
        return incorrecto(i == kBeta ? "El coeficiente de K en x es ±B / m.c.d.(A, B)"
                                     : "El coeficiente de K en y es ∓A / m.c.d.(A, B)");
    }
    if (i == kAlpha) {
        const auto beta = c.numero(kRespuesta, kBeta);
        if (beta && (*beta == b / g || *beta == -b / g) && a * *beta + b * v != 0) {
            return incorrecto(texto(a) + "·" + factor(*beta) + " + " + factor(b) + "·" + factor(v) +
                              " = " + texto(a * *beta + b * v) +
                              " ≠ 0: el signo no casa con el de x");
        }
    }
    return correcto();
}

Veredicto juzga(const Contexto& c, std::size_t fila, std::size_t col) {
    return fila == kRespuesta ? juzgaRespuesta(c, col) : juzgaPaso(c, fila, col);
}

std::string regla(const Contexto&, std::size_t fila, std::size_t col) {
    if (fila != kRespuesta) {
        if (col == 1)
            return "Q(i) es el cociente de la división i-ésima de Euclides con |A| y |B|.";
        return col == 2 ? "A(i) = A(i−1)·Q(i) + A(i−2)." : "B(i) = B(i−1)·Q(i) + B(i−2).";
    }
    switch (col) {
        case kMcd:
            return "El m.c.d. es el último resto distinto de cero del algoritmo de Euclides.";
        case kX0:
        case kY0:
            return "Si m.c.d.(A, B) divide a C, con k pasos: x₀ = (−1)^(k+1)·B(k)·C/m.c.d. e "
                   "y₀ = (−1)^k·A(k)·C/m.c.d., con los signos de A y B.";
        default:
            break;
    }
    return "x = x₀ + (B/m.c.d.)·K, y = y₀ − (A/m.c.d.)·K, para todo entero K.";
}

}  // namespace

const Familia& familiaDiofantica() {
    static const Familia f{{"A", "B", "C"}, genera,    maximo, propio,
                           enunciadoDe,     plantilla, juzga,  regla};
    return f;
}

}  // namespace zefra::practica
