#include "crypto/rsa.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "alphabets/alfabeto.hpp"
#include "comun/reloj_falso.hpp"
#include "crypto/preparacion.hpp"
#include "crypto/transcripcion.hpp"
#include "modular/euler.hpp"
#include "modular/inverso.hpp"

namespace zefra {
namespace {

class RSAPrueba : public ::testing::Test {
  protected:
    pruebas::RelojFalso reloj;
    Estado estado{reloj};
};

TEST_F(RSAPrueba, ClavesDeLosEjemplos) {
    EXPECT_EQ(*primoSiguiente(estado, 10), 11);
    EXPECT_EQ(*primoSiguiente(estado, 13), 13);
    EXPECT_EQ(*primoSiguiente(estado, 0), 2);
    EXPECT_EQ(*primoSiguiente(estado, -7), 2);
    EXPECT_EQ(*primoSiguiente(estado, 1), 2);
    EXPECT_EQ(*primoSiguiente(estado, 46320), 46327);
    const double phi = *funcionEuler(estado, 143);
    EXPECT_EQ(phi, 120);
    EXPECT_EQ(*exponenteCoprimo(estado, 7, phi), 7);
    EXPECT_EQ(*exponenteCoprimo(estado, 6, phi), 7);
    EXPECT_EQ(*exponenteCoprimo(estado, 2, 2), 3);
    EXPECT_EQ(*inversoZn(estado, phi, 7), 103);
}

TEST_F(RSAPrueba, ClavesAleatoriasCumplenSPorTCongruenteConUno) {
    std::mt19937 azar(7);
    std::uniform_int_distribution<int> valor(2, 46337);
    for (int i = 0; i < 200; ++i) {
        const double p = *primoSiguiente(estado, valor(azar));
        const double q = *primoSiguiente(estado, valor(azar));
        if (p * q > kMaximoModuloRSA) continue;
        const double phi = *funcionEuler(estado, p * q);
        EXPECT_EQ(phi, p == q ? p * (p - 1) : (p - 1) * (q - 1));
        const double t = *exponenteCoprimo(estado, valor(azar), phi);
        const double s = *inversoZn(estado, phi, t);
        EXPECT_EQ(
            static_cast<long long>(s) * static_cast<long long>(t) % static_cast<long long>(phi),
            1 % static_cast<long long>(phi))
            << p << ' ' << q << ' ' << t;
    }
}

TEST_F(RSAPrueba, AnchoDeLosBloques) {
    EXPECT_EQ(anchoBloqueRSA(143), 3);
    EXPECT_EQ(anchoBloqueRSA(100), 2);
    EXPECT_EQ(anchoBloqueRSA(101), 3);
    EXPECT_EQ(anchoBloqueRSA(4), 1);
    EXPECT_EQ(anchoBloqueRSA(2146654199), 10);
}

TEST_F(RSAPrueba, HolaIdaYVuelta) {
    const auto c = potenciaPorBloques(estado, "07151100", 2, 143, 7, 3);
    EXPECT_EQ(c.digitos, "006115132000");
    EXPECT_FALSE(c.mensaje);
    const auto d = potenciaPorBloques(estado, "006115132000", 3, 143, 103, 2);
    EXPECT_EQ(d.digitos, "07151100");
    // A line end after the digits (a text file's last line) is not part of them.
    EXPECT_EQ(potenciaPorBloques(estado, "006115132000\r\n", 3, 143, 103, 2).digitos, "07151100");
    // Trailing digits of an incomplete block are ignored.
    EXPECT_EQ(potenciaPorBloques(estado, "00611513200", 3, 143, 103, 2).digitos, "071511");
}

TEST_F(RSAPrueba, BloquesRechazadosEnAmbosSentidos) {
    const auto grande = potenciaPorBloques(estado, "006150", 3, 143, 103, 2);
    EXPECT_EQ(grande.mensaje, "El número '150' debe ser menor que '143'.");
    // Enciphering too: a block not below n could never be deciphered.
    const auto cifrado = potenciaPorBloques(estado, "0199", 2, 50, 7, 2);
    EXPECT_EQ(cifrado.mensaje, "El número '99' debe ser menor que '50'.");
    const auto letras = potenciaPorBloques(estado, "006a15", 3, 143, 103, 2);
    EXPECT_EQ(letras.mensaje, "El bloque 'a15' no es un número.");
}

TEST_F(RSAPrueba, RondasCompletasSobreCadaAlfabetoPredefinido) {
    struct Clave {
        double p, q, t;
    };
    for (const Clave clave : {Clave{11, 13, 7}, {521, 523, 65537}, {46327, 46337, 65537}}) {
        const double n = clave.p * clave.q;
        const double phi = *funcionEuler(estado, n);
        const double t = *exponenteCoprimo(estado, clave.t, phi);
        const double s = *inversoZn(estado, phi, t);
        const int k = anchoBloqueRSA(n);
        for (const char* nombre : {"a-z", "A-Z", "a-z, A-Z", "a-z, A-Z, 0-9", "ASCII"}) {
            estado.alfabeto.nombre = nombre;
            Tabla tabla = tablaAlfabeto();
            const auto cargada = preparaCripPublica(estado, tabla);
            ASSERT_TRUE(cargada);
            if (cargada->modulo > n) continue;  // n = 143 is too small for the larger tables
            std::string mensaje;
            for (const auto& e : equivalenciasDe(tabla))
                mensaje += e.simbolo;
            const auto digitos = transcribeADigitos(mensaje, tabla);
            const auto cifrado = potenciaPorBloques(estado, digitos.texto, cargada->ancho, n, t, k);
            ASSERT_FALSE(cifrado.mensaje) << nombre << ' ' << n;
            const auto descifrado =
                potenciaPorBloques(estado, cifrado.digitos, k, n, s, cargada->ancho);
            ASSERT_FALSE(descifrado.mensaje);
            EXPECT_EQ(descifrado.digitos, digitos.texto) << nombre << ' ' << n;
        }
    }
}

TEST_F(RSAPrueba, Formulas) {
    EXPECT_EQ(formulaCifradoRSA(143, 7), "C( [m] modulo 143 ) = [m] ^7 modulo 143");
    EXPECT_EQ(formulaDescifradoRSA(143, 103), "D( [m*] modulo 143 ) = [m*] ^103 modulo 143");
}

}  // namespace
}  // namespace zefra
