#include "shell/tabla.hpp"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/shell/error_de.hpp"

namespace zefra {
namespace {

using pruebas::errorDe;

TEST(Tabla, SubindicesFueraDeIntervaloYRedimensiones) {
    Tabla tabla(2, 3);
    tabla.fija(0, 0, "a");
    tabla.fija(1, 2, "b");
    tabla.fija(1, 0, "c");
    for (const auto& [f, c] : {std::pair{2, 0}, {0, 3}, {-1, 0}, {0, -1}}) {
        EXPECT_EQ(errorDe([&] { tabla.fija(f, c, "y"); }), TipoError::SubindiceFueraDeIntervalo);
        EXPECT_EQ(errorDe([&] { tabla.texto(f, c); }), TipoError::SubindiceFueraDeIntervalo);
    }
    tabla.redimensiona(3, 2);  // the cells that stay inside keep their text
    EXPECT_EQ(tabla.texto(0, 0), "a");
    EXPECT_EQ(tabla.texto(1, 0), "c");
    EXPECT_EQ(tabla.texto(2, 1), "");
    tabla.redimensiona(3, 3);
    EXPECT_EQ(tabla.texto(1, 2), "");  // the cut cell does not come back
    EXPECT_EQ(errorDe([&] { tabla.redimensiona(-1, 2); }), TipoError::SubindiceFueraDeIntervalo);
}

TEST(Tabla, AvisaSoloDeLosCambiosRealesYDeSuFin) {
    struct Registro final : Tabla::Observador {
        void celdaCambiada(int fila, int columna) override { celdas.emplace_back(fila, columna); }
        void dimensionesCambiadas() override { ++redimensiones; }
        void tablaDestruida() override { destruida = true; }
        std::vector<std::pair<int, int>> celdas;
        int redimensiones = 0;
        bool destruida = false;
    } registro, otro;
    {
        Tabla tabla(2, 2);
        tabla.fijaObservador(&registro);
        tabla.fija(1, 1, "7");
        tabla.fija(1, 1, "7");
        tabla.fija(0, 1, "");
        tabla.redimensiona(4, 2);
        tabla.fijaObservador(&otro);  // the first one hears nothing more
        tabla.fija(0, 0, "x");
    }
    EXPECT_EQ(registro.celdas, (std::vector<std::pair<int, int>>{{1, 1}}));
    EXPECT_EQ(registro.redimensiones, 1);
    EXPECT_FALSE(registro.destruida);
    EXPECT_TRUE(otro.destruida);
}

}  // namespace
}  // namespace zefra
