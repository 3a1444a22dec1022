// The affine system: the search lists of keys, the class of a typed key, the test of
// consecutive codes, and the cipher on digit strings: a round trip for every alphabet and every
// valid key, blocks not below n and the time budget (alphabets with gaps: the window tests).
#include "core/crypto/afin.hpp"

#include <gtest/gtest.h>

#include <numeric>
#include <tuple>

#include "core/alphabets/predefinidos.hpp"
#include "core/crypto/claves.hpp"
#include "core/crypto/digitos_mensaje.hpp"
#include "core/crypto/transcripcion.hpp"
#include "core/modular/inverso.hpp"
#include "core/shell/errores.hpp"
#include "core/shell/prueba_nucleo.hpp"

namespace zefra {
namespace {

class Afin : public pruebas::PruebaNucleo {
  protected:
    ResultadoAfin cifra(std::string_view digitos, int ancho, double n, double r, double s,
                        Sentido sentido = Sentido::Codificar) {
        estado.tiempo.reiniciaTiempo();
        return cifraAfin(tiempo, digitos, ancho, n, r, s, sentido);
    }
    BusquedaClaves busca(double minimo, double n) {
        tiempo.marcaInicio();
        return buscaClaves(tiempo, minimo, n);
    }
};
using Claves = Afin;
using CodigosConsecutivos = Afin;

TEST_F(Afin, IdaYVueltaEnCadaAlfabetoConCadaClave) {
    const char* claveS[] = {"0", "5", "-7", "-1000", "123456789012345678901234567890", "4e18"};
    for (const Alfabeto* a : {&alfabetoMinusculas(), &alfabetoMayusculas(), &alfabetoLetras(),
                              &alfabetoLetrasNumeros(), &alfabetoASCII()}) {
        SCOPED_TRACE(a->nombre);
        const double n = moduloDe(*a);
        const auto w = static_cast<int>(a->equivalencias[0].codigo.size());
        std::string digitos;  // every code of the table
        for (const auto& e : a->equivalencias)
            digitos += e.codigo;
        const auto claros = bloques(digitos, w);
        const auto N = static_cast<long long>(n);
        for (long long r = 0; r < 2 * N; ++r) {
            if (std::gcd(r, N) != 1) continue;
            for (const char* s : claveS) {
                const auto S = static_cast<long long>(*claseDeClave(s, n));
                const double R = *claseDeClave(std::to_string(r), n);
                const auto cifrado = cifra(digitos, w, n, R, S);
                const auto cifrados = bloques(cifrado.digitos, w);
                ASSERT_EQ(cifrados.size(), claros.size());
                for (std::size_t k = 0; k < claros.size(); ++k) {
                    const long long m = std::stoll(std::string(claros[k]));
                    ASSERT_EQ(std::stoll(std::string(cifrados[k])), (r * m + S) % N)
                        << "r=" << r << " s=" << s << " m=" << m;
                }
                ASSERT_EQ(cifra(cifrado.digitos, w, n, R, S, Sentido::Decodificar).digitos, digitos)
                    << "r=" << r << " s=" << s;
            }
        }
    }
}

// Every block is processed, those not below n counted.
TEST_F(Afin, BloquesNoMenoresQueN) {
    const auto c = cifra("0728991", 2, 28, 3, 5, Sentido::Decodificar);
    EXPECT_EQ(c.fueraDeRango, 2);
    EXPECT_EQ(c.digitos.size(), 6u);
}

// The inverse of r can run out of time, which enciphering never needs.
TEST_F(Afin, TiempoAgotadoSoloAlDescifrar) {
    estado.tiempo.fijaCampo(&Presupuesto::segundos, "0");
    reloj.paso = 1;
    EXPECT_TRUE(cifra("26221005", 2, 28, 3, 5, Sentido::Decodificar).tiempoAgotado);
    EXPECT_EQ(cifra("07151100", 2, 28, 3, 5).digitos, "26221005");
}

// A saved cipher text ends with a line end, which is not part of it; anything else that is not
// a digit makes the text no cipher text, and the message names the block, whole characters
// counted, where the first one stands (the last block perhaps incomplete).
TEST(DigitosDelMensaje, SinElFinDeLineaFinalYElBloqueQueNoEsUnNumero) {
    const std::tuple<const char*, int, const char*> casos[] = {
        {"010002\r\n", 2, "010002"},
        {"010002\n\n", 3, "010002"},
        {"", 2, ""},
        {"01\r\n02", 2, "El bloque '\r\n' no es un número."},
        {"010 02", 3, "El bloque ' 02' no es un número."},
        {"01٣4", 2, "El bloque '٣4' no es un número."},
        {"0102x", 2, "El bloque 'x' no es un número."},
        {"0a\r\n", 4, "El bloque '0a' no es un número."},
    };
    for (const auto& [mensaje, ancho, esperado] : casos) {
        const auto leido = digitosDelMensaje(mensaje, ancho);
        EXPECT_EQ(leido.rechazo.value_or(std::string(leido.digitos)), esperado) << mensaje;
    }
}

// The keys prime to n from the first whole number not below the minimum, by brute force.
std::vector<double> esperadas(long long desde, long long n, std::size_t cuantas) {
    std::vector<double> r;
    for (long long x = desde; x < desde + 2000 && r.size() < cuantas; ++x) {
        if (std::gcd(x < 0 ? -x : x, n) == 1) r.push_back(static_cast<double>(x));
    }
    return r;
}

TEST_F(Claves, ListasPorMinimoNuncaMasDeDosMilIntentos) {
    const auto n28 = busca(1, 28);
    EXPECT_EQ(n28.claves, esperadas(1, 28, 101));
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
    // With n = 0 only ±1 are prime to it: -1 is the 1999th value tried from -1999, 1 would be
    // the 2001st.
    EXPECT_EQ(busca(-1999, 0).claves, (std::vector<double>{-1}));
    EXPECT_EQ(busca(-2000, 0).claves, (std::vector<double>{-1}));
    EXPECT_TRUE(busca(-2001, 0).claves.empty());
}

// A timeout keeps the keys found; each gcd reads the clock at least once.
TEST_F(Claves, TiempoAgotadoConservaLasHalladas) {
    tiempo.fijaCampo(&Presupuesto::segundos, "1");
    reloj.paso = 0.01;
    const auto b = busca(1, 28);
    EXPECT_TRUE(b.tiempoAgotado);
    EXPECT_FALSE(b.claves.empty());
    EXPECT_LT(b.claves.size(), 101u);
    EXPECT_EQ(b.claves, esperadas(1, 28, b.claves.size()));
}

TEST(ClaseDeClave, ExactaParaCualquierTamano) {
    const std::tuple<const char*, double, std::optional<double>> casos[] = {
        {" 31 ", 28, 3},
        {"-3", 28, 25},
        {"-29", 28, 27},
        {"-56", 28, 0},  // a negative multiple of n is the class 0, not n
        // 10^30 + 5: 10^30 ≡ 8 (mod 28), so 13; its opposite 15.
        {"1000000000000000000000000000005", 28, 13},
        {"-1000000000000000000000000000005", 28, 15},
        {"1e+2", 28, 16},  // a signed exponent: 100
        {"50e-1", 28, 5},  // and a negative one that leaves a whole number
        {"2e20", 195, 5},  // 10^20 mod 195 = 100, 2·100 = 200 ≡ 5
        {"3,5", 28, std::nullopt},
        {"1e-1", 28, std::nullopt},
        {"1.0000000000000000001", 28, std::nullopt},  // whole as a double, not as typed
        {"", 28, std::nullopt},
        {"7", 1, 0},
    };
    for (const auto& [texto, n, clase] : casos)
        EXPECT_EQ(claseDeClave(texto, n), clase) << texto;
    EXPECT_THROW(claseDeClave("3", 0), ErrorEjecucion);
    EXPECT_THROW(claseDeClave("3", 2.5), ErrorEjecucion);
}

TEST_F(CodigosConsecutivos, DesdeCeroHastaElMayor) {
    tiempo.marcaInicio();
    // An alphabet with these codes, in this order.
    const auto consecutivos = [&](const std::vector<std::string>& codigos) {
        std::vector<Equivalencia> e;
        for (const auto& c : codigos)
            e.push_back({"s", c});
        return codigosConsecutivos(tiempo, Alfabeto{"s", e});
    };
    const std::pair<std::vector<std::string>, bool> casos[] = {
        {{"01", "02"}, false},    {{"00"}, true},           {{}, false},
        {{"00", "10000"}, false}, {{"0000", "0001"}, true},
    };
    for (const auto& [codigos, esperado] : casos)
        EXPECT_EQ(consecutivos(codigos), esperado) << ::testing::PrintToString(codigos);
    std::vector<std::string> todos;
    for (int k = 255; k >= 0; --k)
        todos.push_back(std::to_string(k));
    EXPECT_EQ(consecutivos(todos), true);
    tiempo.fijaCampo(&Presupuesto::segundos, "0");
    reloj.paso = 1;
    EXPECT_EQ(consecutivos(todos), std::nullopt);
}

}  // namespace
}  // namespace zefra
