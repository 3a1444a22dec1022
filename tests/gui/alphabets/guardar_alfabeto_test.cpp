// Opening, saving and closing user alphabets from the menu, the save prompt's three buttons
// after defining and while closing, and the exit warning over alphabets defined in the windows.
#include <QPushButton>

#include "gui/alphabets/alfabetos_prueba.hpp"

namespace zefra::pruebas {
namespace {

class GuardarAlfabeto : public PruebaAlfabetos {
  protected:
    QWidget* aviso() const { return ventana("frguardaralfabeto"); }
};

TEST_F(GuardarAlfabeto, TrasDefinirConCadaBoton) {
    // "SÍ", loaded: written as loaded, every code at the width of the largest one.
    defineTabla({{"a", "7"}, {"ñ", "0120"}}, true);
    esperaNombre("mío");
    esperaAviso(kCargado, "btsiguardaralfa");
    esperaGuardar("3", "mio.txt", "mío");
    pulsa(definir(), "btAceptarDefAlfa");
    EXPECT_EQ(leeFichero("mio.txt"), "mío\r\na 007\r\nñ 120\r\nzzz\r\n\r\n");
    EXPECT_TRUE(ranura(0).guardado && !ranura(0).libre);
    EXPECT_FALSE(aviso()->isVisible() || ventana("frnombrealfa")->isVisible());
    EXPECT_TRUE(definir()->isVisible());

    // Not loaded: "SÍ" saves, and no button touches the slots or their saved flags.
    selecciona(1);
    defineTabla({{"a", "7"}}, false);
    esperaNombre("suelto");
    esperaAviso(kNoCargado, "btsiguardaralfa");
    esperaGuardar("3", "suelto.txt", "suelto");
    pulsa(definir(), "btAceptarDefAlfa");
    EXPECT_EQ(leeFichero("suelto.txt"), "suelto\r\na 07\r\nzzz\r\n\r\n");
    esperaNombre("otro");
    esperaAviso(kNoCargado, "btnoguardaralfa");
    pulsa(definir(), "btAceptarDefAlfa");
    esperaNombre("otro");
    esperaAviso(kNoCargado, "btCancelarGuardaralfa");
    esperaNombre("otro", "btCancelaNombreAlfa");  // "Cancelar" left the naming window open
    pulsa(definir(), "btAceptarDefAlfa");
    EXPECT_TRUE(ranura(0).guardado);
    EXPECT_TRUE(ranura(1).libre);
}

TEST_F(GuardarAlfabeto, GuardarYCerrarDesdeElMenu) {
    cargaDefinido("uno", {{"a", "0"}});
    cargaDefinido("dos", {{"b", "0"}, {"c", "2"}});
    EXPECT_FALSE(deUsuarioHabilitados());
    selecciona(2);
    ASSERT_TRUE(deUsuarioHabilitados());
    // "Salir" of the chooser saves nothing.
    esperaDialogo("frmlistdirec", [this](QWidget* d) { boton(d, "Command1")->click(); });
    accion("nGuardarAlfa")->trigger();
    EXPECT_FALSE(ranura(1).guardado);
    esperaGuardar("6", "dos.txt", "dos");
    accion("nGuardarAlfa")->trigger();
    EXPECT_EQ(leeFichero("dos.txt"), "dos\r\nb 00\r\nc 02\r\nzzz\r\n\r\n");
    EXPECT_TRUE(ranura(1).guardado);
    EXPECT_EQ(activo(), "dos");

    // A saved alphabet closes without asking; the next one takes its slot, selectable at once.
    accion("nCerrarAlfa")->trigger();
    EXPECT_TRUE(ranura(1).libre);
    EXPECT_EQ(entradasDe(1), "");
    EXPECT_EQ(activo(), "a-z");
    EXPECT_EQ(estado.alfabeto.modulo, 28);
    EXPECT_FALSE(accion("nalfa_azminus")->isEnabled());
    EXPECT_FALSE(entrada(2)->isVisible());
    EXPECT_TRUE(entrada(0)->isVisible());  // "uno" is still listed
    EXPECT_FALSE(deUsuarioHabilitados());
    cargaDefinido("tres", {{"d", "0"}});
    EXPECT_TRUE(entrada(2)->isEnabled());
    EXPECT_EQ(entrada(2)->text(), "tres");
}

TEST_F(GuardarAlfabeto, CerrarSinGuardarConCadaBoton) {
    cargaDefinido("uno", {{"a", "0"}});
    selecciona(1);
    // "Cancelar": the alphabet stays loaded and active, its commands usable again.
    accion("nCerrarAlfa")->trigger();
    ASSERT_TRUE(aviso()->isVisible());
    EXPECT_FALSE(aviso()->isModal());  // the prompt of closing lets the program go on
    EXPECT_EQ(control<QLabel>(aviso(), "lbsecargara")->text(), "Alfabeto no guardado.");
    EXPECT_EQ(control<QLineEdit>(aviso(), "txcerrar")->text(), "1");
    EXPECT_FALSE(deUsuarioHabilitados());
    pulsa(aviso(), "btCancelarGuardaralfa");
    EXPECT_FALSE(aviso()->isVisible());
    EXPECT_EQ(activo(), "uno");
    EXPECT_TRUE(deUsuarioHabilitados());

    // "SÍ": saved, then closed.
    accion("nCerrarAlfa")->trigger();
    esperaGuardar("5", "uno.txt", "uno");
    pulsa(aviso(), "btsiguardaralfa");
    EXPECT_EQ(leeFichero("uno.txt"), "uno\r\na 00\r\nzzz\r\n\r\n");
    EXPECT_TRUE(ranura(0).libre);
    EXPECT_EQ(activo(), "a-z");
    EXPECT_FALSE(aviso()->isVisible() || entrada(0)->isVisible());

    // "NO": closed without a file, even when another alphabet was chosen meanwhile.
    cargaDefinido("uno", {{"a", "0"}});
    cargaDefinido("dos", {{"b", "0"}});
    selecciona(1);
    accion("nCerrarAlfa")->trigger();
    selecciona(2);
    pulsa(aviso(), "btnoguardaralfa");
    EXPECT_TRUE(ranura(0).libre);
    EXPECT_FALSE(ranura(1).libre || aviso()->isVisible());
    EXPECT_EQ(activo(), "dos");  // it was not the one closed
    EXPECT_TRUE(deUsuarioHabilitados());
}

TEST_F(GuardarAlfabeto, AbrirUnFichero) {
    estado.ranuras[0].libre = false;
    std::ofstream(carpeta.filePath("abc.txt").toStdString()) << "abc\r\na 00\r\nb 1\r\nzzz\r\n\r\n";
    std::ofstream(carpeta.filePath("malo.txt").toStdString()) << "abc\r\na05\r\nzzz\r\n\r\n";
    esperaAbrir("malo.txt", 1);
    esperaMensaje("Alfabeto no válido");
    accion("nAbrirAlfa")->trigger();
    EXPECT_TRUE(ranura(1).libre);
    EXPECT_FALSE(entrada(2)->isVisible());

    esperaAbrir("abc.txt", 1);
    accion("nAbrirAlfa")->trigger();
    EXPECT_TRUE(ranura(1).guardado);
    EXPECT_EQ(entradasDe(1), "a 00, b 01");
    EXPECT_TRUE(entrada(0)->isVisible() && entrada(2)->isVisible() && entrada(2)->isEnabled());
    EXPECT_EQ(entrada(2)->text(), "abc");
    EXPECT_EQ(activo(), "a-z");

    esperaAbrir("abc.txt", 2);  // the same name cannot be loaded twice
    esperaMensaje(
        "Hay un alfabeto cargado con el mismo nombre. Se debe cerrar si quieres abrir este.");
    accion("nAbrirAlfa")->trigger();
    EXPECT_TRUE(ranura(2).libre);

    for (int i = 2; i < 8; ++i)
        cargaDefinido(QStringLiteral("a%1").arg(i), {{"a", "0"}});
    esperaMensaje("Para poder abrir uno nuevo has de cerrar al menos uno ya cargado del programa.");
    accion("nAbrirAlfa")->trigger();  // with eight alphabets loaded
    EXPECT_EQ(ranura(7).nombre, "a7");
}

TEST_F(GuardarAlfabeto, LaSalidaAvisaDeLosAlfabetosSinGuardar) {
    cargaDefinido("primero & cía", {{"a", "0"}});
    cargaDefinido("guardado", {{"a", "0"}});
    cargaDefinido("cuarto", {{"a", "0"}});
    estado.ranuras[1].guardado = true;
    for (const auto& [boton, terminado] :
         {std::pair{"btCancelarAviso", 0}, {"btAceptarAviso", 1}}) {
        esperaDialogo("frmAvisoSalir", [this, boton](QWidget* d) {
            EXPECT_EQ(control<QLabel>(d, "lbAvisoAlfabetos")->text(), "primero & cía\ncuarto\n");
            control<QPushButton>(d, boton)->click();
        });
        accion("nSalir")->trigger();
        EXPECT_EQ(terminaciones, terminado) << boton;
    }
}

}  // namespace
}  // namespace zefra::pruebas
