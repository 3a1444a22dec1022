#include "arithmetic/euclides.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "arithmetic/numeros.hpp"
#include "comun/reloj_falso.hpp"
#include "shell/errores.hpp"

namespace zefra {
namespace {

using Filas = std::vector<std::vector<std::string>>;

class EuclidesPrueba : public ::testing::Test {
  protected:
    void SetUp() override { fijaSeparadorDecimal(','); }

    // The data rows of the trace, down to the first empty one.
    Filas filas() const {
        Filas resultado;
        for (int f = 1; f < traza.filas() && !traza.texto(f, 0).empty(); ++f) {
            resultado.push_back(
                {traza.texto(f, 0), traza.texto(f, 1), traza.texto(f, 2), traza.texto(f, 3)});
        }
        return resultado;
    }

    pruebas::RelojFalso reloj;
    Tiempo tiempo{reloj};
    Tabla traza{kFilasTrazaEuclides, kColumnasTrazaEuclides};
};

TEST_F(EuclidesPrueba, TrazaDeLasDivisiones) {
    struct Caso {
        double a, b, mcd;
        Filas filas;
    };
    const Caso casos[] = {
        {12, 8, 4, {{"12", "8", "1", "4"}, {"8", "4", "2", "0"}, {"4", "0", "", ""}}},
        {8, 12, 4, {{"12", "8", "1", "4"}, {"8", "4", "2", "0"}, {"4", "0", "", ""}}},
        {-12, 8, 4, {{"12", "8", "1", "4"}, {"8", "4", "2", "0"}, {"4", "0", "", ""}}},
        {6, 6, 6, {{"6", "6", "1", "0"}, {"6", "0", "", ""}}},
        {999999999999999,
         2,
         1,
         {{"999999999999999", "2", "499999999999999", "1"},
          {"2", "1", "2", "0"},
          {"1", "0", "", ""}}},
        {0, 5, 5, {}},
        {7, 0, 7, {}},
        {0, 0, 0, {}},
    };
    for (const auto& c : casos) {
        const auto g = Euclides(tiempo, c.a, c.b, traza);
        ASSERT_TRUE(g) << c.a << ", " << c.b;
        EXPECT_EQ(*g, c.mcd) << c.a << ", " << c.b;
        EXPECT_EQ(filas(), c.filas) << c.a << ", " << c.b;
        EXPECT_EQ(traza.texto(0, 0), "Dividendo");
        EXPECT_EQ(traza.texto(0, 3), "Resto");
    }
}

TEST_F(EuclidesPrueba, UnaTrazaCortaNoDejaRestosDeUnaLarga) {
    ASSERT_TRUE(Euclides(tiempo, 317811, 196418, traza));  // Fibonacci numbers: 26 divisions
    EXPECT_EQ(filas().size(), 27u);
    ASSERT_TRUE(Euclides(tiempo, 12, 8, traza));
    EXPECT_EQ(filas().size(), 3u);
    EXPECT_EQ(traza.texto(4, 0), "");
    EXPECT_EQ(traza.texto(26, 3), "");
}

TEST_F(EuclidesPrueba, MayorOperandoDeLaVentanaConNumerosDeFibonacci) {
    // F(71) and F(70), the longest run below the window's bound: 69 divisions.
    const auto g = Euclides(tiempo, 308061521170129, 190392490709135, traza);
    ASSERT_TRUE(g);
    EXPECT_EQ(*g, 1);
    EXPECT_EQ(filas().size(), 70u);
    EXPECT_EQ(filas().front()[2], "1");
}

TEST_F(EuclidesPrueba, ElTiempoAgotadoDejaLasFilasEscritas) {
    tiempo.presupuesto.segundos = "1";
    tiempo.marcaInicio();
    reloj.paso = 0.4;
    EXPECT_FALSE(Euclides(tiempo, 317811, 196418, traza));
    const auto parcial = filas();
    ASSERT_GE(parcial.size(), 1u);
    EXPECT_LT(parcial.size(), 27u);
    EXPECT_EQ(parcial.front()[0], "317811");
}

TEST_F(EuclidesPrueba, UnPresupuestoNoNumericoSeAtrapaComoEuclides) {
    tiempo.presupuesto.horas = "abc";
    try {
        Euclides(tiempo, 12, 8, traza);
        ADD_FAILURE() << "no error";
    } catch (const ErrorAtrapado& e) {
        EXPECT_EQ(e.prefijo(), "Euclides");
        EXPECT_EQ(e.tipo(), TipoError::TiposNoCoinciden);
    }
    // The trivial cases never read the budget.
    EXPECT_EQ(*Euclides(tiempo, 0, 9, traza), 9);
    EXPECT_EQ(*mcd(tiempo, 9, 0), 9);
}

TEST_F(EuclidesPrueba, McdPublicaYMcdClavesNo) {
    EXPECT_EQ(*mcdClaves(tiempo, 28, 5), 1);
    EXPECT_FALSE(tiempo.inicial());
    EXPECT_EQ(*mcd(tiempo, 28, 5), 1);
    EXPECT_TRUE(tiempo.inicial());
}

TEST_F(EuclidesPrueba, McdDeValoresVariados) {
    struct Caso {
        double a, b, mcd;
    };
    const Caso casos[] = {
        {12, 8, 4},
        {-12, -8, 4},
        {0, 0, 0},
        {0, -5, 5},
        {2147483647, 2147483646, 1},
        {4294967296.0, 65536, 65536},
        {9007199254740992, 6, 2},
        {999999999999999, 2, 1},
        {185783260201980, 278674890302970, 92891630100990},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(*mcd(tiempo, c.a, c.b), c.mcd) << c.a << ", " << c.b;
        EXPECT_EQ(*mcdClaves(tiempo, c.a, c.b), c.mcd) << c.a << ", " << c.b;
    }
}

TEST_F(EuclidesPrueba, PresupuestoCeroDetieneMcdEnSuPrimeraComprobacion) {
    tiempo.presupuesto.segundos = "0";
    tiempo.marcaInicio();
    reloj.paso = 0.000001;
    EXPECT_FALSE(mcd(tiempo, 12, 8));
    EXPECT_FALSE(mcdClaves(tiempo, 12, 8));
}

}  // namespace
}  // namespace zefra
