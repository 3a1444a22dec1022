// Editing a user alphabet entry by entry: the rules of "ASOCIAR" with its code widths, deleting
// with the shift back across the column pairs, inserting after a symbol with the shift forward,
// and the common width a loaded table gets.
#include "alphabets/edicion.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace zefra {
namespace {

using Entradas = std::vector<Equivalencia>;
using Codigos = std::vector<std::string>;

// A table of n entries "s0", "s1", … with codes 0, 1, … at width 3.
Entradas numeradas(int n) {
    Entradas e;
    for (int k = 0; k < n; ++k) {
        const std::string c = std::to_string(k);
        e.push_back({"s" + c, std::string(3 - c.size(), '0') + c});
    }
    return e;
}

struct TablaCon : Tabla {
    explicit TablaCon(const Entradas& e) : Tabla(kFilasAlfabeto, kColumnasAlfabeto) {
        fijaEquivalencias(*this, e);
    }
};

Codigos codigos(const Tabla& t) {
    Codigos c;
    for (const auto& e : equivalenciasDe(t))
        c.push_back(e.codigo);
    return c;
}

TEST(Asocia, AnchosDeLosCodigos) {
    const struct {
        Entradas antes;
        int ancho;
        const char *simbolo, *codigo;
        Codigos despues;
        int anchoDespues;
    } casos[] = {
        {{}, 0, "a", "7", {"07"}, 2},
        {{}, 0, "a", "123", {"123"}, 3},
        {{{"a", "100"}}, 3, "b", "7", {"100", "007"}, 3},
        {{{"a", "05"}}, 2, "b", "100", {"005", "100"}, 3},
        {{{"a", "05"}, {"b", "17"}}, 2, "c", "9", {"05", "17", "09"}, 2},
        {{}, 3, "a", "5", {"005"}, 3},                         // an emptied table keeps its width
        {{{"a", "05"}}, 2, "b", "0007", {"0005", "0007"}, 4},  // leading zeros count
        {{}, 0, "ñ", "00", {"00"}, 2},
    };
    for (const auto& c : casos) {
        TablaCon t(c.antes);
        int ancho = c.ancho;
        EXPECT_EQ(asocia(t, ancho, c.simbolo, c.codigo), std::nullopt) << c.codigo;
        EXPECT_EQ(codigos(t), c.despues) << c.codigo;
        EXPECT_EQ(ancho, c.anchoDespues) << c.codigo;
        EXPECT_EQ(equivalenciasDe(t).back().simbolo, c.simbolo);
    }
}

TEST(Asocia, Rechazos) {
    const std::tuple<const char*, const char*, const char*> casos[] = {
        {"ab", "06", "Sólo se puede poner un único símbolo."},
        {"", "06", "Debes de poner un símbolo."},
        {"b", "1a", "El código ha de ser un valor numérico."},
        {"b", "-5", "El código ha de ser un valor numérico."},
        {"b", "", "Debes de asociar un código al símbolo."},
        {"b", "12345678", "El código no puede ser mayor que 9999999."},
        {"a", "99", "El símbolo ya se encuentra en el alfabeto."},
        {"b", "005", "El código ya se encuentra en la tabla de equivalencias."},
        {"b", "5", "El código ya se encuentra en la tabla de equivalencias."},
    };
    for (const auto& [simbolo, codigo, mensaje] : casos) {
        TablaCon t(Entradas{{"a", "05"}});
        int ancho = 2;
        EXPECT_EQ(asocia(t, ancho, simbolo, codigo), mensaje) << simbolo << codigo;
        EXPECT_EQ(equivalenciasDe(t), (Entradas{{"a", "05"}}));
        EXPECT_EQ(ancho, 2);
    }
    // Nine digits that are mostly leading zeros are a small code.
    Tabla t = tablaAlfabeto();
    int ancho = 0;
    EXPECT_EQ(asocia(t, ancho, "a", "000000042"), std::nullopt);
}

TEST(Asocia, TablaLlenaYPasoAlSegundoPar) {
    TablaCon t(numeradas(127));
    int ancho = 3;
    ASSERT_EQ(asocia(t, ancho, "x", "300"), std::nullopt);
    EXPECT_EQ(t.texto(127, 0), "x");
    ASSERT_EQ(asocia(t, ancho, "y", "301"), std::nullopt);
    EXPECT_EQ(t.texto(0, 2), "y");
    EXPECT_EQ(t.texto(0, 3), "301");
    fijaEquivalencias(t, numeradas(256));
    EXPECT_EQ(asocia(t, ancho, "z", "300"),
              "Lo siento, No se puede agregar más símbolos al alfabeto.");
    EXPECT_EQ(equivalenciasDe(t).size(), 256u);
}

TEST(BorraEquivalencia, PrimeraPorSimboloOCodigoYDesplazaHaciaAtras) {
    TablaCon t(numeradas(130));
    // Entry 127 (row 127 of the first pair) goes; the second pair moves back across.
    EXPECT_TRUE(borraEquivalencia(t, "s127", ""));
    EXPECT_EQ(t.texto(127, 0), "s128");
    EXPECT_EQ(t.texto(127, 1), "128");
    EXPECT_EQ(t.texto(0, 2), "s129");
    EXPECT_TRUE(t.texto(1, 2).empty());
    EXPECT_TRUE(t.texto(1, 3).empty());

    // The code is compared as typed; the first match in table order goes.
    EXPECT_FALSE(borraEquivalencia(t, "", "5"));
    EXPECT_FALSE(borraEquivalencia(t, "S5", "0005"));
    EXPECT_TRUE(borraEquivalencia(t, "s9", "005"));
    EXPECT_EQ(t.texto(5, 0), "s6");
    EXPECT_EQ(t.texto(8, 0), "s9");
    EXPECT_EQ(equivalenciasDe(t).size(), 128u);

    TablaCon una(Entradas{{"a", "00"}});
    EXPECT_TRUE(borraEquivalencia(una, "a", "zz"));
    EXPECT_TRUE(equivalenciasDe(una).empty());
}

TEST(AgregaEquivalencia, AnchoDeLaTablaYDuplicados) {
    const Entradas base = {{"a", "00"}, {"b", "27"}, {"c", "07"}};  // largest code 27
    const std::tuple<const char*, const char*, const char*, Codigos> casos[] = {
        // Inserted after "a"; a wider code widens every code of the table.
        {"d", "5", nullptr, {"00", "05", "27", "07"}},
        {"d", "005", nullptr, {"00", "05", "27", "07"}},
        {"d", "100", nullptr, {"000", "100", "027", "007"}},
        {"d", "007", "El código o símbolo a asociar ya está en la tabla de equivalencias.", {}},
        {"b", "30", "El código o símbolo a asociar ya está en la tabla de equivalencias.", {}},
        {"de", "30", "Lo siento, sólo se admite un único caracter como símbolo.", {}},
        {"", "30", "Debes de poner un símbolo.", {}},
        {"d", "3O", "El código ha de ser un valor numérico.", {}},
        {"d", "", "Debes de asociar un código al símbolo.", {}},
        {"d", "10000000", "El código no puede ser mayor que 9999999.", {}},
    };
    for (const auto& [simbolo, codigo, mensaje, despues] : casos) {
        TablaCon t(base);
        const auto r = agregaEquivalencia(t, simbolo, codigo, "a");
        if (mensaje) {
            EXPECT_EQ(r, mensaje) << codigo;
            EXPECT_EQ(equivalenciasDe(t), base);
        } else {
            EXPECT_EQ(r, std::nullopt) << codigo;
            EXPECT_EQ(codigos(t), despues) << codigo;
            EXPECT_EQ(t.texto(1, 0), simbolo);
        }
    }
}

TEST(AgregaEquivalencia, DespuesDelUltimoYDeLaFila127) {
    TablaCon t({{"a", "00"}, {"b", "01"}});
    EXPECT_EQ(agregaEquivalencia(t, "c", "9", "b"), std::nullopt);
    EXPECT_EQ(equivalenciasDe(t).back(), (Equivalencia{"c", "09"}));
    EXPECT_EQ(agregaEquivalencia(t, "d", "8", "x"),
              "El símbolo a partir del que se quiere agregar no existe en el alfabeto.");

    fijaEquivalencias(t, numeradas(130));
    EXPECT_EQ(agregaEquivalencia(t, "n", "500", "s127"), std::nullopt);
    EXPECT_EQ(t.texto(127, 0), "s127");
    EXPECT_EQ(t.texto(0, 2), "n");
    EXPECT_EQ(t.texto(0, 3), "500");
    EXPECT_EQ(t.texto(2, 2), "s129");
    EXPECT_EQ(t.texto(2, 3), "129");
    EXPECT_EQ(equivalenciasDe(t).size(), 131u);

    fijaEquivalencias(t, numeradas(255));
    EXPECT_EQ(agregaEquivalencia(t, "n", "500", "s0"), std::nullopt);
    EXPECT_EQ(t.texto(127, 3), "254");
    EXPECT_EQ(agregaEquivalencia(t, "m", "501", "s0"),
              "Lo siento, No se puede agregar más símbolos al alfabeto.");
}

TEST(IgualaAnchos, ElDelMayorCodigoYAlMenosDos) {
    const struct {
        Codigos antes;
        int anchoAntes;
        Codigos despues;
    } casos[] = {
        {{"5", "200", "7"}, 3, {"005", "200", "007"}},
        {{"007", "12"}, 3, {"07", "12"}},
        {{"0"}, 1, {"00"}},
        {{"0000", "1"}, 4, {"00", "01"}},
        {{}, 0, {}},
    };
    for (const auto& [antes, anchoAntes, despues] : casos) {
        Entradas e;
        for (const auto& c : antes)
            e.push_back({std::string(1, static_cast<char>('a' + e.size())), c});
        TablaCon t(e);
        EXPECT_EQ(anchoDeCodigos(t), anchoAntes);
        igualaAnchos(t);
        EXPECT_EQ(codigos(t), despues);
    }
}

TEST(OrdenaPorCodigo, PorValorAunqueLosAnchosDifieran) {
    TablaCon t({{"c", "100"}, {"a", "09"}, {"d", "010"}, {"b", "00"}});
    ordenaPorCodigo(t);
    EXPECT_EQ(equivalenciasDe(t), (Entradas{{"b", "00"}, {"a", "09"}, {"d", "010"}, {"c", "100"}}));
    Entradas alReves = numeradas(200);  // across both column pairs
    std::reverse(alReves.begin(), alReves.end());
    fijaEquivalencias(t, alReves);
    ordenaPorCodigo(t);
    EXPECT_EQ(equivalenciasDe(t), numeradas(200));
}

TEST(ListasOfrecidas, SimbolosYCodigos) {
    const auto s = simbolosOfrecidos();
    ASSERT_EQ(s.size(), 192u);
    EXPECT_EQ((Codigos{s[0], s[94], s[95], s[96], s[97], s[191]}),
              (Codigos{" ", "~", "\u2018", "\u2019", "¡", "ÿ"}));
    const auto c = codigosOfrecidos();
    ASSERT_EQ(c.size(), 256u);
    EXPECT_EQ((Codigos{c[0], c[9], c[10], c[255]}), (Codigos{"00", "09", "10", "255"}));
}

}  // namespace
}  // namespace zefra
