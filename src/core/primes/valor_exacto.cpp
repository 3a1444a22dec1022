#include "core/primes/valor_exacto.hpp"

#include <string>

#include "core/shell/errores.hpp"
#include "core/shell/numeros.hpp"

namespace zefra {

DecimalExacto descomponeDecimal(std::string_view texto) {
    if (!esNumerico(texto)) throw ErrorEjecucion(TipoError::TiposNoCoinciden);
    texto.remove_prefix(texto.find_first_not_of(' '));
    texto.remove_suffix(texto.size() - texto.find_last_not_of(' ') - 1);

    DecimalExacto d;
    std::size_t i = 0;
    if (texto[i] == '+' || texto[i] == '-') d.negativo = texto[i++] == '-';
    long decimales = 0;
    bool enFraccion = false;
    for (; i < texto.size() && (esDigito(texto[i]) || texto[i] == ',' || texto[i] == '.'); ++i) {
        if (!esDigito(texto[i])) {
            enFraccion = true;
        } else {
            d.digitos.push_back(texto[i]);
            if (enFraccion) ++decimales;
        }
    }
    long exponente = 0;
    if (i < texto.size()) {  // the exponent, already known to be well formed
        ++i;
        const bool negativo = texto[i] == '-';
        if (texto[i] == '+' || texto[i] == '-') ++i;
        for (; i < texto.size(); ++i) {
            if (exponente < 100000) exponente = exponente * 10 + (texto[i] - '0');
        }
        if (negativo) exponente = -exponente;
    }
    d.exponente = exponente - decimales;

    d.digitos.erase(0, d.digitos.find_first_not_of('0'));
    const auto ultimo = d.digitos.find_last_not_of('0');
    const std::size_t ceros = ultimo == std::string::npos ? 0 : d.digitos.size() - ultimo - 1;
    d.digitos.resize(d.digitos.size() - ceros);
    d.exponente += static_cast<long>(ceros);
    return d;
}

bool esEnteroExacto(std::string_view texto) {
    const DecimalExacto d = descomponeDecimal(texto);
    return d.digitos.empty() || d.exponente >= 0;
}

int comparaConEntero(std::string_view texto, std::uint64_t valor) {
    const DecimalExacto d = descomponeDecimal(texto);
    if (d.digitos.empty()) return valor == 0 ? 0 : -1;
    if (d.negativo) return -1;
    if (valor == 0) return 1;
    const std::string v = std::to_string(valor);
    const long enteras = static_cast<long>(d.digitos.size()) + d.exponente;
    const long digitosValor = static_cast<long>(v.size());
    if (enteras != digitosValor) return enteras < digitosValor ? -1 : 1;
    // The same number of integer digits: compare them, the text's padded with its zeros.
    for (std::size_t i = 0; i < v.size(); ++i) {
        const char t = i < d.digitos.size() ? d.digitos[i] : '0';
        if (t != v[i]) return t < v[i] ? -1 : 1;
    }
    // Digits left over belong to a fraction, and the last of them is not zero.
    return d.digitos.size() > v.size() ? 1 : 0;
}

}  // namespace zefra
