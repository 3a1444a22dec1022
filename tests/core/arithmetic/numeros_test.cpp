// Numeric text, decimal text, the 32-bit conversion, the integer primitives and base conversion.
#include "arithmetic/numeros.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "arithmetic/bases.hpp"
#include "arithmetic/primitivas.hpp"
#include "core/shell/error_de.hpp"

namespace zefra {
namespace {

using pruebas::errorDe;

TEST(LeeNumero, AceptaLoQueUnEstudianteEscribeYNadaMas) {
    std::vector<std::pair<std::string, double>> numeros = {
        {"12", 12},       {"  -45 ", -45}, {"+7", 7},        {"0,5", 0.5},
        {"0.5", 0.5},     {",5", 0.5},     {"5.", 5},        {"1E+3", 1000},
        {"2,5e-1", 0.25}, {"-0", 0},       {"1e308", 1e308}, {"1e-400", 0},
    };
    numeros.insert(numeros.end(), {{"1e-99999999999999999999", 0},
                                   {std::string(300, '0') + "25", 25},
                                   {"0," + std::string(10000, '0') + "1", 0},
                                   {"494065645841247", 494065645841247},
                                   {"9007199254740993", 9007199254740992}});  // the nearest double
    for (const auto& [texto, valor] : numeros) {
        const auto leido = leeNumero(texto);
        ASSERT_TRUE(leido.has_value()) << '"' << texto << '"';
        EXPECT_EQ(*leido, valor) << '"' << texto << '"';
    }
    const std::string otros[] = {
        "",    "   ",  "-",   ",",   "1e309", "1,000.5", "1.5.2", "1e",  "1e+", "inf",
        "NaN", "0x1A", "12a", "- 5", "5-",    "\t5",     "1 000", "--5", "ñ",
    };
    for (const auto& texto : otros)
        EXPECT_FALSE(leeNumero(texto).has_value()) << '"' << texto << '"';
    EXPECT_FALSE(leeNumero(std::string(10000, '7')).has_value());
    EXPECT_FALSE(leeNumero("1e99999999999999999999").has_value());
}

// Each text with ',' as the separator; with '.' it is the same text with '.' in its place.
TEST(TextoDecimal, QuinceCifrasFormaExponencialYElSeparadorDelSistema) {
    std::vector<std::pair<double, std::string>> casos = {
        {0, "0"},
        {-0.0, "0"},
        {-45, "-45"},
        {-0.25, "-0,25"},
        {1e15, "1E+15"},
        {1e15 + 2, "1E+15"},
        {1e300, "1E+300"},
        {-1.5e20, "-1,5E+20"},
        {1.5e-15, "1,5E-15"},
        {5.6789e-12, "5,6789E-12"},
        {0.000001234, "0,000001234"},
    };
    casos.insert(casos.end(), {{999999999999999, "999999999999999"},
                               {9007199254740992, "9,00719925474099E+15"},
                               {2147483648.0, "2147483648"},
                               {1.0 / 3, "0,333333333333333"},
                               {2.0 / 3, "0,666666666666667"},
                               {123456789.123456789, "123456789,123457"},
                               {1e-15, "0,000000000000001"},
                               {1.23456789012345e-5, "1,23456789012345E-05"},
                               {4.9e-324, "4,94065645841247E-324"}});
    for (const char separador : {'.', ','}) {
        fijaSeparadorDecimal(separador);
        for (auto [valor, texto] : casos) {
            std::replace(texto.begin(), texto.end(), ',', separador);
            EXPECT_EQ(textoDecimal(valor), texto) << valor;
            const auto vuelta = leeNumero(texto);  // and it reads back to 15 digits
            ASSERT_TRUE(vuelta.has_value()) << texto;
            EXPECT_NEAR(*vuelta, valor, std::fabs(valor) * 1e-14) << texto;
        }
    }
    EXPECT_EQ(errorDe([] { textoDecimal(HUGE_VAL); }), TipoError::Desbordamiento);
    EXPECT_EQ(errorDe([] { textoDecimal(std::nan("")); }), TipoError::Desbordamiento);
}

TEST(AEntero32, RedondeaAlParYDesbordaFueraDeRango) {
    const std::pair<double, std::int32_t> casos[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {4.4, 4},
        {2147483647.4, 2147483647},
        {-2147483648.0, -2147483647 - 1},
    };
    for (const auto& [x, n] : casos)
        EXPECT_EQ(aEntero32(x), n) << x;
    for (const double x : {2147483647.5, -2147483648.6, 1e300, HUGE_VAL, std::nan("")})
        EXPECT_EQ(errorDe([x] { aEntero32(x); }), TipoError::Desbordamiento) << x;
}

TEST(CocienteYResto, ExactosHasta2A53YReglasDeLosNegativos) {
    struct Caso {
        double a, b, cociente, resto;
    };
    // Exact up to 2^53, whatever the 15-digit text of a ÷ b; a fraction keeps its fractional
    // remainder; 1 and 0 when a = b; 0 and a when a < b or b is negative.
    std::vector<Caso> casos = {
        {7.5, 2, 3, 1.5}, {7, 7, 1, 0},     {0, 0, 1, 0},    {-5, -5, 1, 0},   {3, 5, 0, 3},
        {0, 5, 0, 0},     {-12, 8, 0, -12}, {12, -8, 0, 12}, {-3, -10, 0, -3}, {-10, -3, 0, -10},
        {0, -4, 0, 0},    {-4, 0, 0, -4},   {12, 8, 1, 4},
    };
    casos.insert(casos.end(), {{999999999999999, 2, 499999999999999, 1},
                               {2000000000000003, 2, 1000000000000001, 1},
                               {1e15, 3, 333333333333333, 1},
                               {9007199254740991, 10, 900719925474099, 1},
                               {9007199254740992, 9007199254740991, 1, 1},
                               {2147483647, 2, 1073741823, 1},
                               {4294967297.0, 2147483648.0, 2, 1}});
    for (const auto& c : casos) {
        EXPECT_EQ(cocienteEntero(c.a, c.b), c.cociente) << c.a << " / " << c.b;
        EXPECT_EQ(restoEntero(c.a, c.b), c.resto) << c.a << " mod " << c.b;
    }
    for (const double a : {1.0, 2147483648.0}) {
        EXPECT_EQ(errorDe([a] { restoEntero(a, 0); }), TipoError::DivisionPorCero) << a;
        EXPECT_EQ(errorDe([a] { cocienteEntero(a, 0); }), TipoError::DivisionPorCero) << a;
    }
    for (double a = 1e14; a < 1e14 + 2000; a += 137) {
        for (const double b : {3.0, 97.0, 65537.0, 99999999977.0}) {
            const double r = restoEntero(a, b);
            EXPECT_EQ(cocienteEntero(a, b) * b + r, a);
            EXPECT_TRUE(r >= 0 && r < b) << a << " mod " << b;
        }
    }
}

TEST(NoEsEntero, SoloUnMenosOpcionalYCifras) {
    for (const char* texto : {"123", "-45", "0", "007", ""})
        EXPECT_EQ(noEsEntero(texto), 0) << '"' << texto << '"';
    for (const char* texto : {"-", "1,5", "1.5", "1E+15", "+5", " 5", "5 ", "--5", "1e3", "a"})
        EXPECT_EQ(noEsEntero(texto), 1) << '"' << texto << '"';
    fijaSeparadorDecimal(',');
    EXPECT_EQ(noEsEntero(999999999999999.0), 0);
    EXPECT_EQ(noEsEntero(-12.0), 0);
    EXPECT_EQ(noEsEntero(1e15), 1);  // its decimal text has an exponent
    EXPECT_EQ(noEsEntero(2.5), 1);
}

TEST(Mcm, ExactoBajo1E15) {
    EXPECT_EQ(mcm(-12, 8, 4), 24);
    // Two 15-digit inputs with a large gcd: a × b loses digits, |a| ÷ g × |b| does not.
    EXPECT_EQ(mcm(185783260201980, 278674890302970, 92891630100990), 557349780605940);
    EXPECT_EQ(noEsEntero(mcm(494065645841247, 494065645841246, 1)), 1);
}

TEST(CambioDeBase, DesarrolloCeroUnoElMayorEnteroEIdaYVueltaEnCadaBase) {
    fijaSeparadorDecimal(',');
    const auto diez = aBaseB(10, 2, "2", "10");
    EXPECT_EQ(diez.resultado, "1010");
    EXPECT_EQ(diez.desarrollo, "1·2^(3) + 0·2^(2) + 1·2^(1) + 0·2^(0) = 10");
    EXPECT_EQ(aBase10("1010", 2, "2").desarrollo, diez.desarrollo);
    EXPECT_EQ(aBase10("1010", 10, "10").desarrollo,
              "1·10^(3) + 0·10^(2) + 1·10^(1) + 0·10^(0) = 1010");
    EXPECT_EQ(aBaseB(0, 7, "7", "0").desarrollo, "0·7^(0) = 0");
    EXPECT_EQ(aBaseB(2147483647, 2, "2", "x").resultado, std::string(31, '1'));
    EXPECT_EQ(aBaseB(2147483647, 9, "9", "x").resultado, "5478773671");
    EXPECT_EQ(aBase10(std::string(60, '1'), 2, "2").resultado, "1,15292150460685E+18");
    std::vector<std::int32_t> valores{0, 1, 2147483647};
    for (std::int64_t n = 7; n < 2147483647; n = n * 3 + 7)
        valores.push_back(static_cast<std::int32_t>(n));
    for (int b = 2; b <= 10; ++b) {
        EXPECT_EQ(aBaseB(0, b, "b", "0").resultado, "0");
        EXPECT_EQ(aBaseB(1, b, "b", "1").resultado, "1");
        for (const std::int32_t n : valores) {
            const auto ida = aBaseB(n, b, "b", "n");
            ASSERT_TRUE(std::all_of(ida.resultado.begin(), ida.resultado.end(),
                                    [b](char d) { return d >= '0' && d - '0' < b; }));
            EXPECT_EQ(aBase10(ida.resultado, b, "b").resultado, std::to_string(n)) << b;
        }
    }
}

}  // namespace
}  // namespace zefra
