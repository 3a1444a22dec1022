// Opening, saving and closing user alphabets from the menu, the save prompt's three buttons
// after defining and while closing, and the exit warning over alphabets defined in the windows.
#include <QPushButton>

#include "gui/alphabets/alfabetos_prueba.hpp"

namespace zefra::pruebas {
namespace {

class GuardarAlfabeto : public PruebaAlfabetos {};

TEST_F(GuardarAlfabeto, TrasDefinirSiGuardaElFichero) {
    defineTabla({{"a", "7"}, {"ñ", "0120"}}, true);
    esperaNombre(QStringLiteral("mío"));
    esperaAviso(QStringLiteral("ALFABETO CARGADO EN MEMORIA."), "btsiguardaralfa");
    esperaGuardar(QStringLiteral("Guardar alfabeto."), QStringLiteral("3"),
                  QStringLiteral("mio.txt"), QStringLiteral("mío"));
    pulsa(boton(ventana("frmDefineAlfabeto"), "btAceptarDefAlfa"));
    // Written as loaded: every code at the width of the largest one.
    EXPECT_EQ(leeFichero(QStringLiteral("mio.txt")), "mío\r\na 007\r\nñ 120\r\nzzz\r\n\r\n");
    EXPECT_TRUE(ranura(0).guardado);
    EXPECT_FALSE(ranura(0).libre);
    EXPECT_FALSE(ventana("frguardaralfabeto")->isVisible());
    EXPECT_FALSE(ventana("frnombrealfa")->isVisible());
    EXPECT_TRUE(ventana("frmDefineAlfabeto")->isVisible());
}

TEST_F(GuardarAlfabeto, TrasDefinirSinCargarNoTocaLasRanuras) {
    cargaDefinido(QStringLiteral("activo"), {{"x", "1"}});
    selecciona(1);
    estado.ranuras[0].guardado = true;  // as if saved earlier

    defineTabla({{"a", "7"}}, false);
    esperaNombre(QStringLiteral("suelto"));
    esperaAviso(QStringLiteral("NO SE CARGÓ EN MEMORIA."), "btsiguardaralfa");
    esperaGuardar(QStringLiteral("Guardar alfabeto."), QStringLiteral("3"),
                  QStringLiteral("suelto.txt"), QStringLiteral("suelto"));
    pulsa(boton(ventana("frmDefineAlfabeto"), "btAceptarDefAlfa"));
    EXPECT_EQ(leeFichero(QStringLiteral("suelto.txt")), "suelto\r\na 07\r\nzzz\r\n\r\n");

    // "NO" and "Cancelar" after defining leave the active alphabet's saved flag alone.
    esperaNombre(QStringLiteral("otro"));
    esperaAviso(QStringLiteral("NO SE CARGÓ EN MEMORIA."), "btnoguardaralfa");
    pulsa(boton(ventana("frmDefineAlfabeto"), "btAceptarDefAlfa"));
    esperaNombre(QStringLiteral("otro"));
    esperaAviso(QStringLiteral("NO SE CARGÓ EN MEMORIA."), "btCancelarGuardaralfa");
    esperaDialogo(QStringLiteral("frnombrealfa"), [this](QWidget* d) {
        // "Cancelar" hid the prompt only: the naming window is still there.
        boton(d, "btCancelaNombreAlfa")->click();
    });
    pulsa(boton(ventana("frmDefineAlfabeto"), "btAceptarDefAlfa"));
    EXPECT_TRUE(ranura(0).guardado);
    for (int i = 1; i < 8; ++i)
        EXPECT_TRUE(ranura(i).libre);
}

TEST_F(GuardarAlfabeto, GuardarDesdeElMenu) {
    cargaDefinido(QStringLiteral("griego"), {{"a", "0"}, {"b", "2"}});
    EXPECT_FALSE(deUsuarioHabilitados());
    selecciona(1);
    ASSERT_TRUE(deUsuarioHabilitados());
    esperaGuardar(QStringLiteral("Guardar alfabeto seleccionado."), QStringLiteral("6"),
                  QStringLiteral("griego.txt"), QStringLiteral("griego"));
    accion("nGuardarAlfa")->trigger();
    EXPECT_EQ(leeFichero(QStringLiteral("griego.txt")), "griego\r\na 00\r\nb 02\r\nzzz\r\n\r\n");
    EXPECT_TRUE(ranura(0).guardado);
    EXPECT_FALSE(ranura(0).libre);
    EXPECT_EQ(activo(), QStringLiteral("griego"));

    // "Salir" of the chooser saves nothing.
    estado.ranuras[0].guardado = false;
    esperaDialogo(QStringLiteral("frmlistdirec"),
                  [this](QWidget* d) { boton(d, "Command1")->click(); });
    accion("nGuardarAlfa")->trigger();
    EXPECT_FALSE(ranura(0).guardado);
}

TEST_F(GuardarAlfabeto, CerrarUnAlfabetoGuardado) {
    cargaDefinido(QStringLiteral("uno"), {{"a", "0"}});
    cargaDefinido(QStringLiteral("dos"), {{"b", "0"}, {"c", "9"}});
    estado.ranuras[0].guardado = true;
    estado.ranuras[1].guardado = true;
    selecciona(2);
    EXPECT_EQ(estado.alfabeto.modulo, 10);
    accion("nCerrarAlfa")->trigger();
    EXPECT_TRUE(ranura(1).libre);
    EXPECT_FALSE(ranura(1).guardado);
    EXPECT_TRUE(equivalenciasDe(ranura(1).tabla).empty());
    EXPECT_EQ(activo(), QStringLiteral("a-z"));
    EXPECT_EQ(estado.alfabeto.modulo, 28);
    EXPECT_FALSE(accion("nalfa_azminus")->isEnabled());
    EXPECT_FALSE(entrada(2)->isVisible());
    EXPECT_TRUE(entrada(0)->isVisible());  // "uno" is still listed
    EXPECT_FALSE(deUsuarioHabilitados());

    selecciona(1);
    accion("nCerrarAlfa")->trigger();
    EXPECT_FALSE(entrada(0)->isVisible());
    EXPECT_FALSE(entrada(1)->isVisible());
    EXPECT_FALSE(deUsuarioHabilitados());

    // The slot is used again by the next alphabet, selectable at once.
    cargaDefinido(QStringLiteral("tres"), {{"d", "0"}});
    EXPECT_FALSE(ranura(0).libre);
    EXPECT_TRUE(entrada(1)->isEnabled());
    EXPECT_EQ(entrada(1)->text(), QStringLiteral("tres"));
}

TEST_F(GuardarAlfabeto, CerrarSinGuardarConCadaBoton) {
    cargaDefinido(QStringLiteral("uno"), {{"a", "0"}});
    selecciona(1);
    const auto aviso = [this] { return ventana("frguardaralfabeto"); };

    // "Cancelar": the alphabet stays loaded and active, its commands usable again.
    accion("nCerrarAlfa")->trigger();
    ASSERT_TRUE(aviso()->isVisible());
    EXPECT_FALSE(aviso()->isModal());  // the prompt of closing lets the program go on
    EXPECT_EQ(control<QLabel>(aviso(), "lbsecargara")->text(),
              QStringLiteral("Alfabeto no guardado."));
    EXPECT_EQ(control<QLineEdit>(aviso(), "txcerrar")->text(), QStringLiteral("1"));
    EXPECT_FALSE(deUsuarioHabilitados());
    pulsa(boton(aviso(), "btCancelarGuardaralfa"));
    EXPECT_FALSE(aviso()->isVisible());
    EXPECT_FALSE(ranura(0).libre);
    EXPECT_EQ(activo(), QStringLiteral("uno"));
    EXPECT_TRUE(deUsuarioHabilitados());

    // "SÍ": saved, then closed.
    accion("nCerrarAlfa")->trigger();
    esperaGuardar(QStringLiteral("Guardar alfabeto."), QStringLiteral("5"),
                  QStringLiteral("uno.txt"), QStringLiteral("uno"));
    pulsa(boton(aviso(), "btsiguardaralfa"));
    EXPECT_EQ(leeFichero(QStringLiteral("uno.txt")), "uno\r\na 00\r\nzzz\r\n\r\n");
    EXPECT_TRUE(ranura(0).libre);
    EXPECT_FALSE(ranura(0).guardado);
    EXPECT_EQ(activo(), QStringLiteral("a-z"));
    EXPECT_EQ(estado.alfabeto.modulo, 28);
    EXPECT_FALSE(aviso()->isVisible());
    EXPECT_FALSE(entrada(0)->isVisible());

    // "NO": closed without a file.
    cargaDefinido(QStringLiteral("dos"), {{"b", "0"}});
    selecciona(1);
    accion("nCerrarAlfa")->trigger();
    pulsa(boton(aviso(), "btnoguardaralfa"));
    EXPECT_TRUE(ranura(0).libre);
    EXPECT_FALSE(aviso()->isVisible());
    EXPECT_EQ(activo(), QStringLiteral("a-z"));
}

TEST_F(GuardarAlfabeto, ElAvisoDeCerrarSigueAlAlfabetoQueLoPidio) {
    cargaDefinido(QStringLiteral("uno"), {{"a", "0"}});
    cargaDefinido(QStringLiteral("dos"), {{"b", "0"}});
    selecciona(1);
    accion("nCerrarAlfa")->trigger();
    // While the prompt waits, the student chooses another alphabet.
    selecciona(2);
    pulsa(boton(ventana("frguardaralfabeto"), "btnoguardaralfa"));
    EXPECT_TRUE(ranura(0).libre);
    EXPECT_FALSE(ranura(1).libre);
    EXPECT_EQ(activo(), QStringLiteral("dos"));  // it was not the one closed
    EXPECT_TRUE(deUsuarioHabilitados());
}

TEST_F(GuardarAlfabeto, AbrirUnFichero) {
    estado.ranuras[0].libre = false;
    creaFichero(QStringLiteral("abc.txt"), "abc\r\na 00\r\nb 1\r\nzzz\r\n\r\n");
    creaFichero(QStringLiteral("malo.txt"), "abc\r\na05\r\nzzz\r\n\r\n");

    esperaAbrir(QStringLiteral("malo.txt"), 1);
    esperaMensaje(QStringLiteral("Alfabeto no válido"));
    accion("nAbrirAlfa")->trigger();
    EXPECT_TRUE(ranura(1).libre);
    EXPECT_FALSE(entrada(2)->isVisible());

    esperaAbrir(QStringLiteral("abc.txt"), 1);
    accion("nAbrirAlfa")->trigger();
    EXPECT_FALSE(ranura(1).libre);
    EXPECT_TRUE(ranura(1).guardado);
    EXPECT_EQ(entradasDe(1), (std::vector<std::string>{"a 00", "b 01"}));
    EXPECT_TRUE(entrada(0)->isVisible());
    EXPECT_TRUE(entrada(2)->isVisible());
    EXPECT_TRUE(entrada(2)->isEnabled());
    EXPECT_EQ(entrada(2)->text(), QStringLiteral("abc"));
    EXPECT_EQ(activo(), QStringLiteral("a-z"));

    // The same name cannot be loaded twice.
    esperaAbrir(QStringLiteral("abc.txt"), 2);
    esperaMensaje(QStringLiteral(
        "Hay un alfabeto cargado con el mismo nombre. Se debe cerrar si quieres abrir este."));
    accion("nAbrirAlfa")->trigger();
    EXPECT_TRUE(ranura(2).libre);
}

TEST_F(GuardarAlfabeto, AbrirConOchoAlfabetosCargados) {
    for (int i = 0; i < 8; ++i)
        cargaDefinido(QStringLiteral("a%1").arg(i), {{"a", "0"}});
    esperaMensaje(QStringLiteral(
        "Para poder abrir uno nuevo has de cerrar al menos uno ya cargado del programa."));
    accion("nAbrirAlfa")->trigger();
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(ranura(i).nombre, QStringLiteral("a%1").arg(i).toStdString());
}

TEST_F(GuardarAlfabeto, LaSalidaAvisaDeLosAlfabetosSinGuardar) {
    cargaDefinido(QStringLiteral("primero & cía"), {{"a", "0"}});
    cargaDefinido(QStringLiteral("guardado"), {{"a", "0"}});
    cargaDefinido(QStringLiteral("cuarto"), {{"a", "0"}});
    selecciona(2);
    esperaGuardar(QStringLiteral("Guardar alfabeto seleccionado."), QStringLiteral("6"),
                  QStringLiteral("g.txt"), QStringLiteral("guardado"));
    accion("nGuardarAlfa")->trigger();

    const auto esperaAvisoSalida = [this](const char* boton) {
        esperaDialogo(QStringLiteral("frmAvisoSalir"), [this, boton](QWidget* d) {
            EXPECT_EQ(control<QLabel>(d, "lbAvisoAlfabetos")->text(),
                      QStringLiteral("primero & cía\ncuarto\n"));
            control<QPushButton>(d, boton)->click();
        });
    };
    esperaAvisoSalida("btCancelarAviso");
    accion("nSalir")->trigger();
    EXPECT_EQ(terminaciones, 0);
    esperaAvisoSalida("btAceptarAviso");
    accion("nSalir")->trigger();
    EXPECT_EQ(terminaciones, 1);
}

}  // namespace
}  // namespace zefra::pruebas
