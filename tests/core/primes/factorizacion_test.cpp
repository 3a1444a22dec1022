#include "primes/factorizacion.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "arithmetic/numeros.hpp"
#include "comun/reloj_falso.hpp"
#include "shell/errores.hpp"
#include "shell/estado.hpp"

namespace zefra {
namespace {

using Factores = std::vector<std::pair<std::int32_t, std::int32_t>>;

// The factorization as the plain algorithm does it: every d from 2 on, each tried until it no
// longer divides, up to n itself, with no stop at the square root.
Factores factorizacionCompleta(std::int32_t n) {
    Factores f;
    for (std::int32_t d = 2; n > 1;) {
        if (n % d != 0) {
            ++d;
            continue;
        }
        if (!f.empty() && f.back().first == d) {
            ++f.back().second;
        } else {
            f.emplace_back(d, 1);
        }
        n /= d;
    }
    return f;
}

class FactorizacionPrueba : public ::testing::Test {
  protected:
    void SetUp() override { fijaSeparadorDecimal(','); }

    // Rows 1 … down to the first empty one; every row after it must be empty too.
    Factores filas() const {
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

    pruebas::RelojFalso reloj;
    Estado estado{reloj};
};

// One result line: the prime, a given number of blanks, the exponent.
std::string linea(const char* primo, std::size_t blancos, const char* exponente) {
    return primo + std::string(blancos, ' ') + exponente + "\r\n";
}

TEST_F(FactorizacionPrueba, LineasConSuRellenoYTabla) {
    struct Caso {
        double n;
        std::string texto;
        Factores factores;
    };
    const Caso casos[] = {
        {12, linea("2", 24, "2") + linea("3", 24, "1"), {{2, 2}, {3, 1}}},
        {360,
         linea("2", 24, "3") + linea("3", 24, "2") + linea("5", 24, "1"),
         {{2, 3}, {3, 2}, {5, 1}}},
        {4, linea("2", 24, "2"), {{2, 2}}},
        {26, linea("2", 24, "1") + linea("13", 22, "1"), {{2, 1}, {13, 1}}},
        {2147483647, linea("2147483647", 6, "1"), {{2147483647, 1}}},
        {2147117569, linea("46337", 16, "2"), {{46337, 2}}},  // the square of a prime
        {12.5, linea("2", 24, "2") + linea("3", 24, "1"), {{2, 2}, {3, 1}}},  // halves to 12
        {13.5, linea("2", 24, "1") + linea("7", 24, "1"), {{2, 1}, {7, 1}}},  // and to 14
        {1, "", {}},
        {0, "", {}},
        {-12, "", {}},
        {-2147483648.0, "", {}},
    };
    for (const auto& c : casos) {
        const auto texto = factorizaPrimos(estado, c.n);
        ASSERT_TRUE(texto) << c.n;
        EXPECT_EQ(*texto, c.texto) << c.n;
        EXPECT_EQ(filas(), c.factores) << c.n;
    }
}

TEST_F(FactorizacionPrueba, IgualQueElAlgoritmoCompletoYElProductoDevuelveN) {
    std::vector<std::int32_t> numeros;
    for (std::int32_t n = 2; n <= 10000; ++n)
        numeros.push_back(n);
    for (std::int32_t n : {1000003 * 2, 999983 * 997, 65537 * 32749, 46327 * 46337})
        numeros.push_back(n);
    for (const std::int32_t n : numeros) {
        ASSERT_TRUE(factorizaPrimos(estado, n));
        const Factores f = filas();
        ASSERT_EQ(f, factorizacionCompleta(n)) << n;
    }
    // The product of the table rebuilds n, also near the top of the 32-bit range.
    for (std::int64_t n = 2147483647 - 3000; n <= 2147483647; n += 7) {
        ASSERT_TRUE(factorizaPrimos(estado, static_cast<double>(n)));
        std::int64_t producto = 1;
        std::int32_t anterior = 1;
        for (const auto& [primo, exponente] : filas()) {
            EXPECT_GT(primo, anterior) << n;
            anterior = primo;
            for (int e = 0; e < exponente; ++e)
                producto *= primo;
        }
        EXPECT_EQ(producto, n);
    }
}

TEST_F(FactorizacionPrueba, FueraDeLos32BitsDesbordaConLaTablaYaVacia) {
    ASSERT_TRUE(factorizaPrimos(estado, 360));
    for (const double n : {2147483648.0, -2147483649.0, 1e10}) {
        try {
            factorizaPrimos(estado, n);
            ADD_FAILURE() << "no error for " << n;
        } catch (const ErrorEjecucion& e) {
            EXPECT_EQ(e.tipo(), TipoError::Desbordamiento);
        }
        EXPECT_TRUE(filas().empty());
    }
}

TEST_F(FactorizacionPrueba, TiempoAgotadoDejaLosFactoresHalladosYNoAvisa) {
    int avisos = 0;
    estado.observadores.factorizacion = [&](std::string_view) { ++avisos; };
    estado.tiempo.presupuesto.segundos = "0";
    reloj.paso = 0.001;
    estado.tiempo.marcaInicio();
    EXPECT_FALSE(factorizaPrimos(estado, 360));
    EXPECT_TRUE(filas().empty());

    estado.tiempo.presupuesto.segundos = "1";
    reloj.paso = 0.3;  // the clock is read at every check
    estado.tiempo.marcaInicio();
    EXPECT_FALSE(factorizaPrimos(estado, 1024));
    const Factores parcial = filas();
    ASSERT_EQ(parcial.size(), 1u);
    EXPECT_EQ(parcial[0].first, 2);
    EXPECT_LT(parcial[0].second, 10);
    EXPECT_EQ(avisos, 0);

    reloj.paso = 0;
    estado.tiempo.marcaInicio();
    EXPECT_TRUE(factorizaPrimos(estado, 1024));
    EXPECT_EQ(avisos, 1);
}

TEST_F(FactorizacionPrueba, PublicaSuInicioYLeeElPresupuestoTrasConvertir) {
    ASSERT_FALSE(estado.tiempo.inicial());
    ASSERT_TRUE(factorizaPrimos(estado, 6));
    EXPECT_TRUE(estado.tiempo.inicial());
    estado.tiempo.presupuesto.horas = "x";
    EXPECT_THROW(factorizaPrimos(estado, 6), ErrorEjecucion);
    try {
        factorizaPrimos(estado, 1e10);
    } catch (const ErrorEjecucion& e) {
        EXPECT_EQ(e.tipo(), TipoError::Desbordamiento);
    }
}

}  // namespace
}  // namespace zefra
