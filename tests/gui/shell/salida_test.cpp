// The exit path: "Salir " and the main window's frame warn before unsaved user alphabets go.
#include <QLabel>
#include <QPushButton>

#include "gui/entorno.hpp"

namespace zefra::pruebas {
namespace {

class Salida : public PruebaVentanas {
  protected:
    // Answers the warning with one of its buttons, after checking the list it shows.
    void esperaAviso(const QString& lista, const char* boton) {
        esperaDialogo(QStringLiteral("frmAvisoSalir"), [this, lista, boton](QWidget* aviso) {
            EXPECT_EQ(aviso->windowTitle(), QStringLiteral("AVISO"));
            EXPECT_EQ(control<QLabel>(aviso, "lbAvisoAlfabetos")->text(), lista);
            control<QPushButton>(aviso, boton)->click();
        });
    }
};

TEST_F(Salida, SinAlfabetosDeUsuarioTerminaSinPreguntar) {
    accion("nSalir")->trigger();
    EXPECT_EQ(terminaciones, 1);
    EXPECT_EQ(ventana("frmAvisoSalir"), nullptr);
}

TEST_F(Salida, AlfabetosGuardadosOLibresNoSeListan) {
    estado.ranuras[2].libre = false;
    estado.ranuras[2].guardado = true;
    estado.ranuras[6].guardado = true;
    accion("nSalir")->trigger();
    EXPECT_EQ(terminaciones, 1);
}

TEST_F(Salida, AvisaDeLosAlfabetosSinGuardarEnOrden) {
    estado.ranuras[3].libre = false;
    estado.ranuras[0].libre = false;
    esperaAviso(QStringLiteral("alfabeto1\nalfabeto4\n"), "btAceptarAviso");
    accion("nSalir")->trigger();
    EXPECT_EQ(terminaciones, 1);
}

TEST_F(Salida, CancelarNoTerminaYLaListaNoCrece) {
    estado.ranuras[0].libre = false;
    esperaAviso(QStringLiteral("alfabeto1\n"), "btCancelarAviso");
    accion("nSalir")->trigger();
    EXPECT_EQ(terminaciones, 0);
    EXPECT_FALSE(ventana("frmAvisoSalir")->isVisible());
    EXPECT_TRUE(principal->isVisible());

    esperaAviso(QStringLiteral("alfabeto1\n"), "btAceptarAviso");
    accion("nSalir")->trigger();
    EXPECT_EQ(terminaciones, 1);
}

TEST_F(Salida, CerrarElAvisoConElMarcoEsCancelar) {
    estado.ranuras[5].libre = false;
    esperaDialogo(QStringLiteral("frmAvisoSalir"), [](QWidget* aviso) { aviso->close(); });
    accion("nSalir")->trigger();
    EXPECT_EQ(terminaciones, 0);
    esperaAviso(QStringLiteral("alfabeto6\n"), "btCancelarAviso");
    accion("nSalir")->trigger();
}

TEST_F(Salida, ElMarcoDeLaVentanaPrincipalPasaPorLaSalida) {
    estado.ranuras[1].libre = false;
    esperaAviso(QStringLiteral("alfabeto2\n"), "btCancelarAviso");
    EXPECT_FALSE(principal->close());
    EXPECT_EQ(terminaciones, 0);
    EXPECT_TRUE(principal->isVisible());

    estado.ranuras[1].guardado = true;
    principal->close();
    EXPECT_EQ(terminaciones, 1);
}

}  // namespace
}  // namespace zefra::pruebas
