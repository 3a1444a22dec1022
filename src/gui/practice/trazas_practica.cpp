#include "gui/practice/trazas_practica.hpp"

#include <optional>
#include <string>

#include "core/arithmetic/diofantica.hpp"
#include "core/arithmetic/euclides.hpp"
#include "core/modular/euler.hpp"
#include "core/modular/inverso.hpp"
#include "core/modular/potencias.hpp"
#include "core/modular/representante.hpp"
#include "core/primes/factorizacion.hpp"
#include "gui/arithmetic/fr_traza_euclides.hpp"
#include "gui/arithmetic/frm_traza_diof.hpp"
#include "gui/modular/frm_calcupoten.hpp"
#include "gui/modular/frm_fun_euler.hpp"
#include "gui/ui/avisos_zn.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {
namespace {

using practica::TipoEjercicio;

// The datum named `nombre` of the exercise, as the core names them.
std::optional<double> dato(const practica::Ejercicio& ejercicio, const std::string& nombre) {
    const auto nombres = practica::nombresDatos(ejercicio.tipo);
    for (std::size_t i = 0; i < nombres.size() && i < ejercicio.datos.size(); ++i) {
        if (nombres[i] == nombre) return static_cast<double>(ejercicio.datos[i]);
    }
    return std::nullopt;
}

Entradas entradas(const practica::Ejercicio& ejercicio) {
    Entradas e;
    const auto nombres = practica::nombresDatos(ejercicio.tipo);
    for (std::size_t i = 0; i < nombres.size() && i < ejercicio.datos.size(); ++i)
        e.emplace_back(nombres[i], std::to_string(ejercicio.datos[i]));
    return e;
}

}  // namespace

bool publicaTraza(Contexto& contexto, const practica::Ejercicio& ejercicio,
                  const QString& ventana) {
    auto& estado = contexto.estado;
    estado.tiempo.marcaInicio();
    const auto e = entradas(ejercicio);
    switch (ejercicio.tipo) {
        case TipoEjercicio::Euclides: {
            const auto a = dato(ejercicio, "a"), b = dato(ejercicio, "b");
            if (!a || !b) return false;
            auto r = Euclides(estado.tiempo, *a, *b);
            contexto.trazas.publica(Publicada<TrazaEuclides>{std::move(r.traza), e, ventana});
            return r.mcd.has_value();
        }
        case TipoEjercicio::Diofantica: {
            const auto a = dato(ejercicio, "A"), b = dato(ejercicio, "B"), c = dato(ejercicio, "C");
            if (!a || !b || !c) return false;
            auto r = Diofantica(estado.tiempo, *a, *b, *c);
            contexto.trazas.publica(Publicada<TrazaEuclides>{std::move(r.euclides), e, ventana});
            contexto.trazas.publica(
                Publicada<std::vector<PasoDiofantica>>{std::move(r.pasos), e, ventana});
            return r.resultado.has_value();
        }
        case TipoEjercicio::Inverso: {
            const auto n = dato(ejercicio, "n"), a = dato(ejercicio, "a");
            if (!n || !a) return false;
            // A negative element stands for its representative, as in the inverse window.
            auto r =
                inversoZn(estado.tiempo, *n, *a < 0 ? representante(*n, *a).representante : *a);
            contexto.trazas.publica(Publicada<TrazaEuclides>{std::move(r.euclides), e, ventana});
            return r.inverso.has_value();
        }
        case TipoEjercicio::Potencia: {
            const auto n = dato(ejercicio, "n"), a = dato(ejercicio, "a"), b = dato(ejercicio, "b");
            if (!n || !a || !b) return false;
            auto r = Calcupoten(estado.tiempo, estado.memoriaModulo, *a, *b, *n);
            const bool completa = r.traza.resultado.has_value();
            contexto.trazas.publica(Publicada<TrazaPotencia>{std::move(r.traza), e, ventana});
            return completa;
        }
        case TipoEjercicio::Euler: {
            const auto n = dato(ejercicio, "n");
            if (!n) return false;
            auto& explica = contexto.ventana<FrExplicaEuler>();
            explica.vacia();
            AvisosVentanas avisos(contexto.avisos);
            const auto phi = funcionEulerLista(estado.tiempo, estado.memoriaModulo, *n, &avisos);
            if (!phi || !factorizaPrimos(estado.tiempo, estado.factores, *n)) return false;
            explica.explica(QString::number(ejercicio.datos.front()), *n, *phi);
            return true;
        }
        case TipoEjercicio::RSA: {
            // The block enciphered with the public key: the power [m]^t in Zn.
            const auto p = dato(ejercicio, "p"), q = dato(ejercicio, "q");
            const auto t = dato(ejercicio, "t"), m = dato(ejercicio, "m");
            if (!p || !q || !t || !m) return false;
            auto r = Calcupoten(estado.tiempo, estado.memoriaModulo, *m, *t, *p * *q);
            const bool completa = r.traza.resultado.has_value();
            contexto.trazas.publica(Publicada<TrazaPotencia>{std::move(r.traza), e, ventana});
            return completa;
        }
        case TipoEjercicio::Afin:
            return false;
    }
    return false;
}

void abreTraza(Contexto& contexto, practica::TipoEjercicio tipo) {
    switch (tipo) {
        case TipoEjercicio::Euclides:
        case TipoEjercicio::Inverso:
            contexto.abre<FrTrazaEuclides>();
            break;
        case TipoEjercicio::Diofantica:
            contexto.abre<FrmTrazaDiof>();
            break;
        case TipoEjercicio::Potencia:
        case TipoEjercicio::RSA:
            contexto.abre<FrTrazaPotencia>();
            break;
        case TipoEjercicio::Euler:
            contexto.abre<FrExplicaEuler>();
            break;
        case TipoEjercicio::Afin:
            break;
    }
}

}  // namespace zefra::gui
