// Arithmetic in Zn: the representative, the inverse, Euler's function and powers, with the
// reasoning and trace texts their windows show.
#include <gtest/gtest.h>

#include <array>
#include <numeric>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "core/modular/euler.hpp"
#include "core/modular/inverso.hpp"
#include "core/modular/potencias.hpp"
#include "core/modular/razonamientos.hpp"
#include "core/modular/representante.hpp"
#include "core/modular/traza_potencia.hpp"
#include "core/primes/es_primo.hpp"
#include "core/shell/prueba_nucleo.hpp"

namespace zefra {
namespace {

class Zn : public pruebas::PruebaNucleo {
  protected:
    // The inverse of the class of a, as the window asks for it: a negative a by its
    // representative.
    ConTiempo<InversoZn> inverso(double n, double a) {
        const double clase = a < 0 ? representante(n, a).representante : a;
        return inversoZn(tiempo, n, clase).inverso;
    }
    std::string razonamiento(double n, double a) {
        return razonamientoInverso(n, a, *inverso(n, a));
    }
    ConTiempo<double> euler(double n) {
        return funcionEuler(tiempo, estado.memoriaModulo, n, &avisos);
    }
    ConTiempo<double> eulerLista(double n) {
        return funcionEulerLista(tiempo, estado.memoriaModulo, n, &avisos);
    }
    ConTiempo<double> potencia(double a, double b, double n) {
        auto r = Calcupoten(tiempo, estado.memoriaModulo, a, b, n, &avisos);
        traza = std::move(r.traza);
        return r.resultado;
    }
    pruebas::Anotados avisos;
    TrazaPotencia traza;  // of the last power
};

TEST_F(Zn, RepresentanteEnAmbosSignosConSuDivisionYSuRazonamiento) {
    const struct {
        double n, a, r, resto, cociente;
    } casos[] = {
        {10, 37, 7, 7, 3},
        {10, -30, 0, 0, -3},
        {1, -12345, 0, 0, -12345},
        {2147483647, -2147483646, 1, -2147483646, 0},
        {10, -2147483647, 3, -7, -214748364},  // the most negative class taken
        {2147483646, 2147483647, 1, 1, 1},
        {4294967296.0, 4294967297.0, 1, 1, 1},  // beyond 32 bits the exact remainder is used
    };
    for (const auto& c : casos) {
        const DivisionZn d = representante(c.n, c.a);
        EXPECT_EQ(std::tuple(d.representante, d.resto, d.cociente),
                  std::tuple(c.r, c.resto, c.cociente))
            << c.n << ' ' << c.a;
    }
    EXPECT_EQ(razonamientoRepresentante(-30, 10, -3, 0, 0), " -30 = -3 * 10 + 0");
}

TEST_F(Zn, InversoComoLaBusquedaExhaustivaConSusCoeficientes) {
    for (int n = 1; n <= 300; ++n) {
        for (int a = -3 * n; a < n; ++a) {
            const InversoZn r = *inverso(n, a);
            const int clase = (a % n + n) % n;
            int esperado = 0;  // also when there is none
            for (int b = 0; b < n && !esperado; ++b)
                esperado = (clase * b) % n == 1 % n ? b : 0;
            ASSERT_EQ(r.mcd, std::gcd(clase, n)) << a << " en Z" << n;
            ASSERT_EQ(r.inverso, r.mcd == 1 ? esperado : 0) << a << " en Z" << n;
            if (r.mcd != 1) continue;
            ASSERT_EQ(clase * r.x + n * r.y, 1) << a << " en Z" << n;
            // A class typed as such gets its inverse; a negative a, the k of a·x = 1 + k·n.
            ASSERT_EQ(a >= 0 ? (r.x < 0 ? r.x + n : r.x) : a * r.x,
                      a >= 0 ? r.inverso : 1 + kDeLaEcuacion(a, r.x, n) * n)
                << a << " en Z" << n;
        }
    }
    EXPECT_EQ(inverso(2147483647, 2147483646)->inverso, 2147483646);  // −1 is its own inverse
    EXPECT_EQ(inverso(2147483646, 1073741823)->inverso, 0);
    EXPECT_EQ(kDeLaEcuacion(2147483646, -2147483646, 2147483647), -2147483645);
}

TEST_F(Zn, RazonamientosDelInversoSuInicioYSuTiempoAgotado) {
    EXPECT_EQ(razonamiento(26, 7),
              " Existe porque el  m.c.d.(26, 7) = 1\r\n\r\n"
              "  y por lo tanto también podemos escribir la siguiente ecuación: \r\n\r\n"
              "      7 * -11 = 1 + -3 * 26\r\n\r\n"
              "  siendo:        [ -11 ] =  [ 15 - 26 ] =  [ 15 ]");
    EXPECT_EQ(razonamiento(10, -33),
              " Existe porque el  m.c.d.(10, -33) = 1\r\n\r\n"
              "      [ -33 ] = [ -3 ] * [ 10 ] + [ -3]\r\n\r\n"
              "      [ -33 ] = [ -3] = [ 7 - 10 ] = [ 7 ]\r\n\r\n"
              "  y por lo tanto también podemos escribir la siguiente ecuación: \r\n\r\n"
              "      -33 * 3 = 1 + -10 * 10");
    // A multiple of n: its class is [0], with no false "0 - n" step.
    EXPECT_EQ(razonamiento(10, -30),
              " No existe inverso ya que: \r\n\r\n      m.c.d.( 10, -30) = 10,    que es  <> 1"
              "\r\n\r\n      [ -30 ] = [ -3 ] * [ 10 ] + [ 0]\r\n\r\n      [ -30 ] = [ 0 ]");
    // In Z1 the class [0] is its own inverse.
    EXPECT_EQ(razonamiento(1, 5).substr(0, 39), " Existe porque el  m.c.d.(1, 5) = 1\r\n\r\n");
    EXPECT_TRUE(tiempo.inicial());  // the inverse publishes its start, and stops at a timeout
    presupuesto("1", 0.4);
    EXPECT_FALSE(inverso(317811, 196418));
}

// φ by the product formula over the distinct primes, computed independently.
double phiFormula(long n) {
    double phi = static_cast<double>(n);
    for (long p = 2, resto = n; p <= resto; ++p) {
        if (resto % p != 0) continue;
        while (resto % p == 0)
            resto /= p;
        phi = phi / static_cast<double>(p) * static_cast<double>(p - 1);
    }
    return phi;
}

TEST_F(Zn, EulerComoLaFormulaDelProductoAnunciandoSuListaYElVeredictoDelModulo) {
    for (long n = 1; n <= 100000; n += (n < 3000 ? 1 : 97))
        ASSERT_EQ(*euler(static_cast<double>(n)), phiFormula(n)) << n;
    EXPECT_EQ(phiPorFactores(4294967296ull), 2147483648ull);
    for (long n = 1; n <= 400; ++n)  // by counting
        ASSERT_EQ(*eulerLista(static_cast<double>(n)), phiFormula(n)) << n;
    factorizaPrimos(tiempo, estado.factores, 1);  // 1 has no prime factor, so no formula
    EXPECT_EQ(formulaEuler(estado.factores, "1").formula, "");
    // n, φ(n), the list and whether the routine finished with it.
    const std::tuple<double, double, const char*, bool> casos[] = {
        {12, 4, "1, 5, 7, 11", true},
        {7, 6, "1 -- 6", false},
        {1, 1, "1", true},
        {10001, 9792, "Demasiados números.", true},
        {0, 0, "", false},
        {-5, 0, "", false},
    };
    for (const auto& [n, phi, texto, terminada] : casos) {
        avisos.lista = "-";
        EXPECT_EQ(*eulerLista(n), phi) << n;
        EXPECT_EQ(avisos.lista, texto) << n;
        EXPECT_EQ(avisos.listaTerminada, terminada) << n;
    }
    // Without the list only a prime writes it.
    EXPECT_EQ(*euler(12), 4);
    EXPECT_EQ(avisos.lista, "");
    EXPECT_EQ(*euler(2147483647), 2147483646);
    EXPECT_EQ(avisos.lista, "1 -- 2147483646");
    // The verdict of the modulus is announced again when it is remembered.
    avisos.veredictos.clear();
    for (const double n : {2147483647.0, 12.0, 12.0})
        euler(n);
    EXPECT_EQ(avisos.veredictos,
              (std::vector<std::string>{std::string(kEsPrimo), std::string(kNoEsPrimo),
                                        std::string(kNoEsPrimo)}));
}

TEST_F(Zn, EulerRecuerdaElUltimoModuloSalvoSiSeAgotaElTiempo) {
    EXPECT_EQ(*euler(2146654199), 46326.0 * 46336.0);
    // What is remembered is what is answered for the same modulus: nothing is recomputed.
    estado.memoriaModulo.phi = 7;
    estado.memoriaModulo.primo = 1;
    EXPECT_EQ(*euler(2146654199), 2146654198);  // a prime's φ comes from its verdict
    estado.memoriaModulo.primo = 0;
    EXPECT_EQ(*euler(2146654199), 7);
    EXPECT_EQ(*euler(12), 4);  // another modulus: worked out afresh
    EXPECT_EQ(*euler(2146654199), 46326.0 * 46336.0);
    estado.memoriaModulo = {};
    presupuesto("1", 0.01);  // a timeout remembers nothing
    EXPECT_FALSE(eulerLista(9999));
    EXPECT_FALSE(estado.memoriaModulo.phi);
}

// a^b mod n by binary exponentiation in 128 bits, independent of the routine under test.
std::uint64_t potenciaModular(std::uint64_t a, std::uint64_t b, std::uint64_t n) {
    unsigned __int128 r = 1 % n, x = a % n;
    for (; b > 0; b >>= 1) {
        if (b & 1) r = r * x % n;
        x = x * x % n;
    }
    return static_cast<std::uint64_t>(r);
}

TEST_F(Zn, PotenciasExactasParaCualquierModuloDe32BitsYSusAtajos) {
    // The short cuts, squares just below n and beyond what a double holds exactly, then random
    // a, b and n of every size.
    // clang-format off
    std::vector<std::array<std::int64_t, 3>> casos = {
        {1, 123456, 10}, {0, 5, 10}, {5, 0, 10}, {0, 0, 10}, {7, 1, 7}, {9, 1, 7}, {1, 5, 1}, {5, 0, 1}, {3, 6, 7},
        {7, 2, 7}, {2, 10, 1000}, {2147483646, 2147483647, 2147483647}, {46340, 2, 2147483647}, {2147483646, 2, 2147483629}};
    // clang-format on
    std::mt19937_64 azar(2026);
    std::uniform_int_distribution<std::int64_t> valor(0, 2147483647);
    for (int i = 0; i < 3000; ++i) {
        const std::int64_t n = std::max<std::int64_t>(1, valor(azar) >> (azar() % 31));
        casos.push_back({valor(azar) >> (azar() % 31), valor(azar) >> (azar() % 31), n});
    }
    for (const auto& [a, b, n] : casos)
        ASSERT_EQ(potencia(a, b, n), potenciaModular(a, b, n)) << a << "^" << b << " mod " << n;
    for (const auto& [b, n] : {std::pair{2147483648.0, 7.0}, {3.0, 4294967296.0}})
        EXPECT_EQ(pruebas::errorDe([&] { potencia(2, b, n); }), TipoError::Desbordamiento) << n;
}

TEST_F(Zn, TrazasDeLasPotencias) {
    ASSERT_EQ(potencia(3, 4, 7), 4);
    EXPECT_EQ(avisos.lista, "1 -- 6");  // φ(7) was worked out, and Euler's list follows it
    auto texto = textoTrazaPotencia(traza);
    const std::string reduccion = "b = b mod F.E.(n) = 4 mod F.E.( 7 ) = 4 mod 6 = 4";
    EXPECT_EQ(texto.etiqueta,
              "Como el m.c.d ( 3, 7 ) = 1, entonces se podrá ir reduciendo el valor de b "
              "calculando el resto de b con F.E.( 7 ).\r\n\r\nEsto es: \r\n\r\n" +
                  reduccion);
    EXPECT_EQ(texto.traza, reduccion +
                               "\r\ni=1   2^1 <= 4     [ 3 ]^2 =  ( [ 3 ]^1)^2 = [ 9 ]= [ 2 ]"
                               "\r\ni=2   2^2 <= 4     [ 3 ]^4 =  ( [ 3 ]^2)^2 = [ 4 ]"
                               "\r\n\r\ni=3   2^3 > 4, entonces: \r\n\r\n"
                               "                 b = b - 2^( i - 1) = 4 - 2^2 = 0"
                               "\r\n\r\n     [ 3 ]^4 = [ 3 ]^4 = [ 4 ] = [ 4 ]");
    ASSERT_EQ(potencia(2, 10, 1000), 24);
    texto = textoTrazaPotencia(traza);
    EXPECT_EQ(texto.etiqueta, "");  // gcd(2, 1000) = 2: b is not reduced
    EXPECT_TRUE(
        texto.traza.ends_with("b = b - 2^( i - 1) = 2 - 2^1 = 0\r\n\r\n     [ 2 ]^10 = "
                              "[ 2 ]^8 * [ 2 ]^2 = [ 256 ] * [ 4 ] = [ 24 ]"));
    ASSERT_EQ(potencia(4, 2, 16), 0);  // a square equal to n is reduced too
    EXPECT_TRUE(textoTrazaPotencia(traza).traza.starts_with(
        "\r\ni=1   2^1 <= 2     [ 4 ]^2 =  ( [ 4 ]^1)^2 = [ 16 ]= [ 0 ]"));
    // A short cut writes no trace.
    EXPECT_EQ(potencia(1, 4, 7), 1);
    texto = textoTrazaPotencia(traza);
    EXPECT_EQ(texto.etiqueta + texto.traza, "");
    presupuesto("1", 0.1);  // a timeout leaves the trace unfinished
    EXPECT_FALSE(potencia(3, 1000000, 1000003000));
    EXPECT_TRUE(!traza.resultado && !traza.pasos.empty());
}

}  // namespace
}  // namespace zefra
