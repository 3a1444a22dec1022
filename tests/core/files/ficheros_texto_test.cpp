// Text files: read whole as UTF-8 or else Windows-1252, refused when they cannot be a text,
// written with CR LF through a temporary file that never leaves the old file half replaced.
#include "files/ficheros_texto.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>
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
    FicherosTexto() { fs::create_directories(carpeta); }
    ~FicherosTexto() override {
        std::error_code e;
        fs::remove_all(carpeta, e);
    }
    fs::path crea(const char* nombre, const std::string& bytes) {
        std::ofstream(carpeta / nombre, std::ios::binary) << bytes;
        return carpeta / nombre;
    }
    std::string bytesDe(const char* nombre) {
        std::ifstream f(carpeta / nombre, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    long ficheros() { return std::distance(fs::directory_iterator(carpeta), {}); }

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
    EXPECT_FALSE(leeTexto(crea("programa.bin", std::string("\x7f"
                                                           "ELF\x02\x01\x00\x00",
                                                           8))));
    if (::geteuid() != 0) {  // root reads everything
        const fs::path secreto = crea("secreto.txt", "x");
        fs::permissions(secreto, fs::perms::none);
        EXPECT_FALSE(leeTexto(secreto));
    }
}

TEST_F(FicherosTexto, EscribeConCrLfYReemplazaConservandoLosPermisos) {
    ASSERT_TRUE(escribeTexto(carpeta / "r.cod", "zvkf"));
    EXPECT_EQ(bytesDe("r.cod"), "zvkf\r\n");
    const auto permisos = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(carpeta / "r.cod", permisos);
    ASSERT_TRUE(escribeTexto(carpeta / "r.cod", "\xC3\xB1"));
    EXPECT_EQ(bytesDe("r.cod"), "\xC3\xB1\r\n");
    EXPECT_EQ(fs::status(carpeta / "r.cod").permissions() & fs::perms::all, permisos);
    EXPECT_EQ(ficheros(), 1);  // no temporary file left behind
}

TEST_F(FicherosTexto, UnFalloNuncaEstropeaElFicheroQueHabia) {
    crea("viejo.txt", "intacto");
    fs::permissions(carpeta / "viejo.txt", fs::perms::owner_read);
    EXPECT_FALSE(escribeTexto(carpeta / "viejo.txt", "nuevo"));
    EXPECT_EQ(bytesDe("viejo.txt"), "intacto");
    EXPECT_FALSE(escribeTexto(carpeta / "no-hay" / "x.txt", "nuevo"));
    EXPECT_FALSE(escribeTexto(carpeta, "nuevo"));  // a folder is not a file
    EXPECT_EQ(ficheros(), 1);

    // A file size limit makes every write past it fail, as a full disk would.
    fs::permissions(carpeta / "viejo.txt", fs::perms::owner_all);
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
    EXPECT_EQ(bytesDe("viejo.txt"), "intacto");
    EXPECT_EQ(ficheros(), 1);
}

TEST(RutaYCodificacion, UnaSolaBarraYUtf8Valido) {
    EXPECT_EQ(rutaCompleta("/", "a.txt"), "/a.txt");
    EXPECT_EQ(rutaCompleta("/home/ana", "a.txt"), "/home/ana/a.txt");
    EXPECT_EQ(rutaCompleta("/home/ana/", "a.txt"), "/home/ana/a.txt");
    EXPECT_TRUE(esUtf8Valido("hola \xC3\xB1 \xF0\x9F\x98\x80"));
    // Cut short, overlong, a surrogate, past U+10FFFF.
    for (const char* malo : {"\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80"})
        EXPECT_FALSE(esUtf8Valido(malo)) << malo;
    EXPECT_EQ(desdeWindows1252("\x81\x9F\xFF"), "\xC2\x81Ÿÿ");  // unassigned 0x81 kept
}

}  // namespace
}  // namespace zefra
