// The alphabet model: characters as code points, the five predefined tables entry by entry
// against a listing written out here, their quotas of rows, moduli and widths, and the largest
// code.
#include "core/alphabets/alfabeto.hpp"

#include <gtest/gtest.h>

#include "core/alphabets/caracteres.hpp"
#include "core/alphabets/predefinidos.hpp"
#include "core/crypto/transcripcion.hpp"
#include "core/shell/errores.hpp"

namespace zefra {
namespace {

// Each table's symbols for the first column pair, then for the second, in code order from 0;
// the ASCII table leaves code 192 without a symbol.
TEST(AlfabetosPredefinidos, EntradaPorEntradaComoElListado) {
    const struct {
        const Alfabeto& (*constructor)();
        std::string_view nombre;
        int ancho;
        double modulo;
        std::string_view primerPar, segundoPar;
    } listados[] = {
        {alfabetoMinusculas, "a-z", 2, 28, "abcdefghijklmn", "ñopqrstuvwxyz "},
        {alfabetoMayusculas, "A-Z", 2, 28, "ABCDEFGHIJKLMN", "ÑOPQRSTUVWXYZ "},
        {alfabetoLetras, "a-z, A-Z", 2, 55, "ABCDEFGHIJKLMNÑOPQRSTUVWXYZa",
         "bcdefghijklmñnopqrstuvwxyz "},
        {alfabetoLetrasNumeros, "a-z, A-Z, 0-9", 2, 65, "ABCDEFGHIJKLMNÑOPQRSTUVWXYZabcdef",
         "ghijklmnñopqrstuvwxyz0123456789 "},
        {alfabetoASCII, "ASCII", 3, 195,
         " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
         "abcdefghijklmnopqrstuvwxyz{|}~\u2018\u2019",
         "¡¢£¤¥¦§¨©ª«¬\u00AD®¯°±²³´µ¶·¸¹º»¼½¾¿ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖ×ØÙÚÛÜÝÞßàáâãäåæçèéêëìíîïðñ"
         "òóôõö÷øùúûüýþÿ\n\r"},
    };
    for (const auto& l : listados) {
        SCOPED_TRACE(std::string(l.nombre));
        const Alfabeto& a = l.constructor();
        EXPECT_EQ(a.nombre, l.nombre);
        EXPECT_EQ(alfabetoPredefinido(l.nombre), &a);
        std::vector<Equivalencia> esperadas;
        int c = 0;
        for (int par : {0, 1}) {
            for (const auto simbolo : caracteres(par ? l.segundoPar : l.primerPar)) {
                c += c == 192;
                esperadas.push_back({std::string(simbolo), conCeros(c++, l.ancho)});
            }
        }
        EXPECT_EQ(a.equivalencias, esperadas);  // table order is code order
        EXPECT_EQ(a.filasPorPar, static_cast<int>(caracteres(l.primerPar).size()));
        EXPECT_EQ(moduloDe(a), l.modulo);
        EXPECT_EQ(anchoBloque(a), l.ancho);
    }
    EXPECT_EQ(alfabetoPredefinido("ascii"), nullptr);
}

TEST(MaximoCodigo, PorValorYNumerico) {
    EXPECT_EQ(moduloDe(Alfabeto{}), 1);
    std::vector<Equivalencia> e{{"a", "000"}, {"b", "200"}, {"c", "007"}};
    EXPECT_EQ(moduloDe(Alfabeto{"x", e}), 201);
    e[0].codigo = "1a";
    EXPECT_THROW(maximoCodigo(e), ErrorEjecucion);
}

// Multi-byte symbols count once; malformed bytes are kept one by one.
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
