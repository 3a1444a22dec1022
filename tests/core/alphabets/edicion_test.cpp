// Editing a user alphabet entry by entry: the rules of "ASOCIAR" with its code widths, deleting
// with the shift back across the column pairs, inserting after a symbol with the shift forward,
// and the common width a loaded table gets.
#include "core/alphabets/edicion.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "core/crypto/transcripcion.hpp"

namespace zefra {
namespace {

using Entradas = std::vector<Equivalencia>;

// Entries written "a:05 b:17".
Entradas de(std::string_view texto) {
    Entradas e;
    std::istringstream palabras{std::string(texto)};
    for (std::string p; palabras >> p;)
        e.push_back({p.substr(0, p.find(':')), p.substr(p.find(':') + 1)});
    return e;
}
std::string texto(const Entradas& t) {
    std::string s;
    for (const auto& e : t)
        s += (s.empty() ? "" : " ") + e.simbolo + ":" + e.codigo;
    return s;
}
// Row f of both column pairs of the 128-row layout (entries f and f + 128), "s0 000|s128 128".
std::string fila(const Entradas& t, int f) {
    const auto celdas = [&t](std::size_t k) {
        return k < t.size() ? t[k].simbolo + " " + t[k].codigo : std::string(" ");
    };
    return celdas(static_cast<std::size_t>(f)) + "|" +
           celdas(static_cast<std::size_t>(f + kFilasAlfabeto));
}
// A table of n entries "s0", "s1", … with codes 0, 1, … at width 3.
Entradas numeradas(int n) {
    Entradas e;
    for (int k = 0; k < n; ++k)
        e.push_back({"s" + std::to_string(k), conCeros(k, 3)});
    return e;
}
struct TablaCon : Entradas {
    explicit TablaCon(const Entradas& e) : Entradas(e) {}
    explicit TablaCon(const char* t) : TablaCon(de(t)) {}
};

// The table before, its width, the symbol and code, and the table or the refusal after.
TEST(Asocia, AnchosYRechazos) {
    const std::tuple<const char*, int, const char*, const char*, const char*, int> casos[] = {
        {"", 0, "a", "7", "a:07", 2},
        {"a:05", 2, "b", "100", "a:005 b:100", 3},
        {"", 3, "a", "5", "a:005", 3},                 // an emptied table keeps its width
        {"a:05", 2, "b", "0007", "a:0005 b:0007", 4},  // leading zeros count
        {"", 0, "ñ", "00", "ñ:00", 2},
        {"", 0, "a", "000000042", "a:000000042", 9},  // mostly leading zeros: a small code
        {"a:05", 2, "ab", "06", "Sólo se puede poner un único símbolo.", 2},
        {"a:05", 2, "", "06", "Debes de poner un símbolo.", 2},
        {"a:05", 2, "b", "1a", "El código ha de ser un valor numérico.", 2},
        {"a:05", 2, "b", "", "Debes de asociar un código al símbolo.", 2},
        {"a:05", 2, "b", "12345678", "El código no puede ser mayor que 9999999.", 2},
        {"a:05", 2, "a", "99", "El símbolo ya se encuentra en el alfabeto.", 2},
        {"a:05", 2, "b", "005", "El código ya se encuentra en la tabla de equivalencias.", 2},
    };
    for (const auto& [antes, anchoAntes, simbolo, codigo, despues, anchoDespues] : casos) {
        TablaCon t(antes);
        int ancho = anchoAntes;
        const auto rechazo = asocia(t, ancho, simbolo, codigo);
        EXPECT_EQ(rechazo.value_or(texto(t)), despues) << simbolo << codigo;
        EXPECT_TRUE(!rechazo || texto(t) == antes) << codigo;  // a refusal changes nothing
        EXPECT_EQ(ancho, anchoDespues) << codigo;
    }
}

TEST(BorraEquivalencia, PrimeraPorSimboloOCodigoYDesplazaHaciaAtras) {
    TablaCon t(numeradas(130));
    // Entry 127 (row 127 of the first pair) goes; the second pair moves back across.
    EXPECT_TRUE(borraEquivalencia(t, "s127", ""));
    EXPECT_EQ(fila(t, 127), "s128 128| ");
    EXPECT_EQ(fila(t, 0), "s0 000|s129 129");
    // The code is compared as typed; the first match in table order goes.
    EXPECT_FALSE(borraEquivalencia(t, "S5", "0005"));
    EXPECT_TRUE(borraEquivalencia(t, "s9", "005"));
    EXPECT_EQ(fila(t, 5), "s6 006| ");
    EXPECT_EQ(t.size(), 128u);
    TablaCon una("a:00");
    EXPECT_TRUE(borraEquivalencia(una, "a", "zz"));
    EXPECT_EQ(texto(una), "");
}

TEST(AgregaEquivalencia, TrasUnSimboloConElAnchoDeLaTabla) {
    const std::tuple<const char*, const char*, const char*, const char*> casos[] = {
        // After "a"; a wider code widens every code of the table.
        {"d", "5", "a", "a:00 d:05 b:27 c:07"},
        {"d", "100", "a", "a:000 d:100 b:027 c:007"},
        {"d", "9", "c", "a:00 b:27 c:07 d:09"},
        {"d", "007", "a", "El código o símbolo a asociar ya está en la tabla de equivalencias."},
        {"b", "30", "a", "El código o símbolo a asociar ya está en la tabla de equivalencias."},
        {"de", "30", "a", "Lo siento, sólo se admite un único caracter como símbolo."},
        {"", "30", "a", "Debes de poner un símbolo."},
        {"d", "3O", "a", "El código ha de ser un valor numérico."},
        {"d", "8", "x", "El símbolo a partir del que se quiere agregar no existe en el alfabeto."},
    };
    for (const auto& [simbolo, codigo, despuesDe, resultado] : casos) {
        TablaCon t("a:00 b:27 c:07");  // largest code 27
        const auto r = agregaEquivalencia(t, simbolo, codigo, despuesDe);
        EXPECT_EQ(r.value_or(texto(t)), resultado) << codigo;
        EXPECT_TRUE(!r || texto(t) == "a:00 b:27 c:07") << codigo;  // a refusal changes nothing
    }
}

// After row 127 the second pair moves forward; the 256th entry is the last.
TEST(AgregaEquivalencia, DesplazaElSegundoParYParaEn256) {
    TablaCon t(numeradas(130));
    EXPECT_EQ(agregaEquivalencia(t, "n", "500", "s127"), std::nullopt);
    EXPECT_EQ(fila(t, 127), "s127 127| ");
    EXPECT_EQ(fila(t, 0), "s0 000|n 500");
    EXPECT_EQ(fila(t, 2), "s2 002|s129 129");
    t = TablaCon(numeradas(255));
    EXPECT_EQ(agregaEquivalencia(t, "n", "500", "s0"), std::nullopt);
    EXPECT_EQ(t[255].codigo, "254");
    EXPECT_EQ(agregaEquivalencia(t, "m", "501", "s0"),
              "Lo siento, No se puede agregar más símbolos al alfabeto.");
}

}  // namespace
}  // namespace zefra
