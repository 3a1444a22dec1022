#include "core/files/codificacion.hpp"

#include <array>
#include <cstdint>

namespace zefra {
namespace {

// Code points of the bytes 0x80 … 0x9F in Windows-1252.
constexpr std::array<char32_t, 32> kZonaC1 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void anadeUtf8(std::string& destino, char32_t c) {
    if (c < 0x80) {
        destino.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        destino.push_back(static_cast<char>(0xC0 | (c >> 6)));
        destino.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        destino.push_back(static_cast<char>(0xE0 | (c >> 12)));
        destino.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        destino.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

}  // namespace

bool esUtf8Valido(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<std::uint8_t>(bytes[i]);
        int siguen = 0;
        char32_t minimo = 0;
        char32_t c = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            siguen = 1, minimo = 0x80, c = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            siguen = 2, minimo = 0x800, c = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            siguen = 3, minimo = 0x10000, c = b & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(siguen) >= bytes.size()) return false;
        for (int k = 1; k <= siguen; ++k) {
            const auto cont = static_cast<std::uint8_t>(bytes[i + static_cast<std::size_t>(k)]);
            if ((cont & 0xC0) != 0x80) return false;
            c = (c << 6) | (cont & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if (c < minimo || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return false;
        i += static_cast<std::size_t>(siguen) + 1;
    }
    return true;
}

std::string desdeWindows1252(std::string_view bytes) {
    std::string texto;
    texto.reserve(bytes.size() + bytes.size() / 4);
    for (const char byte : bytes) {
        const auto b = static_cast<std::uint8_t>(byte);
        anadeUtf8(texto, b >= 0x80 && b <= 0x9F ? kZonaC1[b - 0x80] : char32_t{b});
    }
    return texto;
}

std::string decodificaTexto(std::string_view bytes) {
    return esUtf8Valido(bytes) ? std::string(bytes) : desdeWindows1252(bytes);
}

}  // namespace zefra
