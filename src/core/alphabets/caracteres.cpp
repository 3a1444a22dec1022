#include "core/alphabets/caracteres.hpp"

#include <array>

#include "core/shell/errores.hpp"

namespace zefra {
namespace {

// Code points of Windows-1252 128 to 159; the five unassigned codes keep their own value.
constexpr std::array<char32_t, 32> kTipograficos = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool esContinuacion(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence that starts at texto[i], or 1 when there is none.
std::size_t longitudSecuencia(std::string_view texto, std::size_t i) {
    const auto primero = static_cast<unsigned char>(texto[i]);
    std::size_t largo = 1;
    char32_t minimo = 0;
    if (primero >= 0xC2 && primero <= 0xDF) {
        largo = 2;
        minimo = 0x80;
    } else if (primero >= 0xE0 && primero <= 0xEF) {
        largo = 3;
        minimo = 0x800;
    } else if (primero >= 0xF0 && primero <= 0xF4) {
        largo = 4;
        minimo = 0x10000;
    } else {
        return 1;
    }
    if (i + largo > texto.size()) return 1;
    char32_t punto = primero & (0x7F >> largo);
    for (std::size_t k = 1; k < largo; ++k) {
        const auto byte = static_cast<unsigned char>(texto[i + k]);
        if (!esContinuacion(byte)) return 1;
        punto = (punto << 6) | (byte & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    if (punto < minimo || (punto >= 0xD800 && punto <= 0xDFFF) || punto > 0x10FFFF) return 1;
    return largo;
}

std::string utf8(char32_t punto) {
    std::string s;
    if (punto < 0x80) {
        s += static_cast<char>(punto);
    } else if (punto < 0x800) {
        s += static_cast<char>(0xC0 | (punto >> 6));
        s += static_cast<char>(0x80 | (punto & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (punto >> 12));
        s += static_cast<char>(0x80 | ((punto >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (punto & 0x3F));
    }
    return s;
}

}  // namespace

std::vector<std::string_view> caracteres(std::string_view texto) {
    std::vector<std::string_view> resultado;
    resultado.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size();) {
        const std::size_t largo = longitudSecuencia(texto, i);
        resultado.push_back(texto.substr(i, largo));
        i += largo;
    }
    return resultado;
}

std::size_t longitudEnCaracteres(std::string_view texto) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < texto.size(); i += longitudSecuencia(texto, i))
        ++n;
    return n;
}

std::string caracterWindows1252(int codigo) {
    if (codigo < 0 || codigo > 255) throw ErrorEjecucion(TipoError::ArgumentoNoValido);
    if (codigo >= 128 && codigo < 160) return utf8(kTipograficos[codigo - 128]);
    return utf8(static_cast<char32_t>(codigo));
}

}  // namespace zefra
