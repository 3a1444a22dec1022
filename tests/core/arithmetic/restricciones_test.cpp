#include "arithmetic/restricciones.hpp"

#include <gtest/gtest.h>

#include "arithmetic/numeros.hpp"

namespace zefra {
namespace {

// 12·X + 8·Y = 20: x = 5 + 2k, y = −5 − 3k.
const Parametrizacion kEjemplo{5, -5, 2, -3};

TEST(Restricciones, SinCotasTodoElEje) {
    const auto i = intervaloDeK(kEjemplo, {});
    ASSERT_TRUE(i);
    const auto d = describeIntervalo(*i);
    EXPECT_FALSE(d.finito);
    EXPECT_EQ(d.soluciones, "Existen infinitas soluciones para k en el intervalo");
    EXPECT_EQ(d.intervalo, "]-inf,+inf[");
}

TEST(Restricciones, CotasEnAmbosSentidosDeLosCoeficientes) {
    struct Caso {
        Cotas cotas;
        const char* intervalo;
    };
    const Caso casos[] = {
        {{0, 10, {}, {}}, "[-2,2]"},  // beta > 0: t = −2,5 and 2,5
        {{0, {}, {}, {}}, "[-2,+inf["},  {{{}, 10, {}, {}}, "]-inf,2]"},
        {{{}, {}, -20, {}}, "]-inf,5]"},  // alpha < 0: a lower bound on y bounds k above
        {{{}, {}, {}, 4}, "[-3,+inf["},  {{{}, {}, -20, 4}, "[-3,5]"},
        {{0, 10, -8, 100}, "[-2,1]"},    {{7, 7, {}, {}}, "[1,1]"},
    };
    for (const auto& c : casos) {
        const auto i = intervaloDeK(kEjemplo, c.cotas);
        ASSERT_TRUE(i) << c.intervalo;
        EXPECT_EQ(describeIntervalo(*i).intervalo, c.intervalo);
    }
    EXPECT_FALSE(intervaloDeK(kEjemplo, {6, 6, {}, {}}));  // x is always odd
    EXPECT_FALSE(intervaloDeK(kEjemplo, {10, 0, {}, {}}));
}

TEST(Restricciones, CoeficienteCeroEsUnaVariableConstante) {
    const Parametrizacion soloX{2, 0, 0, -1};  // 5·X + 0·Y = 10: x = 2 always
    EXPECT_TRUE(intervaloDeK(soloX, {2, 2, {}, {}}));
    EXPECT_TRUE(intervaloDeK(soloX, {-5, {}, {}, {}}));
    EXPECT_FALSE(intervaloDeK(soloX, {3, {}, {}, {}}));
    EXPECT_FALSE(intervaloDeK(soloX, {{}, 1, {}, {}}));
    const auto i = intervaloDeK(soloX, {0, 5, 0, 9});
    ASSERT_TRUE(i);
    EXPECT_EQ(describeIntervalo(*i).intervalo, "[-9,0]");
}

TEST(Restricciones, TextosDelRecuento) {
    fijaSeparadorDecimal(',');
    const auto uno = describeIntervalo({4, 4});
    EXPECT_TRUE(uno.finito);
    EXPECT_EQ(uno.soluciones, "Existe un numero finito de soluciones para k en el intervalo");
    EXPECT_EQ(uno.muestra, "Hay 1 solución.");
    EXPECT_EQ(describeIntervalo({-2, 2}).muestra, "Hay 5 soluciones.");
    const auto mil = describeIntervalo({1, 1000});
    EXPECT_EQ(mil.muestra, "Hay 1000 soluciones. Mostraremos sólo 500.");
    EXPECT_EQ(mil.ultimoK, 500);
    EXPECT_EQ(describeIntervalo({1, 500}).ultimoK, 500);
    EXPECT_EQ(describeIntervalo({1, 501}).ultimoK, 500);
}

TEST(Restricciones, TablaDeSoluciones) {
    Tabla tabla(2, 501);
    llenaSoluciones(tabla, kEjemplo, -2, 2);
    ASSERT_EQ(tabla.columnas(), 6);
    EXPECT_EQ(tabla.texto(0, 0), "Valor de k");
    EXPECT_EQ(tabla.texto(1, 0), "(x,y)=");
    const char* const pares[] = {"(1,1)", "(3,-2)", "(5,-5)", "(7,-8)", "(9,-11)"};
    for (int j = 1; j <= 5; ++j) {
        EXPECT_EQ(tabla.texto(0, j), textoDecimal(j - 3));
        EXPECT_EQ(tabla.texto(1, j), pares[j - 1]);
    }
    llenaSoluciones(tabla, kEjemplo, 1, 500);
    EXPECT_EQ(tabla.columnas(), 501);
    EXPECT_EQ(tabla.texto(1, 500), "(1005,-1505)");
}

TEST(Restricciones, MinimoYMaximo) {
    EXPECT_EQ(minimo(3, 2), 2);
    EXPECT_EQ(minimo(-1, 2), -1);
    EXPECT_EQ(maximo(3, 2), 3);
    EXPECT_EQ(maximo(-1, 2), 2);
}

}  // namespace
}  // namespace zefra
