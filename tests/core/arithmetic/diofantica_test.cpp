#include "arithmetic/diofantica.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "arithmetic/numeros.hpp"
#include "comun/reloj_falso.hpp"
#include "shell/errores.hpp"

namespace zefra {
namespace {

class DiofanticaPrueba : public ::testing::Test {
  protected:
    void SetUp() override { fijaSeparadorDecimal(','); }

    SolucionDiofantica resuelve(double a, double b, double c) {
        const auto r = Diofantica(estado, a, b, c);
        EXPECT_TRUE(r.has_value());
        EXPECT_TRUE(std::holds_alternative<SolucionDiofantica>(*r));
        return std::get<SolucionDiofantica>(*r);
    }

    std::vector<std::string> columna(int c) const {
        std::vector<std::string> celdas;
        for (int f = 0; f < 4; ++f)
            celdas.push_back(estado.trazaDiofantica.texto(f, c));
        return celdas;
    }

    pruebas::RelojFalso reloj;
    Estado estado{reloj};
};

TEST_F(DiofanticaPrueba, LasCuatroCombinacionesDeSignos) {
    struct Caso {
        double a, b, c, x0, y0, beta, alpha;
        const char* general;
    };
    const Caso casos[] = {
        {12, 8, 20, 5, -5, 2, -3, "X = 5 + 2 K\r\nY = -5 - 3 K\r\n\r\nPara todo entero K"},
        {-12, 8, 20, -5, -5, -2, -3, "X = -5 - 2 K\r\nY = -5 - 3 K\r\n\r\nPara todo entero K"},
        {12, -8, 20, 5, 5, 2, 3, "X = 5 + 2 K\r\nY = 5 + 3 K\r\n\r\nPara todo entero K"},
        {-12, -8, 20, -5, 5, -2, 3, "X = -5 - 2 K\r\nY = 5 + 3 K\r\n\r\nPara todo entero K"},
    };
    for (const auto& c : casos) {
        const auto s = resuelve(c.a, c.b, c.c);
        EXPECT_EQ(s.x0, c.x0) << c.a << ' ' << c.b;
        EXPECT_EQ(s.y0, c.y0) << c.a << ' ' << c.b;
        EXPECT_EQ(s.beta, c.beta) << c.a << ' ' << c.b;
        EXPECT_EQ(s.alpha, c.alpha) << c.a << ' ' << c.b;
        EXPECT_EQ(s.general, c.general);
        EXPECT_EQ(c.a * s.x0 + c.b * s.y0, c.c);
    }
}

TEST_F(DiofanticaPrueba, CeSonCero) {
    const auto s = resuelve(12, 8, 0);
    EXPECT_EQ(s.x0, 0);
    EXPECT_EQ(s.y0, 0);
    EXPECT_EQ(s.general, "X = 0 + 2 t\r\nY = 0 - 3 t\r\n\r\nPara todo entero t");
    EXPECT_EQ(s.beta, 2);
    EXPECT_EQ(s.alpha, -3);
}

TEST_F(DiofanticaPrueba, LaSolucionParticularCumpleLaEcuacion) {
    for (double a = -40; a <= 40; a += 7) {
        for (double b = -33; b <= 33; b += 5) {
            for (const double c : {1.0, -6.0, 84.0}) {
                const auto r = Diofantica(estado, a, b, c);
                ASSERT_TRUE(r);
                if (const auto* s = std::get_if<SolucionDiofantica>(&*r)) {
                    EXPECT_EQ(a * s->x0 + b * s->y0, c) << a << ' ' << b << ' ' << c;
                    // Every k gives another solution.
                    EXPECT_EQ(a * (s->x0 + 3 * s->beta) + b * (s->y0 + 3 * s->alpha), c);
                } else {
                    EXPECT_NE(std::fmod(c, std::gcd(static_cast<int>(a), static_cast<int>(b))), 0);
                }
            }
        }
    }
}

TEST_F(DiofanticaPrueba, UnCoeficienteCeroTieneSolucion) {
    const auto soloA = resuelve(5, 0, 10);  // 5·X + 0·Y = 10: X = 2, Y free
    EXPECT_EQ(soloA.x0, 2);
    EXPECT_EQ(soloA.y0, 0);
    EXPECT_EQ(soloA.beta, 0);
    EXPECT_EQ(soloA.alpha, -1);
    const auto soloB = resuelve(0, -5, 10);  // Y = −2, X free
    EXPECT_EQ(soloB.x0, 0);
    EXPECT_EQ(soloB.y0, -2);
    EXPECT_EQ(soloB.beta, 1);
    EXPECT_EQ(soloB.alpha, 0);
}

TEST_F(DiofanticaPrueba, SinSolucion) {
    EXPECT_EQ(std::get<SinSolucion>(*Diofantica(estado, 12, 8, 3)), SinSolucion::MCDNoDivide);
    EXPECT_EQ(std::get<SinSolucion>(*Diofantica(estado, 0, 0, 5)), SinSolucion::CoeficientesNulos);
    EXPECT_EQ(textoSinSolucion(SinSolucion::MCDNoDivide),
              "No existe solución para la ecuación ya que el mcd(A,B) no divide a C");
    EXPECT_EQ(textoSinSolucion(SinSolucion::CoeficientesNulos), "La ecuación no tiene solución");
}

TEST_F(DiofanticaPrueba, TrazaDeLasConvergentes) {
    resuelve(12, 8, 20);
    EXPECT_EQ(columna(0), (std::vector<std::string>{"i", "Q(i)", "A(i)", "B(i)"}));
    EXPECT_EQ(columna(1), (std::vector<std::string>{"-1", "", "0", "1"}));
    EXPECT_EQ(columna(2), (std::vector<std::string>{"0", "", "1", "0"}));
    EXPECT_EQ(columna(3), (std::vector<std::string>{"1", "1", "1", "1"}));

    // 355/113 has the quotients 3, 7, 16: two steps are written (the last quotient is not).
    resuelve(355, 113, 1);
    EXPECT_EQ(columna(3), (std::vector<std::string>{"1", "3", "3", "1"}));
    EXPECT_EQ(columna(4), (std::vector<std::string>{"2", "7", "22", "7"}));
    EXPECT_EQ(columna(5)[0], "");
}

TEST_F(DiofanticaPrueba, LasColumnasDeUnaEjecucionMasLargaSeQuedan) {
    resuelve(317811, 196418, 1);  // Fibonacci: 25 steps
    const auto larga = columna(27);
    EXPECT_EQ(larga[0], "25");
    resuelve(12, 8, 20);
    EXPECT_EQ(columna(3), (std::vector<std::string>{"1", "1", "1", "1"}));
    EXPECT_EQ(columna(27), larga);
    resuelve(12, 8, 0);  // C = 0 writes only the first three columns
    EXPECT_EQ(columna(3), (std::vector<std::string>{"1", "1", "1", "1"}));
}

TEST_F(DiofanticaPrueba, DesbordamientoDeLosPasosDe32Bits) {
    for (const auto& [a, b, c] : {std::tuple{2147483648.0, 3.0, 1.0}, {4.0, 6.0, 9999999998.0}}) {
        try {
            Diofantica(estado, a, b, c);
            ADD_FAILURE() << a << ' ' << b << ' ' << c;
        } catch (const ErrorAtrapado& e) {
            EXPECT_EQ(e.prefijo(), "Diofántica");
            EXPECT_EQ(e.tipo(), TipoError::Desbordamiento);
        }
    }
    const auto grande = resuelve(2147483647, 2147483646, 1);
    EXPECT_EQ(grande.x0, 1);
    EXPECT_EQ(grande.y0, -1);
}

TEST_F(DiofanticaPrueba, TodoCeroEsDivisionPorCero) {
    try {
        Diofantica(estado, 0, 0, 0);
        ADD_FAILURE();
    } catch (const ErrorAtrapado& e) {
        EXPECT_EQ(e.prefijo(), "Diofántica");
        EXPECT_EQ(e.tipo(), TipoError::DivisionPorCero);
    }
}

TEST_F(DiofanticaPrueba, ElTiempoAgotadoEnEuclidesSePasaHaciaArriba) {
    estado.tiempo.presupuesto.segundos = "1";
    estado.tiempo.marcaInicio();
    reloj.paso = 0.4;
    EXPECT_FALSE(Diofantica(estado, 317811, 196418, 1));
    EXPECT_FALSE(Diofantica(estado, 317811, 196418, 0));
    EXPECT_FALSE(diofanticaInverso(estado, 317811, 196418, 1));
}

TEST_F(DiofanticaPrueba, ElSolucionadorDelInversoDaLosDosCoeficientes) {
    double mcdVisto = -1;
    double otro = 0;
    estado.observadores.mcdInverso = [&](double g) { mcdVisto = g; };
    estado.observadores.coeficienteInverso = [&](double y) { otro = y; };
    struct Caso {
        double a, n;
    };
    for (const auto& [a, n] :
         {Caso{5, 28}, {7, 26}, {28, 5}, {1, 1}, {2147483646, 2147483647}, {-3, 10}, {17, 3120}}) {
        const auto r = diofanticaInverso(estado, a, n, 1);
        ASSERT_TRUE(r);
        const double x = std::get<double>(*r);
        EXPECT_EQ(mcdVisto, 1);
        EXPECT_EQ(a * x + n * otro, 1) << a << ' ' << n;
    }
    EXPECT_EQ(std::get<double>(*diofanticaInverso(estado, 5, 28, 1)), -11);  // 5·(−11) = 1 − 2·28
    EXPECT_EQ(std::get<SinSolucion>(*diofanticaInverso(estado, 13, 26, 1)),
              SinSolucion::MCDNoDivide);
    EXPECT_EQ(mcdVisto, 13);
}

}  // namespace
}  // namespace zefra
