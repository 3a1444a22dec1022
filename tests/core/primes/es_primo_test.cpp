#include "primes/es_primo.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "arithmetic/numeros.hpp"
#include "comun/reloj_falso.hpp"
#include "core/primes/criba.hpp"
#include "shell/errores.hpp"
#include "shell/estado.hpp"

namespace zefra {
namespace {

class EsPrimoPrueba : public ::testing::Test {
  protected:
    void SetUp() override {
        fijaSeparadorDecimal(',');
        estado.observadores.veredictoEsPrimo = [this](std::string_view v) {
            veredictos.emplace_back(v);
        };
    }

    pruebas::RelojFalso reloj;
    Estado estado{reloj};
    std::vector<std::string> veredictos;
};

TEST_F(EsPrimoPrueba, CoincideConLaCribaPorDebajoDeCienMil) {
    const auto primo = pruebas::criba(99999);
    for (int n = 0; n < 100000; ++n) {
        const auto r = esPrimo(estado, static_cast<double>(n));
        ASSERT_TRUE(r) << n;
        ASSERT_EQ(*r, primo[static_cast<std::size_t>(n)] ? 1 : 0) << n;
        ASSERT_EQ(veredictos.back(), primo[static_cast<std::size_t>(n)] ? kEsPrimo : kNoEsPrimo);
    }
    EXPECT_EQ(veredictos.size(), 100000u);
}

TEST_F(EsPrimoPrueba, BordesYNumerosGrandes) {
    struct Caso {
        double n;
        int primo;
    };
    const Caso casos[] = {
        {0, 0},
        {-0.0, 0},
        {1, 0},  // not a prime: it has one divisor
        {2, 1},
        {3, 1},
        {2.5, 0},  // not whole
        {7.000001, 0},
        {25, 0},
        {35, 0},
        {49, 0},
        {2147483647, 1},
        {9007199254740881, 1},  // the largest prime below 2^53
        {9007199254740847, 1},
        {9007199254740991, 0},  // 2^53 − 1 = 6361 × 69431 × 20394401
        {9007199254740992, 0},  // 2^53
        {9007196099250001, 0},  // 94906249², found by d − 1 at the last pass
        {9007195719625009, 0},  // 94906247², found by d + 1 = √n + 1
        {9007195909437503, 0},  // 94906247 × 94906249
        {1e300, 0},
    };
    for (const auto& c : casos) {
        veredictos.clear();
        const auto r = esPrimo(estado, c.n);
        ASSERT_TRUE(r) << c.n;
        EXPECT_EQ(*r, c.primo) << std::to_string(c.n);
        EXPECT_EQ(veredictos,
                  std::vector<std::string>{std::string(c.primo ? kEsPrimo : kNoEsPrimo)});
    }
}

TEST_F(EsPrimoPrueba, UnNegativoEsArgumentoNoValidoSinVeredicto) {
    for (const double n : {-7.0, -2.0, -3.0, -4.0, -2.5, -1e300}) {
        try {
            esPrimo(estado, n);
            ADD_FAILURE() << "no error for " << n;
        } catch (const ErrorEjecucion& e) {
            EXPECT_EQ(e.tipo(), TipoError::ArgumentoNoValido) << n;
        }
    }
    EXPECT_TRUE(veredictos.empty());
}

TEST_F(EsPrimoPrueba, ElPresupuestoSoloSeLeeCuandoHayQueDividir) {
    estado.tiempo.presupuesto.minutos = "diez";
    EXPECT_EQ(esPrimo(estado, 10), 0);
    EXPECT_EQ(esPrimo(estado, 1), 0);
    EXPECT_EQ(esPrimo(estado, 2.5), 0);
    for (const double n : {7.0, -7.0}) {
        try {
            esPrimo(estado, n);
            ADD_FAILURE() << "no error for " << n;
        } catch (const ErrorEjecucion& e) {
            EXPECT_EQ(e.tipo(), TipoError::TiposNoCoinciden) << n;
        }
    }
}

TEST_F(EsPrimoPrueba, TiempoAgotadoSinVeredictoYConInicioPrivado) {
    estado.tiempo.presupuesto.segundos = "0";
    reloj.paso = 0.001;
    EXPECT_FALSE(esPrimo(estado, 9007199254740881));
    EXPECT_FALSE(esPrimo(estado, 25));  // 25 still needs one pass
    EXPECT_TRUE(veredictos.empty());
    EXPECT_FALSE(estado.tiempo.inicial());
    // Below 25 the bound ends the loop before any time check.
    EXPECT_EQ(esPrimo(estado, 23), 1);
    EXPECT_EQ(veredictos, std::vector<std::string>{std::string(kEsPrimo)});
}

}  // namespace
}  // namespace zefra
