// The alphabet model: the five predefined tables cell by cell against a listing written out
// here, their moduli and widths, and the grid routines.
#include "alphabets/alfabeto.hpp"

#include <gtest/gtest.h>

#include "alphabets/caracteres.hpp"
#include "alphabets/predefinidos.hpp"
#include "crypto/transcripcion.hpp"
#include "shell/errores.hpp"

namespace zefra {
namespace {

// Consecutive entries down one column pair: their symbols, from a row, from a code.
struct Tramo {
    int columna, fila;
    std::string_view simbolos;
    int codigo;
};

struct Listado {
    const Alfabeto& (*constructor)();
    std::string_view nombre;
    int ancho;
    double modulo;
    std::vector<Tramo> tramos;
};

std::string codigo(int valor, int ancho) {
    const std::string s = std::to_string(valor);
    return std::string(static_cast<std::size_t>(std::max<int>(0, ancho - int(s.size()))), '0') + s;
}

TEST(AlfabetosPredefinidos, CeldaPorCeldaComoElListado) {
    const Listado listados[] = {
        {alfabetoMinusculas,
         "a-z",
         2,
         28,
         {{0, 0, "abcdefghijklmn", 0}, {2, 0, "ñopqrstuvwxyz ", 14}}},
        {alfabetoMayusculas,
         "A-Z",
         2,
         28,
         {{0, 0, "ABCDEFGHIJKLMN", 0}, {2, 0, "ÑOPQRSTUVWXYZ ", 14}}},
        {alfabetoLetras,
         "a-z, A-Z",
         2,
         55,
         {{0, 0, "ABCDEFGHIJKLMNÑOPQRSTUVWXYZa", 0}, {2, 0, "bcdefghijklmñnopqrstuvwxyz ", 28}}},
        {alfabetoLetrasNumeros,
         "a-z, A-Z, 0-9",
         2,
         65,
         {{0, 0, "ABCDEFGHIJKLMNÑOPQRSTUVWXYZabcdef", 0},
          {2, 0, "ghijklmnñopqrstuvwxyz0123456789 ", 33}}},
        {alfabetoASCII,
         "ASCII",
         3,
         195,
         {{0, 0,
           " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
           "abcdefghijklmnopqrstuvwxyz{|}~\u2018\u2019",
           0},
          {2, 0,
           "¡¢£¤¥¦§¨©ª«¬\u00AD®¯°±²³´µ¶·¸¹º»¼½¾¿ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖ×ØÙÚÛÜÝÞßàáâãäåæçèéêëìíîïðñ"
           "òóôõö÷øùúûüýþÿ",
           97},
          {2, 95, "\n", 193},
          {2, 96, "\r", 194}}},
    };
    for (const auto& listado : listados) {
        SCOPED_TRACE(std::string(listado.nombre));
        const Alfabeto& a = listado.constructor();
        EXPECT_EQ(a.nombre, listado.nombre);
        Tabla tabla = tablaAlfabeto();
        escribeAlfabeto(a, tabla);
        int entradas = 0;
        for (const auto& tramo : listado.tramos) {
            int k = 0;
            for (const auto simbolo : caracteres(tramo.simbolos)) {
                const int fila = tramo.fila + k;
                EXPECT_EQ(tabla.texto(fila, tramo.columna), simbolo) << fila;
                EXPECT_EQ(tabla.texto(fila, tramo.columna + 1),
                          codigo(tramo.codigo + k++, listado.ancho))
                    << fila;
                ++entradas;
            }
        }
        int ocupadas = 0;  // nothing else in the grid
        for (int f = 0; f < kFilasAlfabeto; ++f) {
            for (int c = 0; c < kColumnasAlfabeto; ++c)
                ocupadas += !tabla.texto(f, c).empty();
        }
        EXPECT_EQ(ocupadas, 2 * entradas);
        EXPECT_EQ(equivalenciasDe(tabla), a.equivalencias);  // table order is code order
        EXPECT_EQ(moduloDe(a), listado.modulo);
        EXPECT_EQ(moduloDe(tabla), listado.modulo);
        EXPECT_EQ(anchoBloque(tabla), listado.ancho);
        EXPECT_EQ(alfabetoPredefinido(listado.nombre), &a);
    }
    EXPECT_EQ(alfabetoPredefinido("ascii"), nullptr);
    EXPECT_EQ(alfabetoPredefinido("a-z "), nullptr);
}

// A user grid with its entries in rows 0 … k − 1 of the 128-row layout.
struct Llena : Tabla {
    explicit Llena(const std::vector<std::string>& codigos)
        : Tabla(kFilasAlfabeto, kColumnasAlfabeto) {
        for (std::size_t k = 0; k < codigos.size(); ++k) {
            const int fila = static_cast<int>(k % kFilasAlfabeto), columna = k < 128 ? 0 : 2;
            fija(fila, columna, "s" + std::to_string(k));
            fija(fila, columna + 1, codigos[k]);
        }
    }
};

std::vector<std::string> numerados(int n, int ultimo) {
    std::vector<std::string> c;
    for (int k = 0; k < n; ++k)
        c.push_back(codigo(k == n - 1 ? ultimo : k, 3));
    return c;
}

TEST(RejillaDeAlfabeto, MaximoCodigo) {
    EXPECT_EQ(moduloDe(tablaAlfabeto()), 1);
    Llena tabla({"5", "200", "7"});
    EXPECT_EQ(moduloDe(tabla), 201);
    tabla.fija(4, 0, "x");  // the walk stops at the first empty code cell
    tabla.fija(4, 1, "999");
    EXPECT_EQ(maximoCodigo(tabla), 200);
    // Past row 127 the walk goes on in the second pair.
    const Llena grande(numerados(130, 250));
    EXPECT_EQ(maximoCodigo(grande), 250);
    EXPECT_EQ(equivalenciasDe(grande).size(), 130u);
    tabla.fija(0, 1, "1a");
    EXPECT_THROW(maximoCodigo(tabla), ErrorEjecucion);
}

TEST(RejillaDeAlfabeto, LimpiaYCopia) {
    const Llena origen(numerados(256, 255));
    Tabla destino = tablaAlfabeto();
    escribeAlfabeto(alfabetoASCII(), destino);
    copiaTabla(origen, destino);
    for (int f = 0; f < kFilasAlfabeto; ++f) {
        for (int c = 0; c < kColumnasAlfabeto; ++c)
            EXPECT_EQ(destino.texto(f, c), origen.texto(f, c));
    }
    // Copying a shorter table leaves nothing of the longer one behind.
    copiaTabla(Llena({"00", "01"}), destino);
    EXPECT_TRUE(destino.texto(127, 3).empty());
    copiaTabla(destino, destino);
    EXPECT_EQ(equivalenciasDe(destino).size(), 2u);
    limpiaTabla(destino);
    EXPECT_TRUE(destino.texto(0, 0).empty());
    EXPECT_TRUE(destino.texto(0, 1).empty());
}

}  // namespace
}  // namespace zefra
