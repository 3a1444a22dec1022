// What each exercise family gives the shared practice code: how it makes its data, reads a typed
// statement, lays out and solves its sheet, and judges a cell. One file per family implements it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/modular/memoria_modulo.hpp"
#include "core/practice/celda.hpp"
#include "core/practice/generador.hpp"
#include "core/practice/practica.hpp"
#include "core/shell/tiempo.hpp"

namespace zefra::practica {

// A family's parameters at each level: Fácil, Medio, Difícil.
template <class T>
T porNivel(Nivel nivel, const T& facil, const T& medio, const T& dificil) {
    switch (nivel) {
        case Nivel::Facil:
            return facil;
        case Nivel::Medio:
            return medio;
        case Nivel::Dificil:
            break;
    }
    return dificil;
}

// The sheet with the program's own value of every cell the student fills in ("" for a given
// cell) and of every answer.
struct Plantilla {
    Hoja hoja;
    std::vector<std::vector<std::string>> celdas;
    std::vector<std::string> respuestas;

    // Appends a row: the given texts, then the values the student has to find. A given cell has
    // no value to find, so `valores` holds "" there.
    void fila(std::vector<std::string> dadas, std::vector<std::string> valores) {
        hoja.dadas.push_back(std::move(dadas));
        celdas.push_back(std::move(valores));
    }
    void respuesta(std::string etiqueta, std::string valor) {
        hoja.respuestas.push_back(std::move(etiqueta));
        respuestas.push_back(std::move(valor));
    }
};

// The exercise, its sheet and what the student typed, for judging one cell.
struct Contexto {
    const Ejercicio& ejercicio;
    const Plantilla& plantilla;
    const Trabajo& trabajo;

    // What the student typed; "" for a cell the work does not have.
    std::string_view celda(std::size_t fila, std::size_t columna) const;
    std::string_view respuesta(std::size_t i) const;
    // The program's value of a cell, read as a number (0 for a given or non-numeric cell).
    Entero esperada(std::size_t fila, std::size_t columna) const;
    Entero esperadaRespuesta(std::size_t i) const;
    // The student's number in a cell, if it holds one.
    std::optional<Entero> numero(std::size_t fila, std::size_t columna) const;
};

// Column index of the answers for regla and celda: a cell (fila, columna) with fila = kRespuesta
// is the answer number `columna`.
inline constexpr std::size_t kRespuesta = static_cast<std::size_t>(-1);

struct Familia {
    std::vector<std::string> nombres;
    std::vector<std::int64_t> (*genera)(Nivel nivel, Generador& azar);
    // The largest magnitude of a datum the generator gives at a level.
    std::int64_t (*maximo)(Nivel nivel);
    // The data of a typed statement, or the calculation window's message.
    EjercicioPropio (*propio)(const std::vector<std::string>& textos);
    std::string (*enunciado)(const Ejercicio& ejercicio);
    Plantilla (*plantilla)(const Ejercicio& ejercicio);
    // The verdict on a cell or answer the student filled in (never empty).
    Veredicto (*juzga)(const Contexto& contexto, std::size_t fila, std::size_t columna);
    // The rule of a step, without its value.
    std::string (*regla)(const Contexto& contexto, std::size_t fila, std::size_t columna);
    // The typed statement that gives these data; without it, the decimal text of each datum.
    std::vector<std::string> (*textos)(const std::vector<std::int64_t>& datos) = nullptr;
};

const Familia& familiaEuclides();
const Familia& familiaDiofantica();
const Familia& familiaInverso();
const Familia& familiaPotencia();
const Familia& familiaEuler();
const Familia& familiaAfin();
const Familia& familiaRSA();

// The verdicts every family shares.
Veredicto correcto(std::string nota = {});
Veredicto incorrecto(std::string razon);
// A cell that must hold a whole number: the reading's error, or "no solution" where a number is
// due; nothing when it holds a number.
std::optional<Veredicto> noNumerico(const LecturaCelda& lectura);

// A still clock and a budget that never runs out: the practice works with small numbers, and the
// routines it calls want a time state.
struct Calculo {
    struct Quieto final : Reloj {
        double segundosDesdeMedianoche() const override { return 0; }
    };
    Quieto reloj;
    Tiempo tiempo{reloj};
    MemoriaModulo memoria;
};

// The decimal text of a datum.
std::string aTexto(std::int64_t x);

}  // namespace zefra::practica
