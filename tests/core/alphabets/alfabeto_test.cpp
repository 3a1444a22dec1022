// The alphabet model: characters as code points, the five predefined tables cell by cell
// against a listing written out here, their moduli and widths, and the grid routines.
#include "core/alphabets/alfabeto.hpp"

#include <gtest/gtest.h>

#include "core/alphabets/caracteres.hpp"
#include "core/alphabets/predefinidos.hpp"
#include "core/crypto/transcripcion.hpp"
#include "core/shell/errores.hpp"

namespace zefra {
namespace {

// Each table's symbols down the first column pair, then down the second, in code order from 0;
// the ASCII table leaves code 192 without a symbol.
TEST(AlfabetosPredefinidos, CeldaPorCeldaComoElListado) {
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
        std::vector<std::vector<std::string>> esperada(kFilasAlfabeto, {"", "", "", ""});
        int c = 0;
        for (int par : {0, 1}) {
            int fila = 0;
            for (const auto simbolo : caracteres(par ? l.segundoPar : l.primerPar)) {
                c += c == 192;
                esperada[fila][2 * par] = simbolo;
                esperada[fila++][2 * par + 1] = conCeros(c++, l.ancho);
            }
        }
        Tabla tabla = tablaAlfabeto();
        escribeAlfabeto(a, tabla);
        for (int f = 0; f < kFilasAlfabeto; ++f) {
            for (int k = 0; k < kColumnasAlfabeto; ++k)
                EXPECT_EQ(tabla.texto(f, k), esperada[f][k]) << f << ' ' << k;
        }
        EXPECT_EQ(equivalenciasDe(tabla), a.equivalencias);  // table order is code order
        EXPECT_EQ(moduloDe(a), l.modulo);
        EXPECT_EQ(moduloDe(tabla), l.modulo);
        EXPECT_EQ(anchoBloque(tabla), l.ancho);
    }
    EXPECT_EQ(alfabetoPredefinido("ascii"), nullptr);
}

// A user grid with these codes in rows 0 … k − 1 of the 128-row layout, then the second pair.
struct Llena : Tabla {
    explicit Llena(int n, int ultimo) : Tabla(kFilasAlfabeto, kColumnasAlfabeto) {
        for (int k = 0; k < n; ++k) {
            fija(k % kFilasAlfabeto, k < 128 ? 0 : 2, "s" + std::to_string(k));
            fija(k % kFilasAlfabeto, k < 128 ? 1 : 3, conCeros(k == n - 1 ? ultimo : k, 3));
        }
    }
};

TEST(RejillaDeAlfabeto, MaximoCodigoLimpiaYCopia) {
    EXPECT_EQ(moduloDe(tablaAlfabeto()), 1);
    Llena tabla(3, 200);
    EXPECT_EQ(moduloDe(tabla), 201);
    tabla.fija(4, 0, "x");  // the walk stops at the first empty code cell
    tabla.fija(4, 1, "999");
    EXPECT_EQ(maximoCodigo(tabla), 200);
    const Llena grande(130, 250);  // past row 127 the walk goes on in the second pair
    EXPECT_EQ(maximoCodigo(grande), 250);
    tabla.fija(0, 1, "1a");
    EXPECT_THROW(maximoCodigo(tabla), ErrorEjecucion);

    const Llena origen(256, 255);
    Tabla destino = tablaAlfabeto();
    escribeAlfabeto(alfabetoASCII(), destino);
    copiaTabla(origen, destino);  // every cell of both pairs, over the ASCII table
    EXPECT_EQ(equivalenciasDe(destino), equivalenciasDe(origen));
    copiaTabla(destino, destino);
    EXPECT_EQ(equivalenciasDe(destino), equivalenciasDe(origen));
    limpiaTabla(destino);  // every cell of both pairs
    EXPECT_TRUE(destino.texto(0, 0).empty() && destino.texto(127, 3).empty());
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
