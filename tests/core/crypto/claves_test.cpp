// The keys of the affine system: the search lists, the class of a typed key, the test of
// consecutive codes.
#include "crypto/claves.hpp"

#include <gtest/gtest.h>

#include <numeric>

#include "alphabets/edicion.hpp"
#include "comun/reloj_falso.hpp"
#include "shell/errores.hpp"

namespace zefra {
namespace {

class Claves : public ::testing::Test {
  protected:
    BusquedaClaves busca(double minimo, double n) {
        tiempo.marcaInicio();
        return buscaClaves(tiempo, minimo, n);
    }
    pruebas::RelojFalso reloj;
    Tiempo tiempo{reloj};
};

// The keys prime to n from the first whole number not below the minimum, by brute force.
std::vector<double> esperadas(long long desde, long long n, std::size_t cuantas) {
    std::vector<double> r;
    for (long long x = desde; x < desde + 2000 && r.size() < cuantas; ++x) {
        if (std::gcd(x < 0 ? -x : x, n) == 1) r.push_back(static_cast<double>(x));
    }
    return r;
}

TEST_F(Claves, ListasPorMinimo) {
    const auto n28 = busca(1, 28);
    EXPECT_EQ(std::vector<double>(n28.claves.begin(), n28.claves.begin() + 13),
              (std::vector<double>{1, 3, 5, 9, 11, 13, 15, 17, 19, 23, 25, 27, 29}));
    EXPECT_EQ(n28.claves, esperadas(1, 28, 101));
    EXPECT_FALSE(n28.tiempoAgotado);
    // Each limit at both of its edges.
    const std::pair<double, std::size_t> casos[] = {
        {100000, 101}, {100001, 20},   {1000000, 20},   {1000001, 10},  {10000000, 10},
        {10000001, 5}, {999999999, 5}, {1000000000, 1}, {2147483547, 1}};
    for (const auto& [minimo, cuantas] : casos) {
        const auto b = busca(minimo, 195);
        EXPECT_EQ(b.claves.size(), cuantas) << minimo;
        EXPECT_EQ(b.claves, esperadas(static_cast<long long>(minimo), 195, cuantas)) << minimo;
    }
    // A fractional minimum starts at the next whole number.
    EXPECT_EQ(busca(1.5, 28).claves.front(), 3);
    EXPECT_EQ(busca(-2.5, 28).claves.front(), -1);
}

TEST_F(Claves, NuncaMasDeDosMilIntentos) {
    // With n = 0 only ±1 are prime to it: -1 is the 1999th value tried from -1999, 1 would be
    // the 2001st.
    EXPECT_EQ(busca(-1999, 0).claves, (std::vector<double>{-1}));
    EXPECT_EQ(busca(-2000, 0).claves, (std::vector<double>{-1}));
    EXPECT_TRUE(busca(-2001, 0).claves.empty());
}

TEST_F(Claves, TiempoAgotadoConservaLasEncontradas) {
    tiempo.presupuesto.segundos = "1";
    reloj.paso = 0.01;  // each gcd reads the clock at least once
    const auto b = busca(1, 28);
    EXPECT_TRUE(b.tiempoAgotado);
    EXPECT_FALSE(b.claves.empty());
    EXPECT_LT(b.claves.size(), 101u);
    EXPECT_EQ(b.claves, esperadas(1, 28, b.claves.size()));
}

TEST(ClaseDeClave, ExactaParaCualquierTamano) {
    const std::tuple<const char*, double, std::optional<double>> casos[] = {
        {" 31 ", 28, 3},
        {"+31", 28, 3},
        {"-3", 28, 25},
        {"-28", 28, 0},
        // 10^30 + 5: 10^30 ≡ 8 (mod 28), so 13; its opposite 15.
        {"1000000000000000000000000000005", 28, 13},
        {"-1000000000000000000000000000005", 28, 15},
        {"1e3", 195, 25},
        {"1,5E1", 28, 15},
        {"150e-1", 28, 15},
        {"3,000", 28, 3},
        {"2e20", 195, 5},  // 10^20 mod 195 = 100, 2·100 = 200 ≡ 5
        {"3,5", 28, std::nullopt},
        {"1e-1", 28, std::nullopt},
        {"1.0000000000000000001", 28, std::nullopt},  // whole as a double, not as typed
        {"x", 28, std::nullopt},
        {"", 28, std::nullopt},
        {"1e400", 28, std::nullopt},
        {"7", 1, 0},
    };
    for (const auto& [texto, n, clase] : casos)
        EXPECT_EQ(claseDeClave(texto, n), clase) << texto;
    EXPECT_THROW(claseDeClave("3", 0), ErrorEjecucion);
    EXPECT_THROW(claseDeClave("3", 2.5), ErrorEjecucion);
}

TEST(CodigosConsecutivos, DesdeCeroHastaElMayor) {
    pruebas::RelojFalso reloj;
    Tiempo tiempo{reloj};
    tiempo.marcaInicio();
    // A grid with these codes, in this order, from row 0 and on into the second pair.
    const auto consecutivos = [&](const std::vector<std::string>& codigos) {
        std::vector<Equivalencia> e;
        for (const auto& c : codigos)
            e.push_back({"s", c});
        Tabla t = tablaAlfabeto();
        fijaEquivalencias(t, e);
        return codigosConsecutivos(tiempo, t);
    };
    const std::pair<std::vector<std::string>, bool> casos[] = {
        {{"03", "01", "00", "02"}, true},
        {{"00", "01", "02", "04"}, false},
        {{"01", "02"}, false},
        {{"00"}, true},
        {{}, false},
        {{"00", "10000"}, false},
        {{"0000", "0001"}, true},
    };
    for (const auto& [codigos, esperado] : casos)
        EXPECT_EQ(consecutivos(codigos), esperado) << ::testing::PrintToString(codigos);
    std::vector<std::string> todos;
    for (int k = 255; k >= 0; --k)
        todos.push_back(std::to_string(k));
    EXPECT_EQ(consecutivos(todos), true);
    tiempo.presupuesto.segundos = "0";
    reloj.paso = 1;
    EXPECT_EQ(consecutivos(todos), std::nullopt);
}

}  // namespace
}  // namespace zefra
