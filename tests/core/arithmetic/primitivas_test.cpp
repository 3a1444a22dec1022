#include "arithmetic/primitivas.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "shell/errores.hpp"

namespace zefra {
namespace {

struct CasoDivision {
    double a;
    double b;
    double cociente;
    double resto;
};

TEST(CocienteYResto, SonExactosEnTodoElIntervalo) {
    const CasoDivision casos[] = {
        {12, 8, 1, 4},
        {8, 4, 2, 0},
        {7, 7, 1, 0},
        {3, 5, 0, 3},
        {0, 5, 0, 0},
        {999999999999999, 2, 499999999999999, 1},
        {2000000000000003, 2, 1000000000000001, 1},
        {1e15, 3, 333333333333333, 1},
        {2147483647, 2, 1073741823, 1},
        {2147483648.0, 65536, 32768, 0},
        {4294967297.0, 2147483648.0, 2, 1},
        {9007199254740991, 10, 900719925474099, 1},
        {9007199254740992, 9007199254740991, 1, 1},
        {494065645841247, 494065645841246, 1, 1},
        {7.5, 2, 3, 1.5},  // a fraction keeps its fractional remainder
    };
    for (const auto& c : casos) {
        EXPECT_EQ(cocienteEntero(c.a, c.b), c.cociente) << c.a << " / " << c.b;
        EXPECT_EQ(restoEntero(c.a, c.b), c.resto) << c.a << " mod " << c.b;
    }
}

TEST(CocienteYResto, ReglasParaOperandosNegativos) {
    const CasoDivision casos[] = {
        {-12, 8, 0, -12},   // a < b
        {12, -8, 0, 12},    // a positive over a negative b
        {-3, -10, 0, -3},   // quotient between 0 and 1
        {-10, -3, 0, -10},  // a < b
        {0, -4, 0, 0},     {-5, -5, 1, 0}, {-4, 0, 0, -4},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(cocienteEntero(c.a, c.b), c.cociente) << c.a << " / " << c.b;
        EXPECT_EQ(restoEntero(c.a, c.b), c.resto) << c.a << " mod " << c.b;
    }
}

TEST(CocienteYResto, DivisionPorCero) {
    for (const double a : {1.0, 2147483648.0}) {
        try {
            restoEntero(a, 0);
            ADD_FAILURE() << a;
        } catch (const ErrorEjecucion& e) {
            EXPECT_EQ(e.tipo(), TipoError::DivisionPorCero);
        }
        EXPECT_THROW(cocienteEntero(a, 0), ErrorEjecucion);
    }
    EXPECT_EQ(cocienteEntero(0, 0), 1);  // a = b
    EXPECT_EQ(restoEntero(0, 0), 0);
}

TEST(CocienteYResto, ElRestoRecomponeElDividendo) {
    for (double a = 1e14; a < 1e14 + 2000; a += 137) {
        for (const double b : {3.0, 97.0, 65537.0, 99999999977.0}) {
            const double q = cocienteEntero(a, b);
            const double r = restoEntero(a, b);
            EXPECT_EQ(q * b + r, a);
            EXPECT_GE(r, 0);
            EXPECT_LT(r, b);
        }
    }
}

TEST(NoEsEntero, TextosEnteros) {
    for (const char* texto : {"123", "-45", "0", "007", ""}) {
        EXPECT_EQ(noEsEntero(texto), 0) << '"' << texto << '"';
    }
}

TEST(NoEsEntero, TextosQueNoSonEnteros) {
    for (const char* texto : {"-", "1,5", "1.5", "1E+15", "+5", " 5", "5 ", "--5", "1e3", "a"}) {
        EXPECT_EQ(noEsEntero(texto), 1) << '"' << texto << '"';
    }
}

TEST(NoEsEntero, NumerosPorSuTextoDecimal) {
    EXPECT_EQ(noEsEntero(999999999999999.0), 0);
    EXPECT_EQ(noEsEntero(-12.0), 0);
    EXPECT_EQ(noEsEntero(1e15), 1);  // exponent form
    EXPECT_EQ(noEsEntero(2.5), 1);
}

TEST(Mcm, ExactoBajo1E15) {
    EXPECT_EQ(mcm(12, 8, 4), 24);
    EXPECT_EQ(mcm(-12, 8, 4), 24);
    // Two 15-digit inputs with a large gcd: a × b loses digits (its quotient by g is not even
    // whole), |a| ÷ g × |b| does not.
    EXPECT_EQ(mcm(185783260201980, 278674890302970, 92891630100990), 557349780605940);
    EXPECT_EQ(noEsEntero(mcm(494065645841247, 494065645841246, 1)), 1);
}

}  // namespace
}  // namespace zefra
