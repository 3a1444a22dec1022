#include "arithmetic/numeros.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "shell/errores.hpp"

namespace zefra {
namespace {

struct CasoLectura {
    std::string texto;
    std::optional<double> valor;
};

TEST(LeeNumero, AceptaLoQueUnEstudianteEscribe) {
    const CasoLectura casos[] = {
        {"12", 12},
        {"  -45 ", -45},
        {"+7", 7},
        {"0,5", 0.5},
        {"0.5", 0.5},
        {",5", 0.5},
        {"5.", 5},
        {"1e3", 1000},
        {"1E+3", 1000},
        {"2,5e-1", 0.25},
        {"-0", 0},
        {"007", 7},
        {"1e308", 1e308},
        {"1e-400", 0},
        {"494065645841247", 494065645841247},
        {"9007199254740993", 9007199254740992},  // the nearest double, as typed
    };
    for (const auto& caso : casos) {
        const auto leido = leeNumero(caso.texto);
        ASSERT_TRUE(leido.has_value()) << '"' << caso.texto << '"';
        EXPECT_EQ(*leido, *caso.valor) << '"' << caso.texto << '"';
    }
}

TEST(LeeNumero, RechazaLoQueNoEsUnNumero) {
    const std::string casos[] = {"",      "   ",
                                 "-",     "+",
                                 ",",     ".",
                                 "1e309", "1,000.5",
                                 "1.5.2", "1e",
                                 "1e+",   "inf",
                                 "NaN",   "0x1A",
                                 "12a",   "- 5",
                                 "5-",    "\t5",
                                 "1 000", "--5",
                                 "ñ",     std::string(400, '9')};
    for (const auto& texto : casos) {
        EXPECT_FALSE(leeNumero(texto).has_value()) << '"' << texto << '"';
    }
}

TEST(LeeNumero, NumerosLargosYExponentesEnormes) {
    EXPECT_FALSE(leeNumero(std::string(10000, '7')).has_value());
    EXPECT_EQ(*leeNumero("0," + std::string(10000, '0') + "1"), 0);
    EXPECT_FALSE(leeNumero("1e99999999999999999999").has_value());
    EXPECT_EQ(*leeNumero("1e-99999999999999999999"), 0);
    EXPECT_EQ(*leeNumero(std::string(300, '0') + "25"), 25);
}

struct CasoTexto {
    double valor;
    std::string coma;  // with ',' as the decimal separator
};

class TextoDecimal : public ::testing::Test {
  protected:
    void TearDown() override { fijaSeparadorDecimal(','); }
};

TEST_F(TextoDecimal, QuinceCifrasYFormaExponencial) {
    fijaSeparadorDecimal(',');
    const CasoTexto casos[] = {
        {0, "0"},
        {-0.0, "0"},
        {12, "12"},
        {-45, "-45"},
        {0.5, "0,5"},
        {-0.25, "-0,25"},
        {999999999999999, "999999999999999"},
        {1e15, "1E+15"},
        {1e15 + 2, "1E+15"},  // rounded to 15 significant digits
        {9007199254740992, "9,00719925474099E+15"},
        {2147483648.0, "2147483648"},
        {-2147483649.0, "-2147483649"},
        {1.0 / 3, "0,333333333333333"},
        {2.0 / 3, "0,666666666666667"},
        {123456789.123456789, "123456789,123457"},
        {0.000001234, "0,000001234"},
        {5.6789e-12, "5,6789E-12"},
        {1e-15, "0,000000000000001"},
        {1.5e-15, "1,5E-15"},
        {1.23456789012345e-5, "1,23456789012345E-05"},
        {1e300, "1E+300"},
        {-1.5e20, "-1,5E+20"},
        {4.9e-324, "4,94065645841247E-324"},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(textoDecimal(caso.valor), caso.coma) << caso.valor;
    }
}

TEST_F(TextoDecimal, UsaElSeparadorDelSistema) {
    fijaSeparadorDecimal('.');
    EXPECT_EQ(textoDecimal(0.5), "0.5");
    EXPECT_EQ(textoDecimal(-1234.5678), "-1234.5678");
    EXPECT_EQ(textoDecimal(1.23456789012346e15), "1.23456789012346E+15");
    EXPECT_EQ(textoDecimal(12), "12");
}

TEST_F(TextoDecimal, IdaYVueltaSinPerderCifras) {
    for (const char separador : {',', '.'}) {
        fijaSeparadorDecimal(separador);
        for (const double x : {1.0, -3.5, 0.1, 123456.789, 999999999999999.0, 1e15, 2.5e-7,
                               6.02214076e23, -4.5e-300}) {
            const auto vuelta = leeNumero(textoDecimal(x));
            ASSERT_TRUE(vuelta.has_value()) << x;
            EXPECT_NEAR(*vuelta, x, std::fabs(x) * 1e-14) << x;
        }
    }
}

TEST_F(TextoDecimal, UnValorNoFinitoEsDesbordamiento) {
    EXPECT_THROW(textoDecimal(HUGE_VAL), ErrorEjecucion);
    EXPECT_THROW(textoDecimal(std::nan("")), ErrorEjecucion);
}

TEST(AEntero32, RedondeaAlParYDesbordaFueraDeRango) {
    EXPECT_EQ(aEntero32(2.5), 2);
    EXPECT_EQ(aEntero32(3.5), 4);
    EXPECT_EQ(aEntero32(-2.5), -2);
    EXPECT_EQ(aEntero32(4.4), 4);
    EXPECT_EQ(aEntero32(2147483647), 2147483647);
    EXPECT_EQ(aEntero32(2147483647.4), 2147483647);
    EXPECT_EQ(aEntero32(-2147483648.0), -2147483647 - 1);
    for (const double fuera : {2147483647.5, 2147483648.0, -2147483648.6, 1e300, HUGE_VAL}) {
        try {
            aEntero32(fuera);
            ADD_FAILURE() << fuera;
        } catch (const ErrorEjecucion& e) {
            EXPECT_EQ(e.tipo(), TipoError::Desbordamiento);
        }
    }
    EXPECT_THROW(aEntero32(std::nan("")), ErrorEjecucion);
}

}  // namespace
}  // namespace zefra
