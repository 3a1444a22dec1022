// The alphabet file: its exact text, every refusal of the reading in the order the checks meet
// it, and alphabets of every size and every predefined alphabet through a real file and back.
#include "files/fichero_alfabeto.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <random>

#include "alphabets/edicion.hpp"
#include "alphabets/predefinidos.hpp"
#include "files/codificacion.hpp"
#include "files/ficheros_texto.hpp"

namespace zefra {
namespace {

using Entradas = std::vector<Equivalencia>;

// n entries with distinct symbols from the offered list (and beyond it past 192) and codes
// 0 … n − 1 at width 3.
Entradas entradas(int n) {
    const auto simbolos = simbolosOfrecidos();
    Entradas e;
    for (int k = 0; k < n; ++k) {
        // Past the offered symbols, Latin Extended-A letters (two bytes in UTF-8).
        const auto punto = static_cast<unsigned>(0x100 + k);
        const std::string s = k < 192 ? simbolos[static_cast<std::size_t>(k)]
                                      : std::string{static_cast<char>(0xC0 | (punto >> 6)),
                                                    static_cast<char>(0x80 | (punto & 0x3F))};
        std::string c = std::to_string(k);
        e.push_back({s, std::string(3 - c.size(), '0') + c});
    }
    return e;
}

LecturaAlfabeto lee(std::string_view texto) {
    static const RanurasAlfabeto vacias;
    return leeAlfabeto(texto, vacias);
}

TEST(FicheroAlfabeto, TextoDelEjemplo) {
    Tabla t = tablaAlfabeto();
    fijaEquivalencias(t, {{"a", "00"}, {"b", "01"}});
    EXPECT_EQ(textoAlfabeto("abc", t), "abc\r\na 00\r\nb 01\r\nzzz\r\n");
    const auto l = lee("abc\r\na 00\r\nb 01\r\nzzz\r\n\r\n");
    ASSERT_TRUE(l.alfabeto) << l.rechazo;
    EXPECT_EQ(l.alfabeto->nombre, "abc");
    EXPECT_EQ(l.alfabeto->equivalencias, (Entradas{{"a", "00"}, {"b", "01"}}));

    // A name with no entries, symbols that are blanks and line ends, codes of any width.
    EXPECT_EQ(lee("solo\r\nzzz\r\n\r\n").alfabeto->equivalencias, Entradas{});
    const auto raros = lee("raro zzz\r\n  7\r\n\r 112\r\n\n 0\r\nz 3\r\nzzz\r\n\r\n");
    ASSERT_TRUE(raros.alfabeto) << raros.rechazo;
    EXPECT_EQ(raros.alfabeto->nombre, "raro zzz");
    EXPECT_EQ(raros.alfabeto->equivalencias,
              (Entradas{{" ", "007"}, {"\r", "112"}, {"\n", "000"}, {"z", "003"}}));
    // An old file in Windows-1252.
    const auto viejo = lee(decodificaTexto("espa\xF1ol\r\n\xF1 5\r\n\x92 6\r\nzzz\r\n\r\n"));
    ASSERT_TRUE(viejo.alfabeto) << viejo.rechazo;
    EXPECT_EQ(viejo.alfabeto->nombre, "español");
    EXPECT_EQ(viejo.alfabeto->equivalencias, (Entradas{{"ñ", "05"}, {"\u2019", "06"}}));
}

TEST(FicheroAlfabeto, RechazosEnOrden) {
    const std::pair<const char*, const char*> casos[] = {
        {"", "Alfabeto no válido"},
        {"abc\r\na 00\r\nzzz\r\n", "Alfabeto no válido"},  // one line end after zzz
        {"abc\r\na 00\r\nzzz\r\n\r\n\r\n", "Alfabeto no válido"},
        {"zzz\r\n\r\n", "Alfabeto no valido."},
        {" abc\r\nzzz\r\n\r\n", "Alfabeto no valido"},
        {"\r\na 00\r\nzzz\r\n\r\n", "Alfabeto no valido"},  // no name at all
        {"azzz\r\n\r\n", "Alfabeto no valido"},
        {"abczzz\r\n\r\n", "Alfabeto no valido"},  // no line end after the name
        {"a-z\r\na 00\r\nzzz\r\n\r\n",
         "Hay un alfabeto cargado con el mismo nombre. Se debe cerrar si quieres abrir este."},
        {"abc\r\na05\r\nzzz\r\n\r\n", "Alfabeto no válido"},
        {"abc\r\nazzz\r\n\r\n", "Alfabeto no válido"},
        {"abc\r\na zzz\r\n\r\n", "Alfabeto no válido"},
        {"abc\r\na 0x\r\nzzz\r\n\r\n", "Alfabeto no válido"},
        {"abc\r\na 05zzz\r\n\r\n", "Alfabeto no válido"},
        {"abc\r\na \r\nb 01\r\nzzz\r\n\r\n", "Alfabeto no válido"},  // an empty code
        {"abc\r\na 00\r\na 01\r\nzzz\r\n\r\n", "Alfabeto no válido"},
        {"abc\r\na 05\r\nb 005\r\nzzz\r\n\r\n", "Alfabeto no válido"},
        {"abc\r\na 12345678\r\nzzz\r\n\r\n", "Alfabeto no válido"},
    };
    for (const auto& [texto, mensaje] : casos) {
        const auto l = lee(texto);
        EXPECT_FALSE(l.alfabeto) << texto;
        EXPECT_EQ(l.rechazo, mensaje) << texto;
    }
}

TEST(FicheroAlfabeto, NombreDeUnAlfabetoCargado) {
    RanurasAlfabeto ranuras;
    ranuras[4].libre = false;
    ranuras[4].nombre = "mío";
    ranuras[6].nombre = "libre";
    EXPECT_EQ(leeAlfabeto("mío\r\nzzz\r\n\r\n", ranuras).rechazo, kMensajeMismoNombre);
    EXPECT_TRUE(leeAlfabeto("Mío\r\nzzz\r\n\r\n", ranuras).alfabeto);
    EXPECT_TRUE(leeAlfabeto("libre\r\nzzz\r\n\r\n", ranuras).alfabeto);
}

TEST(FicheroAlfabeto, HastaDoscientasCincuentaYSeisEntradas) {
    for (const int n : {0, 1, 128, 255, 256, 257}) {
        SCOPED_TRACE(n);
        const Entradas e = entradas(n);
        Tabla t = tablaAlfabeto();
        std::string texto;
        if (n <= kMaximoEquivalencias) {
            fijaEquivalencias(t, e);
            texto = textoAlfabeto("tabla", t) + "\r\n";
        } else {
            texto = "tabla";
            for (const auto& x : e)
                texto += "\r\n" + x.simbolo + " " + x.codigo;
            texto += "\r\nzzz\r\n\r\n";
        }
        const auto l = lee(texto);
        if (n > kMaximoEquivalencias) {
            EXPECT_EQ(l.rechazo, "Alfabeto no válido. Demasiados símbolos");
            continue;
        }
        ASSERT_TRUE(l.alfabeto) << l.rechazo;
        Entradas esperadas = e;
        igualaAnchos(esperadas);  // codes below 100 come back with two digits
        EXPECT_EQ(l.alfabeto->equivalencias, esperadas);
    }
}

// Every predefined alphabet, and random alphabets with gaps between their codes, written to a
// file and opened again.
TEST(FicheroAlfabeto, IdaYVueltaPorUnFichero) {
    namespace fs = std::filesystem;
    std::random_device azar;
    const fs::path ruta = fs::temp_directory_path() / ("zefra-alfabeto-" + std::to_string(azar()));
    std::vector<Alfabeto> alfabetos;
    for (const auto* a : {&alfabetoMinusculas(), &alfabetoMayusculas(), &alfabetoLetras(),
                          &alfabetoLetrasNumeros(), &alfabetoASCII()}) {
        alfabetos.push_back({"copia de " + a->nombre, a->equivalencias, kFilasAlfabeto});
    }
    std::mt19937 generador(20240611);
    const auto simbolos = simbolosOfrecidos();
    for (int k = 0; k < 20; ++k) {
        Alfabeto a{"azar " + std::to_string(k), {}, kFilasAlfabeto};
        std::vector<int> valores(1000);
        std::iota(valores.begin(), valores.end(), 0);
        std::shuffle(valores.begin(), valores.end(), generador);
        const auto n = std::uniform_int_distribution<std::size_t>(1, simbolos.size())(generador);
        for (std::size_t i = 0; i < n; ++i)
            a.equivalencias.push_back({simbolos[i], std::to_string(valores[i])});
        igualaAnchos(a.equivalencias);
        alfabetos.push_back(std::move(a));
    }
    for (const auto& a : alfabetos) {
        SCOPED_TRACE(a.nombre);
        Tabla t = tablaAlfabeto();
        fijaEquivalencias(t, a.equivalencias);
        ASSERT_TRUE(escribeTexto(ruta, textoAlfabeto(a.nombre, t)));
        const auto texto = leeTexto(ruta);
        ASSERT_TRUE(texto);
        const auto l = lee(*texto);
        ASSERT_TRUE(l.alfabeto) << l.rechazo;
        EXPECT_EQ(l.alfabeto->nombre, a.nombre);
        EXPECT_EQ(l.alfabeto->equivalencias, a.equivalencias);
    }
    fs::remove(ruta);
}

}  // namespace
}  // namespace zefra
