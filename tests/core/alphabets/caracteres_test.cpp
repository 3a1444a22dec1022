// Characters are code points: multi-byte symbols count once, malformed bytes are kept one by one.
#include "alphabets/caracteres.hpp"

#include <gtest/gtest.h>

#include "shell/errores.hpp"

namespace zefra {
namespace {

TEST(Caracteres, UnSimboloPorPuntoDeCodigo) {
    const struct {
        std::string_view texto;
        std::vector<std::string_view> esperado;
    } casos[] = {
        {"", {}},
        {"hola", {"h", "o", "l", "a"}},
        {"ñ¡’", {"ñ", "¡", "’"}},
        {"a€b", {"a", "€", "b"}},
        {"x\U0001F600y", {"x", "\U0001F600", "y"}},
        {"\r\n", {"\r", "\n"}},
        // Malformed: a lone continuation byte, a cut sequence, an overlong form, a surrogate.
        {"a\x80z", {"a", "\x80", "z"}},
        {"\xC3", {"\xC3"}},
        {"\xE2\x80", {"\xE2", "\x80"}},
        {"\xC0\xAF", {"\xC0", "\xAF"}},
        {"\xED\xA0\x80", {"\xED", "\xA0", "\x80"}},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(caracteres(c.texto), c.esperado) << c.texto;
        EXPECT_EQ(longitudEnCaracteres(c.texto), c.esperado.size()) << c.texto;
    }
}

TEST(Caracteres, Windows1252) {
    EXPECT_EQ(caracterWindows1252(10), "\n");
    EXPECT_EQ(caracterWindows1252(65), "A");
    EXPECT_EQ(caracterWindows1252(128), "€");
    EXPECT_EQ(caracterWindows1252(145), "\u2018");
    EXPECT_EQ(caracterWindows1252(146), "\u2019");
    EXPECT_EQ(caracterWindows1252(129), "\u0081");  // unassigned: kept as its own value
    EXPECT_EQ(caracterWindows1252(159), "Ÿ");
    EXPECT_EQ(caracterWindows1252(161), "¡");
    EXPECT_EQ(caracterWindows1252(241), "ñ");
    EXPECT_EQ(caracterWindows1252(255), "ÿ");
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(longitudEnCaracteres(caracterWindows1252(c)), 1u) << c;
    EXPECT_THROW(caracterWindows1252(256), ErrorEjecucion);
    EXPECT_THROW(caracterWindows1252(-1), ErrorEjecucion);
}

}  // namespace
}  // namespace zefra
