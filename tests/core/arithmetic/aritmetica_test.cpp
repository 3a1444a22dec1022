// The integer and decimal arithmetic everything else stands on: numeric and decimal text, the
// primitives, base conversion, Euclid's algorithm and Diophantine equations with their bounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/arithmetic/bases.hpp"
#include "core/arithmetic/diofantica.hpp"
#include "core/arithmetic/primitivas.hpp"
#include "core/arithmetic/restricciones.hpp"
#include "core/shell/prueba_nucleo.hpp"

namespace zefra {
namespace {

using pruebas::errorDe;

TEST(LeeNumero, AceptaLoQueUnEstudianteEscribeYNadaMas) {
    // clang-format off
    const std::pair<std::string, double> numeros[] = {
        {"12", 12}, {"  -45 ", -45}, {"+7", 7}, {"0,5", 0.5}, {"0.5", 0.5}, {",5", 0.5}, {"5.", 5}, {"1E+3", 1000},
        {"2,5e-1", 0.25}, {"-0", 0}, {"1e308", 1e308}, {"1e-400", 0}, {"1e-99999999999999999999", 0},
        {std::string(300, '0') + "25", 25}, {"494065645841247", 494065645841247},
        {"9007199254740993", 9007199254740992}};  // the nearest double
    for (const auto& [texto, valor] : numeros)
        EXPECT_EQ(leeNumero(texto), std::optional(valor)) << '"' << texto << '"';
    for (const std::string texto : {"", "   ", "-", ",", "1e309", "1,000.5", "1.5.2", "1e", "1e+", "inf", "NaN", "0x1A",
                                    "12a", "- 5", "5-", "\t5", "1 000", "--5", "ñ", "1e99999999999999999999"})
        EXPECT_FALSE(leeNumero(texto).has_value()) << '"' << texto << '"';
    // clang-format on
    EXPECT_FALSE(leeNumero(std::string(10000, '7')).has_value());
}

// Each text with ',' as the separator; with '.' it is the same text with '.' in its place. That
// every text reads back is the fuzz checks' round trip.
TEST(TextoDecimal, QuinceCifrasFormaExponencialYElSeparadorDelSistema) {
    // clang-format off
    const std::pair<double, std::string> casos[] = {
        {0, "0"}, {-0.0, "0"}, {-45, "-45"}, {-0.25, "-0,25"}, {1e15, "1E+15"}, {1e300, "1E+300"}, {-1.5e20, "-1,5E+20"},
        {1.5e-15, "1,5E-15"}, {999999999999999, "999999999999999"}, {1e15 + 2, "1E+15"}, {2.0 / 3, "0,666666666666667"},
        {9007199254740992, "9,00719925474099E+15"}, {0.000001234, "0,000001234"}, {1e-15, "0,000000000000001"},
        {1.23456789012345e-5, "1,23456789012345E-05"}, {4.9e-324, "4,94065645841247E-324"}};
    // clang-format on
    for (const char separador : {'.', ','}) {
        fijaSeparadorDecimal(separador);
        for (auto [valor, texto] : casos) {
            std::replace(texto.begin(), texto.end(), ',', separador);
            EXPECT_EQ(textoDecimal(valor), texto) << valor;
        }
    }
    for (const double x : {HUGE_VAL, std::nan("")})
        EXPECT_EQ(errorDe([x] { textoDecimal(x); }), TipoError::Desbordamiento) << x;
}

TEST(AEntero32, RedondeaAlParYDesbordaFueraDeRango) {
    const std::pair<double, std::int32_t> casos[] = {{2.5, 2},
                                                     {3.5, 4},
                                                     {-2.5, -2},
                                                     {4.4, 4},
                                                     {2147483647.4, 2147483647},
                                                     {-2147483648.0, -2147483647 - 1}};
    for (const auto& [x, n] : casos)
        EXPECT_EQ(aEntero32(x), n) << x;
    for (const double x : {2147483647.5, -2147483648.6, 1e300, HUGE_VAL, std::nan("")})
        EXPECT_EQ(errorDe([x] { aEntero32(x); }), TipoError::Desbordamiento) << x;
}

TEST(CocienteYResto, ExactosHasta2A53YReglasDeLosNegativos) {
    using Caso = std::array<double, 4>;  // a, b, the quotient and the remainder
    // Exact up to 2^53, whatever the 15-digit text of a ÷ b; a fraction keeps its fractional
    // remainder; 1 and 0 when a = b; 0 and a when a < b or b is negative.
    // clang-format off
    const Caso casos[] = {
        {7.5, 2, 3, 1.5}, {7, 7, 1, 0}, {0, 0, 1, 0}, {-5, -5, 1, 0}, {3, 5, 0, 3}, {0, 5, 0, 0}, {-12, 8, 0, -12},
        {12, -8, 0, 12}, {-3, -10, 0, -3}, {-10, -3, 0, -10}, {0, -4, 0, 0}, {-4, 0, 0, -4}, {12, 8, 1, 4},
        {999999999999999, 2, 499999999999999, 1}, {2000000000000003, 2, 1000000000000001, 1},
        {9007199254740991, 10, 900719925474099, 1}, {9007199254740992, 9007199254740991, 1, 1},
        {2147483647, 2, 1073741823, 1}, {4294967297.0, 2147483648.0, 2, 1}};
    // clang-format on
    for (const auto& [a, b, cociente, resto] : casos) {
        EXPECT_EQ(cocienteEntero(a, b), cociente) << a << " / " << b;
        EXPECT_EQ(restoEntero(a, b), resto) << a << " mod " << b;
    }
    for (const double a : {1.0, 2147483648.0}) {
        EXPECT_EQ(errorDe([a] { restoEntero(a, 0); }), TipoError::DivisionPorCero) << a;
        EXPECT_EQ(errorDe([a] { cocienteEntero(a, 0); }), TipoError::DivisionPorCero) << a;
    }
}

TEST(NoEsEnteroYMcm, PorSuTextoYExactoBajo1E15) {
    for (const char* texto : {"123", "-45", "0", "007", ""})
        EXPECT_EQ(noEsEntero(texto), 0) << '"' << texto << '"';
    for (const char* texto : {"-", "1,5", "1.5", "1E+15", "+5", " 5", "5 ", "--5", "1e3", "a"})
        EXPECT_EQ(noEsEntero(texto), 1) << '"' << texto << '"';
    // A value is whole by itself, however it was typed.
    for (const double x : {1e15, -12.0, 0.0})
        EXPECT_TRUE(esEntero(x)) << x;
    for (const double x : {2.5, -0.5, HUGE_VAL, std::nan("")})
        EXPECT_FALSE(esEntero(x)) << x;
    // Two 15-digit inputs with a large gcd: a × b loses digits, |a| ÷ g × |b| does not. (An lcm
    // past 15 digits is the Euclid window's case.)
    EXPECT_EQ(mcm(-185783260201980, 278674890302970, 92891630100990), 557349780605940);
}

TEST(CambioDeBase, DesarrolloCeroUnoElMayorEnteroEIdaYVueltaEnCadaBase) {
    fijaSeparadorDecimal(',');
    EXPECT_EQ(aBaseB(0, 7, "7", "0").desarrollo, "0·7^(0) = 0");
    EXPECT_EQ(aBaseB(2147483647, 2, "2", "x").resultado, std::string(31, '1'));
    EXPECT_EQ(aBaseB(2147483647, 9, "9", "x").resultado, "5478773671");
    std::vector<std::int32_t> valores{0, 1, 2147483647};
    for (std::int64_t n = 7; n < 2147483647; n = n * 3 + 7)
        valores.push_back(static_cast<std::int32_t>(n));
    for (int b = 2; b <= 10; ++b) {
        EXPECT_EQ(aBaseB(0, b, "b", "0").resultado, "0");
        EXPECT_EQ(aBaseB(1, b, "b", "1").resultado, "1");
        for (const std::int32_t n : valores) {
            const auto ida = aBaseB(n, b, "b", "n");
            ASSERT_TRUE(std::all_of(ida.resultado.begin(), ida.resultado.end(),
                                    [b](char d) { return d >= '0' && d - '0' < b; }));
            EXPECT_EQ(aBase10(ida.resultado, b, "b").resultado, std::to_string(n)) << b;
        }
    }
}

class Aritmetica : public pruebas::PruebaNucleo {
  protected:
    // The rows of the last Euclid trace: cells joined by ',', rows by ';'.
    std::string filas() const {
        std::string texto;
        const auto t = [](std::optional<double> x) { return x ? textoDecimal(*x) : ""; };
        for (const auto& f : trazaEuclides.filas)
            texto += (texto.empty() ? "" : ";") + t(f.dividendo) + ',' + t(f.divisor) + ',' +
                     t(f.cociente) + ',' + t(f.resto);
        return texto;
    }
    // Step i of the last Diophantine trace: i, Q(i), A(i), B(i) joined by ','.
    std::string columna(int i) const {
        const auto& p = pasos.at(static_cast<std::size_t>(i + 1));
        return textoDecimal(p.i) + ',' + (p.q ? textoDecimal(*p.q) : "") + ',' + textoDecimal(p.a) +
               ',' + textoDecimal(p.b);
    }
    ConTiempo<double> euclides(double a, double b) {
        auto r = Euclides(tiempo, a, b);
        trazaEuclides = std::move(r.traza);
        return r.mcd;
    }
    ConTiempo<ResultadoDiofantica> diofantica(double a, double b, double c) {
        auto r = Diofantica(tiempo, a, b, c);
        trazaEuclides = std::move(r.euclides);
        pasos = std::move(r.pasos);
        return r.resultado;
    }
    TrazaEuclides trazaEuclides;
    std::vector<PasoDiofantica> pasos;
    // The solution of an equation that has one (anything else throws, failing the test).
    SolucionDiofantica resuelve(double a, double b, double c) {
        return std::get<SolucionDiofantica>(diofantica(a, b, c).value());
    }
};

TEST_F(Aritmetica, McdConYSinTrazaDeEuclidesYSuPresupuesto) {
    EXPECT_EQ(mcdClaves(tiempo, 28, 5), 1);  // a private start
    EXPECT_FALSE(tiempo.inicial());
    EXPECT_EQ(mcd(tiempo, 28, 5), 1);  // a published one
    EXPECT_TRUE(tiempo.inicial());
    // a, b, their gcd and the rows of the trace (nullptr: not checked).
    const std::tuple<double, double, double, const char*> casos[] = {
        {8, 12, 4, "12,8,1,4;8,4,2,0;4,0,,"},
        {-12, -8, 4, "12,8,1,4;8,4,2,0;4,0,,"},
        {6, 6, 6, "6,6,1,0;6,0,,"},
        {999999999999999, 2, 1, "999999999999999,2,499999999999999,1;2,1,2,0;1,0,,"},
        {0, -5, 5, ""},
        {7, 0, 7, ""},
        {0, 0, 0, ""},
        {2147483647, 2147483646, 1, nullptr},
        {9007199254740992, 6, 2, nullptr},
        {185783260201980, 278674890302970, 92891630100990, nullptr},
    };
    for (const auto& [a, b, g, traza] : casos) {
        EXPECT_EQ(std::tuple(mcd(tiempo, a, b), mcdClaves(tiempo, a, b), euclides(a, b)),
                  std::tuple(g, g, g))
            << a << ", " << b;
        EXPECT_EQ(traza ? filas() : "", traza ? traza : "") << a << ", " << b;
    }
    // F(71) and F(70), the longest run below the window's bound: 69 divisions and the gcd row.
    EXPECT_EQ(euclides(308061521170129, 190392490709135), 1);
    ASSERT_EQ(trazaEuclides.filas.size(), 70u);
    EXPECT_EQ(trazaEuclides.filas.back().divisor, 0);
    presupuesto("0", 0.000001);  // budget 0 stops at the first check
    EXPECT_FALSE(mcd(tiempo, 12, 8) || mcdClaves(tiempo, 12, 8));
    presupuesto("1", 0.4);  // a timeout keeps the rows already written
    EXPECT_FALSE(euclides(317811, 196418));
    const std::string parcial = filas();
    EXPECT_EQ(parcial.substr(0, 16), "317811,196418,1,");
    EXPECT_LT(std::count(parcial.begin(), parcial.end(), ';'), 26) << parcial;
    tiempo.fijaCampo(&Presupuesto::horas, "abc");  // a budget that is not a number: trapped
    std::string trampa;
    EXPECT_EQ(errorDe([this] { euclides(12, 8); }, &trampa), TipoError::TiposNoCoinciden);
    EXPECT_EQ(trampa, "Euclides");
    EXPECT_EQ(euclides(0, 9), 9);  // the trivial cases never read the budget
    EXPECT_EQ(mcd(tiempo, 9, 0), 9);
}

TEST_F(Aritmetica, DiofanticaEnLasCuatroCombinacionesDeSignosConCeYCoeficientesCero) {
    const struct {
        double a, b, c, x0, y0, beta, alpha;
        const char* general;
    } casos[] = {
        {-12, 8, 20, -5, -5, -2, -3, "X = -5 - 2 K\r\nY = -5 - 3 K\r\n\r\nPara todo entero K"},
        {12, -8, 20, 5, 5, 2, 3, "X = 5 + 2 K\r\nY = 5 + 3 K\r\n\r\nPara todo entero K"},
        {-12, -8, 20, -5, 5, -2, 3, "X = -5 - 2 K\r\nY = 5 + 3 K\r\n\r\nPara todo entero K"},
        {12, 8, 0, 0, 0, 2, -3, "X = 0 + 2 t\r\nY = 0 - 3 t\r\n\r\nPara todo entero t"},
        {5, 0, 10, 2, 0, 0, -1, nullptr},  // X = 2, Y free
        {0, -5, 10, 0, -2, 1, 0, nullptr},
        {2147483647, 2147483646, 1, 1, -1, 2147483646, -2147483647, nullptr}};
    for (const auto& c : casos) {
        const auto s = resuelve(c.a, c.b, c.c);
        EXPECT_EQ(std::tuple(s.x0, s.y0, s.beta, s.alpha), std::tuple(c.x0, c.y0, c.beta, c.alpha))
            << c.a << ' ' << c.b << ' ' << c.c;
        EXPECT_TRUE(!c.general || s.general == c.general) << s.general;
    }
    // Solvable exactly when the gcd divides C; then the particular solution and every other one
    // the parameter gives satisfy the equation.
    for (int a = -40; a <= 40; a += 7) {
        for (int b = -33; b <= 33; b += 5) {
            for (const int c : {1, -6, 84}) {
                const auto r = diofantica(a, b, c).value();
                const auto* s = std::get_if<SolucionDiofantica>(&r);
                ASSERT_EQ(s != nullptr, c % std::gcd(a, b) == 0) << a << ' ' << b << ' ' << c;
                if (!s) continue;
                EXPECT_EQ(a * s->x0 + b * s->y0, c) << a << ' ' << b << ' ' << c;
                EXPECT_EQ(a * (s->x0 + 3 * s->beta) + b * (s->y0 + 3 * s->alpha), c);
            }
        }
    }
    EXPECT_EQ(std::get<SinSolucion>(*diofantica(0, 0, 5)), SinSolucion::CoeficientesNulos);
}

TEST_F(Aritmetica, ConvergentesSoloDeLaUltimaEjecucionErroresAtrapadosYTiempoAgotado) {
    resuelve(317811, 196418, 1);  // Fibonacci: 25 steps
    EXPECT_EQ(pasos.size(), 27u);
    EXPECT_EQ(columna(25), "25,1,121393,75025");  // A(26) = 2·121393 + 75025 = 317811
    // 355/113 has the quotients 3, 7, 16: two steps are written (the last quotient is not), and
    // nothing of the longer run.
    resuelve(355, 113, 1);
    for (const char* c : {"-1,,0,1", "0,,1,0", "1,3,3,1", "2,7,22,7"})
        EXPECT_EQ(columna(std::stoi(c)), c);
    EXPECT_EQ(pasos.size(), 4u);
    resuelve(12, 8, 0);  // C = 0 makes no step
    EXPECT_EQ(pasos.size(), 2u);
    EXPECT_EQ(std::get<SinSolucion>(*diofantica(12, 8, 3)), SinSolucion::MCDNoDivide);
    EXPECT_EQ(pasos.size(), 2u);  // nor does an equation without solution
    // Its own errors are trapped; the timeout in Euclid is passed up unchanged.
    for (const auto& [a, b, c, tipo] :
         {std::tuple{2147483648.0, 3.0, 1.0, TipoError::Desbordamiento},
          {4.0, 6.0, 9999999998.0, TipoError::Desbordamiento},
          {0.0, 0.0, 0.0, TipoError::DivisionPorCero}}) {
        std::string trampa;
        EXPECT_EQ(errorDe([&] { diofantica(a, b, c); }, &trampa), tipo) << a << ' ' << c;
        EXPECT_EQ(trampa, "Diofántica");
    }
    presupuesto("1", 0.4);
    EXPECT_FALSE(diofantica(317811, 196418, 1));
    EXPECT_FALSE(diofantica(317811, 196418, 0));
    EXPECT_FALSE(diofanticaInverso(tiempo, 317811, 196418, 1).coeficientes);
}

// 12·X + 8·Y = 20: x = 5 + 2k, y = −5 − 3k.
const Parametrizacion kEjemplo{5, -5, 2, -3};

TEST(Restricciones, CotasEnAmbosSentidosTextosDelRecuentoYTablaDeSoluciones) {
    const Parametrizacion soloX{2, 0, 0, -1};  // 5·X + 0·Y = 10: x = 2 always
    const struct {
        Parametrizacion p;
        Cotas cotas;
        const char* intervalo;  // nullptr: no k satisfies them
    } casos[] = {
        {kEjemplo, {}, "]-inf,+inf["},
        {kEjemplo, {{}, {}, -20, {}}, "]-inf,5]"},  // alpha < 0: y ≥ −20 bounds k above
        {kEjemplo, {{}, {}, {}, 4}, "[-3,+inf["},
        {kEjemplo, {0, 10, -9, 100}, "[-2,1]"},  // x ≥ 0: k ≥ −2,5; y ≥ −9: k ≤ 4/3
        {kEjemplo, {7, 7, {}, {}}, "[1,1]"},
        {kEjemplo, {10, 0, {}, {}}, nullptr},
        {soloX, {2, 2, {}, {}}, "]-inf,+inf["},
        {soloX, {3, {}, {}, {}}, nullptr},
        {soloX, {0, 5, 0, 9}, "[-9,0]"},
    };
    for (const auto& c : casos) {
        const auto i = intervaloDeK(c.p, c.cotas);
        EXPECT_EQ(i ? describeIntervalo(*i).intervalo : "vacío",
                  c.intervalo ? c.intervalo : "vacío");
    }

    fijaSeparadorDecimal(',');
    const auto todo = describeIntervalo({-kSinCota, kSinCota});
    EXPECT_FALSE(todo.finito);
    EXPECT_EQ(todo.soluciones, "Existen infinitas soluciones para k en el intervalo");
    // The count, and the last k listed: at most 500.
    const std::tuple<double, double, const char*, double> cuentas[] = {
        {4, 4, "Hay 1 solución.", 4},
        {1, 500, "Hay 500 soluciones.", 500},
        {1, 501, "Hay 501 soluciones. Mostraremos sólo 500.", 500},
    };
    for (const auto& [desde, hasta, muestra, ultimo] : cuentas) {
        const auto d = describeIntervalo({desde, hasta});
        EXPECT_EQ(d.soluciones, "Existe un numero finito de soluciones para k en el intervalo");
        EXPECT_EQ(d.muestra + ' ' + textoDecimal(d.ultimoK),
                  muestra + (' ' + textoDecimal(ultimo)));
    }
    Tabla tabla(2, 2);
    llenaSoluciones(tabla, kEjemplo, 1, 500);
    EXPECT_EQ(tabla.columnas(), 501);
    EXPECT_EQ(tabla.texto(1, 500), "(1005,-1505)");
}

}  // namespace
}  // namespace zefra
