// The affine cipher over user alphabets whose codes leave gaps: the cipher text stays a digit
// string, and deciphering it gives the message back.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "alphabets/edicion.hpp"
#include "comun/reloj_falso.hpp"
#include "crypto/afin.hpp"
#include "crypto/claves.hpp"
#include "crypto/digitos_mensaje.hpp"
#include "crypto/preparacion.hpp"
#include "crypto/transcripcion.hpp"

namespace zefra {
namespace {

class ConHuecos : public ::testing::Test {
  protected:
    // Loads the entries into slot 0 as the active alphabet and prepares a window's grid.
    TablaCargada activa(const std::vector<Equivalencia>& entradas) {
        Tabla t = tablaAlfabeto();
        fijaEquivalencias(t, entradas);
        ocupaRanura(estado.ranuras[0], "huecos", t, false);
        estado.alfabeto.nombre = "huecos";
        return *preparaPrivadaUsuario(estado, flexalfa1);
    }
    ResultadoAfin cifra(std::string_view digitos, const TablaCargada& t, double r, double s,
                        Sentido sentido) {
        estado.tiempo.reiniciaTiempo();
        return cifraAfin(estado, digitos, t.ancho, t.modulo, r, s, sentido);
    }
    pruebas::RelojFalso reloj;
    Estado estado{reloj};
    Tabla flexalfa1 = tablaAlfabeto();
};

TEST_F(ConHuecos, ABCConCincoYUno) {
    const auto t = activa({{"a", "0"}, {"b", "1"}, {"c", "5"}});
    EXPECT_EQ(t.modulo, 6);
    EXPECT_EQ(t.ancho, 2);
    EXPECT_EQ(codigosConsecutivos(estado.tiempo, estado.ranuras[0].tabla), false);

    const auto digitos = transcribeADigitos("abc", flexalfa1);
    EXPECT_EQ(digitos.texto, "000105");
    const auto cifrado = cifra(digitos.texto, t, 5, 1, Sentido::Codificar);
    EXPECT_EQ(cifrado.digitos, "010002");
    // 02 is no code of the table: the cipher text cannot be written in symbols.
    EXPECT_EQ(transcribeASimbolos(cifrado.digitos, t.ancho, flexalfa1).rechazado, "02");
    const auto descifrado = cifra("010002", t, 5, 1, Sentido::Decodificar);
    EXPECT_EQ(descifrado.digitos, "000105");
    EXPECT_EQ(transcribeASimbolos(descifrado.digitos, t.ancho, flexalfa1).texto, "abc");

    EXPECT_EQ(cifra("07", t, 5, 1, Sentido::Decodificar).fueraDeRango, 1);
    EXPECT_EQ(mensajeFueraDeRango(t.modulo), "El número no puede exceder de5");
    EXPECT_EQ(formulaDescifradoUsuario("5", "1"), "D(5, 1) [m*]= [5 ^-1 ] ([m*] - [1] )");
}

TEST_F(ConHuecos, AlfabetosAlAzarIdaYVuelta) {
    std::mt19937 generador(7);
    const auto simbolos = simbolosOfrecidos();
    for (int prueba = 0; prueba < 40; ++prueba) {
        // Distinct codes from 0 … 1999 with gaps, on distinct symbols.
        std::vector<int> valores(2000);
        std::iota(valores.begin(), valores.end(), 0);
        std::shuffle(valores.begin(), valores.end(), generador);
        const auto n = std::uniform_int_distribution<std::size_t>(2, simbolos.size())(generador);
        std::vector<Equivalencia> entradas;
        for (std::size_t i = 0; i < n; ++i)
            entradas.push_back({simbolos[i], std::to_string(valores[i])});
        const auto t = activa(entradas);
        SCOPED_TRACE(t.modulo);
        ASSERT_EQ(t.modulo, *std::max_element(valores.begin(), valores.begin() + n) + 1);

        std::string mensaje;
        for (int k = 0; k < 50; ++k)
            mensaje += simbolos[std::uniform_int_distribution<std::size_t>(0, n - 1)(generador)];
        const auto M = static_cast<long long>(t.modulo);
        long long r = 0;
        do {
            r = std::uniform_int_distribution<long long>(1, M - 1)(generador);
        } while (std::gcd(r, M) != 1);
        const double s = std::uniform_int_distribution<long long>(0, M - 1)(generador);

        const auto digitos = transcribeADigitos(mensaje, flexalfa1);
        ASSERT_FALSE(digitos.rechazado);
        const auto cifrado = cifra(digitos.texto, t, static_cast<double>(r), s, Sentido::Codificar);
        ASSERT_EQ(cifrado.digitos.size(), digitos.texto.size());
        const auto vuelta =
            cifra(cifrado.digitos, t, static_cast<double>(r), s, Sentido::Decodificar);
        ASSERT_EQ(vuelta.fueraDeRango, 0);
        EXPECT_EQ(transcribeASimbolos(vuelta.digitos, t.ancho, flexalfa1).texto, mensaje);
    }
}

// A saved cipher text ends with a line end, which is not part of it; anything else that is not
// a digit makes the text no cipher text.
TEST(DigitosDelMensaje, SinElFinDeLineaFinal) {
    EXPECT_EQ(digitosDelMensaje("010002\r\n"), "010002");
    EXPECT_EQ(digitosDelMensaje("010002\n\n"), "010002");
    EXPECT_EQ(digitosDelMensaje("0100"), "0100");
    EXPECT_EQ(digitosDelMensaje(""), "");
    EXPECT_EQ(digitosDelMensaje("01\r\n02"), std::nullopt);
    EXPECT_EQ(digitosDelMensaje("01 02"), std::nullopt);
    EXPECT_EQ(digitosDelMensaje("0l"), std::nullopt);
    EXPECT_EQ(digitosDelMensaje("٣"), std::nullopt);
}

}  // namespace
}  // namespace zefra
