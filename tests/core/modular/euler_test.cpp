#include "modular/euler.hpp"

#include <gtest/gtest.h>

#include <numeric>
#include <string>

#include "comun/reloj_falso.hpp"
#include "primes/factorizacion.hpp"

namespace zefra {
namespace {

class EulerPrueba : public ::testing::Test {
  protected:
    EulerPrueba() {
        estado.observadores.primosEuler = [this](std::string_view texto, bool terminada) {
            lista = texto;
            bloqueada = terminada;
        };
    }
    pruebas::RelojFalso reloj;
    Estado estado{reloj};
    std::string lista = "-";
    bool bloqueada = false;
};

// φ by the product formula over the distinct primes, computed independently.
double phiFormula(long n) {
    double phi = static_cast<double>(n);
    long resto = n;
    for (long p = 2; p <= resto; ++p) {
        if (resto % p != 0) continue;
        while (resto % p == 0)
            resto /= p;
        phi = phi / static_cast<double>(p) * static_cast<double>(p - 1);
    }
    return phi;
}

TEST_F(EulerPrueba, CoincideConLaFormulaDelProducto) {
    for (long n = 1; n <= 100000; n += (n < 3000 ? 1 : 97)) {
        ASSERT_EQ(*funcionEuler(estado, static_cast<double>(n)), phiFormula(n)) << n;
    }
    EXPECT_EQ(phiPorFactores(2146654199), 46326ull * 46336ull);
    EXPECT_EQ(phiPorFactores(4294967296ull), 2147483648ull);
}

TEST_F(EulerPrueba, LaListaCuentaYEnumera) {
    for (long n = 1; n <= 400; ++n) {
        long cuenta = 0;
        for (long i = 1; i <= n; ++i)
            cuenta += std::gcd(i, n) == 1;
        ASSERT_EQ(*funcionEulerLista(estado, static_cast<double>(n)), cuenta) << n;
    }
    EXPECT_EQ(*funcionEulerLista(estado, 12), 4);
    EXPECT_EQ(lista, "1, 5, 7, 11");
    EXPECT_TRUE(bloqueada);
    EXPECT_EQ(*funcionEulerLista(estado, 7), 6);
    EXPECT_EQ(lista, "1 -- 6");
    EXPECT_FALSE(bloqueada);
    EXPECT_EQ(*funcionEulerLista(estado, 1), 1);
    EXPECT_EQ(lista, "1");
    EXPECT_EQ(*funcionEulerLista(estado, 10001), 9792);
    EXPECT_EQ(lista, "Demasiados números.");
    EXPECT_EQ(*funcionEulerLista(estado, 0), 0);
    EXPECT_EQ(*funcionEulerLista(estado, -5), 0);
}

TEST_F(EulerPrueba, SinListaSoloLosPrimosLaEscriben) {
    EXPECT_EQ(*funcionEuler(estado, 12), 4);
    EXPECT_EQ(lista, "");
    EXPECT_EQ(*funcionEuler(estado, 2147483647), 2147483646);
    EXPECT_EQ(lista, "1 -- 2147483646");
}

TEST_F(EulerPrueba, RecuerdaElUltimoModulo) {
    EXPECT_EQ(*funcionEuler(estado, 2146654199), 46326.0 * 46336.0);
    // What is remembered is what is answered for the same modulus: nothing is recomputed.
    estado.memoriaModulo.phi = 7;
    EXPECT_EQ(*funcionEuler(estado, 2146654199), 7);
    EXPECT_EQ(*funcionEuler(estado, 12), 4);  // another modulus: worked out afresh
    EXPECT_EQ(*funcionEuler(estado, 2146654199), 46326.0 * 46336.0);
}

TEST_F(EulerPrueba, ElTiempoAgotadoAlContar) {
    estado.tiempo.presupuesto.segundos = "1";
    estado.tiempo.marcaInicio();
    reloj.paso = 0.01;
    EXPECT_FALSE(funcionEulerLista(estado, 9999));
    EXPECT_FALSE(estado.memoriaModulo.phi);
}

TEST_F(EulerPrueba, FormulaDesdeLaTablaDeFactores) {
    factorizaPrimos(estado, 12);
    const auto f = formulaEuler(estado.factores, "12");
    EXPECT_EQ(f.descomposicion, "2^2 * 3^1");
    EXPECT_EQ(f.formula, "12 * (1 - 1/2) * (1 - 1/3)");
    factorizaPrimos(estado, 1);
    EXPECT_EQ(formulaEuler(estado.factores, "1").formula, "");
    EXPECT_EQ(explicacionEuler(4, 12),
              "Además hay 4 enteros positivos menores \r\nque 12 y primos de 12.");
}

}  // namespace
}  // namespace zefra
