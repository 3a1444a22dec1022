// The affine cipher exercise over the predefined alphabet a-z (n = 28): a short message
// enciphered with C([m]) = [r][m] + [s], and whether the key r is valid (has an inverse).
// Sheet: the conversion step and the cipher step side by side, one row per symbol: the symbol
// given, its code m, [r][m] + [s] in Z28 and the enciphered symbol ("_" for the space). Answers:
// m.c.d.(r, 28), the inverse of [r] in Z28 (any representative) or "No existe el inverso", and the
// enciphered message. Data: r, s, then the codes of the message's symbols.
#include <array>
#include <cmath>

#include "core/alphabets/predefinidos.hpp"
#include "core/crypto/afin.hpp"
#include "core/crypto/claves.hpp"
#include "core/crypto/transcripcion.hpp"
#include "core/modular/inverso.hpp"
#include "core/practice/familia.hpp"
#include "core/shell/numeros.hpp"

namespace zefra::practica {
namespace {

enum Columna { kSimbolo, kCodigo, kCifra, kCifrado };
enum Respuesta { kMcd, kInverso, kMensaje };
constexpr std::int64_t kModulo = 28;
constexpr std::size_t kMaximoSimbolos = 20;

const Alfabeto& alfabeto() {
    return alfabetoMinusculas();
}

constexpr std::array<std::string_view, 24> kPalabras = {
    "hola",     "clave", "cifra",    "resto",  "primo",  "zeta",    "euler",   "modulo",
    "inverso",  "grupo", "suma",     "fermat", "numero", "secreto", "mensaje", "divisor",
    "cociente", "raiz",  "potencia", "llave",  "señal",  "bloque",  "texto",   "niño"};

struct Rango {
    std::int64_t minimoClave, maximoClave;
    std::size_t minimo, maximo;  // letters of a word
    bool dosPalabras;
};
Rango rango(Nivel nivel) {
    return porNivel<Rango>(nivel, {1, 27, 4, 5, false}, {2, 100, 5, 8, false},
                           {-200, 500, 4, 6, true});
}

// The UTF-8 characters of a text.
std::vector<std::string> simbolos(std::string_view texto) {
    std::vector<std::string> s;
    for (std::size_t i = 0; i < texto.size();) {
        std::size_t largo = 1;
        while (i + largo < texto.size() && (texto[i + largo] & 0xC0) == 0x80)
            ++largo;
        s.emplace_back(texto.substr(i, largo));
        i += largo;
    }
    return s;
}

std::string palabra(const Rango& r, Generador& azar) {
    for (;;) {
        const auto& p = kPalabras[static_cast<std::size_t>(azar.entre(0, kPalabras.size() - 1))];
        const std::size_t largo = simbolos(p).size();
        if (largo >= r.minimo && largo <= r.maximo) return std::string(p);
    }
}

std::vector<std::int64_t> codigos(std::string_view mensaje) {
    std::vector<std::int64_t> c;
    for (const auto& s : simbolos(mensaje))
        c.push_back(static_cast<std::int64_t>(*leeNumero(*codigoDeSimbolo(s, alfabeto()))));
    return c;
}

std::vector<std::int64_t> genera(Nivel nivel, Generador& azar) {
    const Rango r = rango(nivel);
    // A quarter of the keys r have no inverse: the key window would refuse them.
    const bool valida = !azar.probabilidad(1, 4);
    std::int64_t clave = 0;
    do {
        clave = azar.entre(r.minimoClave, r.maximoClave);
    } while (clave == 0 || (mcdEntero(clave, kModulo) == 1) != valida);
    std::vector<std::int64_t> datos = {
        clave, azar.entre(r.minimoClave < 0 ? r.minimoClave : 0, r.maximoClave)};
    std::string mensaje = palabra(r, azar);
    if (r.dosPalabras) mensaje += " " + palabra(r, azar);
    for (const auto c : codigos(mensaje))
        datos.push_back(c);
    return datos;
}

std::int64_t maximo(Nivel nivel) {
    return std::max<std::int64_t>(kModulo,
                                  std::max(-rango(nivel).minimoClave, rango(nivel).maximoClave));
}

EjercicioPropio propio(const std::vector<std::string>& t) {
    const auto r = leeNumero(t[0]);
    const auto s = leeNumero(t[1]);
    if (!r || !s) return {std::nullopt, "Se le ha de poner un valor numérico a las dos claves"};
    if (!esEntero(*r) || !esEntero(*s)) return {std::nullopt, kMensajeClavesEnteras};
    if (std::fabs(*r) >= kMenorConExponente || std::fabs(*s) >= kMenorConExponente)
        return {std::nullopt, "Las claves de un ejercicio tienen como mucho 15 cifras."};
    if (t[2].empty()) return {std::nullopt, "Ha de escribir al menos un símbolo del alfabeto."};
    const auto digitos = transcribeADigitos(t[2], alfabeto());
    if (digitos.rechazado) return {std::nullopt, mensajeSimboloAjeno(*digitos.rechazado)};
    if (simbolos(t[2]).size() > kMaximoSimbolos)
        return {std::nullopt, "El mensaje de un ejercicio tiene como mucho 20 símbolos."};
    std::vector<std::int64_t> datos = {static_cast<std::int64_t>(*r),
                                       static_cast<std::int64_t>(*s)};
    for (const auto c : codigos(t[2]))
        datos.push_back(c);
    return {Ejercicio{TipoEjercicio::Afin, Nivel::Facil, 0, datos}, {}};
}

std::string simbolo(std::int64_t codigo) {
    const auto s = simboloDeCodigo(conCeros(static_cast<double>(codigo), 2), alfabeto());
    return s ? *s : "?";
}

// What a cell shows of a symbol: the space as "_".
std::string visible(std::string s) {
    return s == " " ? "_" : s;
}

std::string mensaje(const Ejercicio& e) {
    std::string m;
    for (std::size_t i = 2; i < e.datos.size(); ++i)
        m += simbolo(e.datos[i]);
    return m;
}

std::vector<std::string> textos(const std::vector<std::int64_t>& datos) {
    if (datos.size() < 3) return {};
    return {aTexto(datos[0]), aTexto(datos[1]),
            mensaje(Ejercicio{TipoEjercicio::Afin, Nivel::Facil, 0, datos})};
}

std::string enunciadoDe(const Ejercicio& e) {
    return "Con el alfabeto a-z (<i>n</i> = 28), cifra «" + mensaje(e) +
           "» con C([<i>m</i>]) = [<i>r</i>][<i>m</i>] + [<i>s</i>], <i>r</i> = " +
           aTexto(e.datos[0]) + ", <i>s</i> = " + aTexto(e.datos[1]) +
           ", y halla el inverso de [<i>r</i>] en ℤ<sub>28</sub>, que descifra; si no existe, la "
           "clave <i>r</i> no es válida.";
}

Plantilla plantilla(const Ejercicio& e) {
    Calculo calculo;
    const Entero r = e.datos[0], s = e.datos[1];
    std::string digitos;
    for (std::size_t i = 2; i < e.datos.size(); ++i)
        digitos += conCeros(static_cast<double>(e.datos[i]), 2);
    const auto cifrado =
        cifraAfin(calculo.tiempo, digitos, 2, kModulo, static_cast<double>(modulo(r, kModulo)),
                  static_cast<double>(modulo(s, kModulo)), Sentido::Codificar);
    Plantilla p;
    p.hoja.columnas = {"Símbolo", "m", "[r][m] + [s]", "Cifrado"};
    std::string texto;
    for (std::size_t i = 2; i < e.datos.size(); ++i) {
        const auto c =
            static_cast<std::int64_t>(*leeNumero(cifrado.digitos.substr(2 * (i - 2), 2)));
        p.fila({visible(simbolo(e.datos[i])), "", "", ""},
               {"", aTexto(e.datos[i]), aTexto(c), visible(simbolo(c))});
        texto += visible(simbolo(c));
    }
    const auto inverso =
        inversoZn(calculo.tiempo, kModulo, static_cast<double>(modulo(r, kModulo)));
    const InversoZn& i = inverso.inverso.value();
    p.respuesta("m.c.d.(r, 28)", practica::texto(static_cast<Entero>(i.mcd)));
    p.respuesta("Inverso de [r] en Z28",
                i.mcd == 1 ? practica::texto(static_cast<Entero>(i.inverso)) : kNoExisteInverso);
    p.respuesta("Mensaje cifrado", texto);
    return p;
}

// A typed symbol as the alphabet writes it: "_" and "espacio" are the space, capitals small.
std::string leeSimbolo(std::string_view t) {
    if (t.find_first_not_of(' ') == std::string_view::npos && !t.empty()) return " ";
    t = recorta(t);
    if (t == "_" || t == "espacio") return " ";
    if (t == "Ñ") return "ñ";
    std::string s(t);
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

std::string comillas(const std::string& s) {
    return "«" + visible(s) + "»";
}

Veredicto juzgaFila(const Contexto& c, std::size_t fila, std::size_t col) {
    const std::int64_t m = c.ejercicio.datos[fila + 2];
    const Entero r = c.ejercicio.datos[0], s = c.ejercicio.datos[1];
    if (col == kCifrado) {
        const std::string t = leeSimbolo(c.celda(fila, col));
        if (t == leeSimbolo(c.plantilla.celdas[fila][col])) return correcto();
        const auto codigo = codigoDeSimbolo(t, alfabeto());
        if (!codigo) return incorrecto(comillas(t) + " no es un símbolo del alfabeto a-z");
        return incorrecto(
            comillas(t) + " tiene el código " + *codigo + ", no " +
            practica::texto(c.numero(fila, kCifra).value_or(c.esperada(fila, kCifra))));
    }
    const LecturaCelda l = leeCelda(c.celda(fila, col));
    if (auto v = noNumerico(l)) return *v;
    const Entero esperado = c.esperada(fila, col);
    if (col == kCodigo) {
        if (l.valor == esperado) return correcto();
        return incorrecto("No es el código de " + comillas(simbolo(m)) + " en la tabla");
    }
    if (modulo(l.valor, kModulo) == esperado) {
        return correcto(l.valor == esperado
                            ? ""
                            : "correcto; el representante es " + practica::texto(esperado));
    }
    const Entero codigo = c.numero(fila, kCodigo).value_or(m);
    if (modulo(r * codigo + s, kModulo) == modulo(l.valor, kModulo))
        return incorrecto("Arrastra el código incorrecto de esta fila");
    return incorrecto(practica::texto(r) + "·" + factor(codigo) + " + " + factor(s) + " = " +
                      practica::texto(r * codigo + s) + " ≢ " + practica::texto(l.valor) +
                      " (mod 28)");
}

Veredicto juzgaRespuesta(const Contexto& c, std::size_t i) {
    const Entero r = c.ejercicio.datos[0];
    if (i == kMensaje) {
        std::vector<std::string> escrito;
        for (const auto& s : simbolos(c.respuesta(i)))
            escrito.push_back(leeSimbolo(s == " " ? "_" : s));
        const auto debido = simbolos(c.plantilla.respuestas[i]);
        // Blanks the student left around the message are not symbols.
        while (!escrito.empty() && escrito.back() == " " && escrito.size() > debido.size())
            escrito.pop_back();
        for (std::size_t k = 0; k < std::min(escrito.size(), debido.size()); ++k) {
            if (escrito[k] != leeSimbolo(debido[k]))
                return incorrecto("El símbolo nº " + std::to_string(k + 1) +
                                  " no es el cifrado de " +
                                  comillas(simbolo(c.ejercicio.datos[k + 2])));
        }
        if (escrito.size() != debido.size())
            return incorrecto("El mensaje cifrado tiene " + std::to_string(debido.size()) +
                              " símbolos");
        return correcto();
    }
    const LecturaCelda l = leeCelda(c.respuesta(i));
    const Entero g = c.esperadaRespuesta(kMcd);
    if (i == kMcd) {
        if (auto v = noNumerico(l)) return *v;
        if (l.valor == g) return correcto();
        if (l.valor <= 0 || r % l.valor != 0 || kModulo % l.valor != 0)
            return incorrecto(practica::texto(l.valor) + " no divide a r y a 28");
        return incorrecto(practica::texto(l.valor) + " es un divisor común, pero no el mayor");
    }
    if (l.tipo == LecturaCelda::Tipo::Error) return incorrecto(l.error);
    if (l.tipo == LecturaCelda::Tipo::NoHay) {
        if (g != 1) return correcto();
        return incorrecto("Sí existe: m.c.d.(" + practica::texto(r) + ", 28) = 1");
    }
    if (g != 1) {
        return incorrecto("m.c.d.(" + practica::texto(r) + ", 28) = " + practica::texto(g) +
                          " ≠ 1: no existe el inverso; la clave no es válida");
    }
    if (modulo(r * l.valor, kModulo) != 1) {
        return incorrecto(factor(r) + "·" + factor(l.valor) + " = " + practica::texto(r * l.valor) +
                          " ≢ 1 (mod 28)");
    }
    const std::string canonico = c.plantilla.respuestas[kInverso];
    return correcto(
        practica::texto(l.valor) == canonico ? "" : "correcto; el representante es " + canonico);
}

Veredicto juzga(const Contexto& c, std::size_t fila, std::size_t col) {
    return fila == kRespuesta ? juzgaRespuesta(c, col) : juzgaFila(c, fila, col);
}

std::string regla(const Contexto&, std::size_t fila, std::size_t col) {
    if (fila != kRespuesta) {
        switch (col) {
            case kCodigo:
                return "El código de cada símbolo está en la tabla de conversión de a-z.";
            case kCifra:
                return "Multiplica el código por r, suma s y toma el resto módulo 28.";
            default:
                break;
        }
        return "El símbolo cifrado es el de ese código en la tabla; el espacio se escribe «_».";
    }
    switch (col) {
        case kMcd:
            return "El m.c.d. es el último resto distinto de cero del algoritmo de Euclides.";
        case kInverso:
            return "r es válida si m.c.d.(r, 28) = 1: su inverso es la x de r·x + 28·y = 1.";
        default:
            break;
    }
    return "El mensaje cifrado son los símbolos cifrados en orden.";
}

}  // namespace

const Familia& familiaAfin() {
    static const Familia f{{"r", "s", "mensaje"},
                           genera,
                           maximo,
                           propio,
                           enunciadoDe,
                           plantilla,
                           juzga,
                           regla,
                           textos};
    return f;
}

}  // namespace zefra::practica
