#include "core/arithmetic/bases.hpp"

#include <algorithm>
#include <vector>

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
    // The value in pieces of nine decimal digits, the lowest first: a double would round every
    // value above 2^53, and no digit string the window accepts is too long for this.
    constexpr std::uint64_t kPieza = 1'000'000'000;
    std::vector<std::uint64_t> piezas{0};
    for (const char c : digitos) {
        auto acarreo = static_cast<std::uint64_t>(c - '0');
        for (std::uint64_t& pieza : piezas) {
            const std::uint64_t v = pieza * static_cast<std::uint64_t>(b) + acarreo;
            pieza = v % kPieza;
            acarreo = v / kPieza;
        }
        if (acarreo > 0) piezas.push_back(acarreo);
    }
    std::string texto = std::to_string(piezas.back());
    for (auto i = piezas.size() - 1; i-- > 0;) {
        const std::string pieza = std::to_string(piezas[i]);
        texto += std::string(9 - pieza.size(), '0') + pieza;
    }
    return {texto, desarrollo(digitos, textoBase) + " = " + texto};
}

}  // namespace zefra
