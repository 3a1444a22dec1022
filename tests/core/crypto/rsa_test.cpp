// The RSA system: the keys of the worked examples, the block widths, the powers block by block
// with their refused blocks, and round trips over every alphabet.
#include "core/crypto/rsa.hpp"

#include <gtest/gtest.h>

#include "core/alphabets/alfabeto.hpp"
#include "core/alphabets/predefinidos.hpp"
#include "core/modular/euler.hpp"
#include "core/modular/inverso.hpp"
#include "core/modular/potencias.hpp"
#include "core/primes/es_primo.hpp"
#include "core/shell/prueba_nucleo.hpp"

namespace zefra {
namespace {

class RSAPrueba : public pruebas::PruebaNucleo {
  protected:
    // The blocks raised with the program's power routine.
    ResultadoRSA eleva(std::string_view digitos, int ancho, double n, double e, int salida) {
        return potenciaPorBloques({tiempo, estado.memoriaModulo}, digitos, ancho, n, e, salida);
    }
};

// What the key search and the block powers announce to the windows that follow them.
struct Anotados final : AvisosZn {
    void veredictoEsPrimo(std::string_view v) override { veredictos += std::string(v) + '|'; }
    void primosEuler(std::string_view, bool) override {}
    std::string veredictos;
};

TEST_F(RSAPrueba, LaBusquedaYLasPotenciasAnuncianVeredictosYTrazas) {
    Anotados avisos;
    EXPECT_EQ(*primoSiguiente(tiempo, 9, &avisos), 11);
    EXPECT_EQ(avisos.veredictos, "NO ES PRIMO.|NO ES PRIMO.|¡ES PRIMO!.|");  // 9, 10, 11
    EXPECT_EQ(potenciaPorBloques({tiempo, estado.memoriaModulo, &avisos}, "006115", 3, 143, 103, 2)
                  .digitos,
              "0715");
    EXPECT_TRUE(avisos.veredictos.ends_with("|NO ES PRIMO.|"));
}

TEST_F(RSAPrueba, ClavesDeLosEjemplos) {
    for (const auto& [p, primo] :
         {std::pair{10., 11.}, {13., 13.}, {0., 2.}, {-7., 2.}, {1., 2.}, {46320., 46327.}})
        EXPECT_EQ(*primoSiguiente(tiempo, p), primo) << p;
    // t itself when prime to φ, else the next number that is.
    EXPECT_EQ(*exponenteCoprimo(tiempo, 7, 120), 7);
    EXPECT_EQ(*exponenteCoprimo(tiempo, 6, 120), 7);
    EXPECT_EQ(*exponenteCoprimo(tiempo, 2, 2), 3);
}

TEST(AnchoBloqueRSA, LosDigitosDeNMenosUno) {
    for (const auto& [n, k] :
         {std::pair{143., 3}, {100., 2}, {101., 3}, {4., 1}, {2146654199., 10}})
        EXPECT_EQ(anchoBloqueRSA(n), k) << n;
}

// hola → 006115132000 and back, and the block of 150, are the public-key window's example.
TEST_F(RSAPrueba, FinDeLineaBloqueIncompletoYBloquesRechazados) {
    // A line end after the digits (a text file's last line) is not part of them.
    EXPECT_EQ(eleva("006115132000\r\n", 3, 143, 103, 2).digitos, "07151100");
    // Trailing digits of an incomplete block are ignored.
    EXPECT_EQ(eleva("00611513200", 3, 143, 103, 2).digitos, "071511");
    // Enciphering too: a block not below n could never be deciphered.
    EXPECT_EQ(eleva("0199", 2, 50, 7, 2).mensaje, "El número '99' debe ser menor que '50'.");
    EXPECT_EQ(eleva("006a15", 3, 143, 103, 2).mensaje, "El bloque 'a15' no es un número.");
}

// A time-out on the way is marked: the blocks done by then are no cipher text.
TEST_F(RSAPrueba, TiempoAgotadoEntreBloques) {
    presupuesto("1", 0.01);
    const auto cortado = eleva(std::string(400, '1'), 2, 143, 7, 3);
    EXPECT_TRUE(cortado.tiempoAgotado);
    EXPECT_FALSE(cortado.mensaje);
    EXPECT_GT(cortado.digitos.size(), 0u);
}

// A block met again gives what it gave the first time, and the trace of the last power is the
// last block's, even when that block was met before.
TEST_F(RSAPrueba, BloquesRepetidosYTrazaDelUltimo) {
    const auto c = eleva("07151107150711", 2, 143, 7, 3);
    EXPECT_EQ(c.digitos, "006115132006115006132");
    EXPECT_EQ(c.traza->a, 11);
    EXPECT_EQ(c.traza->resultado, 132);
    const auto d = eleva("006115132006", 3, 143, 103, 2);
    EXPECT_EQ(d.digitos, "07151107");
    EXPECT_EQ(d.traza->a, 6);
}

// A power that runs out of time inside stops the whole step: its digits are not the result.
TEST_F(RSAPrueba, TiempoAgotadoDentroDeUnaPotencia) {
    estado.tiempo.fijaCampo(&Presupuesto::segundos, "3");
    reloj.paso = 1;
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
        for (const Alfabeto* a : {&alfabetoMinusculas(), &alfabetoMayusculas(), &alfabetoLetras(),
                                  &alfabetoLetrasNumeros(), &alfabetoASCII()}) {
            if (moduloDe(*a) > n) continue;  // n = 143 is too small for the larger tables
            std::string digitos;             // every code of the table
            for (const auto& e : a->equivalencias)
                digitos += e.codigo;
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
