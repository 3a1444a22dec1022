// Transcription of messages into digits and back, with the alphabets the windows load.
#include "core/crypto/transcripcion.hpp"

#include <gtest/gtest.h>

#include "core/alphabets/alfabeto.hpp"
#include "core/alphabets/predefinidos.hpp"
#include "core/alphabets/ranuras.hpp"
#include "core/crypto/preparacion.hpp"
#include "core/shell/prueba_nucleo.hpp"

namespace zefra {
namespace {

TEST(Transcripcion, EjemplosEnAmbosSentidos) {
    const Alfabeto& az = alfabetoMinusculas();
    const Alfabeto& letras = alfabetoLetras();
    const Alfabeto& ascii = alfabetoASCII();
    // To digits (width 0), or to symbols in blocks of the width: the text, or "!" and what
    // stopped it.
    const std::tuple<const Alfabeto*, int, const char*, const char*> casos[] = {
        {&az, 0, "hola mundo", "07151100271221130315"},
        {&az, 0, "ñ", "14"},
        {&az, 0, "holá", "!á"},  // a two-byte symbol is named whole
        {&letras, 0, "Hola", "07423827"},
        {&ascii, 0, "¡Sí’", "097051173096"},
        {&az, 2, "071511001", "hola"},  // odd length
        {&az, 2, "14", "ñ"},
        {&az, 2, "0728", "!28"},
    };
    for (const auto& [tabla, ancho, entrada, salida] : casos) {
        const auto t = ancho ? transcribeASimbolos(entrada, ancho, *tabla)
                             : transcribeADigitos(entrada, *tabla);
        EXPECT_EQ(t.rechazado ? "!" + *t.rechazado : t.texto, salida) << entrada;
        EXPECT_TRUE(!t.rechazado || t.texto.empty()) << entrada;
    }
}

TEST(Transcripcion, CerosYBloques) {
    EXPECT_EQ(ponCeros(5, 1) + ponCeros(5, -2) + ponCeros(0, 2), "055000");
    EXPECT_EQ(conCeros(5, 3) + "," + conCeros(1234, 3), "005,1234");

    using Bloques = std::vector<std::string_view>;
    EXPECT_EQ(bloques("0715110", 2), (Bloques{"07", "15", "11"}));
    EXPECT_EQ(bloques("0715110", 3), (Bloques{"071", "511"}));
    EXPECT_EQ(bloques("ñaña", 2), (Bloques{"ña", "ña"}));  // the last block whole
    EXPECT_EQ(bloques("1", 2), Bloques{});
    EXPECT_EQ(bloques("ñañ", 2), Bloques{"ña"});  // characters, not bytes
    EXPECT_EQ(bloques("abc", 0), Bloques{});
}

// A step's field: the whole string up to 400 blocks; beyond, those and a count of the rest.
TEST(Transcripcion, ResumenDeBloques) {
    const std::string cuatrocientos(400 * 3, '7');
    EXPECT_EQ(resumenDeBloques("0715", 2), "0715");
    EXPECT_EQ(resumenDeBloques(cuatrocientos, 3), cuatrocientos);
    EXPECT_EQ(resumenDeBloques(cuatrocientos + "123", 3), cuatrocientos + "\n… y 1 bloques más.");
    EXPECT_EQ(resumenDeBloques(cuatrocientos + std::string(3000, '1') + "12", 3),
              cuatrocientos + "\n… y 1000 bloques más.");
}

using Preparacion = pruebas::PruebaNucleo;

// A window gets the active alphabet, predefined or loaded, and its modulus becomes the active
// one's; a closed one gives nothing and leaves the modulus.
TEST_F(Preparacion, CargaElAlfabetoActivo) {
    ocupaRanura(estado.ranuras[2], {"abc", {{"a", "000"}, {"c", "150"}}}, false);
    estado.alfabeto.modulo = 0;
    const auto cargada = preparaCripPrivada(estado.ranuras, estado.alfabeto);
    EXPECT_EQ(cargada->modulo + cargada->ancho, 28 + 2);
    EXPECT_EQ(cargada->alfabeto, alfabetoMinusculas());
    EXPECT_EQ(estado.alfabeto.modulo, 28);
    estado.alfabeto.nombre = "abc";
    const auto deUsuario = preparaPrivadaUsuario(estado.ranuras, estado.alfabeto);
    EXPECT_EQ(deUsuario->modulo, 151);
    EXPECT_EQ(deUsuario->alfabeto.equivalencias,
              (std::vector<Equivalencia>{{"a", "000"}, {"c", "150"}}));
    estado.alfabeto.nombre = "cerrado";
    EXPECT_FALSE(preparaCripPublica(estado.ranuras, estado.alfabeto));
    EXPECT_EQ(estado.alfabeto.modulo, 151);
}

}  // namespace
}  // namespace zefra
