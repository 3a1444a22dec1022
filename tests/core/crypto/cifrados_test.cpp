// The ciphers and what they stand on: transcription of messages into digits and back with the
// alphabets the windows load; the affine system: the search lists of keys, the class of a typed
// key, the test of consecutive codes, and the cipher on digit strings, a round trip for every
// alphabet and every valid key, blocks not below n and the time budget (alphabets with gaps: the
// window tests); and RSA: the keys of the worked examples, the block widths, the powers block by
// block with their refused blocks, and round trips over every alphabet.
#include <gtest/gtest.h>

#include <numeric>
#include <tuple>

#include "core/alphabets/alfabeto.hpp"
#include "core/alphabets/predefinidos.hpp"
#include "core/alphabets/ranuras.hpp"
#include "core/crypto/afin.hpp"
#include "core/crypto/claves.hpp"
#include "core/crypto/digitos_mensaje.hpp"
#include "core/crypto/preparacion.hpp"
#include "core/crypto/rsa.hpp"
#include "core/crypto/transcripcion.hpp"
#include "core/modular/euler.hpp"
#include "core/modular/inverso.hpp"
#include "core/shell/prueba_nucleo.hpp"

namespace zefra {
namespace {

TEST(Transcripcion, EjemplosEnAmbosSentidos) {
    const Alfabeto& az = alfabetoMinusculas();
    const Alfabeto& letras = alfabetoLetras();
    const Alfabeto& ascii = alfabetoASCII();
    // To digits (width 0), or to symbols in blocks of the width: the text, or "!" and what
    // stopped it.
    const std::tuple<const Alfabeto*, int, const char*, const char*> casos[] = {
        {&az, 0, "hola mundo", "07151100271221130315"},
        {&az, 0, "ñ", "14"},
        {&az, 0, "holá", "!á"},  // a two-byte symbol is named whole
        {&letras, 0, "Hola", "07423827"},
        {&ascii, 0, "¡Sí’", "097051173096"},
        {&az, 2, "071511001", "hola"},  // odd length
        {&az, 2, "14", "ñ"},
        {&az, 2, "0728", "!28"},
    };
    for (const auto& [tabla, ancho, entrada, salida] : casos) {
        const auto t = ancho ? transcribeASimbolos(entrada, ancho, *tabla)
                             : transcribeADigitos(entrada, *tabla);
        EXPECT_EQ(t.rechazado ? "!" + *t.rechazado : t.texto, salida) << entrada;
        EXPECT_TRUE(!t.rechazado || t.texto.empty()) << entrada;
    }
}

TEST(Transcripcion, CerosBloquesYSuResumen) {
    EXPECT_EQ(ponCeros(5, 1) + ponCeros(5, -2) + ponCeros(0, 2), "055000");
    EXPECT_EQ(conCeros(5, 3) + "," + conCeros(1234, 3), "005,1234");

    using Bloques = std::vector<std::string_view>;
    EXPECT_EQ(bloques("0715110", 2), (Bloques{"07", "15", "11"}));
    EXPECT_EQ(bloques("0715110", 3), (Bloques{"071", "511"}));
    EXPECT_EQ(bloques("ñaña", 2), (Bloques{"ña", "ña"}));  // the last block whole
    EXPECT_EQ(bloques("ñañ", 2), Bloques{"ña"});           // characters, not bytes
    EXPECT_EQ(bloques("abc", 0), Bloques{});
    // A step's field: the whole string up to 400 blocks; beyond, those and a count of the rest.
    const std::string cuatrocientos(400 * 3, '7');
    EXPECT_EQ(resumenDeBloques(cuatrocientos, 3), cuatrocientos);
    EXPECT_EQ(resumenDeBloques(cuatrocientos + "123", 3), cuatrocientos + "\n… y 1 bloques más.");
    EXPECT_EQ(resumenDeBloques(cuatrocientos + std::string(3000, '1') + "12", 3),
              cuatrocientos + "\n… y 1000 bloques más.");
}

using Preparacion = pruebas::PruebaNucleo;

// A window gets the active alphabet, predefined or loaded, and its modulus becomes the active
// one's; a closed one gives nothing and leaves the modulus.
TEST_F(Preparacion, CargaElAlfabetoActivo) {
    ocupaRanura(estado.ranuras[2], {"abc", {{"a", "000"}, {"c", "150"}}}, false);
    estado.alfabeto.modulo = 0;
    const auto cargada = preparaCripPrivada(estado.ranuras, estado.alfabeto);
    EXPECT_EQ(cargada->modulo + cargada->ancho, 28 + 2);
    EXPECT_EQ(cargada->alfabeto, alfabetoMinusculas());
    EXPECT_EQ(estado.alfabeto.modulo, 28);
    estado.alfabeto.nombre = "abc";
    const auto deUsuario = preparaPrivadaUsuario(estado.ranuras, estado.alfabeto);
    EXPECT_EQ(deUsuario->modulo, 151);
    EXPECT_EQ(deUsuario->alfabeto.equivalencias,
              (std::vector<Equivalencia>{{"a", "000"}, {"c", "150"}}));
    estado.alfabeto.nombre = "cerrado";
    EXPECT_FALSE(preparaCripPublica(estado.ranuras, estado.alfabeto));
    EXPECT_EQ(estado.alfabeto.modulo, 151);
}

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
    // The blocks raised with the program's power routine.
    ResultadoRSA eleva(std::string_view digitos, int ancho, double n, double e, int salida) {
        return potenciaPorBloques({tiempo, estado.memoriaModulo}, digitos, ancho, n, e, salida);
    }
};
using Claves = Afin;
using CodigosConsecutivos = Afin;
using RSAPrueba = Afin;

const Alfabeto* const kPredefinidos[] = {&alfabetoMinusculas(), &alfabetoMayusculas(),
                                         &alfabetoLetras(), &alfabetoLetrasNumeros(),
                                         &alfabetoASCII()};

// Every code of the table, in table order.
std::string todosLosCodigos(const Alfabeto& a) {
    std::string digitos;
    for (const auto& e : a.equivalencias)
        digitos += e.codigo;
    return digitos;
}

TEST_F(Afin, IdaYVueltaEnCadaAlfabetoConCadaClave) {
    const char* claveS[] = {"0", "5", "-7", "-1000", "123456789012345678901234567890", "4e18"};
    for (const Alfabeto* a : kPredefinidos) {
        SCOPED_TRACE(a->nombre);
        const double n = moduloDe(*a);
        const auto w = static_cast<int>(a->equivalencias[0].codigo.size());
        const std::string digitos = todosLosCodigos(*a);
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
TEST_F(Afin, BloquesNoMenoresQueNYTiempoAgotadoSoloAlDescifrar) {
    const auto c = cifra("0728991", 2, 28, 3, 5, Sentido::Decodificar);
    EXPECT_EQ(std::pair(c.fueraDeRango, c.digitos.size()), std::pair(2, std::size_t{6}));
    // The inverse of r can run out of time, which enciphering never needs.
    presupuesto("0", 1);
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

TEST_F(Claves, ListasPorMinimoNuncaMasDeDosMilIntentosYTiempoAgotado) {
    const auto n28 = busca(1, 28);
    EXPECT_EQ(n28.claves, esperadas(1, 28, 101));
    // Each limit at both of its edges.
    const std::pair<double, std::size_t> casos[] = {
        {100000, 101}, {100001, 20},   {1000000, 20},   {1000001, 10},  {10000000, 10},
        {10000001, 5}, {999999999, 5}, {1000000000, 1}, {2147483547, 1}};
    for (const auto& [minimo, cuantas] : casos) {
        const auto b = busca(minimo, 195);
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
    // A timeout keeps the keys found; each gcd reads the clock at least once.
    presupuesto("1", 0.01);
    const auto b = busca(1, 28);
    EXPECT_TRUE(b.tiempoAgotado && !b.claves.empty() && b.claves.size() < 101u);
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
    presupuesto("0", 1);
    EXPECT_EQ(consecutivos(todos), std::nullopt);
}

TEST_F(RSAPrueba, LaBusquedaYLasPotenciasAnuncianVeredictosYTrazas) {
    // What the key search and the block powers announce to the windows that follow them.
    pruebas::Anotados avisos;
    EXPECT_EQ(*primoSiguiente(tiempo, 9, &avisos), 11);
    EXPECT_EQ(avisos.veredictos,  // 9, 10, 11
              (std::vector<std::string>{"NO ES PRIMO.", "NO ES PRIMO.", "¡ES PRIMO!."}));
    EXPECT_EQ(potenciaPorBloques({tiempo, estado.memoriaModulo, &avisos}, "006115", 3, 143, 103, 2)
                  .digitos,
              "0715");
    EXPECT_EQ(avisos.veredictos.back(), "NO ES PRIMO.");
}

TEST_F(RSAPrueba, ClavesDeLosEjemplosYAnchoDeBloque) {
    for (const auto& [p, primo] :
         {std::pair{10., 11.}, {13., 13.}, {0., 2.}, {-7., 2.}, {1., 2.}, {46320., 46327.}})
        EXPECT_EQ(*primoSiguiente(tiempo, p), primo) << p;
    // t itself when prime to φ, else the next number that is.
    for (const auto& [t, phi, e] : {std::tuple{7., 120., 7.}, {6., 120., 7.}, {2., 2., 3.}})
        EXPECT_EQ(exponenteCoprimo(tiempo, t, phi), e) << t << ' ' << phi;
    // The block width: the digits of n - 1.
    for (const auto& [n, k] :
         {std::pair{143., 3}, {100., 2}, {101., 3}, {4., 1}, {2146654199., 10}})
        EXPECT_EQ(anchoBloqueRSA(n), k) << n;
}

// hola → 006115132000 and back, and the block of 150, are the public-key window's example.
TEST_F(RSAPrueba, FinDeLineaBloqueIncompletoBloquesRechazadosYRepetidos) {
    // Trailing digits of an incomplete block are ignored.
    EXPECT_EQ(eleva("00611513200", 3, 143, 103, 2).digitos, "071511");
    // Enciphering too: a block not below n could never be deciphered.
    EXPECT_EQ(eleva("0199", 2, 50, 7, 2).mensaje, "El número '99' debe ser menor que '50'.");
    EXPECT_EQ(eleva("006a15", 3, 143, 103, 2).mensaje, "El bloque 'a15' no es un número.");

    // A block met again gives what it gave the first time, and the trace of the last power is
    // the last block's, even when that block was met before.
    const auto c = eleva("07151107150711", 2, 143, 7, 3);
    EXPECT_EQ(c.digitos, "006115132006115006132");
    EXPECT_TRUE(c.traza->a == 11 && c.traza->resultado == 132);
    const auto d = eleva("006115132006", 3, 143, 103, 2);
    EXPECT_TRUE(d.digitos == "07151107" && d.traza->a == 6) << d.digitos;
}

// A time-out on the way is marked: the blocks done by then are no cipher text.
TEST_F(RSAPrueba, TiempoAgotadoEntreBloquesYDentroDeUnaPotencia) {
    presupuesto("1", 0.01);
    const auto cortado = eleva(std::string(400, '1'), 2, 143, 7, 3);
    EXPECT_TRUE(cortado.tiempoAgotado && !cortado.mensaje && !cortado.digitos.empty());
    // A power that runs out of time inside stops the whole step: its digits are not the result.
    presupuesto("3", 1);
    EXPECT_TRUE(eleva("07", 2, 143, 7, 3).tiempoAgotado);
}

TEST_F(RSAPrueba, RondasCompletasSobreCadaAlfabetoPredefinido) {
    for (const auto& [p, q, t0] :
         {std::tuple{11., 13., 7.}, {521., 523., 65537.}, {46327., 46337., 65537.}}) {
        const double n = p * q;
        const double phi = *funcionEuler(tiempo, estado.memoriaModulo, n);
        const double t = *exponenteCoprimo(tiempo, t0, phi);
        const double s = inversoZn(tiempo, phi, t).inverso->inverso;
        const int k = anchoBloqueRSA(n);
        for (const Alfabeto* a : kPredefinidos) {
            if (moduloDe(*a) > n) continue;  // n = 143 is too small for the larger tables
            const std::string digitos = todosLosCodigos(*a);
            const auto w = static_cast<int>(a->equivalencias[0].codigo.size());
            const auto cifrado = eleva(digitos, w, n, t, k);
            ASSERT_FALSE(cifrado.mensaje) << a->nombre << ' ' << n;
            const auto vuelta = eleva(cifrado.digitos, k, n, s, w);
            EXPECT_EQ(vuelta.digitos, digitos) << a->nombre << ' ' << n;
        }
    }
}

}  // namespace
}  // namespace zefra
