#include "alphabets/ranuras.hpp"

#include <gtest/gtest.h>

namespace zefra {
namespace {

TEST(AlfabetosEnPeligro, SoloLosCargadosSinGuardarEnOrden) {
    RanurasAlfabeto ranuras;
    EXPECT_TRUE(alfabetosEnPeligro(ranuras).empty());
    ranuras[3].libre = false;
    ranuras[0].libre = false;
    ranuras[5].libre = false;
    ranuras[5].guardado = true;  // saved: not endangered
    ranuras[7].guardado = true;  // free whatever its saved flag says
    EXPECT_EQ(alfabetosEnPeligro(ranuras), (std::vector<int>{0, 3}));
}

}  // namespace
}  // namespace zefra
