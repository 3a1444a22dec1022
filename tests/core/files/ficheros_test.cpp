// Files: text files read whole as UTF-8 or else Windows-1252, refused when they cannot be a
// text, written with CR LF through a temporary file that never leaves the old file half
// replaced; the alphabet file, its exact text, every refusal of the reading in the order the
// checks meet it, and alphabets of every size through a real file and back; and a result as a
// document: its text form with CR LF and its heading, the CSV of its tables with the quoting
// spreadsheets expect, a table streamed cell by cell, and a save that fails leaving the old
// file and saying why.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>

#include "core/alphabets/edicion.hpp"
#include "core/alphabets/predefinidos.hpp"
#include "core/files/codificacion.hpp"
#include "core/files/exportacion_texto.hpp"
#include "core/files/fichero_alfabeto.hpp"
#include "core/files/ficheros_texto.hpp"
#include "core/shell/tabla.hpp"

namespace zefra {
namespace {

namespace fs = std::filesystem;

class FicherosTexto : public ::testing::Test {
  protected:
    FicherosTexto() { fs::create_directories(carpeta); }
    ~FicherosTexto() override {
        std::error_code e;
        fs::remove_all(carpeta, e);
    }
    fs::path crea(const char* nombre, const std::string& bytes) {
        std::ofstream(carpeta / nombre, std::ios::binary) << bytes;
        return carpeta / nombre;
    }
    std::string bytesDe(const fs::path& nombre) {
        std::ifstream f(carpeta / nombre, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    long ficheros() { return std::distance(fs::directory_iterator(carpeta), {}); }
    // What `escribe` returns with a file size limit of so many bytes, which makes every write
    // past it fail as a full disk would.
    template <class F>
    auto conLimite(rlim_t bytes, F&& escribe) {
        struct rlimit anterior {};
        EXPECT_EQ(::getrlimit(RLIMIT_FSIZE, &anterior), 0);
        auto* const senal = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limite = anterior;
        limite.rlim_cur = bytes;
        EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
        const auto resultado = escribe();
        ::setrlimit(RLIMIT_FSIZE, &anterior);
        std::signal(SIGXFSZ, senal);
        return resultado;
    }

    const fs::path carpeta =
        fs::temp_directory_path() / ("zefra-prueba-" + std::to_string(std::random_device{}()));
};

// Read whole, as UTF-8 or else as Windows-1252; nothing that cannot be a readable text.
TEST_F(FicherosTexto, LeeSoloTextosLegibles) {
    const std::pair<std::string, std::string> casos[] = {
        {"zvkf\r\nhola\r\n", "zvkf\r\nhola\r\n"},
        {"", ""},
        {"a\xC3\xB1o \xE2\x80\x99", "a\xC3\xB1o \xE2\x80\x99"},      // "año ’"
        {"a\xF1o \x92\x80", "a\xC3\xB1o \xE2\x80\x99\xE2\x82\xAC"},  // Windows-1252
    };
    for (const auto& [bytes, texto] : casos)
        EXPECT_EQ(leeTexto(crea("a.txt", bytes)), texto) << bytes;
    EXPECT_FALSE(leeTexto(carpeta / "no-existe.txt"));
    EXPECT_FALSE(leeTexto(carpeta));
    EXPECT_FALSE(leeTexto(crea("grande.txt", std::string(kMaximoTamanoTexto + 1, 'a'))));
    const fs::path gigante = crea("gigante.txt", "");
    fs::resize_file(gigante, std::uintmax_t{1} << 30);  // sparse: no gigabyte is written
    EXPECT_FALSE(leeTexto(gigante));
    EXPECT_FALSE(leeTexto(crea("programa.bin", {'\x7f', 'E', 'L', 'F', 2, 1, 0, 0})));
    if (::geteuid() != 0) {  // root reads everything
        const fs::path secreto = crea("secreto.txt", "x");
        fs::permissions(secreto, fs::perms::none);
        EXPECT_FALSE(leeTexto(secreto));
    }
}

TEST_F(FicherosTexto, EscribeConCrLfReemplazaConservandoLosPermisosYUnFalloNoEstropeaNada) {
    ASSERT_TRUE(escribeTexto(carpeta / "r.cod", "zvkf"));
    EXPECT_EQ(bytesDe("r.cod"), "zvkf\r\n");
    const auto permisos = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(carpeta / "r.cod", permisos);
    ASSERT_TRUE(escribeTexto(carpeta / "r.cod", "\xC3\xB1"));
    EXPECT_EQ(bytesDe("r.cod"), "\xC3\xB1\r\n");
    EXPECT_EQ(fs::status(carpeta / "r.cod").permissions() & fs::perms::all, permisos);
    EXPECT_EQ(ficheros(), 1);  // no temporary file left behind
    // A failure never spoils the file that was there.
    crea("viejo.txt", "intacto");
    fs::permissions(carpeta / "viejo.txt", fs::perms::owner_read);
    EXPECT_FALSE(escribeTexto(carpeta / "viejo.txt", "nuevo"));
    EXPECT_EQ(bytesDe("viejo.txt"), "intacto");
    EXPECT_FALSE(escribeTexto(carpeta / "no-hay" / "x.txt", "nuevo"));
    EXPECT_FALSE(escribeTexto(carpeta, "nuevo"));  // a folder is not a file
    EXPECT_EQ(ficheros(), 2);                      // r.cod and viejo.txt, nothing else
}

TEST(RutaYCodificacion, UnaSolaBarraYUtf8Valido) {
    EXPECT_EQ(rutaCompleta("/", "a.txt") + rutaCompleta("/home/ana", "a.txt") +
                  rutaCompleta("/home/ana/", "a.txt") + rutaCompleta("/home/ana", "/tmp/a.pdf"),
              "/a.txt/home/ana/a.txt/home/ana/a.txt/tmp/a.pdf");
    EXPECT_TRUE(esUtf8Valido("hola \xC3\xB1 \xF0\x9F\x98\x80"));
    // Cut short, overlong, a surrogate, past U+10FFFF.
    for (const char* malo : {"\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80"})
        EXPECT_FALSE(esUtf8Valido(malo)) << malo;
    EXPECT_EQ(desdeWindows1252("\x81\x9F\xFF"), "\xC2\x81Ÿÿ");  // unassigned 0x81 kept
    // Windows-1252 texts whose first byte above ASCII is a lone continuation byte or a lead
    // byte no UTF-8 form starts with.
    // clang-format off
    const std::pair<const char*, const char*> antiguos[] = {
        {"\xBFQu\xE9 tal?", "¿Qué tal?"}, {"\xA1Hola!", "¡Hola!"}, {"1\xBA y 2\xAA", "1º y 2ª"}, {"\xFAltimo", "último"},
        {"ping\xFCino", "pingüino"}, {"5 \x80", "5 €"}, {"l\x92" "agua", "l’agua"}};
    // clang-format on
    for (const auto& [bytes, texto] : antiguos)
        EXPECT_EQ(decodificaTexto(bytes), texto) << bytes;
}

// "mío" loaded in slot 4; slot 6 free with a name left behind.
LecturaAlfabeto lee(std::string_view texto) {
    static RanurasAlfabeto ranuras;
    ranuras[4].libre = false;
    ranuras[4].alfabeto.nombre = "mío";
    ranuras[6].alfabeto.nombre = "libre";
    return leeAlfabeto(texto, ranuras);
}

// The alphabet read, as "name: symbol code, symbol code".
std::string leido(std::string_view texto) {
    const auto l = lee(texto);
    if (!l.alfabeto) return l.rechazo;
    std::string s = l.alfabeto->nombre + ":";
    for (const auto& e : l.alfabeto->equivalencias)
        s += (s.back() == ':' ? " " : ", ") + e.simbolo + " " + e.codigo;
    return s;
}

TEST(FicheroAlfabeto, TextoDelEjemploYRechazosEnOrden) {
    EXPECT_EQ(textoAlfabeto({"abc", {{"a", "00"}, {"b", "01"}}}), "abc\r\na 00\r\nb 01\r\nzzz\r\n");
    EXPECT_EQ(leido("abc\r\na 00\r\nb 01\r\nzzz\r\n\r\n"), "abc: a 00, b 01");
    // No entries; names only like a loaded one's; blanks and line ends as symbols, codes of
    // any width; an old file in Windows-1252.
    for (const std::string nombre : {"solo", "Mío", "libre"})
        EXPECT_EQ(leido(nombre + "\r\nzzz\r\n\r\n"), nombre + ":");
    EXPECT_EQ(leido("raro zzz\r\n  7\r\n\r 112\r\n\n 0\r\nz 3\r\nzzz\r\n\r\n"),
              "raro zzz:   007, \r 112, \n 000, z 003");
    EXPECT_EQ(leido(decodificaTexto("espa\xF1ol\r\n\xF1 5\r\n\x92 6\r\nzzz\r\n\r\n")),
              "español: ñ 05, \u2019 06");
    // Every refusal, in the order the checks meet it.
    const std::pair<const char*, const char*> casos[] = {
        {"", "Alfabeto no válido"},
        {"abc\r\na 00\r\nzzz\r\n", "Alfabeto no válido"},  // one line end after zzz
        {"abc\r\na 00\r\nzzz\r\n\r\n\r\n", "Alfabeto no válido"},
        {"zzz\r\n\r\n", "Alfabeto no valido."},
        {" abc\r\nzzz\r\n\r\n", "Alfabeto no valido"},
        {"\r\na 00\r\nzzz\r\n\r\n", "Alfabeto no valido"},  // no name at all
        {"azzz\r\n\r\n", "Alfabeto no valido"},
        {"abczzz\r\n\r\n", "Alfabeto no valido"},  // no line end after the name
        {"a-z\r\na 00\r\nzzz\r\n\r\n", kMensajeMismoNombre},
        {"mío\r\nzzz\r\n\r\n", kMensajeMismoNombre},
        {"abc\r\na05\r\nzzz\r\n\r\n", "Alfabeto no válido"},
        {"abc\r\nazzz\r\n\r\n", "Alfabeto no válido"},
        {"abc\r\na zzz\r\n\r\n", "Alfabeto no válido"},
        {"abc\r\na 0x\r\nzzz\r\n\r\n", "Alfabeto no válido"},
        {"abc\r\na 05zzz\r\n\r\n", "Alfabeto no válido"},
        {"abc\r\na \r\nb 01\r\nzzz\r\n\r\n", "Alfabeto no válido"},  // an empty code
        {"abc\r\na 00\r\na 01\r\nzzz\r\n\r\n", "Alfabeto no válido"},
        {"abc\r\na 05\r\nb 005\r\nzzz\r\n\r\n", "Alfabeto no válido"},
        {"abc\r\na 12345678\r\nzzz\r\n\r\n", "Alfabeto no válido"},
    };
    for (const auto& [texto, mensaje] : casos) {
        const auto l = lee(texto);
        EXPECT_FALSE(l.alfabeto) << texto;
        EXPECT_EQ(l.rechazo, mensaje) << texto;
    }
}

// The ASCII table, with line ends, and a full table of 256 entries with two-byte symbols,
// written to a file and opened again; one entry more is refused.
TEST_F(FicherosTexto, AlfabetosIdaYVueltaPorUnFichero) {
    const auto simbolos = simbolosOfrecidos();
    Alfabeto lleno{"tabla de 256", {}};
    for (int k = 0; k < 256; ++k) {
        const auto p = static_cast<unsigned>(0x100 + k);  // past the offered symbols, Ā …
        lleno.equivalencias.push_back({k < 192 ? simbolos[static_cast<std::size_t>(k)]
                                               : std::string{static_cast<char>(0xC0 | (p >> 6)),
                                                             static_cast<char>(0x80 | (p & 0x3F))},
                                       std::to_string(k)});
    }
    igualaAnchos(lleno.equivalencias);
    for (const Alfabeto& a : {Alfabeto{"copia de ASCII", alfabetoASCII().equivalencias}, lleno}) {
        ASSERT_TRUE(escribeTexto(carpeta / "alfabeto.txt", textoAlfabeto(a)));
        const auto l = lee(leeTexto(carpeta / "alfabeto.txt").value_or(""));
        ASSERT_TRUE(l.alfabeto) << l.rechazo;
        EXPECT_EQ(l.alfabeto->nombre + l.alfabeto->equivalencias.back().simbolo,
                  a.nombre + a.equivalencias.back().simbolo);
        EXPECT_EQ(l.alfabeto->equivalencias, a.equivalencias);
    }
    std::string texto = textoAlfabeto({"tabla", lleno.equivalencias}) + "\r\n";
    texto.insert(texto.size() - 7, "Ā 999\r\n");
    EXPECT_EQ(lee(texto).rechazo, "Alfabeto no válido. Demasiados símbolos");
}

std::string texto(const Documento& d, bool csv = false) {
    std::string s;
    const Sumidero salida = [&s](std::string_view t) { return s += t, true; };
    EXPECT_TRUE(csv ? escribeCsv(d, salida) : escribeDocumento(d, salida));
    return s;
}

Documento ejemplo(const Tabla& tabla) {
    Documento d{"EUCLIDES", {{"a", "12"}, {"b", "8"}}, "06/12/2026 10:30", {}};
    d.bloques.emplace_back(bloqueDeTabla(tabla, 2, 2));
    d.bloques.emplace_back(BloqueTraza{"mcd(12, 8) = 4\n  paso\r\nfin\n"});
    d.bloques.emplace_back(BloqueRico{"<p>x</p>", "Uno\rDos"});
    return d;
}

TEST(Documento, TextoConCabeceraCrLfTablaTabuladaYCsvSoloDeLasTablas) {
    // Rows 0-1 and columns 0-1 are leading ones a grid keeps out of its cells; row 0 and
    // column 0 head it.
    Tabla tabla(4, 4);
    const char* celdas[4][4] = {{"", "-", "q", "r"},
                                {"oculta", "-", "x", "y"},
                                {"1", "-", "1", "4"},
                                {"2", "-", "a\tb", "0"}};
    for (int f = 0; f < 4; ++f)
        for (int c = 0; c < 4; ++c)
            tabla.fija(f, c, celdas[f][c]);
    const Documento d = ejemplo(tabla);
    EXPECT_EQ(texto(d),
              "EUCLIDES\r\na: 12\r\nb: 8\r\nFecha: 06/12/2026 10:30\r\n\r\n"
              "\tq\tr\r\n1\t1\t4\r\n2\ta b\t0\r\n"
              "\r\nmcd(12, 8) = 4\r\n  paso\r\nfin\r\n"
              "\r\nUno\r\nDos\r\n");
    std::string copia;
    ASSERT_TRUE(escribeContenido(
        d, [&copia](std::string_view t) { return copia += t, true; }, false));
    EXPECT_EQ(copia.substr(0, 11), "\tq\tr\n1\t1\t4\n");
    EXPECT_TRUE(tieneTabla(d) && !tieneTabla(Documento{"T", {}, "", {BloqueTraza{"x"}}}));
    // The CSV: the tables only, quoted as RFC 4180 says.
    for (const auto& [campo, csv] : {std::pair{"12", "12"},
                                     {"1,5", "\"1,5\""},
                                     {"a\nb", "\"a\nb\""},
                                     {"a\rb", "\"a\rb\""},
                                     {"di \"hola\"", "\"di \"\"hola\"\"\""}})
        EXPECT_EQ(campoCsv(campo), csv) << campo;
    Tabla pequena(2, 2);
    pequena.fija(0, 0, "n");
    pequena.fija(0, 1, "x, y");
    pequena.fija(1, 0, "1");
    pequena.fija(1, 1, "\"");
    Documento conDos = ejemplo(pequena);
    conDos.bloques.emplace_back(bloqueDeTabla(pequena, 0, 0));
    // The example's table keeps two leading rows and columns: only the first of each shows.
    EXPECT_EQ(texto(conDos, true), "n\r\n\r\nn,\"x, y\"\r\n1,\"\"\"\"\r\n");
}

TEST_F(FicherosTexto, GuardaTextoOCsvYCadaFalloDejaElFicheroViejoYDiceElMotivo) {
    Tabla tabla(2, 1);
    tabla.fija(0, 0, "p");
    tabla.fija(1, 0, "2,3");
    const Documento d{"T", {}, "hoy", {bloqueDeTabla(tabla, 1, 0)}};
    EXPECT_EQ(guardaDocumento(d, carpeta / "t.txt", false), FalloEscritura::ninguno);
    EXPECT_EQ(bytesDe(carpeta / "t.txt"), "T\r\nFecha: hoy\r\n\r\np\r\n2,3\r\n");
    EXPECT_EQ(guardaDocumento(d, carpeta / "t.txt", true), FalloEscritura::ninguno);
    EXPECT_EQ(bytesDe(carpeta / "t.txt"), "p\r\n\"2,3\"\r\n");

    EXPECT_EQ(guardaDocumento(d, carpeta, false), FalloEscritura::esCarpeta);
    fs::permissions(carpeta / "t.txt", fs::perms::owner_read);
    EXPECT_EQ(guardaDocumento(d, carpeta / "t.txt", false), FalloEscritura::sinPermiso);
    EXPECT_NE(guardaDocumento(d, carpeta / "no-hay" / "x.txt", false), FalloEscritura::ninguno);
    fs::permissions(carpeta / "t.txt", fs::perms::owner_all);

    // A file size limit fails the writes of a long streamed table.
    const BloqueTabla larga{200'000, 1, false, false, [](int f, int) { return std::to_string(f); }};
    const auto guarda = [&] {
        return guardaDocumento({"L", {}, "", {larga}}, carpeta / "t.txt", false);
    };
    EXPECT_EQ(conLimite(100'000, guarda), FalloEscritura::escritura);
    EXPECT_EQ(bytesDe(carpeta / "t.txt"), "p\r\n\"2,3\"\r\n");
    EXPECT_EQ(ficheros(), 1);  // no temporary file left behind
}

}  // namespace
}  // namespace zefra
