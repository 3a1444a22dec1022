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

TEST(RanuraDe, PrimeraOcupadaConEseNombre) {
    RanurasAlfabeto ranuras;
    ranuras[1].nombre = "griego";  // free: it does not count
    ranuras[4].nombre = "griego";
    ranuras[4].libre = false;
    ranuras[6].nombre = "griego";
    ranuras[6].libre = false;
    EXPECT_EQ(ranuraDe(ranuras, "griego"), 4);
    EXPECT_EQ(ranuraDe(ranuras, "Griego"), std::nullopt);
    EXPECT_EQ(ranuraDe(ranuras, ""), std::nullopt);
    EXPECT_TRUE(ranuras[0].tabla.texto(127, 3).empty());
    EXPECT_EQ(ranuras[0].tabla.filas(), kFilasAlfabeto);
}

}  // namespace
}  // namespace zefra
