#include "primes/lista_primos.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "comun/reloj_falso.hpp"
#include "core/primes/criba.hpp"
#include "shell/errores.hpp"

namespace zefra {
namespace {

using Primos = std::vector<std::int32_t>;

class ListaPrimosPrueba : public ::testing::Test {
  protected:
    Primos lista() const {
        Primos primos;
        for (int i = 1; i <= tabla.cuenta(); ++i)
            primos.push_back(tabla.primo(i));
        return primos;
    }

    pruebas::RelojFalso reloj;
    Tiempo tiempo{reloj};
    TablaPrimos tabla;
};

TEST_F(ListaPrimosPrueba, TopesPequenosYRedondeoDelTope) {
    struct Caso {
        double tope;
        Primos primos;
    };
    const Caso casos[] = {
        {-7, {}},
        {0, {}},
        {1, {}},
        {2, {2}},
        {3, {2, 3}},
        {4, {2, 3}},
        {5, {2, 3, 5}},
        {7, {2, 3, 5, 7}},
        {25, {2, 3, 5, 7, 11, 13, 17, 19, 23}},
        {49, {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47}},
        {2.5, {2}},        // halves to even: 2
        {3.5, {2, 3}},     // 4
        {4.5, {2, 3}},     // 4
        {5.5, {2, 3, 5}},  // 6
        {1.5, {2}},        // 2
    };
    for (const auto& c : casos) {
        const FinLista fin = listaPrimos(tiempo, c.tope, tabla);
        EXPECT_FALSE(fin.agotado) << c.tope;
        EXPECT_EQ(lista(), c.primos) << c.tope;
    }
}

TEST_F(ListaPrimosPrueba, CoincideConLaCribaHastaUnMillonYAvisaPorTandas) {
    std::vector<int> avisos;
    const FinLista fin = listaPrimos(tiempo, 1000000, tabla, [&](int k) { avisos.push_back(k); });
    EXPECT_FALSE(fin.agotado);
    EXPECT_EQ(tabla.cuenta(), 78498);
    EXPECT_EQ(lista(), pruebas::primosHasta(1000000));
    // Never once per prime: one notice per full batch, in increasing order.
    ASSERT_EQ(avisos.size(), 78498u / kAvisoListaPrimos);
    for (std::size_t i = 0; i < avisos.size(); ++i)
        EXPECT_EQ(avisos[i], static_cast<int>(i + 1) * kAvisoListaPrimos);
}

TEST_F(ListaPrimosPrueba, UnTopeFueraDeLos32BitsDesbordaTrasVaciarLaLista) {
    for (const double tope : {2147483648.0, 9999999999.0, -2147483649.0}) {
        listaPrimos(tiempo, 30, tabla);
        try {
            listaPrimos(tiempo, tope, tabla);
            ADD_FAILURE() << "no error for " << tope;
        } catch (const ErrorEjecucion& e) {
            EXPECT_EQ(e.tipo(), TipoError::Desbordamiento);
        }
        EXPECT_EQ(tabla.cuenta(), 0) << tope;
    }
}

TEST_F(ListaPrimosPrueba, LaTablaLlenaEsErrorDeSubindiceYConservaLoHallado) {
    // Eleven positions: position 0, nine primes and the end marker.
    TablaPrimos pequena(11);
    const Primos nueve = {2, 3, 5, 7, 11, 13, 17, 19, 23};
    listaPrimos(tiempo, 28, pequena);
    EXPECT_EQ(pequena.cuenta(), 9);
    try {
        listaPrimos(tiempo, 29, pequena);
        ADD_FAILURE() << "no error";
    } catch (const ErrorEjecucion& e) {
        EXPECT_EQ(e.tipo(), TipoError::SubindiceFueraDeIntervalo);
    }
    ASSERT_EQ(pequena.cuenta(), 9);
    for (int i = 1; i <= 9; ++i)
        EXPECT_EQ(pequena.primo(i), nueve[static_cast<std::size_t>(i - 1)]);
}

TEST_F(ListaPrimosPrueba, PresupuestoCeroSeDetieneAntesDelPrimerCandidato) {
    tiempo.presupuesto.segundos = "0";
    reloj.paso = 0.001;
    for (const double tope : {100.0, 1.0}) {
        tiempo.marcaInicio();
        const FinLista fin = listaPrimos(tiempo, tope, tabla);
        EXPECT_TRUE(fin.agotado);
        EXPECT_FALSE(fin.candidato.has_value());
        EXPECT_EQ(lista(), tope >= 3 ? (Primos{2, 3}) : Primos{});
    }
}

TEST_F(ListaPrimosPrueba, TiempoAgotadoDejaLosPrimosHastaElUltimoCandidato) {
    reloj.paso = 0.01;  // slow readings: the clock is read at every check
    for (const char* presupuesto : {"1", "2,5"}) {
        tiempo.presupuesto.segundos = presupuesto;
        tiempo.marcaInicio();
        const FinLista fin = listaPrimos(tiempo, 1000000, tabla);
        ASSERT_TRUE(fin.agotado);
        ASSERT_TRUE(fin.candidato.has_value());
        const auto c = static_cast<int>(*fin.candidato);
        EXPECT_TRUE(c % 6 == 1 || c % 6 == 5) << c;
        EXPECT_LT(c, 1000000);
        // Every prime below the candidate, and the candidate itself only when prime.
        const Primos hasta = pruebas::primosHasta(c);
        Primos antes = hasta;
        if (!antes.empty() && antes.back() == c) antes.pop_back();
        const Primos hallados = lista();
        EXPECT_TRUE(hallados == hasta || hallados == antes) << c;
    }
}

TEST_F(ListaPrimosPrueba, ElPresupuestoSeLeeAntesDeTocarLaListaYElInicioEsPrivado) {
    listaPrimos(tiempo, 10, tabla);
    EXPECT_FALSE(tiempo.inicial());
    tiempo.presupuesto.horas = "dos";
    EXPECT_THROW(listaPrimos(tiempo, 100, tabla), ErrorEjecucion);
    EXPECT_EQ(lista(), (Primos{2, 3, 5, 7}));
}

}  // namespace
}  // namespace zefra
