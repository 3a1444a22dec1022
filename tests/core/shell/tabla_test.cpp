#include "shell/tabla.hpp"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "shell/errores.hpp"

namespace zefra {
namespace {

struct Registro final : Tabla::Observador {
    void celdaCambiada(int fila, int columna) override { celdas.emplace_back(fila, columna); }
    void dimensionesCambiadas() override { ++redimensiones; }
    void tablaDestruida() override { destruida = true; }
    std::vector<std::pair<int, int>> celdas;
    int redimensiones = 0;
    bool destruida = false;
};

TEST(Tabla, FueraDeIntervaloEsErrorDeSubindice) {
    Tabla tabla(3, 2);
    tabla.fija(2, 1, "x");
    EXPECT_EQ(tabla.texto(2, 1), "x");
    for (const auto& [f, c] : {std::pair{3, 0}, {0, 2}, {-1, 0}, {0, -1}}) {
        try {
            tabla.fija(f, c, "y");
            ADD_FAILURE() << f << ',' << c;
        } catch (const ErrorEjecucion& e) {
            EXPECT_EQ(e.tipo(), TipoError::SubindiceFueraDeIntervalo);
        }
        EXPECT_THROW(tabla.texto(f, c), ErrorEjecucion);
    }
}

TEST(Tabla, RedimensionarConservaLasCeldasQueQuedanDentro) {
    Tabla tabla(2, 3);
    tabla.fija(0, 0, "a");
    tabla.fija(1, 2, "b");
    tabla.fija(1, 0, "c");
    tabla.redimensiona(3, 2);
    EXPECT_EQ(tabla.texto(0, 0), "a");
    EXPECT_EQ(tabla.texto(1, 0), "c");
    EXPECT_EQ(tabla.texto(2, 1), "");
    tabla.redimensiona(3, 3);
    EXPECT_EQ(tabla.texto(1, 2), "");  // the cut cell does not come back
    EXPECT_THROW(tabla.redimensiona(-1, 2), ErrorEjecucion);
}

TEST(Tabla, AvisaSoloDeLosCambiosReales) {
    Tabla tabla(2, 2);
    Registro registro;
    tabla.fijaObservador(&registro);
    tabla.fija(1, 1, "7");
    tabla.fija(1, 1, "7");
    tabla.fija(0, 1, "");
    tabla.redimensiona(4, 2);
    tabla.fijaObservador(nullptr);
    tabla.fija(0, 0, "sin aviso");
    EXPECT_EQ(registro.celdas, (std::vector<std::pair<int, int>>{{1, 1}}));
    EXPECT_EQ(registro.redimensiones, 1);
}

TEST(Tabla, AvisaAlObservadorCuandoDesaparece) {
    Registro registro;
    {
        Tabla tabla(1, 1);
        tabla.fijaObservador(&registro);
    }
    EXPECT_TRUE(registro.destruida);
}

}  // namespace
}  // namespace zefra
