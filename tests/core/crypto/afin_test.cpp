// The affine cipher on digit strings: the worked examples, a round trip for every alphabet and
// every valid key, alphabets whose codes leave gaps, blocks not below n and the time budget.
#include "crypto/afin.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "alphabets/edicion.hpp"
#include "alphabets/predefinidos.hpp"
#include "comun/reloj_falso.hpp"
#include "crypto/claves.hpp"
#include "crypto/digitos_mensaje.hpp"
#include "crypto/preparacion.hpp"
#include "crypto/transcripcion.hpp"

namespace zefra {
namespace {

class Afin : public ::testing::Test {
  protected:
    ResultadoAfin cifra(std::string_view digitos, int ancho, double n, double r, double s,
                        Sentido sentido = Sentido::Codificar) {
        estado.tiempo.reiniciaTiempo();
        return cifraAfin(estado, digitos, ancho, n, r, s, sentido);
    }
    // Loads the entries into slot 0 as the active alphabet and prepares a window's grid.
    TablaCargada activa(const std::vector<Equivalencia>& entradas) {
        Tabla t = tablaAlfabeto();
        fijaEquivalencias(t, entradas);
        ocupaRanura(estado.ranuras[0], "huecos", t, false);
        estado.alfabeto.nombre = "huecos";
        return *preparaPrivadaUsuario(estado, flexalfa1);
    }
    pruebas::RelojFalso reloj;
    Estado estado{reloj};
    Tabla flexalfa1 = tablaAlfabeto();
};

TEST_F(Afin, HolaConTresYCinco) {
    // Keys in other members of the same classes give the same text.
    for (const auto& [r, s] : {std::pair{"3", "5"}, {"-25", "33"}, {"59", "-23"}}) {
        const double R = *claseDeClave(r, 28), S = *claseDeClave(s, 28);
        const auto c = cifra("07151100", 2, 28, R, S);
        EXPECT_EQ(c.digitos, "26221005") << r << ' ' << s;
        EXPECT_EQ(c.fueraDeRango, 0);
        EXPECT_EQ(cifra("26221005", 2, 28, R, S, Sentido::Decodificar).digitos, "07151100");
    }
}

TEST_F(Afin, IdaYVueltaEnCadaAlfabetoConCadaClave) {
    const char* claveS[] = {"0", "5", "-7", "-1000", "123456789012345678901234567890", "4e18"};
    for (const Alfabeto* a : {&alfabetoMinusculas(), &alfabetoMayusculas(), &alfabetoLetras(),
                              &alfabetoLetrasNumeros(), &alfabetoASCII()}) {
        SCOPED_TRACE(a->nombre);
        Tabla tabla = tablaAlfabeto();
        escribeAlfabeto(*a, tabla);
        const double n = moduloDe(tabla);
        const int w = anchoBloque(tabla);
        std::string todos;
        for (const auto& e : a->equivalencias)
            todos += e.simbolo;
        const std::string digitos = transcribeADigitos(todos, tabla).texto;
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

// Every block is processed, those not below n counted; the inverse of r can run out of time,
// which enciphering never needs.
TEST_F(Afin, BloquesNoMenoresQueNYTiempoAgotado) {
    const auto c = cifra("0728991", 2, 28, 3, 5, Sentido::Decodificar);
    EXPECT_EQ(c.fueraDeRango, 2);
    EXPECT_EQ(c.digitos.size(), 6u);
    estado.tiempo.presupuesto.segundos = "0";
    reloj.paso = 1;
    EXPECT_TRUE(cifra("26221005", 2, 28, 3, 5, Sentido::Decodificar).tiempoAgotado);
    EXPECT_EQ(cifra("07151100", 2, 28, 3, 5).digitos, "26221005");
}

TEST_F(Afin, ConHuecosABCConCincoYUno) {
    const auto t = activa({{"a", "0"}, {"b", "1"}, {"c", "5"}});
    EXPECT_EQ(t.modulo + t.ancho, 6 + 2);
    const auto digitos = transcribeADigitos("abc", flexalfa1).texto;
    EXPECT_EQ(digitos, "000105");
    EXPECT_EQ(cifra(digitos, 2, 6, 5, 1).digitos, "010002");
    EXPECT_EQ(cifra("010002", 2, 6, 5, 1, Sentido::Decodificar).digitos, "000105");
}

TEST_F(Afin, ConHuecosAlAzarIdaYVuelta) {
    std::mt19937 generador(7);
    const auto simbolos = simbolosOfrecidos();
    for (int prueba = 0; prueba < 40; ++prueba) {
        // Distinct codes from 0 … 1999 with gaps, on distinct symbols.
        std::vector<int> valores(2000);
        std::iota(valores.begin(), valores.end(), 0);
        std::shuffle(valores.begin(), valores.end(), generador);
        const auto n = std::uniform_int_distribution<std::size_t>(2, simbolos.size())(generador);
        std::vector<Equivalencia> entradas;
        for (std::size_t i = 0; i < n; ++i)
            entradas.push_back({simbolos[i], std::to_string(valores[i])});
        const auto t = activa(entradas);
        SCOPED_TRACE(t.modulo);
        ASSERT_EQ(t.modulo, *std::max_element(valores.begin(), valores.begin() + n) + 1);

        std::string mensaje;
        for (int k = 0; k < 50; ++k)
            mensaje += simbolos[std::uniform_int_distribution<std::size_t>(0, n - 1)(generador)];
        const auto M = static_cast<long long>(t.modulo);
        long long r = 0;
        do {
            r = std::uniform_int_distribution<long long>(1, M - 1)(generador);
        } while (std::gcd(r, M) != 1);
        const double s = std::uniform_int_distribution<long long>(0, M - 1)(generador);

        const auto digitos = transcribeADigitos(mensaje, flexalfa1);
        ASSERT_FALSE(digitos.rechazado);
        const auto R = static_cast<double>(r);
        const auto cifrado = cifra(digitos.texto, t.ancho, t.modulo, R, s);
        const auto vuelta = cifra(cifrado.digitos, t.ancho, t.modulo, R, s, Sentido::Decodificar);
        ASSERT_EQ(vuelta.fueraDeRango, 0);
        EXPECT_EQ(transcribeASimbolos(vuelta.digitos, t.ancho, flexalfa1).texto, mensaje);
    }
}

// A saved cipher text ends with a line end, which is not part of it; anything else that is not
// a digit makes the text no cipher text.
TEST(DigitosDelMensaje, SinElFinDeLineaFinal) {
    const std::pair<const char*, std::optional<std::string_view>> casos[] = {
        {"010002\r\n", "010002"},   {"010002\n\n", "010002"}, {"", ""},
        {"01\r\n02", std::nullopt}, {"01 02", std::nullopt},  {"٣", std::nullopt},
    };
    for (const auto& [mensaje, digitos] : casos)
        EXPECT_EQ(digitosDelMensaje(mensaje), digitos) << mensaje;
}

}  // namespace
}  // namespace zefra
