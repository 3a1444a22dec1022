#include "files/ficheros_texto.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>

#include "files/codificacion.hpp"

namespace zefra {
namespace {

namespace fs = std::filesystem;

class FicherosTexto : public ::testing::Test {
  protected:
    FicherosTexto() {
        std::random_device azar;
        carpeta = fs::temp_directory_path() / ("zefra-prueba-" + std::to_string(azar()));
        fs::create_directories(carpeta);
    }
    ~FicherosTexto() override {
        std::error_code e;
        fs::permissions(carpeta, fs::perms::owner_all, fs::perm_options::add, e);
        fs::remove_all(carpeta, e);
    }
    void crea(const fs::path& ruta, const std::string& bytes) {
        std::ofstream(ruta, std::ios::binary) << bytes;
    }
    std::string bytesDe(const fs::path& ruta) {
        std::ifstream f(ruta, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    int ficherosEn(const fs::path& dir) {
        return static_cast<int>(std::distance(fs::directory_iterator(dir), {}));
    }

    fs::path carpeta;
};

TEST_F(FicherosTexto, LeeElTextoEnteroSinTocarlo) {
    crea(carpeta / "a.txt", "zvkf\r\nhola\r\n");
    EXPECT_EQ(leeTexto(carpeta / "a.txt"), "zvkf\r\nhola\r\n");
    crea(carpeta / "vacio.txt", "");
    EXPECT_EQ(leeTexto(carpeta / "vacio.txt"), "");
}

TEST_F(FicherosTexto, Utf8OWindows1252) {
    crea(carpeta / "utf8.txt", "a\xC3\xB1o \xE2\x80\x99");  // "año ’"
    EXPECT_EQ(leeTexto(carpeta / "utf8.txt"), "a\xC3\xB1o \xE2\x80\x99");
    crea(carpeta / "1252.txt", "a\xF1o \x92\x80");  // "año ’€" in Windows-1252
    EXPECT_EQ(leeTexto(carpeta / "1252.txt"), "a\xC3\xB1o \xE2\x80\x99\xE2\x82\xAC");
}

TEST_F(FicherosTexto, NoAbreLoQueNoEsUnTextoLegible) {
    EXPECT_FALSE(leeTexto(carpeta / "no-existe.txt"));
    EXPECT_FALSE(leeTexto(carpeta));
    crea(carpeta / "grande.txt", std::string(kMaximoTamanoTexto + 1, 'a'));
    EXPECT_FALSE(leeTexto(carpeta / "grande.txt"));
    if (::geteuid() != 0) {  // root reads everything
        crea(carpeta / "secreto.txt", "x");
        fs::permissions(carpeta / "secreto.txt", fs::perms::none);
        EXPECT_FALSE(leeTexto(carpeta / "secreto.txt"));
    }
}

TEST_F(FicherosTexto, UnGigabyteUnBinarioYUnoQueDesaparece) {
    const fs::path gigante = carpeta / "gigante.txt";
    { std::ofstream f(gigante, std::ios::binary); }
    fs::resize_file(gigante, std::uintmax_t{1} << 30);  // sparse: no gigabyte is written
    EXPECT_FALSE(leeTexto(gigante));
    crea(carpeta / "programa.bin", std::string("\x7f"
                                               "ELF\x02\x01\x00\x00",
                                               8));
    EXPECT_FALSE(leeTexto(carpeta / "programa.bin"));
    crea(carpeta / "efimero.txt", "hola");
    fs::remove(carpeta / "efimero.txt");  // listed a moment ago, gone now
    EXPECT_FALSE(leeTexto(carpeta / "efimero.txt"));
}

TEST_F(FicherosTexto, UnDiscoLlenoNoDejaNadaAMedias) {
    crea(carpeta / "viejo.txt", "intacto");
    // A file size limit makes every write past it fail, as a full disk would.
    struct rlimit anterior {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &anterior), 0);
    auto* const senal = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limite = anterior;
    limite.rlim_cur = 4;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
    const bool guardado = escribeTexto(carpeta / "viejo.txt", "un texto largo que no cabe");
    ::setrlimit(RLIMIT_FSIZE, &anterior);
    std::signal(SIGXFSZ, senal);
    EXPECT_FALSE(guardado);
    EXPECT_EQ(bytesDe(carpeta / "viejo.txt"), "intacto");
    EXPECT_EQ(ficherosEn(carpeta), 1);
}

TEST_F(FicherosTexto, EscribeElTextoConCrLfYReemplaza) {
    ASSERT_TRUE(escribeTexto(carpeta / "r.cod", "zvkf"));
    EXPECT_EQ(bytesDe(carpeta / "r.cod"), "zvkf\r\n");
    ASSERT_TRUE(escribeTexto(carpeta / "r.cod", "\xC3\xB1"));
    EXPECT_EQ(bytesDe(carpeta / "r.cod"), "\xC3\xB1\r\n");
    EXPECT_EQ(ficherosEn(carpeta), 1);  // no temporary file left behind
}

TEST_F(FicherosTexto, UnFalloNuncaEstropeaElFicheroQueHabia) {
    crea(carpeta / "viejo.txt", "intacto");
    fs::permissions(carpeta / "viejo.txt", fs::perms::owner_read);
    EXPECT_FALSE(escribeTexto(carpeta / "viejo.txt", "nuevo"));
    EXPECT_EQ(bytesDe(carpeta / "viejo.txt"), "intacto");
    EXPECT_FALSE(escribeTexto(carpeta / "no-hay" / "x.txt", "nuevo"));
    EXPECT_FALSE(escribeTexto(carpeta, "nuevo"));  // a folder is not a file
    EXPECT_EQ(ficherosEn(carpeta), 1);
}

TEST_F(FicherosTexto, ConservaLosPermisosDelFicheroReemplazado) {
    crea(carpeta / "p.txt", "x");
    fs::permissions(carpeta / "p.txt",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(escribeTexto(carpeta / "p.txt", "y"));
    EXPECT_EQ(fs::status(carpeta / "p.txt").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(RutaCompleta, UnaSolaBarra) {
    EXPECT_EQ(rutaCompleta("/", "a.txt"), "/a.txt");
    EXPECT_EQ(rutaCompleta("/home/ana", "a.txt"), "/home/ana/a.txt");
    EXPECT_EQ(rutaCompleta("/home/ana/", "a.txt"), "/home/ana/a.txt");
}

TEST(Codificacion, Utf8Valido) {
    EXPECT_TRUE(esUtf8Valido("hola \xC3\xB1 \xF0\x9F\x98\x80"));
    EXPECT_FALSE(esUtf8Valido("\xC3"));              // cut short
    EXPECT_FALSE(esUtf8Valido("\xC0\xAF"));          // overlong
    EXPECT_FALSE(esUtf8Valido("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(esUtf8Valido("\xF4\x90\x80\x80"));  // past U+10FFFF
    EXPECT_FALSE(esUtf8Valido("\xF1"));
    EXPECT_EQ(desdeWindows1252("\x81\xFF"), "\xC2\x81\xC3\xBF");
}

}  // namespace
}  // namespace zefra
