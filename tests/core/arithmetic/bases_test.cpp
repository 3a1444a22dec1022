#include "arithmetic/bases.hpp"

#include <gtest/gtest.h>

#include <string>

#include "arithmetic/numeros.hpp"

namespace zefra {
namespace {

TEST(CambioDeBase, EjemplosDeLaVentana) {
    const auto diez = aBaseB(10, 2, "2", "10");
    EXPECT_EQ(diez.resultado, "1010");
    EXPECT_EQ(diez.desarrollo, "1\u00b72^(3) + 0\u00b72^(2) + 1\u00b72^(1) + 0\u00b72^(0) = 10");
    const auto vuelta = aBase10("1010", 2, "2");
    EXPECT_EQ(vuelta.resultado, "10");
    EXPECT_EQ(vuelta.desarrollo, diez.desarrollo);
    EXPECT_EQ(aBase10("1010", 10, "10").desarrollo,
              "1\u00b710^(3) + 0\u00b710^(2) + 1\u00b710^(1) + 0\u00b710^(0) = 1010");
}

TEST(CambioDeBase, CeroUnoYElMayorEntero) {
    for (int b = 2; b <= 10; ++b) {
        const std::string base = std::to_string(b);
        EXPECT_EQ(aBaseB(0, b, base, "0").resultado, "0");
        EXPECT_EQ(aBaseB(0, b, base, "0").desarrollo, "0\u00b7" + base + "^(0) = 0");
        EXPECT_EQ(aBaseB(1, b, base, "1").resultado, "1");
        EXPECT_EQ(aBase10("0", b, base).resultado, "0");
    }
    EXPECT_EQ(aBaseB(2147483647, 2, "2", "2147483647").resultado, std::string(31, '1'));
    EXPECT_EQ(aBaseB(255, 2, "2", "255").resultado, "11111111");
    EXPECT_EQ(aBaseB(2147483647, 10, "10", "2147483647").resultado, "2147483647");
    EXPECT_EQ(aBase10(std::string(31, '1'), 2, "2").resultado, "2147483647");
    EXPECT_EQ(aBaseB(2147483647, 9, "9", "x").resultado, "5478773671");
}

TEST(CambioDeBase, IdaYVueltaEnTodasLasBases) {
    fijaSeparadorDecimal(',');
    for (int b = 2; b <= 10; ++b) {
        for (std::int64_t n = 0; n <= 2147483647; n = n * 3 + 7) {
            const auto ida = aBaseB(static_cast<std::int32_t>(n), b, "b", "n");
            for (const char d : ida.resultado)
                ASSERT_LT(d - '0', b);
            EXPECT_EQ(aBase10(ida.resultado, b, "b").resultado, std::to_string(n)) << b;
        }
    }
}

TEST(CambioDeBase, CadenasLargasDanElValorEnFormaDecimal) {
    fijaSeparadorDecimal(',');
    EXPECT_EQ(aBase10(std::string(60, '1'), 2, "2").resultado, "1,15292150460685E+18");
}

}  // namespace
}  // namespace zefra
