// The list of primes, the primality test and factorization, checked against answers found
// another way: a sieve of Eratosthenes and trial division.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/primes/es_primo.hpp"
#include "core/primes/factorizacion.hpp"
#include "core/primes/lista_primos.hpp"
#include "core/primes/valor_exacto.hpp"
#include "core/shell/prueba_nucleo.hpp"

namespace zefra {
namespace {

using pruebas::errorDe;
using Primos = std::vector<std::int32_t>;
using Factores = std::vector<std::pair<std::int32_t, std::int32_t>>;

// The primes up to n, by the sieve of Eratosthenes.
Primos primosHasta(int n) {
    std::vector<bool> compuesto(static_cast<std::size_t>(n) + 1);
    Primos primos;
    for (int i = 2; i <= n; ++i) {
        if (compuesto[static_cast<std::size_t>(i)]) continue;
        primos.push_back(i);
        for (std::int64_t j = std::int64_t{i} * i; j <= n; j += i)
            compuesto[static_cast<std::size_t>(j)] = true;
    }
    return primos;
}

// The factorization by trial division, each divisor tried until it no longer divides.
Factores factorizacionCompleta(std::int32_t n) {
    Factores f;
    for (std::int64_t d = 2; n > 1; ++d) {
        if (d * d > n) d = n;  // no divisor up to the square root: n is prime
        for (; n % d == 0; n /= static_cast<std::int32_t>(d)) {
            if (f.empty() || f.back().first != d) f.emplace_back(static_cast<std::int32_t>(d), 0);
            ++f.back().second;
        }
    }
    return f;
}

// One line of a factorization: the prime, a given number of blanks, the exponent.
std::string linea(const char* primo, std::size_t blancos, const char* exponente) {
    return primo + std::string(blancos, ' ') + exponente + "\r\n";
}

class Primo : public pruebas::PruebaNucleo {
  protected:
    Primos lista() const {
        Primos primos;
        for (int i = 1; i <= tabla.cuenta(); ++i)
            primos.push_back(tabla.primo(i));
        return primos;
    }
    // The rows of the factor table down to the first empty one; every row after it must be
    // empty too.
    Factores factores() const {
        Factores f;
        int fila = 1;
        for (; estado.factores.primo(fila) != TablaFactores::kVacia; ++fila)
            f.emplace_back(estado.factores.primo(fila), estado.factores.exponente(fila));
        for (; fila <= TablaFactores::kUltimaFila; ++fila) {
            EXPECT_EQ(estado.factores.primo(fila), TablaFactores::kVacia) << fila;
            EXPECT_EQ(estado.factores.exponente(fila), TablaFactores::kVacia) << fila;
        }
        return f;
    }
    ConTiempo<std::string> factoriza(double n) {
        return factorizaPrimos(tiempo, estado.factores, n);
    }
    TablaPrimos tabla;
};

TEST_F(Primo, ListaComoLaCribaHastaUnMillonConErroresYTiempoAgotado) {
    const Primos primeros = primosHasta(30);
    // The bound is rounded, halves to even: 1.5 is 2 and 2.5 is 2 too.
    const std::pair<double, std::size_t> casos[] = {
        {-7, 0}, {0, 0}, {1, 0}, {2, 1}, {3, 2}, {4, 2}, {5, 3}, {25, 9}, {1.5, 1}, {2.5, 1},
    };
    for (const auto& [tope, cuantos] : casos) {
        EXPECT_FALSE(listaPrimos(tiempo, tope, tabla).agotado) << tope;
        EXPECT_EQ(lista(), Primos(primeros.begin(), primeros.begin() + cuantos)) << tope;
    }
    std::vector<int> avisos;
    EXPECT_FALSE(listaPrimos(tiempo, 1000000, tabla, [&](int k) { avisos.push_back(k); }).agotado);
    EXPECT_EQ(lista(), primosHasta(1000000));
    // Never once per prime: one notice per full batch, in increasing order.
    ASSERT_EQ(avisos.size(), 78498u / kAvisoListaPrimos);
    for (std::size_t i = 0; i < avisos.size(); ++i)
        EXPECT_EQ(avisos[i], static_cast<int>(i + 1) * kAvisoListaPrimos);
    // Errors: an overflowed bound and a full list; then the time budget.
    for (const double tope : {2147483648.0, -2147483649.0}) {
        listaPrimos(tiempo, 30, tabla);
        EXPECT_EQ(errorDe([&] { listaPrimos(tiempo, tope, tabla); }), TipoError::Desbordamiento);
        EXPECT_EQ(tabla.cuenta(), 0) << tope;  // emptied before the bound overflowed
    }
    // Eleven positions: position 0, nine primes and the end marker.
    TablaPrimos pequena(11);
    listaPrimos(tiempo, 28, pequena);
    EXPECT_EQ(pequena.cuenta(), 9);
    EXPECT_EQ(errorDe([&] { listaPrimos(tiempo, 29, pequena); }),
              TipoError::SubindiceFueraDeIntervalo);
    EXPECT_EQ(pequena.cuenta() * 100 + pequena.primo(9), 923);
    // The budget is read before the list is touched, and the start stays private.
    listaPrimos(tiempo, 10, tabla);
    EXPECT_FALSE(tiempo.inicial());
    tiempo.fijaCampo(&Presupuesto::horas, "dos");
    EXPECT_EQ(errorDe([&] { listaPrimos(tiempo, 100, tabla); }), TipoError::TiposNoCoinciden);
    EXPECT_EQ(lista(), (Primos{2, 3, 5, 7}));

    tiempo.fijaCampo(&Presupuesto::horas, "");
    presupuesto("0", 0.001);  // budget 0 stops before the first candidate
    for (const double tope : {100.0, 1.0}) {
        tiempo.marcaInicio();
        const FinLista fin = listaPrimos(tiempo, tope, tabla);
        EXPECT_TRUE(fin.agotado && !fin.candidato.has_value()) << tope;
        EXPECT_EQ(lista(), tope >= 3 ? (Primos{2, 3}) : Primos{});
    }
    presupuesto("1", 0.01);  // slow readings: the clock is read at every check
    const FinLista fin = listaPrimos(tiempo, 1000000, tabla);
    ASSERT_TRUE(fin.agotado && fin.candidato.has_value());
    const auto c = static_cast<int>(*fin.candidato);
    EXPECT_TRUE(c % 6 == 1 || c % 6 == 5) << c;
    // Every prime below the candidate, and the candidate itself only when prime.
    Primos hasta = primosHasta(c);
    if (lista() != hasta && !hasta.empty() && hasta.back() == c) hasta.pop_back();
    EXPECT_EQ(lista(), hasta) << c;
}

TEST_F(Primo, EsPrimoComoLaCribaEnLosBordesConNegativosPresupuestoIlegibleYTiempoAgotado) {
    const Primos primos = primosHasta(99999);
    for (int n = 0; n < 100000; ++n) {
        const int es = std::binary_search(primos.begin(), primos.end(), n);
        ASSERT_EQ(esPrimo(tiempo, static_cast<double>(n)), es) << n;
    }
    const std::pair<double, int> casos[] = {
        {2147483647, 1},
        {9007199254740881, 1},  // the largest prime below 2^53
        {9007199254740991, 0},  // 2^53 − 1 = 6361 × 69431 × 20394401
        {9007196099250001, 0},  // 94906249², found by d − 1 at the last pass
        {9007195719625009, 0},  // 94906247², found by d + 1 = √n + 1
        {9007195909437503, 0},  // 94906247 × 94906249
        {1e300, 0},
    };
    for (const auto& [n, es] : casos)
        EXPECT_EQ(esPrimo(tiempo, n), es) << std::to_string(n);
    // A negative, a budget that cannot be read, a timeout.
    for (const double n : {-7.0, -2.5, -1e300})
        EXPECT_EQ(errorDe([&] { esPrimo(tiempo, n); }), TipoError::ArgumentoNoValido) << n;
    tiempo.fijaCampo(&Presupuesto::minutos, "diez");  // read only when there is something to divide
    for (const double n : {10.0, 1.0, 2.5})
        EXPECT_EQ(esPrimo(tiempo, n), 0) << n;
    for (const double n : {7.0, -7.0})
        EXPECT_EQ(errorDe([&] { esPrimo(tiempo, n); }), TipoError::TiposNoCoinciden) << n;
    tiempo.fijaCampo(&Presupuesto::minutos, "");
    presupuesto("0", 0.001);
    tiempo.reiniciaTiempo();
    EXPECT_FALSE(esPrimo(tiempo, 9007199254740881));
    EXPECT_FALSE(esPrimo(tiempo, 25));  // 25 still needs one pass
    EXPECT_FALSE(tiempo.inicial());     // a private start
    EXPECT_EQ(esPrimo(tiempo, 23), 1);  // below 25 no time check is needed
}

TEST_F(Primo, FactorizacionComoLaDivisionPorTanteoDesbordadaYCortada) {
    const std::pair<double, std::string> casos[] = {
        {12, linea("2", 24, "2") + linea("3", 24, "1")},
        {26, linea("2", 24, "1") + linea("13", 22, "1")},
        {2147483647, linea("2147483647", 6, "1")},
        {2147117569, linea("46337", 16, "2")},              // the square of a prime
        {13.5, linea("2", 24, "1") + linea("7", 24, "1")},  // halves to even: 14
        {1, ""},
        {-2147483648.0, ""},
    };
    for (const auto& [n, texto] : casos) {
        EXPECT_EQ(factoriza(n), texto) << n;
        const auto entero = static_cast<std::int32_t>(std::nearbyint(n));
        EXPECT_EQ(factores(), entero > 1 ? factorizacionCompleta(entero) : Factores{}) << n;
    }
    // Every n up to 10000, some products of two large primes, and the top of the 32-bit range.
    std::vector<std::int32_t> numeros{1000003 * 2, 999983 * 997, 65537 * 32749, 46327 * 46337};
    for (std::int32_t n = 2; n <= 10000; ++n)
        numeros.push_back(n);
    for (std::int32_t n = 2147483647; n > 2147483647 - 3000; n -= 7)
        numeros.push_back(n);
    for (const std::int32_t n : numeros) {
        ASSERT_TRUE(factoriza(n));
        ASSERT_EQ(factores(), factorizacionCompleta(n)) << n;
    }
    // An overflow empties the table; a timeout keeps what was found.
    for (const double n : {2147483648.0, -2147483649.0}) {
        ASSERT_TRUE(factoriza(360));
        EXPECT_EQ(errorDe([&] { factoriza(n); }), TipoError::Desbordamiento);
        EXPECT_TRUE(factores().empty());
    }
    // The budget is read after the conversion: an overflow is reported before a bad field.
    tiempo.fijaCampo(&Presupuesto::horas, "x");
    EXPECT_EQ(errorDe([&] { factoriza(6); }), TipoError::TiposNoCoinciden);
    EXPECT_EQ(errorDe([&] { factoriza(1e10); }), TipoError::Desbordamiento);
    tiempo.fijaCampo(&Presupuesto::horas, "");
    presupuesto("0", 0.001);  // a timeout keeps what was found
    EXPECT_FALSE(factoriza(360));
    EXPECT_TRUE(factores().empty());
    presupuesto("1", 0.3);  // the clock is read at every check
    EXPECT_FALSE(factoriza(1024));
    const Factores parcial = factores();  // what was found stays
    ASSERT_EQ(parcial.size(), 1u);
    EXPECT_TRUE(parcial[0].first == 2 && parcial[0].second < 10);
    presupuesto("1", 0);
    tiempo.reiniciaTiempo();
    EXPECT_TRUE(factoriza(1024));
    EXPECT_TRUE(tiempo.inicial());  // it publishes its start
}

TEST(ValorExacto, EnteroYComparacionPorSusCifras) {
    for (const char* texto : {"-12", " +12 ", "12,000", "1,2e1", "1200e-2", "-0,0", "1e300", "5,"})
        EXPECT_TRUE(esEnteroExacto(texto)) << texto;
    for (const char* texto : {"0,5", "1,25e1", "1e-1", "5,00000000000000001", "9007199254740992,5"})
        EXPECT_FALSE(esEnteroExacto(texto)) << texto;
    // Above, equal to or below 2^53, though many of these read as the same double.
    const std::pair<const char*, int> casos[] = {
        {"9007199254740992", 0},         {"9007199254740993", 1},
        {"9007199254740991", -1},        {"9,007199254740993e15", 1},
        {"9007199254740992,0000001", 1}, {"9007199254740991,9999999", -1},
        {"0009007199254740992", 0},      {"-1e300", -1},
    };
    for (const auto& [texto, signo] : casos)
        EXPECT_EQ(comparaConEntero(texto, 9007199254740992), signo) << texto;
    EXPECT_EQ(
        comparaConEntero("-0", 0) + comparaConEntero("0,5", 1) + comparaConEntero("120e-1", 12),
        -1);
    for (const char* texto : {"", "doce", "1e", "1 2"}) {
        EXPECT_EQ(errorDe([&] { esEnteroExacto(texto); }), TipoError::TiposNoCoinciden) << texto;
        EXPECT_EQ(errorDe([&] { comparaConEntero(texto, 1); }), TipoError::TiposNoCoinciden);
    }
}

}  // namespace
}  // namespace zefra
