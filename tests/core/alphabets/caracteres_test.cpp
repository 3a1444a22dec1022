// Characters are code points: multi-byte symbols count once, malformed bytes are kept one by one.
#include "alphabets/caracteres.hpp"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zefra
