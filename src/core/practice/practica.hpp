// Practice exercises: the student works an algorithm by hand and each step is checked against
// the program's own routines. An exercise is plain data; the window only shows a sheet and
// passes back what the student typed.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zefra::practica {

enum class TipoEjercicio { Euclides, Diofantica, Inverso, Potencia, Euler, Afin, RSA };
enum class Nivel { Facil, Medio, Dificil };

// The same type, level and number give the same data on every machine. numero is 0 for a
// statement the student typed.
struct Ejercicio {
    TipoEjercicio tipo = TipoEjercicio::Euclides;
    Nivel nivel = Nivel::Facil;
    std::uint64_t numero = 0;
    std::vector<std::int64_t> datos;  // in the order nombresDatos gives; for the affine cipher,
                                      // r, s and then the codes of the message's symbols
};

Ejercicio generaEjercicio(TipoEjercicio tipo, Nivel nivel, std::uint64_t numero);

// The largest magnitude of a datum generaEjercicio gives at that level.
std::int64_t maximoDato(TipoEjercicio tipo, Nivel nivel);

// The names of the data of a typed statement ("a", "b"; "A", "B", "C"; "n", "a"; …).
std::vector<std::string> nombresDatos(TipoEjercicio tipo);

// A statement typed by the student: the exercise, or the message the calculation window gives
// for the same data.
struct EjercicioPropio {
    std::optional<Ejercicio> ejercicio;
    std::string error;
};
EjercicioPropio ejercicioPropio(TipoEjercicio tipo, const std::vector<std::string>& textos);

// The statement in Spanish, as rich text with its formula typeset (<sup>, <i>).
std::string enunciado(const Ejercicio& ejercicio);

// What the student fills in: a grid of steps in the order the routine makes them, with the
// columns of the matching trace window, and the final answers below it.
struct Hoja {
    std::vector<std::string> columnas;            // without the "Comprobación" column
    std::vector<std::vector<std::string>> dadas;  // per row and column: the given text, or ""
                                                  // for a cell the student fills in
    std::vector<std::string> respuestas;          // the labels of the answer fields
};
Hoja hoja(const Ejercicio& ejercicio);

// What the student typed, in the shape of the sheet (given cells are ignored).
struct Trabajo {
    std::vector<std::vector<std::string>> celdas;
    std::vector<std::string> respuestas;
};

enum class Estado { Vacio, Correcto, Incorrecto };
// A cell's verdict; nota holds the reason of a wrong value, or a remark on a right one
// ("correcto; el representante es 7").
struct Veredicto {
    Estado estado = Estado::Vacio;
    std::string nota;
};
struct Correccion {
    std::vector<std::vector<Veredicto>> celdas;  // the shape of the sheet; given cells Vacio
    std::vector<Veredicto> respuestas;
    std::vector<std::string> comprobacion;  // per row: "✔", the reason for its first wrong
                                            // value, or "" while the row is incomplete
    int correctos = 0;                      // cells and answers right …
    int total = 0;                          // … of all the student has to fill in
};
Correccion comprueba(const Ejercicio& ejercicio, const Trabajo& trabajo);

// The rule of the first empty or wrong step, without its value.
std::string pista(const Ejercicio& ejercicio, const Trabajo& trabajo);

// Every cell and answer filled in with the program's own values.
Trabajo solucion(const Ejercicio& ejercicio);

}  // namespace zefra::practica
