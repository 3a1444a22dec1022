// The exit path: "Salir " and the main window's frame warn before unsaved user alphabets go.
#include <QLabel>
#include <QPushButton>

#include "gui/entorno.hpp"

namespace zefra::pruebas {
namespace {

class Salida : public PruebaVentanas {
  protected:
    // Answers the warning with one of its buttons (or its frame, for nullptr), after checking
    // the list it shows.
    void esperaAviso(const QString& lista, const char* boton) {
        esperaDialogo("frmAvisoSalir", [this, lista, boton](QWidget* aviso) {
            EXPECT_EQ(aviso->windowTitle(), "AVISO");
            EXPECT_EQ(control<QLabel>(aviso, "lbAvisoAlfabetos")->text(), lista);
            if (boton) {
                control<QPushButton>(aviso, boton)->click();
            } else {
                aviso->close();
            }
        });
    }
};

TEST_F(Salida, SoloAvisaDeLosAlfabetosSinGuardarYCancelarNoTermina) {
    estado.ranuras[2].libre = false;  // saved or free slots are not listed
    estado.ranuras[2].guardado = true;
    estado.ranuras[6].guardado = true;
    accion("nSalir")->trigger();
    EXPECT_EQ(terminaciones, 1);
    EXPECT_EQ(ventana("frmAvisoSalir"), nullptr);

    estado.ranuras[3].libre = false;
    estado.ranuras[0].libre = false;
    for (const char* boton : {"btCancelarAviso", static_cast<const char*>(nullptr)}) {
        esperaAviso("alfabeto1\nalfabeto4\n", boton);  // in order, and the list does not grow
        accion("nSalir")->trigger();
        EXPECT_EQ(terminaciones, 1);
        EXPECT_FALSE(ventana("frmAvisoSalir")->isVisible());
        EXPECT_TRUE(principal->isVisible());
    }
    esperaAviso("alfabeto1\nalfabeto4\n", "btAceptarAviso");
    accion("nSalir")->trigger();
    EXPECT_EQ(terminaciones, 2);
}

TEST_F(Salida, ElMarcoDeLaVentanaPrincipalPasaPorLaSalida) {
    estado.ranuras[1].libre = false;
    esperaAviso("alfabeto2\n", "btCancelarAviso");
    EXPECT_FALSE(principal->close());
    EXPECT_EQ(terminaciones, 0);
    EXPECT_TRUE(principal->isVisible());
    estado.ranuras[1].guardado = true;
    principal->close();
    EXPECT_EQ(terminaciones, 1);
}

}  // namespace
}  // namespace zefra::pruebas
