// The affine cipher on digit strings: the worked example, a round trip for every alphabet and
// every valid key, blocks not below n and the time budget.
#include "crypto/afin.hpp"

#include <gtest/gtest.h>

#include <numeric>

#include "alphabets/alfabeto.hpp"
#include "alphabets/predefinidos.hpp"
#include "comun/reloj_falso.hpp"
#include "crypto/claves.hpp"
#include "crypto/transcripcion.hpp"

namespace zefra {
namespace {

class Afin : public ::testing::Test {
  protected:
    ResultadoAfin cifra(std::string_view digitos, int ancho, double n, const char* r, const char* s,
                        Sentido sentido) {
        estado.tiempo.reiniciaTiempo();
        return cifraAfin(estado, digitos, ancho, n, *claseDeClave(r, n), *claseDeClave(s, n),
                         sentido);
    }
    pruebas::RelojFalso reloj;
    Estado estado{reloj};
};

TEST_F(Afin, HolaConTresYCinco) {
    const auto c = cifra("07151100", 2, 28, "3", "5", Sentido::Codificar);
    EXPECT_EQ(c.digitos, "26221005");
    EXPECT_EQ(c.fueraDeRango, 0);
    EXPECT_FALSE(c.tiempoAgotado);
    EXPECT_EQ(cifra("26221005", 2, 28, "3", "5", Sentido::Decodificar).digitos, "07151100");
    // Keys in other members of the same classes give the same text.
    EXPECT_EQ(cifra("07151100", 2, 28, "-25", "33", Sentido::Codificar).digitos, "26221005");
    EXPECT_EQ(cifra("26221005", 2, 28, "59", "-23", Sentido::Decodificar).digitos, "07151100");
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
        const auto bloquesClaros = bloques(digitos, w);
        const auto N = static_cast<long long>(n);
        for (long long r = 0; r < 2 * N; ++r) {
            if (std::gcd(r, N) != 1) continue;
            const std::string R = std::to_string(r);
            for (const char* s : claveS) {
                const auto S = static_cast<long long>(*claseDeClave(s, n));
                const auto cifrado = cifra(digitos, w, n, R.c_str(), s, Sentido::Codificar);
                ASSERT_EQ(cifrado.digitos.size(), digitos.size());
                const auto bloquesCifrados = bloques(cifrado.digitos, w);
                for (std::size_t k = 0; k < bloquesClaros.size(); ++k) {
                    const long long m = std::stoll(std::string(bloquesClaros[k]));
                    ASSERT_EQ(std::stoll(std::string(bloquesCifrados[k])), (r * m + S) % N)
                        << "r=" << r << " s=" << s << " m=" << m;
                }
                const auto vuelta =
                    cifra(cifrado.digitos, w, n, R.c_str(), s, Sentido::Decodificar);
                ASSERT_EQ(vuelta.digitos, digitos) << "r=" << r << " s=" << s;
            }
        }
    }
}

TEST_F(Afin, BloquesNoMenoresQueN) {
    const auto c = cifra("0728991", 2, 28, "3", "5", Sentido::Codificar);
    EXPECT_EQ(c.fueraDeRango, 2);
    EXPECT_EQ(c.digitos.size(), 6u);  // every block is still processed
    EXPECT_EQ(cifra("072899", 2, 28, "3", "5", Sentido::Decodificar).fueraDeRango, 2);
    EXPECT_EQ(mensajeFueraDeRango(28), "El número no puede exceder de27");
    EXPECT_TRUE(cifra("", 2, 28, "3", "5", Sentido::Decodificar).digitos.empty());
}

TEST_F(Afin, TiempoAgotadoAlInvertirR) {
    estado.tiempo.presupuesto.segundos = "0";
    reloj.paso = 1;
    const auto d = cifra("26221005", 2, 28, "3", "5", Sentido::Decodificar);
    EXPECT_TRUE(d.tiempoAgotado);
    EXPECT_TRUE(d.digitos.empty());
    // Enciphering needs no inverse and no time.
    EXPECT_EQ(cifra("07151100", 2, 28, "3", "5", Sentido::Codificar).digitos, "26221005");
}

TEST(FormulasAfines, ConLasClavesComoSeEscribieron) {
    const auto f = formulasAfines("3", "-1e3");
    EXPECT_EQ(f.cifrado, "C(3, -1e3) ([m]) = [3][m] + [-1e3]");
    EXPECT_EQ(f.descifrado, "D(3, -1e3) ([m*]) = [3]^-1 ([m*] - [-1e3])");
    EXPECT_EQ(f.explicacion, "Claves privadas 3 y -1e3.");
}

}  // namespace
}  // namespace zefra
