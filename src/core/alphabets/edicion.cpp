#include "core/alphabets/edicion.hpp"
#include "core/shell/numeros.hpp"

#include <algorithm>

#include "core/alphabets/caracteres.hpp"

namespace zefra {
namespace {

std::string conCerosA(std::string_view valor, std::size_t ancho) {
    std::string texto(valor);
    if (texto.size() < ancho) texto.insert(0, ancho - texto.size(), '0');
    return texto;
}

// The checks a new code shares in both windows: digits only, not empty, not too large.
std::optional<std::string> rechazoDeCodigo(std::string_view codigo) {
    if (!sonCifras(codigo)) return kMensajeCodigoNoNumerico;
    if (codigo.empty()) return kMensajeSinCodigo;
    if (valorDeCodigo(codigo).size() > static_cast<std::size_t>(kMaximoCifrasCodigo)) {
        return kMensajeCodigoGrande;
    }
    return std::nullopt;
}

// Digits of the largest code, at least 2.
std::size_t anchoComun(const Equivalencias& equivalencias) {
    std::size_t ancho = 2;
    for (const auto& e : equivalencias)
        ancho = std::max(ancho, valorDeCodigo(e.codigo).size());
    return ancho;
}

void ensancha(Equivalencias& equivalencias, std::size_t ancho) {
    for (auto& e : equivalencias)
        e.codigo = conCerosA(e.codigo, ancho);
}

}  // namespace

std::vector<std::string> simbolosOfrecidos() {
    std::vector<std::string> simbolos;
    for (int c = 32; c <= 126; ++c)
        simbolos.push_back(caracterWindows1252(c));
    simbolos.push_back(caracterWindows1252(145));
    simbolos.push_back(caracterWindows1252(146));
    for (int c = 161; c <= 255; ++c)
        simbolos.push_back(caracterWindows1252(c));
    return simbolos;
}

std::vector<std::string> codigosOfrecidos() {
    std::vector<std::string> codigos;
    for (int k = 0; k < kMaximoEquivalencias; ++k)
        codigos.push_back(k < 10 ? "0" + std::to_string(k) : std::to_string(k));
    return codigos;
}

std::string_view valorDeCodigo(std::string_view codigo) {
    const auto primera = codigo.find_first_not_of('0');
    if (primera == std::string_view::npos) return codigo.empty() ? codigo : "0";
    return codigo.substr(primera);
}

bool mismoValor(std::string_view a, std::string_view b) {
    return valorDeCodigo(a) == valorDeCodigo(b);
}

int anchoDeCodigos(const Equivalencias& equivalencias) {
    std::size_t ancho = 0;
    for (const auto& e : equivalencias)
        ancho = std::max(ancho, e.codigo.size());
    return static_cast<int>(ancho);
}

void igualaAnchos(Equivalencias& equivalencias) {
    const std::size_t ancho = anchoComun(equivalencias);
    for (auto& e : equivalencias)
        e.codigo = conCerosA(valorDeCodigo(e.codigo), ancho);
}

std::optional<std::string> asocia(Equivalencias& equivalencias, int& ancho,
                                  std::string_view simbolo, std::string_view codigo) {
    if (equivalencias.size() >= static_cast<std::size_t>(kMaximoEquivalencias)) {
        return kMensajeTablaLlena;
    }
    const std::size_t largo = longitudEnCaracteres(simbolo);
    if (largo > 1) return "Sólo se puede poner un único símbolo.";
    if (largo == 0) return kMensajeSinSimbolo;
    std::string c(codigo);
    if (longitudEnCaracteres(c) == 1) c.insert(0, "0");
    if (auto rechazo = rechazoDeCodigo(c)) return rechazo;

    const auto anchoTabla = static_cast<std::size_t>(std::max(ancho, 0));
    const bool ensanchar = c.size() > anchoTabla;
    c = conCerosA(c, anchoTabla);
    for (const auto& e : equivalencias) {
        if (e.simbolo == simbolo) return "El símbolo ya se encuentra en el alfabeto.";
        if (mismoValor(e.codigo, c)) {
            return "El código ya se encuentra en la tabla de equivalencias.";
        }
    }
    if (ensanchar) {
        ensancha(equivalencias, c.size());
        ancho = static_cast<int>(c.size());
    }
    equivalencias.push_back({std::string(simbolo), c});
    return std::nullopt;
}

bool borraEquivalencia(Equivalencias& equivalencias, std::string_view simbolo,
                       std::string_view codigo) {
    const auto borrada = std::find_if(equivalencias.begin(), equivalencias.end(), [&](auto& e) {
        return e.simbolo == simbolo || e.codigo == codigo;
    });
    if (borrada == equivalencias.end()) return false;
    equivalencias.erase(borrada);
    return true;
}

bool existeEquivalencia(std::string_view codigo, std::string_view simbolo,
                        const Equivalencias& equivalencias) {
    return std::any_of(equivalencias.begin(), equivalencias.end(), [&](const auto& e) {
        return e.simbolo == simbolo || mismoValor(e.codigo, codigo);
    });
}

std::optional<std::string> agregaEquivalencia(Equivalencias& equivalencias,
                                              std::string_view simbolo, std::string_view codigo,
                                              std::string_view despuesDe) {
    if (equivalencias.size() >= static_cast<std::size_t>(kMaximoEquivalencias)) {
        return kMensajeTablaLlena;
    }
    const std::size_t largo = longitudEnCaracteres(simbolo);
    if (largo > 1) return "Lo siento, sólo se admite un único caracter como símbolo.";
    if (largo == 0) return kMensajeSinSimbolo;
    if (auto rechazo = rechazoDeCodigo(codigo)) return rechazo;

    const std::size_t anchoTabla = anchoComun(equivalencias);
    const std::string_view valor = valorDeCodigo(codigo);
    const bool ensanchar = valor.size() > anchoTabla;
    const std::string c = conCerosA(valor, anchoTabla);
    if (existeEquivalencia(c, simbolo, equivalencias)) {
        return "El código o símbolo a asociar ya está en la tabla de equivalencias.";
    }
    const auto anterior = std::find_if(equivalencias.begin(), equivalencias.end(),
                                       [&](const auto& e) { return e.simbolo == despuesDe; });
    if (anterior == equivalencias.end()) {
        return "El símbolo a partir del que se quiere agregar no existe en el alfabeto.";
    }
    equivalencias.insert(anterior + 1, {std::string(simbolo), c});
    if (ensanchar) ensancha(equivalencias, c.size());
    return std::nullopt;
}

void ordenaPorCodigo(Equivalencias& equivalencias) {
    std::stable_sort(equivalencias.begin(), equivalencias.end(), [](const auto& a, const auto& b) {
        const auto va = valorDeCodigo(a.codigo);
        const auto vb = valorDeCodigo(b.codigo);
        return va.size() != vb.size() ? va.size() < vb.size() : va < vb;
    });
}

}  // namespace zefra
