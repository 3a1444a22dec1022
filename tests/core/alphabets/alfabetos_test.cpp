// The alphabets: characters as code points, the five predefined tables entry by entry against a
// listing written out here, their quotas of rows, moduli and widths, and the largest code;
// editing a user alphabet entry by entry: the rules of "ASOCIAR" with its code widths, deleting
// with the shift back across the column pairs, inserting after a symbol with the shift forward,
// and the common width a loaded table gets; and the eight slots of user alphabets and the active
// alphabet: its modulus by name, the names a new or renamed alphabet may take, and what loading,
// renaming and closing a slot do.
#include <gtest/gtest.h>

#include <sstream>

#include "core/alphabets/activo.hpp"
#include "core/alphabets/alfabeto.hpp"
#include "core/alphabets/caracteres.hpp"
#include "core/alphabets/edicion.hpp"
#include "core/alphabets/nombres.hpp"
#include "core/alphabets/predefinidos.hpp"
#include "core/alphabets/ranuras.hpp"
#include "core/crypto/transcripcion.hpp"
#include "core/shell/prueba_nucleo.hpp"

namespace zefra {
namespace {

// Each table's symbols for the first column pair, then for the second, in code order from 0;
// the ASCII table leaves code 192 without a symbol.
TEST(AlfabetosPredefinidos, EntradaPorEntradaComoElListado) {
    const struct {
        const Alfabeto& (*constructor)();
        std::string_view nombre;
        int ancho;
        double modulo;
        std::string_view primerPar, segundoPar;
    } listados[] = {
        {alfabetoMinusculas, "a-z", 2, 28, "abcdefghijklmn", "ñopqrstuvwxyz "},
        {alfabetoMayusculas, "A-Z", 2, 28, "ABCDEFGHIJKLMN", "ÑOPQRSTUVWXYZ "},
        {alfabetoLetras, "a-z, A-Z", 2, 55, "ABCDEFGHIJKLMNÑOPQRSTUVWXYZa",
         "bcdefghijklmñnopqrstuvwxyz "},
        {alfabetoLetrasNumeros, "a-z, A-Z, 0-9", 2, 65, "ABCDEFGHIJKLMNÑOPQRSTUVWXYZabcdef",
         "ghijklmnñopqrstuvwxyz0123456789 "},
        {alfabetoASCII, "ASCII", 3, 195,
         " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
         "abcdefghijklmnopqrstuvwxyz{|}~\u2018\u2019",
         "¡¢£¤¥¦§¨©ª«¬\u00AD®¯°±²³´µ¶·¸¹º»¼½¾¿ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖ×ØÙÚÛÜÝÞßàáâãäåæçèéêëìíîïðñ"
         "òóôõö÷øùúûüýþÿ\n\r"},
    };
    for (const auto& l : listados) {
        SCOPED_TRACE(std::string(l.nombre));
        const Alfabeto& a = l.constructor();
        EXPECT_EQ(a.nombre, l.nombre);
        EXPECT_EQ(alfabetoPredefinido(l.nombre), &a);
        std::vector<Equivalencia> esperadas;
        int c = 0;
        for (int par : {0, 1}) {
            for (const auto simbolo : caracteres(par ? l.segundoPar : l.primerPar)) {
                c += c == 192;
                esperadas.push_back({std::string(simbolo), conCeros(c++, l.ancho)});
            }
        }
        EXPECT_EQ(a.equivalencias, esperadas);  // table order is code order
        EXPECT_EQ(a.filasPorPar, static_cast<int>(caracteres(l.primerPar).size()));
        EXPECT_EQ(moduloDe(a), l.modulo);
        EXPECT_EQ(anchoBloque(a), l.ancho);
    }
    EXPECT_EQ(alfabetoPredefinido("ascii"), nullptr);
}

TEST(MaximoCodigo, PorValorYNumerico) {
    std::vector<Equivalencia> e{{"a", "000"}, {"b", "200"}, {"c", "007"}};
    EXPECT_EQ(moduloDe(Alfabeto{"x", e}), 201);
    e[0].codigo = "1a";
    EXPECT_THROW(maximoCodigo(e), ErrorEjecucion);
}

// Multi-byte symbols count once; malformed bytes are kept one by one.
TEST(Caracteres, UnSimboloPorPuntoDeCodigo) {
    const std::pair<std::string_view, std::vector<std::string_view>> casos[] = {
        {"", {}},
        {"ñ¡’a", {"ñ", "¡", "’", "a"}},
        {"x\U0001F600\r\n", {"x", "\U0001F600", "\r", "\n"}},
        // Malformed: a lone continuation byte, a cut sequence, an overlong form, a surrogate.
        {"a\x80z", {"a", "\x80", "z"}},
        {"\xE2\x80", {"\xE2", "\x80"}},
        {"\xC0\xAF", {"\xC0", "\xAF"}},
        {"\xED\xA0\x80", {"\xED", "\xA0", "\x80"}},
    };
    for (const auto& [texto, esperado] : casos) {
        EXPECT_EQ(caracteres(texto), esperado) << texto;
        EXPECT_EQ(longitudEnCaracteres(texto), esperado.size()) << texto;
    }
}

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
        Entradas t = de(antes);
        int ancho = anchoAntes;
        const auto rechazo = asocia(t, ancho, simbolo, codigo);
        EXPECT_EQ(rechazo.value_or(texto(t)), despues) << simbolo << codigo;
        EXPECT_TRUE(!rechazo || texto(t) == antes) << codigo;  // a refusal changes nothing
        EXPECT_EQ(ancho, anchoDespues) << codigo;
    }
}

TEST(BorraEquivalencia, PrimeraPorSimboloOCodigoYDesplazaHaciaAtras) {
    Entradas t = numeradas(130);
    // Entry 127 (row 127 of the first pair) goes; the second pair moves back across.
    EXPECT_TRUE(borraEquivalencia(t, "s127", ""));
    EXPECT_EQ(fila(t, 127), "s128 128| ");
    EXPECT_EQ(fila(t, 0), "s0 000|s129 129");
    // The code is compared as typed; the first match in table order goes.
    EXPECT_FALSE(borraEquivalencia(t, "S5", "0005"));
    EXPECT_TRUE(borraEquivalencia(t, "s9", "005"));
    EXPECT_EQ(fila(t, 5), "s6 006| ");
    EXPECT_EQ(t.size(), 128u);
    Entradas una = de("a:00");
    EXPECT_TRUE(borraEquivalencia(una, "a", "zz"));
    EXPECT_EQ(texto(una), "");
}

TEST(AgregaEquivalencia, TrasUnSimboloConElAnchoDeLaTablaDesplazandoElSegundoParHasta256) {
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
        Entradas t = de("a:00 b:27 c:07");  // largest code 27
        const auto r = agregaEquivalencia(t, simbolo, codigo, despuesDe);
        EXPECT_EQ(r.value_or(texto(t)), resultado) << codigo;
        EXPECT_TRUE(!r || texto(t) == "a:00 b:27 c:07") << codigo;  // a refusal changes nothing
    }
    // After row 127 the second pair moves forward; the 256th entry is the last.
    Entradas t = numeradas(130);
    EXPECT_EQ(agregaEquivalencia(t, "n", "500", "s127"), std::nullopt);
    EXPECT_EQ(fila(t, 127), "s127 127| ");
    EXPECT_EQ(fila(t, 0), "s0 000|n 500");
    EXPECT_EQ(fila(t, 2), "s2 002|s129 129");
    t = numeradas(255);
    EXPECT_EQ(agregaEquivalencia(t, "n", "500", "s0"), std::nullopt);
    EXPECT_EQ(t[255].codigo, "254");
    EXPECT_EQ(agregaEquivalencia(t, "m", "501", "s0"),
              "Lo siento, No se puede agregar más símbolos al alfabeto.");
}

using Rechazo = std::optional<std::string>;

// "griego" (x 5, y 120) saved in slot 2, "copto" (a 00, b 01) unsaved in slot 5.
class Ranuras : public pruebas::PruebaNucleo {
  protected:
    Ranuras() {
        ocupaRanura(estado.ranuras[2], {"griego", {{"x", "5"}, {"y", "120"}}}, true);
        ocupaRanura(estado.ranuras[5], {"copto", {{"a", "00"}, {"b", "01"}}}, false);
    }
    RanurasAlfabeto& ranuras = estado.ranuras;
    AlfabetoActivo& activo = estado.alfabeto;
};

TEST_F(Ranuras, ModuloDelAlfabetoActivoPorSuNombre) {
    EXPECT_EQ(estado.alfabeto.modulo, 28);  // a-z at the start
    ocupaRanura(estado.ranuras[3], {"vacío", {}}, false);
    EXPECT_EQ(ranuras[2].alfabeto.equivalencias[0].codigo, "005");  // at the common width
    for (const auto& [nombre, n] : {std::pair{"ASCII", 195.}, {"griego", 121.}, {"vacío", 1.}}) {
        activo.nombre = nombre;
        EXPECT_TRUE(fijaModulo(ranuras, activo)) << nombre;
        EXPECT_EQ(activo.modulo, n) << nombre;
    }
    // A closed slot no longer counts; an unknown name changes nothing.
    estado.ranuras[2].libre = true;
    for (const char* nombre : {"griego", "Ascii", ""}) {
        activo.nombre = nombre;
        EXPECT_FALSE(fijaModulo(ranuras, activo)) << nombre;
        EXPECT_EQ(activo.modulo, 1);
    }
}

// Predefined and loaded names are taken, exactly as written.
TEST_F(Ranuras, NombresNuevosYCambiados) {
    const std::pair<const char*, Rechazo> nuevos[] = {
        {"", "Debes poner un nombre al alfabeto."},
        {"ASCII", "Este nombre ya corresponde a un alfabeto. Escribe otro, por favor."},
        {"copto", "Este nombre ya corresponde a un alfabeto. Escribe otro, por favor."},
        {"   ", "El nombre no puede estar formado únicamente por espacios en blanco."},
        {" mío", "El nombre no puede empezar por un espacio en blanco."},
        {"Copto", std::nullopt},
        {"ascii", std::nullopt},
        {"mío ", std::nullopt},
    };
    for (const auto& [nombre, rechazo] : nuevos)
        EXPECT_EQ(rechazoNombreNuevo(estado.ranuras, nombre), rechazo) << nombre;

    const std::pair<const char*, Rechazo> cambios[] = {
        {"copto", std::nullopt},  // its own name
        {"griego", kMensajeNombreDeOtro},
        {"a-z, A-Z", kMensajeNombreDeOtro},
        {"", "Se le ha de poner un nombre."},
        {"  ", "El nombre no puede estar formado únicamente por espacios en blanco."},
        {" c", "El nombre no puede empezar por un espacio en blanco."},
        {"demótico", std::nullopt},
    };
    for (const auto& [nombre, rechazo] : cambios)
        EXPECT_EQ(rechazoCambioNombre(estado.ranuras, 5, nombre), rechazo) << nombre;
    ocupaRanura(estado.ranuras[0], {"cero", {}}, false);  // the first slot counts too
    EXPECT_EQ(rechazoCambioNombre(estado.ranuras, 5, "cero"), kMensajeNombreDeOtro);
}

TEST_F(Ranuras, RenombrarYCerrarElActivo) {
    activo.nombre = "griego";
    renombraAlfabeto(ranuras, activo, 2, "heleno");
    renombraAlfabeto(ranuras, activo, 5, "otro");  // not active: the active name does not follow
    EXPECT_EQ(activo.nombre + " " + ranuras[2].alfabeto.nombre, "heleno heleno");
    EXPECT_TRUE(!ranuras[2].guardado && esActivo(ranuras, activo, 2));
    fijaModulo(ranuras, activo);
    EXPECT_FALSE(cierraAlfabeto(ranuras, activo, 5));  // another slot: the active one stays
    EXPECT_TRUE(ranuras[5].libre && ranuras[5].alfabeto.equivalencias.empty());
    EXPECT_EQ(activo.nombre + " " + std::to_string(activo.modulo), "heleno 121.000000");
    EXPECT_TRUE(cierraAlfabeto(ranuras, activo, 2));
    EXPECT_TRUE(ranuras[2].libre && !ranuras[2].guardado);
    EXPECT_EQ(activo.nombre + " " + std::to_string(activo.modulo), "a-z 28.000000");
}

}  // namespace
}  // namespace zefra
