#include "modular/inverso.hpp"

#include <gtest/gtest.h>

#include <numeric>

#include "comun/reloj_falso.hpp"
#include "modular/razonamientos.hpp"
#include "modular/representante.hpp"

namespace zefra {
namespace {

class InversoPrueba : public ::testing::Test {
  protected:
    InversoPrueba() {
        estado.observadores.mcdInverso = [this](double g) { mcd = g; };
        estado.observadores.inversoSinConvertir = [this](double x) { sinConvertir = x; };
    }

    // What the inverse window builds its reasoning from.
    DatosInverso datos(double n, double a) {
        DatosInverso d;
        d.n = n;
        d.a = a;
        double elemento = a;
        if (a < 0) {
            const DivisionZn division = divisionEnZn(n, a);
            d.representante = division.representante;
            d.resto = division.resto;
            d.cociente = division.cociente;
            elemento = division.representante;
        }
        d.inverso = *inversoZn(estado, n, elemento);
        d.mcd = mcd;
        d.x = sinConvertir;
        return d;
    }

    pruebas::RelojFalso reloj;
    Estado estado{reloj};
    double mcd = 0, sinConvertir = 0;
};

TEST_F(InversoPrueba, CoincideConLaBusquedaExhaustiva) {
    for (int n = 1; n <= 300; ++n) {
        for (int a = 0; a < n; ++a) {
            int esperado = 0;  // 0 also when there is none
            for (int b = 0; b < n; ++b) {
                if ((a * b) % n == 1 % n) {
                    esperado = b;
                    break;
                }
            }
            const auto inv = inversoZn(estado, n, a);
            ASSERT_TRUE(inv);
            const bool existe = std::gcd(a, n) == 1;
            EXPECT_EQ(mcd, std::gcd(a, n));
            EXPECT_EQ(*inv, existe ? esperado : 0) << a << " en Z" << n;
            if (existe) {
                EXPECT_EQ(sinConvertir < 0 ? sinConvertir + n : sinConvertir, *inv);
            }
        }
    }
}

TEST_F(InversoPrueba, ElementosNegativosPorSuRepresentante) {
    for (int n = 2; n <= 60; ++n) {
        for (int a = -3 * n; a < 0; ++a) {
            const auto d = datos(n, a);
            if (std::gcd(-a, n) != 1) continue;
            EXPECT_EQ((static_cast<long>(a) * static_cast<long>(d.inverso) % n + n) % n, 1 % n);
            EXPECT_EQ(a * d.x, 1 + kDeLaEcuacion(a, d.x, n) * n) << a << " en Z" << n;
        }
    }
}

TEST_F(InversoPrueba, GrandesModulos) {
    const double n = 2147483647;  // prime
    const auto inv = inversoZn(estado, n, 2147483646);
    ASSERT_TRUE(inv);
    EXPECT_EQ(*inv, 2147483646);  // −1 is its own inverse
    EXPECT_EQ(*inversoZn(estado, 2147483646, 1073741823), 0);
    EXPECT_EQ(kDeLaEcuacion(2147483646, -2147483646, 2147483647), -2147483645);
}

TEST_F(InversoPrueba, Razonamientos) {
    EXPECT_EQ(razonamientoInverso(datos(26, 7)),
              " Existe porque el  m.c.d.(26, 7) = 1\r\n\r\n"
              "  y por lo tanto también podemos escribir la siguiente ecuación: \r\n\r\n"
              "      7 * -11 = 1 + -3 * 26\r\n\r\n"
              "  siendo:        [ -11 ] =  [ 15 - 26 ] =  [ 15 ]");
    EXPECT_EQ(razonamientoInverso(datos(26, 13)),
              " No existe inverso ya que: \r\n\r\n      m.c.d.( 26, 13) = 13,    que es  <> 1");
    EXPECT_EQ(razonamientoInverso(datos(10, -3)),
              " Existe porque el  m.c.d.(10, -3) = 1\r\n\r\n"
              "      [ -3 ] = [ 0 ] * [ 10 ] + [ -3]\r\n\r\n"
              "      [ -3 ] = [ 7 - 10 ] = [ 7 ]\r\n\r\n"
              "  y por lo tanto también podemos escribir la siguiente ecuación: \r\n\r\n"
              "      -3 * 3 = 1 + -1 * 10");
    EXPECT_EQ(razonamientoInverso(datos(10, -33)),
              " Existe porque el  m.c.d.(10, -33) = 1\r\n\r\n"
              "      [ -33 ] = [ -3 ] * [ 10 ] + [ -3]\r\n\r\n"
              "      [ -33 ] = [ -3] = [ 7 - 10 ] = [ 7 ]\r\n\r\n"
              "  y por lo tanto también podemos escribir la siguiente ecuación: \r\n\r\n"
              "      -33 * 3 = 1 + -10 * 10");
    // A multiple of n: its class is [0], with no false "0 - n" step.
    EXPECT_EQ(razonamientoInverso(datos(10, -30)),
              " No existe inverso ya que: \r\n\r\n      m.c.d.( 10, -30) = 10,    que es  <> 1"
              "\r\n\r\n      [ -30 ] = [ -3 ] * [ 10 ] + [ 0]\r\n\r\n      [ -30 ] = [ 0 ]");
}

TEST_F(InversoPrueba, EnZ1ElCeroEsSuPropioInverso) {
    const auto d = datos(1, 5);
    EXPECT_EQ(d.mcd, 1);
    EXPECT_EQ(d.inverso, 0);
    EXPECT_EQ(razonamientoInverso(d).substr(0, 39), " Existe porque el  m.c.d.(1, 5) = 1\r\n\r\n");
}

TEST_F(InversoPrueba, ElTiempoAgotadoSePasaHaciaArriba) {
    estado.tiempo.presupuesto.segundos = "1";
    estado.tiempo.marcaInicio();
    reloj.paso = 0.4;
    EXPECT_FALSE(inversoZn(estado, 317811, 196418));
}

TEST_F(InversoPrueba, EmpiezaElRelojSiNadieLoHizo) {
    ASSERT_FALSE(estado.tiempo.inicial());
    inversoZn(estado, 26, 7);
    EXPECT_TRUE(estado.tiempo.inicial());
}

}  // namespace
}  // namespace zefra
