// The practice exercises: every exercise the generator makes is checked right when filled with
// the program's own values, reproduces itself, stays in its level; near misses and bad cells get
// their reason.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "core/practice/practica.hpp"

namespace zefra::practica {
namespace {

using T = TipoEjercicio;
constexpr T kTipos[] = {T::Euclides, T::Diofantica, T::Inverso, T::Potencia,
                        T::Euler,    T::Afin,       T::RSA};
constexpr Nivel kNiveles[] = {Nivel::Facil, Nivel::Medio, Nivel::Dificil};

// How many exercise numbers each type and level is tried with.
constexpr int kCuantos = 1000;

TEST(Practica, CadaEjercicioGeneradoSeResuelveConLosValoresDelPrograma) {
    for (const T tipo : kTipos) {
        for (const Nivel nivel : kNiveles) {
            int sinSolucion = 0;  // exercises whose answer is "no solution" or "no inverse"
            for (std::uint64_t numero = 1; numero <= kCuantos; ++numero) {
                SCOPED_TRACE(std::to_string(int(tipo)) + "/" + std::to_string(int(nivel)) + "/" +
                             std::to_string(numero));
                const Ejercicio e = generaEjercicio(tipo, nivel, numero);
                // The affine cipher's message takes one datum per symbol.
                ASSERT_TRUE(tipo == T::Afin ? e.datos.size() >= 3
                                            : e.datos.size() == nombresDatos(tipo).size());
                for (const auto d : e.datos)
                    ASSERT_LE(std::abs(d), maximoDato(tipo, nivel));
                const Hoja h = hoja(e);
                const Correccion c = comprueba(e, solucion(e));
                ASSERT_EQ(std::tuple(c.celdas.size(), c.respuestas.size(), c.correctos),
                          std::tuple(h.dadas.size(), h.respuestas.size(), c.total));
                ASSERT_GT(c.total, 0);
                for (const auto& r : c.comprobacion)
                    ASSERT_EQ(r, "✔");
                ASSERT_GE(h.dadas.size(), tipo == T::Euclides && nivel != Nivel::Facil ? 4u : 0u);
                ASSERT_EQ(enunciado(e).empty(), false);
                const Trabajo s = solucion(e);
                for (const auto& r : s.respuestas)
                    sinSolucion += r == "No tiene solución" || r == "No existe el inverso";
                // A power splits its exponent into at least two powers of two.
                const auto marcada = [](auto& f) { return f[3] == "1"; };
                ASSERT_TRUE(tipo != T::Potencia || std::ranges::count_if(s.celdas, marcada) >= 2);
            }
            // Equations with and without solution, elements and keys with and without inverse.
            if (tipo == T::Diofantica || tipo == T::Inverso || tipo == T::Afin) {
                EXPECT_GT(sinSolucion, kCuantos / 10);
                EXPECT_LT(sinSolucion, kCuantos * 2);
            }
        }
    }
}

TEST(Practica, UnaCeldaQueNoEsUnNumeroNuncaSeDaPorBuena) {
    for (const T tipo : kTipos) {
        const Ejercicio e = generaEjercicio(tipo, Nivel::Medio, 3);
        for (const char* basura : {"abc", "2,5", "1e400", "123456789012345678901234567890", "0x1F",
                                   "inf", "nan", "½", "--3", "3-", "1.000.000"}) {
            Trabajo t = solucion(e);
            for (auto& fila : t.celdas)
                std::ranges::fill(fila, basura);
            std::ranges::fill(t.respuestas, basura);
            const Correccion c = comprueba(e, t);
            EXPECT_EQ(c.correctos, 0) << int(tipo) << " " << basura;
            EXPECT_EQ(pista(e, t).empty(), false);
        }
    }
}

TEST(Practica, ElMismoNumeroDaElMismoEjercicioEnCualquierMaquina) {
    struct Caso {
        T tipo;
        Nivel nivel;
        std::uint64_t numero;
        std::vector<std::int64_t> datos;
    };
    const Caso casos[] = {
        {T::Euclides, Nivel::Facil, 1729, {49, 32}},
        {T::Euclides, Nivel::Dificil, 1, {575792, 854624}},
        {T::Diofantica, Nivel::Facil, 1729, {15, 42, 3}},
        {T::Diofantica, Nivel::Dificil, 7, {-26411, 2317, 224}},
        {T::Inverso, Nivel::Medio, 1729, {264, 28}},
        {T::Potencia, Nivel::Dificil, 1729, {3723, 639, 27806}},
        {T::Euler, Nivel::Dificil, 1729, {96459}},
        {T::Afin, Nivel::Facil, 1729, {11, 1, 16, 18, 8, 12, 15}},
        {T::RSA, Nivel::Medio, 1729, {23, 41, 47, 198}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(generaEjercicio(c.tipo, c.nivel, c.numero).datos, c.datos) << c.numero;
    EXPECT_NE(generaEjercicio(T::Euclides, Nivel::Medio, 1).datos,
              generaEjercicio(T::Euclides, Nivel::Medio, 2).datos);
}

// One cell of the program's solution replaced: the verdict on it.
struct Fallo {
    T tipo;
    std::vector<std::int64_t> datos;
    int fila;  // -1: the answer `columna`
    int columna;
    std::string texto;
    Estado estado;
    std::string nota;
};

TEST(Practica, CadaFalloCercanoTieneSuRazon) {
    constexpr Estado Mal = Estado::Incorrecto, Bien = Estado::Correcto, Vacio = Estado::Vacio;
    // clang-format off
    const Fallo fallos[] = {
        // 1234 = 56·22 + 2; 56 = 2·28 + 0.
        {T::Euclides, {56, 1234}, 0, 2, "23", Mal, "56·23 = 1288 > 1234: el cociente es demasiado grande"},
        {T::Euclides, {56, 1234}, 0, 2, "21", Mal, "1234 − 56·21 = 58 ≥ 56: el cociente es demasiado pequeño"},
        {T::Euclides, {56, 1234}, 0, 3, "58", Mal, "El resto debe ser menor que el divisor"},
        {T::Euclides, {56, 1234}, 0, 3, "-2", Mal, "El resto no puede ser negativo"},
        {T::Euclides, {56, 1234}, 0, 3, "3", Mal, "56·22 + 3 = 1235 ≠ 1234"},
        {T::Euclides, {56, 1234}, 1, 0, "1234", Mal, "El dividendo es el divisor de la fila anterior"},
        {T::Euclides, {56, 1234}, 1, 1, "22", Mal, "El divisor es el resto de la fila anterior"},
        {T::Euclides, {56, 1234}, 0, 2, " +22 ", Bien, ""},
        {T::Euclides, {56, 1234}, 0, 2, "22,0", Bien, ""},
        {T::Euclides, {56, 1234}, -1, 0, "1", Mal, "1 es un divisor común, pero no el mayor"},
        {T::Euclides, {56, 1234}, -1, 0, "4", Mal, "4 no divide a 1234"},
        {T::Euclides, {56, 1234}, -1, 1, "69104", Mal, "69104 es un múltiplo común, pero no el menor"},
        {T::Euclides, {56, 1234}, -1, 1, "No tiene solución", Mal, "Aquí va un número"},
        // 12x + 8y = 20: Q(1) = 1, A(1) = B(1) = 1; x₀ = 5, y₀ = −5, x = 5 + 2K, y = −5 − 3K.
        {T::Diofantica, {12, 8, 20}, 2, 1, "2", Mal, "No es el cociente de esta división de Euclides con |A| y |B|"},
        {T::Diofantica, {12, 8, 20}, 2, 2, "2", Mal, "1·1 + 0 = 1 ≠ 2"},
        {T::Diofantica, {12, 8, 20}, -1, 0, "2", Mal, "2 es un divisor común, pero no el mayor"},
        {T::Diofantica, {12, 8, 20}, -1, 1, "1", Bien, "correcto; el programa da 5"},
        {T::Diofantica, {12, 8, 20}, -1, 1, "2", Mal, "Con x₀ = 2 no hay otra incógnita entera que cumpla la ecuación"},
        {T::Diofantica, {12, 8, 20}, -1, 2, "-2", Mal, "12·5 + 8·(-2) = 44 ≠ 20"},
        {T::Diofantica, {12, 8, 20}, -1, 1, "No tiene solución", Mal, "Sí tiene solución: m.c.d.(A, B) = 4 divide a C"},
        {T::Diofantica, {12, 8, 20}, -1, 3, "8", Mal, "Falta dividir entre m.c.d.(A, B) = 4"},
        {T::Diofantica, {12, 8, 20}, -1, 3, "3", Mal, "El coeficiente de K en x es ±B / m.c.d.(A, B)"},
        {T::Diofantica, {12, 8, 20}, -1, 4, "3", Mal, "12·2 + 8·3 = 48 ≠ 0: el signo no casa con el de x"},
        {T::Diofantica, {12, 8, 3}, -1, 1, "1", Mal, "m.c.d.(A, B) = 4 no divide a 3: no tiene solución"},
        {T::Diofantica, {12, 8, 3}, -1, 2, "no existe solución", Bien, ""},
        {T::Diofantica, {0, 0, 3}, -1, 1, "5", Mal, "0·x + 0·y = 0 ≠ 3: no tiene solución"},
        // The inverse of 7 in Z26 is 15; 13 has none.
        {T::Inverso, {26, 7}, -1, 1, "14", Mal, "7·14 = 98 ≢ 1 (mod 26)"},
        {T::Inverso, {26, 7}, -1, 1, "41", Bien, "correcto; el representante es 15"},
        {T::Inverso, {26, 7}, -1, 1, "-11", Bien, "correcto; el representante es 15"},
        {T::Inverso, {26, 7}, -1, 1, "No existe", Mal, "Sí existe: m.c.d.(26, 7) = 1"},
        {T::Inverso, {26, 7}, 0, 3, "7", Mal, "El resto debe ser menor que el divisor"},
        {T::Inverso, {26, 13}, -1, 1, "2", Mal, "m.c.d.(26, 13) = 13 ≠ 1: no existe el inverso"},
        {T::Inverso, {26, 13}, -1, 1, "no existe el inverso", Bien, ""},
        {T::Inverso, {10, -3}, -1, 1, "4", Mal, "(-3)·4 = -12 ≢ 1 (mod 10)"},
        // [3]^45 in Z100: φ = 40, b' = 5 = 4 + 1; 3, 9, 81; 3·81 = 243 ≡ 43.
        {T::Potencia, {100, 3, 45}, 1, 2, "8", Mal, "3² = 9 ≢ 8 (mod 100)"},
        {T::Potencia, {100, 3, 45}, 2, 2, "181", Bien, "correcto; el representante es 81"},
        {T::Potencia, {100, 3, 45}, 1, 3, "1", Mal, "Las potencias de 2 marcadas han de sumar el exponente"},
        {T::Potencia, {100, 3, 45}, 1, 3, "quizá", Mal, "Escriba 1 si 2^i es un factor, 0 si no"},
        {T::Potencia, {100, 3, 45}, 1, 3, "no", Bien, ""},
        {T::Potencia, {100, 3, 45}, -1, 1, "99", Mal, "F.E.(n) cuenta los enteros de 1 a n primos con n"},
        {T::Potencia, {100, 3, 45}, -1, 2, "45", Mal, "El resto debe ser menor que F.E.(n)"},
        {T::Potencia, {100, 3, 45}, -1, 3, "44", Mal, "[a]^b es el producto en Zn de las potencias marcadas"},
        {T::Potencia, {100, 3, 45}, -1, 3, "-57", Bien, "correcto; el representante es 43"},
        // 36 = 2²·3²: φ = 2·6 = 12.
        {T::Euler, {36}, 0, 0, "3", Mal, "Los primos van en orden creciente, sin repetirse"},
        {T::Euler, {36}, 0, 0, "4", Mal, "4 no es primo"},
        {T::Euler, {36}, 0, 0, "5", Mal, "5 no divide a 36"},
        {T::Euler, {36}, 0, 1, "1", Mal, "2^2 también divide a 36"},
        {T::Euler, {36}, 0, 1, "3", Mal, "2^3 no divide a 36"},
        {T::Euler, {36}, 1, 2, "9", Mal, "9 − 3 = 6 ≠ 9"},
        {T::Euler, {36}, -1, 0, "11", Mal, "F.E.(n) es el producto de la última columna"},
        // "hola" (7 15 11 0) with r = 3, s = 5: 26 22 10 5, "zvkf"; 3⁻¹ = 19 in Z28.
        {T::Afin, {3, 5, 7, 15, 11, 0}, 0, 1, "8", Mal, "No es el código de «h» en la tabla"},
        {T::Afin, {3, 5, 7, 15, 11, 0}, 0, 2, "25", Mal, "3·7 + 5 = 26 ≢ 25 (mod 28)"},
        {T::Afin, {3, 5, 7, 15, 11, 0}, 0, 2, "54", Bien, "correcto; el representante es 26"},
        {T::Afin, {3, 5, 7, 15, 11, 0}, 0, 3, "y", Mal, "«y» tiene el código 25, no 26"},
        {T::Afin, {3, 5, 7, 15, 11, 0}, 0, 3, "Z", Bien, ""},
        {T::Afin, {3, 5, 7, 15, 11, 0}, 0, 3, "@", Mal, "«@» no es un símbolo del alfabeto a-z"},
        {T::Afin, {3, 5, 7, 15, 11, 0}, -1, 1, "-9", Bien, "correcto; el representante es 19"},
        {T::Afin, {3, 5, 7, 15, 11, 0}, -1, 1, "9", Mal, "3·9 = 27 ≢ 1 (mod 28)"},
        {T::Afin, {3, 5, 7, 15, 11, 0}, -1, 2, "zvkg", Mal, "El símbolo nº 4 no es el cifrado de «a»"},
        {T::Afin, {3, 5, 7, 15, 11, 0}, -1, 2, "zvk", Mal, "El mensaje cifrado tiene 4 símbolos"},
        {T::Afin, {3, 5, 7, 15, 11, 0}, -1, 2, "ZVKF", Bien, ""},
        {T::Afin, {14, 5, 7}, -1, 1, "2", Mal, "m.c.d.(14, 28) = 14 ≠ 1: no existe el inverso; la clave no es válida"},
        {T::Afin, {14, 5, 7}, -1, 1, "No existe", Bien, ""},
        // p = 11, q = 13, t = 7: n = 143, φ = 120, s = 103; [7]^7 = [6], [6]^103 = [7].
        {T::RSA, {11, 13, 7, 7}, 0, 1, "144", Mal, "11 · 13 = 143 ≠ 144"},
        {T::RSA, {11, 13, 7, 7}, 1, 1, "142", Mal, "n no es primo: F.E.(n) ≠ n − 1"},
        {T::RSA, {11, 13, 7, 7}, 1, 1, "130", Mal, "F.E.(p·q) = (p − 1)·(q − 1)"},
        {T::RSA, {11, 13, 7, 7}, 2, 1, "7", Mal, "t ha de ser primo con F.E.(n): su m.c.d. es 1"},
        {T::RSA, {11, 13, 7, 7}, -1, 0, "223", Bien, "correcto; el representante es 103"},
        {T::RSA, {11, 13, 7, 7}, -1, 0, "17", Mal, "7·17 = 119 ≢ 1 (mod 120)"},
        {T::RSA, {11, 13, 7, 7}, -1, 1, "5", Mal, "[7]^7 ≢ 5 (mod 143)"},
        {T::RSA, {11, 13, 7, 7}, -1, 1, "149", Bien, "correcto; el representante es 6"},
        {T::RSA, {11, 13, 7, 7}, -1, 2, "8", Mal, "Descifrar C con s ha de devolver el bloque m"},
        // Cells that are not whole numbers.
        {T::Euclides, {56, 1234}, 0, 2, "veintidós", Mal, "No es un número entero"},
        {T::Euclides, {56, 1234}, 0, 2, "22.5", Mal, "Ha de ser un número entero"},
        {T::Euclides, {56, 1234}, 0, 2, "1e300", Mal, "El número es demasiado grande"},
        {T::Euclides, {56, 1234}, 0, 2, "123456789012345678901", Mal, "El número es demasiado grande"},
        {T::Euclides, {56, 1234}, 0, 2, "2 2", Mal, "No es un número entero"},
        {T::Euclides, {56, 1234}, 0, 2, "  ", Vacio, ""},
    };
    // clang-format on
    for (const auto& f : fallos) {
        const Ejercicio e{f.tipo, Nivel::Facil, 0, f.datos};
        Trabajo t = solucion(e);
        (f.fila < 0 ? t.respuestas[f.columna] : t.celdas[f.fila][f.columna]) = f.texto;
        const Correccion c = comprueba(e, t);
        const Veredicto& v = f.fila < 0 ? c.respuestas[f.columna] : c.celdas[f.fila][f.columna];
        EXPECT_EQ(v.estado, f.estado) << f.texto;
        EXPECT_EQ(v.nota, f.nota) << f.texto;
        if (f.fila >= 0 && f.estado == Estado::Incorrecto) {
            EXPECT_EQ(c.comprobacion[f.fila], f.nota);
        }
        // Only that cell is counted wrong (another particular solution moves its partner too).
        if (f.estado != Estado::Correcto) {
            EXPECT_EQ(c.correctos, c.total - 1) << f.texto;
        }
    }
}

TEST(Practica, ElEnunciadoPropioSeValidaComoEnLaVentanaDeCalculo) {
    struct Caso {
        T tipo;
        std::vector<std::string> textos;
        std::string error;  // "" when it is accepted
    };
    // clang-format off
    const Caso casos[] = {
        {T::Euclides, {"12", "-8"}, ""},
        {T::Euclides, {"12", "x"}, "a y b han de ser valores numéricos"},
        {T::Euclides, {"12", "2,5"}, "a y b han de ser números enteros"},
        {T::Euclides, {"494065645841248", "1"}, "No puede exceder el valor: 494065645841247 porque los resultados no serían fiables, "
         "gracias."},
        {T::Euclides, {"12"}, "Faltan datos del enunciado."},
        {T::Diofantica, {"-12", "8", "20"}, ""},
        {T::Diofantica, {"12", "8", "c"}, "a, b y c han de ser valores numéricos"},
        {T::Diofantica, {"12", "8", "12345678901"}, "a, b y c han de tener una longitud inferior o igual a diez dígitos"},
        {T::Diofantica, {"12", "8.5", "1"}, "a, b y c han de ser números enteros"},
        {T::Diofantica, {"0", "0", "0"}, "Todo par de enteros (X, Y) es solución de 0·X + 0·Y = 0."},
        {T::Diofantica, {"2147483648", "3", "1"}, "Los coeficientes son demasiado grandes para obtener una solución exacta."},
        {T::Inverso, {"26", "7"}, ""},
        {T::Inverso, {"0", "7"}, "El módulo ha de ser un valor positivo (>0)."},
        {T::Inverso, {"26", "a"}, "El número de clase ha de ser numérico"},
        {T::Potencia, {"7", "3", "5"}, ""},
        {T::Potencia, {"7", "3", "x"}, "Han de introducirse valores numéricos positivos."},
        {T::Potencia, {"0", "3", "5"}, "Los valores han de ser positivos (>0)"},
        {T::Euler, {"2147483647"}, ""},
        {T::Euler, {"0"}, "El módulo ha de ser un número >0"},
        {T::Euler, {"2147483648"}, "El módulo ha de ser inferior a 2.147.483.648"},
        {T::Afin, {"3", "1", "hola"}, ""},
        {T::Afin, {"", "1", "hola"}, "Se le ha de poner un valor numérico a las dos claves"},
        {T::Afin, {"3", "1", ""}, "Ha de escribir al menos un símbolo del alfabeto."},
        {T::RSA, {"61", "53", "17", "65"}, ""},
        {T::RSA, {"61", "53", "17", "x"}, "El bloque m ha de ser un número entero no negativo."},
    };
    // clang-format on
    for (const auto& c : casos) {
        const EjercicioPropio p = ejercicioPropio(c.tipo, c.textos);
        EXPECT_EQ(p.error, c.error) << c.textos[0];
        EXPECT_EQ(p.ejercicio.has_value(), c.error.empty()) << c.textos[0];
        if (!p.ejercicio) continue;
        const Correccion r = comprueba(*p.ejercicio, solucion(*p.ejercicio));
        EXPECT_EQ(std::tuple(p.ejercicio->tipo, r.correctos), std::tuple(c.tipo, r.total));
    }
}

TEST(Practica, LaPistaDaLaReglaDelPrimerPasoVacioOIncorrectoSinSuValor) {
    const Ejercicio e{T::Euclides, Nivel::Facil, 0, {56, 1234}};
    Trabajo t = solucion(e);
    EXPECT_EQ(pista(e, t), "Todos los pasos son correctos.");
    t.respuestas[1] = "5";
    EXPECT_EQ(pista(e, t), "m.c.m.(a, b) = |a · b| / m.c.d.(a, b).");
    t.celdas[1][3] = "5";
    EXPECT_EQ(pista(e, t),
              "El resto es dividendo − divisor · cociente; ha de ser menor que el divisor.");
    EXPECT_EQ(pista(e, Trabajo{}), "El cociente es la parte entera de dividendo ÷ divisor.");
    // Another particular solution, (1, 1), and the parameter with the other sign.
    const Ejercicio d{T::Diofantica, Nivel::Facil, 0, {12, 8, 20}};
    Trabajo otra = solucion(d);
    otra.respuestas = {"4", "1", "1", "-2", "3"};
    EXPECT_EQ(comprueba(d, otra).correctos, comprueba(d, otra).total);
    // A product right for a wrong row of φ's factors: the answer carries the row's mistake.
    const Ejercicio f{T::Euler, Nivel::Facil, 0, {36}};
    Trabajo arrastra = solucion(f);
    arrastra.celdas[1][2] = "9";
    arrastra.respuestas[0] = "18";
    const auto nota = [&] { return comprueba(f, arrastra).respuestas[0].nota; };
    EXPECT_EQ(nota(), "Arrastra un valor incorrecto de una fila");
    // Rows of twenty digits: their product overflows no integer on the way to the verdict.
    arrastra.celdas[0][2] = "18446744073709551615";  // 2^64 − 1
    arrastra.celdas[1][2] = "99999999999999999999";
    EXPECT_EQ(nota(), "F.E.(n) es el producto de la última columna");
    // A work of another shape, or data no statement has, never fails.
    EXPECT_EQ(comprueba(e, Trabajo{{{"1"}}, {}}).correctos, 0);
    EXPECT_TRUE(hoja(Ejercicio{T::Euclides, Nivel::Facil, 0, {1}}).dadas.empty());
    // Data no statement could give: a code outside a-z, a zero modulus, a composite p.
    for (const auto& [tipo, datos] :
         std::vector<std::pair<T, std::vector<std::int64_t>>>{{T::Afin, {3, 5, 28}},
                                                              {T::Inverso, {0, 3}},
                                                              {T::Potencia, {0, 2, 3}},
                                                              {T::RSA, {4, 13, 7, 7}},
                                                              {T::Diofantica, {0, 0, 0}},
                                                              {T::Euler, {-4}}}) {
        const Ejercicio raro{tipo, Nivel::Facil, 0, datos};
        EXPECT_TRUE(hoja(raro).respuestas.empty()) << int(tipo);
        EXPECT_EQ(comprueba(raro, Trabajo{{}, {"1", "2", "3"}}).total, 0);
    }
    // The set-up window's searches: 10 becomes the prime 11, t = 6 the first prime to 120, 7.
    EXPECT_EQ(ejercicioPropio(T::RSA, {"10", "13", "6", "7"}).ejercicio->datos,
              (std::vector<std::int64_t>{11, 13, 7, 7}));
}

}  // namespace
}  // namespace zefra::practica
