// Choosing the active alphabet from "Seleccionar": the label, the modulus, the enabling of the
// entries, and the statement of the key window that follows the modulus.
#include <QLabel>
#include <QMenu>

#include "gui/entorno.hpp"

namespace zefra::pruebas {
namespace {

const std::pair<const char*, const char*> kPredefinidos[] = {
    {"nalfa_azminus", "a-z"},          {"nalfa_az", "A-Z"},      {"nalfa_azAZ", "a-z, A-Z"},
    {"nalfa_azAZ09", "a-z, A-Z, 0-9"}, {"nalfa_ASCII", "ASCII"},
};
const char* kDeUsuario[] = {"nModificarAlfa", "nCerrarAlfa", "nGuardarAlfa"};

class SeleccionAlfabeto : public PruebaVentanas {
  protected:
    QString activo() const { return control<QLabel>(principal.get(), "lbalfabetoactivo")->text(); }
    // Only the entry of the active alphabet is disabled.
    void soloDesactivada(const QString& nombre) {
        for (const auto& [entrada, titulo] : kPredefinidos)
            EXPECT_EQ(accion(entrada)->isEnabled(), nombre != entrada) << entrada;
        // A hidden entry cannot be chosen at all; the visible ones follow the rule.
        for (int i = 1; i <= 8; ++i) {
            QAction* a = accion(QStringLiteral("nalfaus(%1)").arg(i));
            if (a->isVisible()) {
                EXPECT_EQ(a->isEnabled(), nombre != a->objectName()) << i;
            }
        }
    }
    void deUsuarioActivo(bool activos) {
        for (const char* a : kDeUsuario)
            EXPECT_EQ(accion(a)->isEnabled(), activos) << a;
    }
    // A user alphabet loaded into a slot, as the alphabet files will load it.
    void carga(int ranura, const char* nombre, int codigos) {
        auto& r = estado.ranuras[static_cast<std::size_t>(ranura)];
        r.libre = false;
        r.nombre = nombre;
        for (int k = 0; k < codigos; ++k) {
            r.tabla.fija(k, 0, std::string(1, static_cast<char>('a' + k)));
            r.tabla.fija(k, 1, "0" + std::to_string(k));
        }
        QAction* entrada = accion(QStringLiteral("nalfaus(%1)").arg(ranura + 1));
        entrada->setText(QString::fromUtf8(nombre));
        entrada->setVisible(true);
        accion("nalfaus(0)")->setVisible(true);
    }
};

TEST_F(SeleccionAlfabeto, AlEmpezar) {
    EXPECT_EQ(activo(), QStringLiteral("a-z"));
    for (int i = 0; i <= 8; ++i)
        EXPECT_FALSE(accion(QStringLiteral("nalfaus(%1)").arg(i))->isVisible());
    EXPECT_EQ(estado.alfabeto.modulo, 28);
    soloDesactivada(QStringLiteral("nalfa_azminus"));
    deUsuarioActivo(false);
    EXPECT_TRUE(
        principal->findChild<QMenu*>(QStringLiteral("nSelecAlfa"))->menuAction()->isEnabled());
}

TEST_F(SeleccionAlfabeto, CadaPredefinidoConSuModulo) {
    const double modulos[] = {28, 28, 55, 65, 195};
    // From the last to the first, so that every choice re-enables the one before.
    for (int k = 4; k >= 0; --k) {
        const auto& [entrada, nombre] = kPredefinidos[k];
        accion(entrada)->trigger();
        EXPECT_EQ(activo(), QString::fromUtf8(nombre));
        EXPECT_EQ(estado.alfabeto.nombre, nombre);
        EXPECT_EQ(estado.alfabeto.modulo, modulos[k]) << nombre;
        soloDesactivada(QString::fromUtf8(entrada));
        deUsuarioActivo(false);
    }
}

TEST_F(SeleccionAlfabeto, LaVentanaDeClavesDiceElModulo) {
    accion("ncripprivada")->trigger();
    auto* frase = control<QLabel>(ventana("frmpedirclaves"), "lbpedirclaves1");
    EXPECT_EQ(frase->text(),
              QStringLiteral("Dado que se utiliza como módulo: n = 28 es necesario elegir para la "
                             "clave privada r, un número tal que el m.c.d.( 28, r) = 1"));
    accion("nalfa_ASCII")->trigger();
    EXPECT_EQ(frase->text(),
              QStringLiteral("Dado que se utiliza como módulo: n = 195 es necesario elegir para la "
                             "clave privada r, un número tal que el m.c.d.( 195, r) = 1"));
    accion("nalfa_azminus")->trigger();
    EXPECT_TRUE(accion("nalfa_ASCII")->isEnabled());
    EXPECT_TRUE(frase->text().contains(QStringLiteral("n = 28 ")));
}

TEST_F(SeleccionAlfabeto, AlfabetoDeUsuario) {
    carga(2, "griego", 10);
    carga(5, "<b>raro</b>", 3);
    accion("nalfaus(3)")->trigger();
    EXPECT_EQ(activo(), QStringLiteral("griego"));
    EXPECT_EQ(estado.alfabeto.modulo, 10);
    soloDesactivada(QStringLiteral("nalfaus(3)"));
    deUsuarioActivo(true);

    accion("nalfaus(6)")->trigger();
    EXPECT_EQ(estado.alfabeto.modulo, 3);
    EXPECT_EQ(control<QLabel>(principal.get(), "lbalfabetoactivo")->textFormat(), Qt::PlainText);
    soloDesactivada(QStringLiteral("nalfaus(6)"));

    accion("nalfa_azAZ")->trigger();
    EXPECT_EQ(estado.alfabeto.modulo, 55);
    soloDesactivada(QStringLiteral("nalfa_azAZ"));
    deUsuarioActivo(false);

    // The entry of a slot freed behind its back chooses nothing.
    estado.ranuras[5].libre = true;
    accion("nalfaus(6)")->trigger();
    EXPECT_EQ(activo(), QStringLiteral("a-z, A-Z"));
    EXPECT_EQ(estado.alfabeto.modulo, 55);
}

}  // namespace
}  // namespace zefra::pruebas
