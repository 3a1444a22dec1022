// The RSA system: the keys of the worked examples and of random primes, the block widths, the
// powers block by block with their refused blocks, and round trips over every alphabet.
#include "crypto/rsa.hpp"

#include <gtest/gtest.h>

#include <random>

#include "alphabets/alfabeto.hpp"
#include "alphabets/predefinidos.hpp"
#include "comun/reloj_falso.hpp"
#include "modular/euler.hpp"
#include "modular/inverso.hpp"

namespace zefra {
namespace {

class RSAPrueba : public ::testing::Test {
  protected:
    pruebas::RelojFalso reloj;
    Estado estado{reloj};
};

TEST_F(RSAPrueba, ClavesDeLosEjemplosYAnchos) {
    for (const auto& [p, primo] :
         {std::pair{10., 11.}, {13., 13.}, {0., 2.}, {-7., 2.}, {1., 2.}, {46320., 46327.}})
        EXPECT_EQ(*primoSiguiente(estado, p), primo) << p;
    const double phi = *funcionEuler(estado, 143);
    EXPECT_EQ(phi, 120);
    EXPECT_EQ(*exponenteCoprimo(estado, 7, phi), 7);
    EXPECT_EQ(*exponenteCoprimo(estado, 6, phi), 7);
    EXPECT_EQ(*exponenteCoprimo(estado, 2, 2), 3);
    EXPECT_EQ(*inversoZn(estado, phi, 7), 103);
    for (const auto& [n, k] :
         {std::pair{143., 3}, {100., 2}, {101., 3}, {4., 1}, {2146654199., 10}})
        EXPECT_EQ(anchoBloqueRSA(n), k) << n;
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
        const auto s = static_cast<long long>(*inversoZn(estado, phi, t));
        const auto f = static_cast<long long>(phi);
        EXPECT_EQ(s * static_cast<long long>(t) % f, 1 % f) << p << ' ' << q << ' ' << t;
    }
}

TEST_F(RSAPrueba, HolaIdaYVueltaYBloquesRechazados) {
    const auto c = potenciaPorBloques(estado, "07151100", 2, 143, 7, 3);
    EXPECT_EQ(c.digitos, "006115132000");
    EXPECT_EQ(potenciaPorBloques(estado, "006115132000", 3, 143, 103, 2).digitos, "07151100");
    // A line end after the digits (a text file's last line) is not part of them.
    EXPECT_EQ(potenciaPorBloques(estado, "006115132000\r\n", 3, 143, 103, 2).digitos, "07151100");
    // Trailing digits of an incomplete block are ignored.
    EXPECT_EQ(potenciaPorBloques(estado, "00611513200", 3, 143, 103, 2).digitos, "071511");

    EXPECT_EQ(potenciaPorBloques(estado, "006150", 3, 143, 103, 2).mensaje,
              "El número '150' debe ser menor que '143'.");
    // Enciphering too: a block not below n could never be deciphered.
    EXPECT_EQ(potenciaPorBloques(estado, "0199", 2, 50, 7, 2).mensaje,
              "El número '99' debe ser menor que '50'.");
    EXPECT_EQ(potenciaPorBloques(estado, "006a15", 3, 143, 103, 2).mensaje,
              "El bloque 'a15' no es un número.");
}

TEST_F(RSAPrueba, RondasCompletasSobreCadaAlfabetoPredefinido) {
    for (const auto& [p, q, t0] :
         {std::tuple{11., 13., 7.}, {521., 523., 65537.}, {46327., 46337., 65537.}}) {
        const double n = p * q;
        const double phi = *funcionEuler(estado, n);
        const double t = *exponenteCoprimo(estado, t0, phi);
        const double s = *inversoZn(estado, phi, t);
        const int k = anchoBloqueRSA(n);
        for (const Alfabeto* a : {&alfabetoMinusculas(), &alfabetoMayusculas(), &alfabetoLetras(),
                                  &alfabetoLetrasNumeros(), &alfabetoASCII()}) {
            if (moduloDe(*a) > n) continue;  // n = 143 is too small for the larger tables
            std::string digitos;             // every code of the table
            for (const auto& e : a->equivalencias)
                digitos += e.codigo;
            const auto w = static_cast<int>(a->equivalencias[0].codigo.size());
            const auto cifrado = potenciaPorBloques(estado, digitos, w, n, t, k);
            ASSERT_FALSE(cifrado.mensaje) << a->nombre << ' ' << n;
            const auto vuelta = potenciaPorBloques(estado, cifrado.digitos, k, n, s, w);
            EXPECT_EQ(vuelta.digitos, digitos) << a->nombre << ' ' << n;
        }
    }
}

}  // namespace
}  // namespace zefra
