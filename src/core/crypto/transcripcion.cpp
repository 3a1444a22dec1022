#include "core/crypto/transcripcion.hpp"

#include <algorithm>
#include <unordered_map>

#include "core/alphabets/caracteres.hpp"
#include "core/shell/numeros.hpp"

namespace zefra {
namespace {

// Key to value for every entry of an alphabet; the first entry in table order wins.
std::unordered_map<std::string, std::string> indice(const Alfabeto& alfabeto, bool porSimbolo) {
    std::unordered_map<std::string, std::string> mapa;
    for (const auto& e : alfabeto.equivalencias) {
        if (porSimbolo) {
            mapa.emplace(e.simbolo, e.codigo);
        } else {
            mapa.emplace(e.codigo, e.simbolo);
        }
    }
    return mapa;
}

std::optional<std::string> busca(std::string_view clave, const Alfabeto& alfabeto,
                                 bool porSimbolo) {
    for (const auto& e : alfabeto.equivalencias) {
        if ((porSimbolo ? e.simbolo : e.codigo) == clave) return porSimbolo ? e.codigo : e.simbolo;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> codigoDeSimbolo(std::string_view simbolo, const Alfabeto& alfabeto) {
    return busca(simbolo, alfabeto, true);
}

std::optional<std::string> simboloDeCodigo(std::string_view codigo, const Alfabeto& alfabeto) {
    return busca(codigo, alfabeto, false);
}

int anchoCodigo(const Alfabeto& alfabeto) {
    return static_cast<int>(textoDecimal(maximoCodigo(alfabeto.equivalencias)).size());
}

int anchoBloque(const Alfabeto& alfabeto) {
    return std::max(2, anchoCodigo(alfabeto));
}

std::string ponCeros(double valor, int k) {
    std::string texto = textoDecimal(valor);
    if (k > 0) texto.insert(0, static_cast<std::size_t>(k), '0');
    return texto;
}

std::string conCeros(double valor, int ancho) {
    return ponCeros(valor, ancho - static_cast<int>(textoDecimal(valor).size()));
}

std::vector<std::string_view> bloques(std::string_view texto, int ancho) {
    std::vector<std::string_view> resultado;
    if (ancho <= 0) return resultado;
    const auto paso = static_cast<std::size_t>(ancho);
    // A digit string, the usual case, has one byte per character: no need to split it first.
    if (std::all_of(texto.begin(), texto.end(), [](char c) { return (c & 0x80) == 0; })) {
        resultado.reserve(texto.size() / paso);
        for (std::size_t fin = paso; fin <= texto.size(); fin += paso)
            resultado.push_back(texto.substr(fin - paso, paso));
        return resultado;
    }
    const auto letras = caracteres(texto);
    for (std::size_t fin = paso; fin <= letras.size(); fin += paso) {
        const char* inicio = letras[fin - paso].data();
        const char* final = letras[fin - 1].data() + letras[fin - 1].size();
        resultado.emplace_back(inicio, static_cast<std::size_t>(final - inicio));
    }
    return resultado;
}

std::string resumenDeBloques(std::string_view digitos, int ancho) {
    const auto bloque = static_cast<std::size_t>(std::max(ancho, 1));
    const std::size_t visibles = kBloquesVisibles * bloque;
    if (digitos.size() <= visibles) return std::string(digitos);
    const std::size_t resto = (digitos.size() - visibles) / bloque;
    return std::string(digitos.substr(0, visibles)) + "\n… y " + std::to_string(resto) +
           " bloques más.";
}

Transcripcion transcribeADigitos(std::string_view mensaje, const Alfabeto& alfabeto) {
    const auto codigos = indice(alfabeto, true);
    Transcripcion t;
    for (const auto c : caracteres(mensaje)) {
        const auto it = codigos.find(std::string(c));
        if (it == codigos.end()) return {{}, std::string(c)};
        t.texto += it->second;
    }
    return t;
}

Transcripcion transcribeASimbolos(std::string_view digitos, int ancho, const Alfabeto& alfabeto) {
    const auto simbolos = indice(alfabeto, false);
    Transcripcion t;
    for (const auto bloque : bloques(digitos, ancho)) {
        const auto it = simbolos.find(std::string(bloque));
        if (it == simbolos.end()) return {{}, std::string(bloque)};
        t.texto += it->second;
    }
    return t;
}

std::string mensajeSimboloAjeno(std::string_view simbolo) {
    return "El símbolo '" + std::string(simbolo) + "' no pertenece al alfabeto.";
}

std::string mensajeCodigoAjeno(std::string_view bloque) {
    return "El código " + std::string(bloque) + " no está asociado a ninguna palabra.";
}

}  // namespace zefra
