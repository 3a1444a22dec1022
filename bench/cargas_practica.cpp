// The practice exercises: one exercise of each type at the hardest level made, solved and
// checked, as the window does when a student asks for a new exercise and checks it.
#include "cargas.hpp"
#include "core/practice/practica.hpp"

namespace zefra::bench {
namespace {

using practica::TipoEjercicio;

bool practicaCompleta() {
    bool bien = true;
    for (const auto tipo :
         {TipoEjercicio::Euclides, TipoEjercicio::Diofantica, TipoEjercicio::Inverso,
          TipoEjercicio::Potencia, TipoEjercicio::Euler, TipoEjercicio::Afin, TipoEjercicio::RSA}) {
        const auto e = practica::generaEjercicio(tipo, practica::Nivel::Dificil, 1729);
        const auto hoja = practica::hoja(e);
        const auto c = practica::comprueba(e, practica::solucion(e));
        bien = bien && !practica::enunciado(e).empty() && c.total > 0 && c.correctos == c.total &&
               c.celdas.size() == hoja.dadas.size();
    }
    return bien;
}

const Registro practicaTodo{{"practice-all",
                             "one exercise of each of the seven types at Difícil, generated and "
                             "checked against its solution",
                             practicaCompleta, "", 0.01}};

}  // namespace
}  // namespace zefra::bench
