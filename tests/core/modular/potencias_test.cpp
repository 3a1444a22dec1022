#include "modular/potencias.hpp"

#include <gtest/gtest.h>

#include <random>

#include "comun/reloj_falso.hpp"
#include "modular/traza_potencia.hpp"
#include "shell/errores.hpp"

namespace zefra {
namespace {

class PotenciasPrueba : public ::testing::Test {
  protected:
    pruebas::RelojFalso reloj;
    Estado estado{reloj};
};

// a^b mod n by binary exponentiation in 128 bits, independent of the routine under test.
std::uint64_t potenciaModular(std::uint64_t a, std::uint64_t b, std::uint64_t n) {
    unsigned __int128 r = 1 % n;
    unsigned __int128 x = a % n;
    for (; b > 0; b >>= 1) {
        if (b & 1) r = r * x % n;
        x = x * x % n;
    }
    return static_cast<std::uint64_t>(r);
}

TEST_F(PotenciasPrueba, ExactasParaCualquierModuloDe32Bits) {
    std::mt19937_64 azar(2026);
    std::uniform_int_distribution<std::int64_t> valor(0, 2147483647);
    for (int i = 0; i < 3000; ++i) {
        const std::int64_t n = std::max<std::int64_t>(1, valor(azar) >> (azar() % 31));
        const std::int64_t a = valor(azar) >> (azar() % 31);
        const std::int64_t b = valor(azar) >> (azar() % 31);
        const auto r = Calcupoten(estado, a, b, n);
        ASSERT_TRUE(r);
        ASSERT_EQ(*r, potenciaModular(a, b, n)) << a << "^" << b << " mod " << n;
    }
}

TEST_F(PotenciasPrueba, CasosLimite) {
    struct Caso {
        double a, b, n, r;
    };
    const Caso casos[] = {
        {3, 4, 7, 4},
        {1, 123456, 10, 1},
        {0, 5, 10, 0},
        {5, 0, 10, 1},
        {2, 10, 1000, 24},
        {0, 0, 10, 1},
        {7, 1, 7, 0},
        {9, 1, 7, 2},
        {1, 5, 1, 0},
        {5, 0, 1, 0},
        {3, 6, 7, 1},
        {7, 2, 7, 0},
        {2147483646, 2147483647, 2147483647, 2147483646},
        {46340, 2, 2147483647, 2147395600},  // a square just below n stays as it is
    };
    for (const auto& c : casos) {
        EXPECT_EQ(*Calcupoten(estado, c.a, c.b, c.n), c.r) << c.a << "^" << c.b << " en Z" << c.n;
    }
}

TEST_F(PotenciasPrueba, TrazaDe3ALa4EnZ7) {
    ASSERT_EQ(*Calcupoten(estado, 3, 4, 7), 4);
    const auto texto = textoTrazaPotencia(estado.trazaPotencia);
    const std::string reduccion = "b = b mod F.E.(n) = 4 mod F.E.( 7 ) = 4 mod 6 = 4";
    EXPECT_EQ(texto.etiqueta,
              "Como el m.c.d ( 3, 7 ) = 1, entonces se podrá ir reduciendo el valor de b "
              "calculando el resto de b con F.E.( 7 ).\r\n\r\nEsto es: \r\n\r\n" +
                  reduccion);
    EXPECT_EQ(texto.traza, reduccion +
                               "\r\ni=1   2^1 <= 4     [ 3 ]^2 =  ( [ 3 ]^1)^2 = [ 9 ]= [ 2 ]"
                               "\r\ni=2   2^2 <= 4     [ 3 ]^4 =  ( [ 3 ]^2)^2 = [ 4 ]"
                               "\r\n\r\ni=3   2^3 > 4, entonces: \r\n\r\n"
                               "                 b = b - 2^( i - 1) = 4 - 2^2 = 0"
                               "\r\n\r\n     [ 3 ]^4 = [ 3 ]^4 = [ 4 ] = [ 4 ]");
}

TEST_F(PotenciasPrueba, TrazaDe2ALa10EnZ1000) {
    ASSERT_EQ(*Calcupoten(estado, 2, 10, 1000), 24);
    const auto texto = textoTrazaPotencia(estado.trazaPotencia);
    EXPECT_EQ(texto.etiqueta, "");  // gcd(2, 1000) = 2: b is not reduced
    EXPECT_EQ(texto.traza,
              "\r\ni=1   2^1 <= 10     [ 2 ]^2 =  ( [ 2 ]^1)^2 = [ 4 ]"
              "\r\ni=2   2^2 <= 10     [ 2 ]^4 =  ( [ 2 ]^2)^2 = [ 16 ]"
              "\r\ni=3   2^3 <= 10     [ 2 ]^8 =  ( [ 2 ]^4)^2 = [ 256 ]"
              "\r\n\r\ni=4   2^4 > 10, entonces: \r\n\r\n"
              "                 b = b - 2^( i - 1) = 10 - 2^3 = 2"
              "\r\ni=1   2^1 <= 2     [ 2 ]^2 =  ( [ 2 ]^1)^2 = [ 4 ]"
              "\r\n\r\ni=2   2^2 > 2, entonces: \r\n\r\n"
              "                 b = b - 2^( i - 1) = 2 - 2^1 = 0"
              "\r\n\r\n     [ 2 ]^10 = [ 2 ]^8 * [ 2 ]^2 = [ 256 ] * [ 4 ] = [ 24 ]");
}

TEST_F(PotenciasPrueba, UnCuadradoIgualANSeReduce) {
    ASSERT_EQ(*Calcupoten(estado, 4, 2, 16), 0);
    EXPECT_EQ(textoTrazaPotencia(estado.trazaPotencia).traza.substr(0, 53),
              "\r\ni=1   2^1 <= 2     [ 4 ]^2 =  ( [ 4 ]^1)^2 = [ 16 ]");
    EXPECT_NE(textoTrazaPotencia(estado.trazaPotencia).traza.find("[ 16 ]= [ 0 ]"),
              std::string::npos);
}

TEST_F(PotenciasPrueba, LosCuadradosGrandesSonExactos) {
    // 2147483646^2 loses digits as a double; the class it leaves must not.
    const auto r = Calcupoten(estado, 2147483646, 2, 2147483629);
    ASSERT_TRUE(r);
    EXPECT_EQ(*r, potenciaModular(2147483646, 2, 2147483629));
}

TEST_F(PotenciasPrueba, FueraDe32BitsEsDesbordamiento) {
    EXPECT_THROW(Calcupoten(estado, 2, 2147483648.0, 7), ErrorEjecucion);
    EXPECT_THROW(Calcupoten(estado, 2, 3, 4294967296.0), ErrorEjecucion);
}

TEST_F(PotenciasPrueba, TiempoAgotadoConservaLaTrazaParcial) {
    estado.tiempo.presupuesto.segundos = "1";
    estado.tiempo.marcaInicio();
    reloj.paso = 0.1;
    EXPECT_FALSE(Calcupoten(estado, 3, 1000000, 1000003000));
    EXPECT_FALSE(estado.trazaPotencia.resultado);
}

TEST_F(PotenciasPrueba, AvisaAlObservadorDeLaTraza) {
    int avisos = 0;
    estado.observadores.trazaPotencia = [&] { ++avisos; };
    Calcupoten(estado, 3, 4, 7);
    Calcupoten(estado, 1, 4, 7);  // a short cut writes no trace
    EXPECT_EQ(avisos, 1);
}

}  // namespace
}  // namespace zefra
