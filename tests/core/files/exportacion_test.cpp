// A result as a document: its text form with CR LF and its heading, the CSV of its tables with
// the quoting spreadsheets expect, a table streamed cell by cell, and a save that fails leaving
// the old file and saying why.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>

#include "core/files/exportacion_texto.hpp"
#include "core/shell/tabla.hpp"

namespace zefra {
namespace {

namespace fs = std::filesystem;

std::string texto(const Documento& d, bool csv = false) {
    std::string s;
    const Sumidero salida = [&s](std::string_view t) {
        s += t;
        return true;
    };
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

TEST(Documento, TextoConCabeceraCrLfYTablaTabuladaConSusEncabezados) {
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
    EXPECT_TRUE(tieneTabla(d));
    EXPECT_FALSE(tieneTabla(Documento{"T", {}, "", {BloqueTraza{"x"}}}));
}

TEST(Documento, CsvSoloDeLasTablasConLasComillasDeRfc4180) {
    EXPECT_EQ(campoCsv("12"), "12");
    EXPECT_EQ(campoCsv("1,5"), "\"1,5\"");
    EXPECT_EQ(campoCsv("di \"hola\""), "\"di \"\"hola\"\"\"");
    EXPECT_EQ(campoCsv("a\nb"), "\"a\nb\"");
    EXPECT_EQ(campoCsv("a\rb"), "\"a\rb\"");
    Tabla tabla(2, 2);
    tabla.fija(0, 0, "n");
    tabla.fija(0, 1, "x, y");
    tabla.fija(1, 0, "1");
    tabla.fija(1, 1, "\"");
    Documento d = ejemplo(tabla);
    d.bloques.emplace_back(bloqueDeTabla(tabla, 0, 0));
    // The example's table keeps two leading rows and columns: only the first of each shows.
    EXPECT_EQ(texto(d, true), "n\r\n\r\nn,\"x, y\"\r\n1,\"\"\"\"\r\n");
}

class GuardaDocumento : public ::testing::Test {
  protected:
    GuardaDocumento() { fs::create_directories(carpeta); }
    ~GuardaDocumento() override {
        std::error_code e;
        fs::remove_all(carpeta, e);
    }
    std::string bytesDe(const fs::path& ruta) {
        std::ifstream f(ruta, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    long ficheros() { return std::distance(fs::directory_iterator(carpeta), {}); }

    const fs::path carpeta =
        fs::temp_directory_path() / ("zefra-doc-" + std::to_string(std::random_device{}()));
};

TEST_F(GuardaDocumento, GuardaTextoOCsvYCadaFalloDejaElFicheroViejoYDiceElMotivo) {
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

    // A file size limit fails the writes of a long streamed table as a full disk would.
    BloqueTabla larga{200'000, 1, false, false, [](int f, int) { return std::to_string(f); }};
    struct rlimit anterior {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &anterior), 0);
    auto* const senal = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limite = anterior;
    limite.rlim_cur = 100'000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
    const auto fallo = guardaDocumento(Documento{"L", {}, "", {larga}}, carpeta / "t.txt", false);
    ::setrlimit(RLIMIT_FSIZE, &anterior);
    std::signal(SIGXFSZ, senal);
    EXPECT_EQ(fallo, FalloEscritura::escritura);
    EXPECT_EQ(bytesDe(carpeta / "t.txt"), "p\r\n\"2,3\"\r\n");
    EXPECT_EQ(ficheros(), 1);  // no temporary file left behind
}

}  // namespace
}  // namespace zefra
