#include "core/arithmetic/bases.hpp"

#include <algorithm>

#include "core/shell/numeros.hpp"

namespace zefra {

std::string desarrollo(std::string_view digitos, std::string_view textoBase) {
    std::string texto;
    const std::size_t cifras = digitos.size();
    for (std::size_t i = 0; i < cifras; ++i) {
        if (i > 0) texto += " + ";
        texto += digitos[i];
        texto += "\u00b7";
        texto += textoBase;
        texto += "^(" + std::to_string(cifras - 1 - i) + ")";
    }
    return texto;
}

Conversion aBaseB(std::int32_t n, std::int32_t b, std::string_view textoBase,
                  std::string_view textoValor) {
    std::string digitos;
    do {
        digitos.push_back(static_cast<char>('0' + n % b));
        n /= b;
    } while (n > 0);
    std::reverse(digitos.begin(), digitos.end());
    std::string expansion = desarrollo(digitos, textoBase) + " = ";
    expansion += textoValor;
    return {std::move(digitos), std::move(expansion)};
}

Conversion aBase10(std::string_view digitos, std::int32_t b, std::string_view textoBase) {
    double valor = 0;
    for (const char c : digitos)
        valor = valor * b + (c - '0');
    const std::string texto = textoDecimal(valor);
    return {texto, desarrollo(digitos, textoBase) + " = " + texto};
}

}  // namespace zefra
