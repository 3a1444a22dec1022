// The parts of the practice every family shares: choosing the family, the reading of cells and
// the tally of a correction.
#include "core/practice/practica.hpp"

#include <exception>
#include "core/practice/familia.hpp"

namespace zefra::practica {
namespace {

const Familia& familia(TipoEjercicio tipo) {
    switch (tipo) {
        case TipoEjercicio::Euclides:
            return familiaEuclides();
        case TipoEjercicio::Diofantica:
            return familiaDiofantica();
        case TipoEjercicio::Inverso:
            return familiaInverso();
        case TipoEjercicio::Potencia:
            return familiaPotencia();
        case TipoEjercicio::Euler:
            return familiaEuler();
        case TipoEjercicio::Afin:
            return familiaAfin();
        case TipoEjercicio::RSA:
            break;
    }
    return familiaRSA();
}

// Data a statement typed into the window could have given: the checks of the calculation window
// keep every routine and every check inside the values it handles exactly.
bool admitidos(const Ejercicio& e) {
    const Familia& f = familia(e.tipo);
    std::vector<std::string> textos;
    if (f.textos) {
        textos = f.textos(e.datos);
    } else {
        for (const auto d : e.datos)
            textos.push_back(aTexto(d));
    }
    if (textos.size() != f.nombres.size()) return false;
    try {
        const EjercicioPropio propio = f.propio(textos);
        return propio.ejercicio && propio.ejercicio->datos == e.datos;
    } catch (const std::exception&) {
        return false;
    }
}

// The sheet of an exercise; an empty one for data no statement could have (the wrong number of
// data, or values a routine refuses), so that no call on such an exercise fails.
Plantilla plantillaDe(const Ejercicio& e) {
    if (!admitidos(e)) return {};
    const Familia& f = familia(e.tipo);
    try {
        return f.plantilla(e);
    } catch (const std::exception&) {
        return {};
    }
}

std::string_view texto(const std::vector<std::vector<std::string>>& celdas, std::size_t fila,
                       std::size_t columna) {
    if (fila >= celdas.size() || columna >= celdas[fila].size()) return {};
    return celdas[fila][columna];
}

std::string_view texto(const std::vector<std::string>& v, std::size_t i) {
    return i < v.size() ? std::string_view(v[i]) : std::string_view();
}

Entero numeroDe(std::string_view t) {
    const auto l = leeCelda(t);
    return l.tipo == LecturaCelda::Tipo::Numero ? l.valor : 0;
}

bool dada(const Plantilla& p, std::size_t fila, std::size_t columna) {
    return !texto(p.hoja.dadas, fila, columna).empty();
}

// The verdict on one cell: empty while the student has not written in it.
Veredicto juzga(const Contexto& c, std::size_t fila, std::size_t columna) {
    const std::string_view t = fila == kRespuesta ? c.respuesta(columna) : c.celda(fila, columna);
    if (recorta(t).empty()) return {};
    return familia(c.ejercicio.tipo).juzga(c, fila, columna);
}

// "✔", the reason for the row's first wrong value, or "" while a cell is still empty.
std::string resumenDeFila(const Plantilla& p, std::size_t fila,
                          const std::vector<Veredicto>& veredictos) {
    for (const auto& v : veredictos) {
        if (v.estado == Estado::Incorrecto) return v.nota;
    }
    for (std::size_t col = 0; col < veredictos.size(); ++col) {
        if (!dada(p, fila, col) && veredictos[col].estado == Estado::Vacio) return {};
    }
    return "✔";
}

}  // namespace

std::string_view Contexto::celda(std::size_t fila, std::size_t columna) const {
    return texto(trabajo.celdas, fila, columna);
}
std::string_view Contexto::respuesta(std::size_t i) const {
    return texto(trabajo.respuestas, i);
}
Entero Contexto::esperada(std::size_t fila, std::size_t columna) const {
    return numeroDe(texto(plantilla.celdas, fila, columna));
}
Entero Contexto::esperadaRespuesta(std::size_t i) const {
    return numeroDe(texto(plantilla.respuestas, i));
}
std::optional<Entero> Contexto::numero(std::size_t fila, std::size_t columna) const {
    const auto l = leeCelda(fila == kRespuesta ? respuesta(columna) : celda(fila, columna));
    if (l.tipo != LecturaCelda::Tipo::Numero) return std::nullopt;
    return l.valor;
}

Veredicto correcto(std::string nota) {
    return {Estado::Correcto, std::move(nota)};
}
Veredicto incorrecto(std::string razon) {
    return {Estado::Incorrecto, std::move(razon)};
}
std::optional<Veredicto> noNumerico(const LecturaCelda& l) {
    if (l.tipo == LecturaCelda::Tipo::Error) return incorrecto(l.error);
    if (l.tipo == LecturaCelda::Tipo::NoHay) return incorrecto("Aquí va un número");
    return std::nullopt;
}
std::string aTexto(std::int64_t x) {
    return texto(static_cast<Entero>(x));
}

Ejercicio generaEjercicio(TipoEjercicio tipo, Nivel nivel, std::uint64_t numero) {
    Generador azar(semillaEjercicio(static_cast<int>(tipo), static_cast<int>(nivel), numero));
    return {tipo, nivel, numero, familia(tipo).genera(nivel, azar)};
}

std::int64_t maximoDato(TipoEjercicio tipo, Nivel nivel) {
    return familia(tipo).maximo(nivel);
}

std::vector<std::string> nombresDatos(TipoEjercicio tipo) {
    return familia(tipo).nombres;
}

EjercicioPropio ejercicioPropio(TipoEjercicio tipo, const std::vector<std::string>& textos) {
    const Familia& f = familia(tipo);
    if (textos.size() != f.nombres.size()) return {std::nullopt, "Faltan datos del enunciado."};
    try {
        EjercicioPropio propio = f.propio(textos);
        if (propio.ejercicio) propio.ejercicio->tipo = tipo;
        return propio;
    } catch (const std::exception& e) {
        return {std::nullopt, e.what()};
    }
}

std::string enunciado(const Ejercicio& e) {
    return admitidos(e) ? familia(e.tipo).enunciado(e) : std::string();
}

Hoja hoja(const Ejercicio& e) {
    return plantillaDe(e).hoja;
}

Trabajo solucion(const Ejercicio& e) {
    const Plantilla p = plantillaDe(e);
    return {p.celdas, p.respuestas};
}

Correccion comprueba(const Ejercicio& e, const Trabajo& trabajo) {
    const Plantilla p = plantillaDe(e);
    const Contexto c{e, p, trabajo};
    Correccion r;
    const auto cuenta = [&r](const Veredicto& v) {
        ++r.total;
        if (v.estado == Estado::Correcto) ++r.correctos;
    };
    for (std::size_t fila = 0; fila < p.celdas.size(); ++fila) {
        auto& veredictos = r.celdas.emplace_back(p.celdas[fila].size());
        for (std::size_t col = 0; col < p.celdas[fila].size(); ++col) {
            if (dada(p, fila, col)) continue;
            veredictos[col] = juzga(c, fila, col);
            cuenta(veredictos[col]);
        }
        r.comprobacion.push_back(resumenDeFila(p, fila, veredictos));
    }
    for (std::size_t i = 0; i < p.respuestas.size(); ++i) {
        r.respuestas.push_back(juzga(c, kRespuesta, i));
        cuenta(r.respuestas.back());
    }
    return r;
}

std::string pista(const Ejercicio& e, const Trabajo& trabajo) {
    const Plantilla p = plantillaDe(e);
    const Contexto c{e, p, trabajo};
    const Familia& f = familia(e.tipo);
    for (std::size_t fila = 0; fila < p.celdas.size(); ++fila) {
        for (std::size_t col = 0; col < p.celdas[fila].size(); ++col) {
            if (!dada(p, fila, col) && juzga(c, fila, col).estado != Estado::Correcto)
                return f.regla(c, fila, col);
        }
    }
    for (std::size_t i = 0; i < p.respuestas.size(); ++i) {
        if (juzga(c, kRespuesta, i).estado != Estado::Correcto) return f.regla(c, kRespuesta, i);
    }
    return "Todos los pasos son correctos.";
}

}  // namespace zefra::practica
