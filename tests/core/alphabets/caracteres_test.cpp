// Characters are code points: multi-byte symbols count once, malformed bytes are kept one by one.
#include "alphabets/caracteres.hpp"

#include <gtest/gtest.h>

#include "shell/errores.hpp"

namespace zefra {
namespace {

TEST(Caracteres, UnSimboloPorPuntoDeCodigo) {
    const std::pair<std::string_view, std::vector<std::string_view>> casos[] = {
        {"", {}},
        {"ñ¡’a", {"ñ", "¡", "’", "a"}},
        {"x\U0001F600\r\n", {"x", "\U0001F600", "\r", "\n"}},
        // Malformed: a lone continuation byte, a cut sequence, an overlong form, a surrogate.
        {"a\x80z", {"a", "\x80", "z"}},
        {"\xE2\x80", {"\xE2", "\x80"}},
        {"\xC0\xAF", {"\xC0", "\xAF"}},
        {"\xED\xA0\x80", {"\xED", "\xA0", "\x80"}},
    };
    for (const auto& [texto, esperado] : casos) {
        EXPECT_EQ(caracteres(texto), esperado) << texto;
        EXPECT_EQ(longitudEnCaracteres(texto), esperado.size()) << texto;
    }
}

TEST(Caracteres, Windows1252) {
    const std::pair<int, std::string_view> casos[] = {
        {10, "\n"}, {128, "€"}, {146, "\u2019"}, {129, "\u0081"},  // unassigned: its own value
        {159, "Ÿ"}, {161, "¡"}, {255, "ÿ"},
    };
    for (const auto& [c, esperado] : casos)
        EXPECT_EQ(caracterWindows1252(c), esperado) << c;
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(longitudEnCaracteres(caracterWindows1252(c)), 1u) << c;
    EXPECT_THROW(caracterWindows1252(256), ErrorEjecucion);
    EXPECT_THROW(caracterWindows1252(-1), ErrorEjecucion);
}

}  // namespace
}  // namespace zefra
