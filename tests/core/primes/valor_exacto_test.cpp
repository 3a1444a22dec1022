#include "primes/valor_exacto.hpp"

#include <gtest/gtest.h>

#include "shell/errores.hpp"

namespace zefra {
namespace {

TEST(ValorExacto, EnteroPorSusCifras) {
    struct Caso {
        const char* texto;
        bool entero;
    };
    const Caso casos[] = {
        {"12", true},
        {"-12", true},
        {" +12 ", true},
        {"12,000", true},
        {"1,2e1", true},
        {"1200e-2", true},
        {"0", true},
        {"-0,0", true},
        {"0,5", false},
        {"12,5", false},
        {"1,25e1", false},
        {"1e-1", false},
        {"5,00000000000000001", false},
        {"9007199254740992,5", false},
        {"1e300", true},
        {",5", false},
        {"5,", true},
    };
    for (const auto& c : casos)
        EXPECT_EQ(esEnteroExacto(c.texto), c.entero) << c.texto;
}

TEST(ValorExacto, ComparaConUnEnteroSinPasarPorElDouble) {
    constexpr std::uint64_t k2a53 = 9007199254740992;
    struct Caso {
        const char* texto;
        std::uint64_t valor;
        int signo;
    };
    const Caso casos[] = {
        {"9007199254740992", k2a53, 0},
        {"9007199254740993", k2a53, 1},  // reads as the same double
        {"9007199254740991", k2a53, -1},
        {"9,007199254740993e15", k2a53, 1},
        {"9007199254740992,0000001", k2a53, 1},
        {"9007199254740991,9999999", k2a53, -1},
        {"0009007199254740992", k2a53, 0},
        {"1e300", k2a53, 1},
        {"-1e300", k2a53, -1},
        {"-0", 0, 0},
        {"0,5", 0, 1},
        {"0,5", 1, -1},
        {"120e-1", 12, 0},
        {"99", 100, -1},
    };
    for (const auto& c : casos)
        EXPECT_EQ(comparaConEntero(c.texto, c.valor), c.signo) << c.texto << " vs " << c.valor;
}

TEST(ValorExacto, UnTextoNoNumericoEsErrorDeTipos) {
    for (const char* texto : {"", "doce", "1e", "1 2"}) {
        EXPECT_THROW(esEnteroExacto(texto), ErrorEjecucion) << texto;
        EXPECT_THROW(comparaConEntero(texto, 1), ErrorEjecucion) << texto;
    }
}

}  // namespace
}  // namespace zefra
