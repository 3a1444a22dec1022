#include "modular/representante.hpp"

#include <gtest/gtest.h>

#include "comun/reloj_falso.hpp"
#include "modular/razonamientos.hpp"

namespace zefra {
namespace {

class RepresentantePrueba : public ::testing::Test {
  protected:
    RepresentantePrueba() {
        estado.observadores.representante = [this](double r, double q) {
            resto = r;
            cociente = q;
        };
    }
    pruebas::RelojFalso reloj;
    Estado estado{reloj};
    double resto = 99;
    double cociente = 99;
};

TEST_F(RepresentantePrueba, AmbosSignosConSuDivision) {
    struct Caso {
        double n, a, r, resto, cociente;
    };
    const Caso casos[] = {
        {10, 37, 7, 7, 3},
        {10, -33, 7, -3, -3},
        {10, -30, 0, 0, -3},
        {10, 0, 0, 0, 0},
        {10, -3, 7, -3, 0},
        {1, -12345, 0, 0, -12345},
        {1, 2147483647, 0, 0, 2147483647},
        {2147483647, 2147483647, 0, 0, 1},
        {2147483647, -2147483647, 0, 0, -1},
        {2147483647, -2147483646, 1, -2147483646, 0},
        {2147483646, 2147483647, 1, 1, 1},
        {4294967296.0, 4294967297.0, 1, 1, 1},  // beyond 32 bits the exact remainder is used
    };
    for (const auto& c : casos) {
        EXPECT_EQ(representante(estado, c.n, c.a), c.r) << c.n << ' ' << c.a;
        EXPECT_EQ(resto, c.resto) << c.n << ' ' << c.a;
        EXPECT_EQ(cociente, c.cociente) << c.n << ' ' << c.a;
        EXPECT_EQ(c.cociente * c.n + c.resto, c.a);
    }
}

TEST_F(RepresentantePrueba, Razonamiento) {
    EXPECT_EQ(razonamientoRepresentante(37, 10, 3, 7, 7), " 37 = 3 * 10 + 7");
    EXPECT_EQ(razonamientoRepresentante(-33, 10, -3, -3, 7),
              " -33 = -3 * 10 + -3\r\n\r\n  [-3] = [7 - 10] = [ 7 ]");
    EXPECT_EQ(razonamientoRepresentante(-30, 10, -3, 0, 0), " -30 = -3 * 10 + 0");
}

}  // namespace
}  // namespace zefra
