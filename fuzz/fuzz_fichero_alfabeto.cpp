// libFuzzer entry: the checks of compruebaFicheroAlfabeto on every input the fuzzer makes.
#include "comprobaciones.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    zefra::fuzz::compruebaFicheroAlfabeto(datos, tamano);
    return 0;
}
