// The grid a window shows an alphabet in: the first column pair down to the alphabet's quota of
// rows, then the second pair from row 0, and nothing left of what it showed before.
#include "gui/alphabets/tabla_alfabeto.hpp"

#include <gtest/gtest.h>

#include "core/alphabets/predefinidos.hpp"

namespace zefra::pruebas {
namespace {

// Row f of both pairs, "s c|s c".
std::string fila(const Tabla& t, int f) {
    return t.texto(f, 0) + " " + t.texto(f, 1) + "|" + t.texto(f, 2) + " " + t.texto(f, 3);
}

TEST(TablaAlfabeto, CadaParHastaSuCuotaDeFilas) {
    Tabla t = gui::tablaAlfabeto();
    gui::muestraAlfabeto(alfabetoASCII(), t);
    EXPECT_EQ(fila(t, 0), "  000|¡ 097");
    EXPECT_EQ(fila(t, 96), "\u2019 096|\r 194");
    EXPECT_EQ(fila(t, 95), "\u2018 095|\n 193");
    gui::muestraAlfabeto(alfabetoMinusculas(), t);  // over the ASCII table
    EXPECT_EQ(fila(t, 0), "a 00|ñ 14");
    EXPECT_EQ(fila(t, 13), "n 13|  27");
    EXPECT_EQ(fila(t, 14), " | ");
    EXPECT_EQ(fila(t, 96), " | ");

    Alfabeto usuario{"u", {}};  // 128 rows per pair
    for (int k = 0; k < 256; ++k)
        usuario.equivalencias.push_back({"s" + std::to_string(k), std::to_string(k)});
    gui::muestraAlfabeto(usuario, t);
    EXPECT_EQ(fila(t, 0), "s0 0|s128 128");
    EXPECT_EQ(fila(t, 127), "s127 127|s255 255");
    usuario.equivalencias.push_back({"x", "256"});
    EXPECT_ANY_THROW(gui::muestraAlfabeto(usuario, t));  // more than the two pairs hold
}

}  // namespace
}  // namespace zefra::pruebas
