// The alphabet model: the five predefined tables cell by cell against a listing written out
// here, their moduli and widths, and the grid routines.
#include "alphabets/alfabeto.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "alphabets/predefinidos.hpp"
#include "crypto/transcripcion.hpp"
#include "shell/errores.hpp"

namespace zefra {
namespace {

std::string utf8(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

// Consecutive entries down one column pair: their symbols, from a row, from a code.
struct Tramo {
    int columna;  // 0 or 2
    int fila;
    std::u32string_view simbolos;
    int codigo;
};

struct Listado {
    const Alfabeto& (*constructor)();
    std::string_view nombre;
    int ancho;
    double modulo;
    std::vector<Tramo> tramos;
};

const std::vector<Listado>& listados() {
    static const std::vector<Listado> l = {
        {alfabetoMinusculas,
         "a-z",
         2,
         28,
         {{0, 0, U"abcdefghijklmn", 0}, {2, 0, U"ñopqrstuvwxyz ", 14}}},
        {alfabetoMayusculas,
         "A-Z",
         2,
         28,
         {{0, 0, U"ABCDEFGHIJKLMN", 0}, {2, 0, U"ÑOPQRSTUVWXYZ ", 14}}},
        {alfabetoLetras,
         "a-z, A-Z",
         2,
         55,
         {{0, 0, U"ABCDEFGHIJKLMNÑOPQRSTUVWXYZa", 0}, {2, 0, U"bcdefghijklmñnopqrstuvwxyz ", 28}}},
        {alfabetoLetrasNumeros,
         "a-z, A-Z, 0-9",
         2,
         65,
         {{0, 0, U"ABCDEFGHIJKLMNÑOPQRSTUVWXYZabcdef", 0},
          {2, 0, U"ghijklmnñopqrstuvwxyz0123456789 ", 33}}},
        {alfabetoASCII,
         "ASCII",
         3,
         195,
         {{0, 0,
           U" !\"#$%&'()*+,-./"
           U"0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~"
           U"\u2018\u2019",
           0},
          {2, 0,
           U"¡¢£¤¥¦§¨©ª«¬\u00AD®¯°±²³´µ¶·¸¹º»¼½¾¿ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖ×ØÙÚÛÜÝÞßàáâãäåæçèéêëìíîïðñ"
           U"òóôõö÷øùúûüýþÿ",
           97},
          {2, 95, U"\n", 193},
          {2, 96, U"\r", 194}}},
    };
    return l;
}

std::string codigo(int valor, int ancho) {
    std::string s = std::to_string(valor);
    return std::string(static_cast<std::size_t>(ancho) - std::min(s.size(), std::size_t(ancho)),
                       '0') +
           s;
}

TEST(AlfabetosPredefinidos, CeldaPorCeldaComoElListado) {
    for (const auto& listado : listados()) {
        SCOPED_TRACE(std::string(listado.nombre));
        const Alfabeto& a = listado.constructor();
        EXPECT_EQ(a.nombre, listado.nombre);
        Tabla tabla = tablaAlfabeto();
        escribeAlfabeto(a, tabla);
        int entradas = 0;
        for (const auto& tramo : listado.tramos) {
            for (std::size_t k = 0; k < tramo.simbolos.size(); ++k) {
                const int fila = tramo.fila + static_cast<int>(k);
                EXPECT_EQ(tabla.texto(fila, tramo.columna), utf8(tramo.simbolos[k])) << fila;
                EXPECT_EQ(tabla.texto(fila, tramo.columna + 1),
                          codigo(tramo.codigo + static_cast<int>(k), listado.ancho))
                    << fila;
                ++entradas;
            }
        }
        int ocupadas = 0;
        for (int f = 0; f < kFilasAlfabeto; ++f) {
            for (int c = 0; c < kColumnasAlfabeto; ++c)
                ocupadas += !tabla.texto(f, c).empty();
        }
        EXPECT_EQ(ocupadas, 2 * entradas);
        EXPECT_EQ(static_cast<int>(a.equivalencias.size()), entradas);
        EXPECT_EQ(equivalenciasDe(tabla), a.equivalencias);  // table order is code order
        EXPECT_EQ(moduloDe(a), listado.modulo);
        EXPECT_EQ(moduloDe(tabla), listado.modulo);
        EXPECT_EQ(anchoBloque(tabla), listado.ancho);
        EXPECT_EQ(alfabetoPredefinido(listado.nombre), &a);
    }
    EXPECT_EQ(alfabetoPredefinido("ascii"), nullptr);
    EXPECT_EQ(alfabetoPredefinido("a-z "), nullptr);
}

// The entries the alphabets are known by.
TEST(AlfabetosPredefinidos, SimbolosSenalados) {
    const auto codigoDe = [](const Alfabeto& a, std::string_view simbolo) {
        for (const auto& e : a.equivalencias) {
            if (e.simbolo == simbolo) return e.codigo;
        }
        return std::string("ninguno");
    };
    EXPECT_EQ(codigoDe(alfabetoMinusculas(), "ñ"), "14");
    EXPECT_EQ(codigoDe(alfabetoMinusculas(), " "), "27");
    EXPECT_EQ(codigoDe(alfabetoLetras(), "n"), "41");
    EXPECT_EQ(codigoDe(alfabetoLetras(), "ñ"), "40");
    EXPECT_EQ(codigoDe(alfabetoLetras(), "Ñ"), "14");
    EXPECT_EQ(codigoDe(alfabetoLetras(), "N"), "13");
    EXPECT_EQ(codigoDe(alfabetoLetrasNumeros(), "n"), "40");
    EXPECT_EQ(codigoDe(alfabetoLetrasNumeros(), "ñ"), "41");
    EXPECT_EQ(codigoDe(alfabetoLetrasNumeros(), "0"), "54");
    EXPECT_EQ(codigoDe(alfabetoASCII(), " "), "000");
    EXPECT_EQ(codigoDe(alfabetoASCII(), "~"), "094");
    EXPECT_EQ(codigoDe(alfabetoASCII(), "\u2019"), "096");
    EXPECT_EQ(codigoDe(alfabetoASCII(), "¡"), "097");
    EXPECT_EQ(codigoDe(alfabetoASCII(), "ÿ"), "191");
    EXPECT_EQ(codigoDe(alfabetoASCII(), "\n"), "193");
    EXPECT_EQ(codigoDe(alfabetoASCII(), "\r"), "194");
    EXPECT_EQ(codigoDe(alfabetoASCII(), "\u00A0"), "ninguno");  // 160 is not in the table
    for (const auto& e : alfabetoASCII().equivalencias)
        EXPECT_NE(e.codigo, "192");
}

// A user grid with its entries in rows 0 … k − 1 of the 128-row layout.
void llena(Tabla& tabla, const std::vector<std::string>& codigos) {
    for (std::size_t k = 0; k < codigos.size(); ++k) {
        const int fila = static_cast<int>(k % kFilasAlfabeto);
        const int columna = k < kFilasAlfabeto ? 0 : 2;
        tabla.fija(fila, columna, "s" + std::to_string(k));
        tabla.fija(fila, columna + 1, codigos[k]);
    }
}

TEST(RejillaDeAlfabeto, MaximoCodigo) {
    Tabla tabla = tablaAlfabeto();
    EXPECT_EQ(maximoCodigo(tabla), 0);
    EXPECT_EQ(moduloDe(tabla), 1);
    llena(tabla, {"5", "200", "7"});
    EXPECT_EQ(maximoCodigo(tabla), 200);
    EXPECT_EQ(moduloDe(tabla), 201);
    // The walk stops at the first empty code cell.
    tabla.fija(4, 0, "x");
    tabla.fija(4, 1, "999");
    EXPECT_EQ(maximoCodigo(tabla), 200);
    // Past row 127 the walk goes on in the second pair.
    Tabla grande = tablaAlfabeto();
    std::vector<std::string> codigos;
    for (int k = 0; k < 130; ++k)
        codigos.push_back(codigo(k == 129 ? 250 : k, 3));
    llena(grande, codigos);
    EXPECT_EQ(maximoCodigo(grande), 250);
    EXPECT_EQ(equivalenciasDe(grande).size(), 130u);
    EXPECT_EQ(anchoCodigo(grande), 3);
    tabla.fija(0, 1, "1a");
    EXPECT_THROW(maximoCodigo(tabla), ErrorEjecucion);
}

TEST(RejillaDeAlfabeto, LimpiaYCopia) {
    Tabla origen = tablaAlfabeto();
    std::vector<std::string> codigos;
    for (int k = 0; k < 256; ++k)
        codigos.push_back(codigo(k, 3));
    llena(origen, codigos);
    Tabla destino = tablaAlfabeto();
    escribeAlfabeto(alfabetoASCII(), destino);
    copiaTabla(origen, destino);
    for (int f = 0; f < kFilasAlfabeto; ++f) {
        for (int c = 0; c < kColumnasAlfabeto; ++c)
            EXPECT_EQ(destino.texto(f, c), origen.texto(f, c));
    }
    // Copying a shorter table leaves nothing of the longer one behind.
    Tabla corta = tablaAlfabeto();
    llena(corta, {"00", "01"});
    copiaTabla(corta, destino);
    EXPECT_EQ(equivalenciasDe(destino).size(), 2u);
    EXPECT_TRUE(destino.texto(127, 3).empty());
    copiaTabla(destino, destino);
    EXPECT_EQ(equivalenciasDe(destino).size(), 2u);
    limpiaTabla(destino);
    EXPECT_TRUE(equivalenciasDe(destino).empty());
    EXPECT_TRUE(destino.texto(0, 0).empty());
}

}  // namespace
}  // namespace zefra
