// Transcription of messages into digits and back, with the grids the windows load.
#include "crypto/transcripcion.hpp"

#include <gtest/gtest.h>

#include "alphabets/alfabeto.hpp"
#include "alphabets/predefinidos.hpp"
#include "comun/reloj_falso.hpp"
#include "crypto/preparacion.hpp"

namespace zefra {
namespace {

// The grid of an alphabet, as a window loads it.
struct TablaDe : Tabla {
    explicit TablaDe(const Alfabeto& a) : Tabla(kFilasAlfabeto, kColumnasAlfabeto) {
        escribeAlfabeto(a, *this);
    }
};

TEST(Transcripcion, EjemplosEnAmbosSentidos) {
    const TablaDe az(alfabetoMinusculas());
    const TablaDe letras(alfabetoLetras());
    const TablaDe ascii(alfabetoASCII());
    // Symbols to digits: the digits, or the symbol that stops it.
    const std::tuple<const Tabla*, const char*, const char*, const char*> aDigitos[] = {
        {&az, "hola", "07151100", nullptr},
        {&az, "hola mundo", "07151100271221130315", nullptr},
        {&az, "", "", nullptr},
        {&az, "ñ", "14", nullptr},
        {&az, "Hola", nullptr, "H"},
        {&az, "holá", nullptr, "á"},  // a two-byte symbol is named whole
        {&az, "hola\r\n", nullptr, "\r"},
        {&letras, "Hola", "07423827", nullptr},
        {&ascii, "a\r\n", "065194193", nullptr},
        {&ascii, "¡Sí’", "097051173096", nullptr},
        {&ascii, "a\u00A0", nullptr, "\u00A0"},
    };
    for (const auto& [tabla, mensaje, digitos, rechazado] : aDigitos) {
        const auto t = transcribeADigitos(mensaje, *tabla);
        EXPECT_EQ(t.texto, digitos ? digitos : "") << mensaje;
        EXPECT_EQ(t.rechazado, rechazado ? std::optional<std::string>(rechazado) : std::nullopt)
            << mensaje;
    }
    // Digits to symbols, in blocks of the table's width.
    const std::tuple<const Tabla*, const char*, int, const char*, const char*> aSimbolos[] = {
        {&az, "07151100", 2, "hola", nullptr},
        {&az, "071511001", 2, "hola", nullptr},  // odd length
        {&az, "26221005", 2, "zvkf", nullptr},
        {&az, "14", 2, "ñ", nullptr},
        {&az, "7", 2, "", nullptr},
        {&az, "0728", 2, "", "28"},
        {&ascii, "192", 3, "", "192"},
    };
    for (const auto& [tabla, digitos, ancho, texto, rechazado] : aSimbolos) {
        const auto t = transcribeASimbolos(digitos, ancho, *tabla);
        EXPECT_EQ(t.texto, texto) << digitos;
        EXPECT_EQ(t.rechazado, rechazado ? std::optional<std::string>(rechazado) : std::nullopt)
            << digitos;
    }
}

TEST(Transcripcion, IdaYVueltaDeCadaSimboloDeCadaAlfabeto) {
    for (const Alfabeto* a : {&alfabetoMinusculas(), &alfabetoMayusculas(), &alfabetoLetras(),
                              &alfabetoLetrasNumeros(), &alfabetoASCII()}) {
        SCOPED_TRACE(a->nombre);
        const TablaDe t(*a);
        const int w = anchoBloque(t);
        std::string todos;
        for (const auto& e : a->equivalencias) {
            EXPECT_EQ(codigoDeSimbolo(e.simbolo, t), e.codigo);
            EXPECT_EQ(simboloDeCodigo(e.codigo, t), e.simbolo);
            todos += e.simbolo;
        }
        const auto digitos = transcribeADigitos(todos, t);
        ASSERT_FALSE(digitos.rechazado);
        EXPECT_EQ(digitos.texto.size(), a->equivalencias.size() * static_cast<std::size_t>(w));
        EXPECT_EQ(transcribeASimbolos(digitos.texto, w, t).texto, todos);
    }
}

TEST(Transcripcion, BusquedasExactas) {
    const TablaDe az(alfabetoMinusculas());
    for (const char* ajeno : {"A", "", "ho"})
        EXPECT_EQ(codigoDeSimbolo(ajeno, az), std::nullopt) << ajeno;
    EXPECT_EQ(simboloDeCodigo("5", az), std::nullopt);  // "05" is the code
    EXPECT_EQ(simboloDeCodigo("05", az), "f");
    // The first entry in table order wins; the scan stops at the first empty code cell.
    Tabla t = tablaAlfabeto();
    for (const auto& [fila, simbolo, codigo] :
         {std::tuple{0, "x", "03"}, {1, "x", "04"}, {3, "y", "05"}}) {
        t.fija(fila, 0, simbolo);
        t.fija(fila, 1, codigo);
    }
    EXPECT_EQ(transcribeADigitos("xx", t).texto, "0303");
    EXPECT_EQ(transcribeADigitos("y", t).rechazado, "y");
}

TEST(Transcripcion, AnchosCerosYBloques) {
    Tabla t = tablaAlfabeto();
    EXPECT_EQ(anchoCodigo(t), 1);
    EXPECT_EQ(anchoBloque(t), 2);
    t.fija(0, 0, "a");
    t.fija(0, 1, "07");
    EXPECT_EQ(anchoBloque(t), 2);
    t.fija(1, 0, "b");
    t.fija(1, 1, "150");
    EXPECT_EQ(anchoCodigo(t), 3);
    EXPECT_EQ(anchoBloque(t), 3);

    EXPECT_EQ(ponCeros(5, 1), "05");
    EXPECT_EQ(ponCeros(5, -2), "5");
    EXPECT_EQ(ponCeros(0, 2), "000");
    EXPECT_EQ(conCeros(5, 3), "005");
    EXPECT_EQ(conCeros(1234, 3), "1234");

    using Bloques = std::vector<std::string_view>;
    EXPECT_EQ(bloques("0715110", 2), (Bloques{"07", "15", "11"}));
    EXPECT_EQ(bloques("0715110", 3), (Bloques{"071", "511"}));
    EXPECT_EQ(bloques("1", 2), Bloques{});
    EXPECT_EQ(bloques("ñañ", 2), Bloques{"ña"});  // characters, not bytes
    EXPECT_EQ(bloques("abc", 0), Bloques{});
}

TEST(Transcripcion, PreparaCargaElAlfabetoActivo) {
    pruebas::RelojFalso reloj;
    Estado estado{reloj};
    double publicado = 0;
    estado.observadores.moduloAlfabeto = [&](double n) { publicado = n; };
    TablaDe uno(alfabetoASCII());  // leftovers of a previous alphabet
    Tabla tres = tablaAlfabeto();

    auto cargada = preparaCripPrivada(estado, uno, tres);
    ASSERT_TRUE(cargada);
    EXPECT_EQ(cargada->modulo, 28);
    EXPECT_EQ(cargada->ancho, 2);
    EXPECT_EQ(publicado, 28);
    EXPECT_EQ(equivalenciasDe(uno), alfabetoMinusculas().equivalencias);
    EXPECT_EQ(equivalenciasDe(tres), alfabetoMinusculas().equivalencias);
    EXPECT_TRUE(uno.texto(20, 0).empty());

    estado.alfabeto.nombre = "ASCII";
    cargada = preparaCripPublica(estado, uno);
    EXPECT_EQ(cargada->ancho, 3);
    EXPECT_EQ(estado.alfabeto.modulo, 195);

    auto& ranura = estado.ranuras[2];
    ranura.libre = false;
    ranura.nombre = "abc";
    ranura.tabla.fija(0, 0, "a");
    ranura.tabla.fija(0, 1, "000");
    ranura.tabla.fija(1, 0, "c");
    ranura.tabla.fija(1, 1, "150");
    estado.alfabeto.nombre = "abc";
    cargada = preparaPrivadaUsuario(estado, uno);
    EXPECT_EQ(cargada->modulo, 151);
    EXPECT_EQ(cargada->ancho, 3);
    EXPECT_EQ(equivalenciasDe(uno).size(), 2u);

    estado.alfabeto.nombre = "cerrado";
    EXPECT_FALSE(preparaCripPrivada(estado, uno, tres));
    EXPECT_TRUE(equivalenciasDe(uno).empty());
    EXPECT_EQ(estado.alfabeto.modulo, 151);
}

}  // namespace
}  // namespace zefra
