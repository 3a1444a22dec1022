// The four chart windows, each drawn from what its window has just computed: π(x) beside x/ln x
// and li(x), the powers of [a] in Zn with their cycle, the integer points of a Diophantine line
// in the box of its bounds, and φ(k) under the line y = x − 1.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/arithmetic/restricciones.hpp"
#include "gui/graficas/ventana_grafica.hpp"

class QLabel;

namespace zefra::gui {

// Draws in the chart window W what its window computed, opening it (beside the active window)
// when `abre`, else only when it is showing: a hidden chart is drawn when next opened.
template <class W, class... Datos>
void dibujaGrafica(Contexto& contexto, bool abre, const Datos&... datos) {
    W* grafica = abre ? &contexto.ventana<W>() : contexto.existente<W>();
    if (!grafica || (!abre && !grafica->isVisible())) return;
    grafica->dibuja(datos...);
    if (abre) Contexto::muestra(*grafica);
}

class FrGraficaPrimos final : public VentanaGrafica {
    Q_OBJECT

  public:
    // At most this many points of π(x): beyond, π is sampled (exact at each sample).
    static constexpr int kMaximoPuntos = 2000;

    explicit FrGraficaPrimos(Contexto& contexto);
    // The list of primes up to `cota` (as typed), all of them in increasing order.
    void dibuja(std::span<const std::int32_t> primos, const std::string& cota);
};

class FrGraficaPotencias final : public VentanaGrafica {
    Q_OBJECT

  public:
    // At most this many powers are drawn.
    static constexpr std::uint64_t kMaximoPotencias = 2000;

    explicit FrGraficaPotencias(Contexto& contexto);
    // [a]^k in Zn for k = 0, 1, 2, … (1 ≤ n < 2^32).
    void dibuja(std::uint64_t a, std::uint64_t n);

  private:
    QLabel* orden_;
};

// What the bounds window hands over: the equation, its general solution when it has one, the
// bounds and the inputs as typed.
struct DatosDiofantica {
    double a = 0;
    double b = 0;
    double c = 0;
    std::optional<Parametrizacion> solucion;
    Cotas cotas;
    std::vector<std::pair<std::string, std::string>> entradas;
};

class FrGraficaDiofantica final : public VentanaGrafica {
    Q_OBJECT

  public:
    // The integer points drawn around the allowed ones.
    static constexpr int kMaximoPuntos = 61;

    explicit FrGraficaDiofantica(Contexto& contexto);
    void dibuja(const DatosDiofantica& datos);
};

class FrGraficaEuler final : public VentanaGrafica {
    Q_OBJECT

  public:
    // At most this many values of k: beyond, k is sampled evenly up to n.
    static constexpr std::uint64_t kMaximoPuntos = 3000;

    explicit FrGraficaEuler(Contexto& contexto);
    void dibuja(std::uint64_t n);
};

}  // namespace zefra::gui
