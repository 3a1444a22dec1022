// What the core tests share: a program state on a fake clock, and a one-line check of the
// run-time error a call raises.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "comun/reloj_falso.hpp"
#include "core/estado.hpp"
#include "core/modular/avisos_zn.hpp"
#include "core/shell/errores.hpp"
#include "core/shell/numeros.hpp"

namespace zefra::pruebas {

// The type of the error the call raises, trapped or not, or nothing when it raises none. The
// name of the trap that caught it, if any, goes to `trampa`.
template <class F>
std::optional<TipoError> errorDe(F&& llamada, std::string* trampa = nullptr) {
    try {
        llamada();
    } catch (const ErrorAtrapado& e) {
        if (trampa) *trampa = e.prefijo();
        return e.tipo();
    } catch (const ErrorEjecucion& e) {
        return e.tipo();
    }
    return std::nullopt;
}

// What the computations in Zn announce, as the windows would show it.
struct Anotados final : AvisosZn {
    void veredictoEsPrimo(std::string_view v) override { veredictos.emplace_back(v); }
    void primosEuler(std::string_view texto, bool terminada) override {
        lista = texto;
        listaTerminada = terminada;
    }

    std::vector<std::string> veredictos;
    std::string lista = "-";
    bool listaTerminada = false;
};

class PruebaNucleo : public ::testing::Test {
  protected:
    PruebaNucleo() { fijaSeparadorDecimal(','); }

    // A budget of so many seconds from now, with the clock moving `paso` at every reading.
    void presupuesto(const char* segundos, double paso) {
        tiempo.fijaCampo(&Presupuesto::segundos, segundos);
        tiempo.marcaInicio();
        reloj.paso = paso;
    }

    RelojFalso reloj;
    Estado estado{reloj};
    Tiempo& tiempo = estado.tiempo;
};

}  // namespace zefra::pruebas
