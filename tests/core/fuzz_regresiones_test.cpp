// Every input of the fuzzers' seed corpus, and every input that ever made a fuzzer fail, goes
// through the same checks in the normal test run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "comprobaciones.hpp"

namespace zefra::fuzz {
namespace {

namespace fs = std::filesystem;

using Comprobacion = void (*)(const std::uint8_t*, std::size_t);

int repasa(const std::string& objetivo, Comprobacion comprueba) {
    int entradas = 0;
    for (const char* carpeta : {"corpus", "regresiones"}) {
        const fs::path ruta = fs::path(ZEFRA_FUZZ_DIR) / carpeta / objetivo;
        if (!fs::exists(ruta)) continue;
        for (const auto& fichero : fs::directory_iterator(ruta)) {
            std::ifstream f(fichero.path(), std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(f), {}};
            SCOPED_TRACE(fichero.path().string());
            comprueba(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++entradas;
        }
    }
    return entradas;
}

TEST(EntradasDeLosFuzzers, NumerosTextoDecimalTranscripcionYFicherosDeAlfabeto) {
    EXPECT_GT(repasa("numeros", compruebaNumeros), 10);
    EXPECT_GT(repasa("texto_decimal", compruebaTextoDecimal), 10);
    EXPECT_GT(repasa("transcripcion", compruebaTranscripcion), 5);
    EXPECT_GT(repasa("fichero_alfabeto", compruebaFicheroAlfabeto), 5);
}

}  // namespace
}  // namespace zefra::fuzz
