#include "core/files/fichero_alfabeto.hpp"
#include "core/shell/numeros.hpp"

#include <set>
#include <vector>

#include "core/alphabets/caracteres.hpp"
#include "core/alphabets/edicion.hpp"
#include "core/alphabets/nombres.hpp"

namespace zefra {
namespace {

constexpr const char* kNoValido = "Alfabeto no válido";
constexpr const char* kSinNombre = "Alfabeto no valido.";
constexpr const char* kNombreNoValido = "Alfabeto no valido";
constexpr const char* kDemasiados = "Alfabeto no válido. Demasiados símbolos";

LecturaAlfabeto rechazo(const char* mensaje) {
    return {std::nullopt, mensaje};
}

bool esCifra(std::string_view c) {
    return c.size() == 1 && esDigito(c[0]);
}

// No two entries share a symbol or a code value, and no code is larger than a user alphabet
// may hold.
bool entradasValidas(const std::vector<Equivalencia>& equivalencias) {
    std::set<std::string_view> simbolos;
    std::set<std::string_view> valores;
    for (const auto& e : equivalencias) {
        const auto valor = valorDeCodigo(e.codigo);
        if (valor.size() > static_cast<std::size_t>(kMaximoCifrasCodigo)) return false;
        if (!simbolos.insert(e.simbolo).second || !valores.insert(valor).second) return false;
    }
    return true;
}

}  // namespace

std::string textoAlfabeto(const Alfabeto& alfabeto) {
    std::string texto(alfabeto.nombre);
    for (const auto& e : alfabeto.equivalencias)
        texto += "\r\n" + e.simbolo + " " + e.codigo;
    texto += "\r\nzzz\r\n";
    return texto;
}

LecturaAlfabeto leeAlfabeto(std::string_view texto, const RanurasAlfabeto& ranuras) {
    // Characters, not bytes: a symbol or a letter of the name may take several bytes.
    auto c = caracteres(texto);
    // The two line ends after "zzz" go first; what is left must end in "zzz".
    if (c.size() < 4) return rechazo(kNoValido);
    c.resize(c.size() - 4);
    const std::size_t largo = c.size();
    if (largo < 3 || c[largo - 3] != "z" || c[largo - 2] != "z" || c[largo - 1] != "z") {
        return rechazo(kNoValido);
    }
    const std::size_t fin = largo - 3;  // characters before "zzz": positions 0 … fin − 1
    std::size_t p = 0;

    if (p >= fin) return rechazo(kSinNombre);
    // A name never starts with a blank, nor is it empty (a line end at once).
    if (c[p] == " " || c[p] == "\r") return rechazo(kNombreNoValido);
    Alfabeto alfabeto;
    alfabeto.nombre = c[p++];
    if (p >= fin) return rechazo(kNombreNoValido);
    while (p < fin && c[p] != "\r")
        alfabeto.nombre += c[p++];
    if (p >= fin) return rechazo(kNombreNoValido);
    ++p;  // carriage return
    if (nombreAlfabetoUsado(ranuras, alfabeto.nombre)) return rechazo(kMensajeMismoNombre);
    ++p;  // line feed

    auto& entradas = alfabeto.equivalencias;
    while (p < fin) {
        if (entradas.size() == static_cast<std::size_t>(kMaximoEquivalencias)) {
            return rechazo(kDemasiados);
        }
        Equivalencia e;
        e.simbolo = c[p++];
        if (p >= fin || c[p] != " ") return rechazo(kNoValido);
        if (++p >= fin) return rechazo(kNoValido);
        while (c[p] != "\r") {
            if (!esCifra(c[p])) return rechazo(kNoValido);
            e.codigo += c[p];
            if (++p >= fin) return rechazo(kNoValido);
        }
        // An empty code would end the table there and lose the entries after it.
        if (e.codigo.empty()) return rechazo(kNoValido);
        ++p;  // carriage return
        entradas.push_back(std::move(e));
        ++p;  // line feed
    }
    if (!entradasValidas(entradas)) return rechazo(kNoValido);
    igualaAnchos(entradas);
    return {std::move(alfabeto), {}};
}

}  // namespace zefra
