// The alphabet file: its exact text, every refusal of the reading in the order the checks meet
// it, and alphabets of every size and every predefined alphabet through a real file and back.
#include "files/fichero_alfabeto.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "alphabets/edicion.hpp"
#include "alphabets/predefinidos.hpp"
#include "files/codificacion.hpp"
#include "files/ficheros_texto.hpp"

namespace zefra {
namespace {

using Entradas = std::vector<Equivalencia>;

// "mío" loaded in slot 4; slot 6 free with a name left behind.
LecturaAlfabeto lee(std::string_view texto) {
    static RanurasAlfabeto ranuras;
    ranuras[4].libre = false;
    ranuras[4].nombre = "mío";
    ranuras[6].nombre = "libre";
    return leeAlfabeto(texto, ranuras);
}

Entradas leidas(std::string_view texto) {
    const auto l = lee(texto);
    EXPECT_TRUE(l.alfabeto) << l.rechazo;
    return l.alfabeto ? l.alfabeto->equivalencias : Entradas{};
}

TEST(FicheroAlfabeto, TextoDelEjemplo) {
    Tabla t = tablaAlfabeto();
    fijaEquivalencias(t, {{"a", "00"}, {"b", "01"}});
    EXPECT_EQ(textoAlfabeto("abc", t), "abc\r\na 00\r\nb 01\r\nzzz\r\n");
    EXPECT_EQ(lee("abc\r\na 00\r\nb 01\r\nzzz\r\n\r\n").alfabeto->nombre, "abc");
    EXPECT_EQ(leidas("abc\r\na 00\r\nb 01\r\nzzz\r\n\r\n"), (Entradas{{"a", "00"}, {"b", "01"}}));

    // No entries; names only like a loaded one's; blanks and line ends as symbols, codes of
    // any width.
    for (const char* nombre : {"solo", "Mío", "libre"})
        EXPECT_EQ(leidas(std::string(nombre) + "\r\nzzz\r\n\r\n"), Entradas{}) << nombre;
    EXPECT_EQ(lee("raro zzz\r\n  7\r\nzzz\r\n\r\n").alfabeto->nombre, "raro zzz");
    EXPECT_EQ(leidas("raro\r\n  7\r\n\r 112\r\n\n 0\r\nz 3\r\nzzz\r\n\r\n"),
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
        {"a-z\r\na 00\r\nzzz\r\n\r\n", kMensajeMismoNombre},
        {"mío\r\nzzz\r\n\r\n", kMensajeMismoNombre},
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

// Every predefined alphabet and tables of 0 to 256 entries, written to a file and opened again.
TEST(FicheroAlfabeto, IdaYVueltaPorUnFichero) {
    namespace fs = std::filesystem;
    const fs::path ruta =
        fs::temp_directory_path() / ("zefra-alfabeto-" + std::to_string(std::random_device{}()));
    std::vector<Alfabeto> alfabetos;
    for (const auto* a : {&alfabetoMinusculas(), &alfabetoMayusculas(), &alfabetoLetras(),
                          &alfabetoLetrasNumeros(), &alfabetoASCII()})
        alfabetos.push_back({"copia de " + a->nombre, a->equivalencias});
    const auto simbolos = simbolosOfrecidos();
    for (const int n : {0, 1, 128, 255, 256}) {
        // Past the offered symbols, two-byte Latin Extended-A letters.
        Alfabeto a{"tabla de " + std::to_string(n), {}};
        for (int k = 0; k < n; ++k) {
            const auto p = static_cast<unsigned>(0x100 + k);
            a.equivalencias.push_back({k < 192 ? simbolos[static_cast<std::size_t>(k)]
                                               : std::string{static_cast<char>(0xC0 | (p >> 6)),
                                                             static_cast<char>(0x80 | (p & 0x3F))},
                                       std::to_string(k)});
        }
        igualaAnchos(a.equivalencias);
        alfabetos.push_back(std::move(a));
    }
    for (const auto& a : alfabetos) {
        SCOPED_TRACE(a.nombre);
        Tabla t = tablaAlfabeto();
        fijaEquivalencias(t, a.equivalencias);
        ASSERT_TRUE(escribeTexto(ruta, textoAlfabeto(a.nombre, t)));
        const auto l = lee(leeTexto(ruta).value_or(""));
        ASSERT_TRUE(l.alfabeto) << l.rechazo;
        EXPECT_EQ(l.alfabeto->nombre, a.nombre);
        EXPECT_EQ(l.alfabeto->equivalencias, a.equivalencias);
    }
    fs::remove(ruta);
    // One entry more than the 256 a table holds, before the closing line.
    Tabla t = tablaAlfabeto();
    fijaEquivalencias(t, alfabetos[9].equivalencias);
    std::string texto = textoAlfabeto("tabla", t) + "\r\n";
    texto.insert(texto.size() - 7, "Ā 999\r\n");
    EXPECT_EQ(lee(texto).rechazo, "Alfabeto no válido. Demasiados símbolos");
}

}  // namespace
}  // namespace zefra
