// The alphabet menu: choosing the active alphabet with its label, modulus and enabling; opening,
// saving and closing user alphabets, the save prompt's three buttons after defining and while
// closing, and an alphabet's whole life: defined, loaded, selected, used to encipher, saved,
// closed, opened again and used to decipher.
#include <QPushButton>

#include "gui/crypto/cifrado_prueba.hpp"

namespace zefra::pruebas {
namespace {

class MenuAlfabetos : public PruebaCifrado {
  protected:
    MenuAlfabetos() { opciones = "opCodCpub"; }
    QWidget* aviso() const { return ventana("frguardaralfabeto"); }
    // Accepts r and s in the key window, which opens the two-step window for alphabets with
    // gaps, and runs both steps over a message in one direction; returns the result.
    QString cifraConHuecos(const char* r, const char* s, const QString& mensaje, int direccion) {
        abre(r, s, "frPrivadaAlfaus");
        cifra(mensaje, direccion, {"btpaso1", "btpaso2"});
        const QString resultado = campo("txmensajecod");
        pulsa({"btsalir"});
        return resultado;
    }
};

TEST_F(MenuAlfabetos, TrasDefinirSiGuarda) {
    // Loaded: written as loaded, every code at the width of the largest one.
    defineTabla({{"a", "7"}, {"ñ", "0120"}}, true);
    esperaNombre("mío");
    esperaAviso(kCargado, "btsiguardaralfa");
    esperaSelector(false, "3", "mio.txt", "mío");
    pulsa(definir(), "btAceptarDefAlfa");
    EXPECT_EQ(leeFichero("mio.txt"), "mío\r\na 007\r\nñ 120\r\nzzz\r\n\r\n");
    EXPECT_EQ(enRanura(0), "mío*: a 007, ñ 120");
    EXPECT_FALSE(aviso()->isVisible() || ventana("frnombrealfa")->isVisible());
    EXPECT_TRUE(definir()->isVisible());
    // Not loaded: saved, and neither the slots nor the active one's saved flag change.
    selecciona(1);
    estado.ranuras[0].guardado = false;
    defineTabla({{"a", "7"}}, false);
    esperaNombre("suelto");
    esperaAviso(kNoCargado, "btsiguardaralfa");
    esperaSelector(false, "3", "suelto.txt", "suelto");
    pulsa(definir(), "btAceptarDefAlfa");
    EXPECT_EQ(leeFichero("suelto.txt"), "suelto\r\na 07\r\nzzz\r\n\r\n");
    EXPECT_EQ(enRanura(0) + " " + enRanura(1), "mío: a 007, ñ 120 libre");
}

TEST_F(MenuAlfabetos, CerrarSinGuardarConCadaBoton) {
    cargaDefinido("uno", {{"a", "0"}});
    selecciona(1);
    // "Cancelar": the alphabet stays loaded and active, its commands usable again.
    accion("nCerrarAlfa")->trigger();
    ASSERT_TRUE(aviso()->isVisible());
    EXPECT_FALSE(aviso()->isModal());  // the prompt of closing lets the program go on
    EXPECT_EQ(control<QLabel>(aviso(), "lbsecargara")->text(), "Alfabeto no guardado.");
    EXPECT_EQ(qobject_cast<gui::FrGuardarAlfabeto*>(aviso())->codigo(), "1");
    EXPECT_EQ(menu(), "uno | -uno");
    pulsa(aviso(), "btCancelarGuardaralfa");
    EXPECT_FALSE(aviso()->isVisible());
    EXPECT_EQ(menu(), "uno | -uno +");
    // "SÍ": saved, then closed.
    accion("nCerrarAlfa")->trigger();
    esperaSelector(false, "5", "uno.txt", "uno");
    pulsa(aviso(), "btsiguardaralfa");
    EXPECT_EQ(leeFichero("uno.txt"), "uno\r\na 00\r\nzzz\r\n\r\n");
    EXPECT_EQ(enRanura(0), "libre");
    EXPECT_EQ(menu(), "a-z |");
    EXPECT_FALSE(aviso()->isVisible());
    // "NO": closed without a file, even when another alphabet was chosen meanwhile.
    cargaDefinido("uno", {{"a", "0"}});
    cargaDefinido("dos", {{"b", "0"}});
    selecciona(1);
    accion("nCerrarAlfa")->trigger();
    selecciona(2);
    pulsa(aviso(), "btnoguardaralfa");
    EXPECT_FALSE(aviso()->isVisible());
    EXPECT_EQ(enRanura(0) + " " + enRanura(1), "libre dos: b 00");
    EXPECT_EQ(menu(), "dos | -dos +");  // it was not the one closed
}

TEST_F(MenuAlfabetos, AbrirUnFichero) {
    estado.ranuras[0].libre = false;
    creaFichero("abc.txt", "abc\r\na 00\r\nb 1\r\nzzz\r\n\r\n");
    creaFichero("malo.txt", "abc\r\na05\r\nzzz\r\n\r\n");
    esperaSelector(true, "3", "malo.txt", "1");
    esperaMensaje("Alfabeto no válido");
    accion("nAbrirAlfa")->trigger();
    EXPECT_EQ(enRanura(1), "libre");
    esperaSelector(true, "3", "abc.txt", "1");
    accion("nAbrirAlfa")->trigger();
    EXPECT_EQ(enRanura(1), "abc*: a 00, b 01");
    EXPECT_EQ(menu(), "a-z | abc");
    esperaSelector(true, "3", "abc.txt", "2");  // the same name cannot be loaded twice
    esperaMensaje(
        "Hay un alfabeto cargado con el mismo nombre. Se debe cerrar si quieres abrir este.");
    accion("nAbrirAlfa")->trigger();
    EXPECT_EQ(enRanura(2), "libre");
    for (int i = 2; i < 8; ++i)
        cargaDefinido(QStringLiteral("a%1").arg(i), {{"a", "0"}});
    esperaMensaje("Para poder abrir uno nuevo has de cerrar al menos uno ya cargado del programa.");
    accion("nAbrirAlfa")->trigger();  // with eight alphabets loaded
    EXPECT_EQ(enRanura(7), "a7: a 00");
}

TEST_F(MenuAlfabetos, CadaAlfabetoConSuModulo) {
    EXPECT_EQ(menu(), "a-z |");
    carga(2, "griego", "00 01 02 03 04 05 06 07 08 09");
    carga(5, "<b>raro</b>", "00 01 02");
    // From the last predefined to the first, so that every choice re-enables the one before.
    const std::tuple<std::string, const char*, double> casos[] = {
        {"nalfa_ASCII", "ASCII", 195},    {"nalfa_azAZ09", "a-z, A-Z, 0-9", 65},
        {"nalfa_azAZ", "a-z, A-Z", 55},   {"nalfa_az", "A-Z", 28},
        {"nalfa_azminus", "a-z", 28},     {"nalfaus(3)", "griego", 10},
        {"nalfaus(6)", "<b>raro</b>", 3}, {"nalfa_azAZ", "a-z, A-Z", 55},
    };
    for (const auto& [elegida, nombre, n] : casos) {
        accion(elegida.c_str())->trigger();
        EXPECT_EQ(activo(), nombre);
        EXPECT_EQ(estado.alfabeto.modulo, n) << nombre;
        // Only the entry of the active alphabet is disabled; the user's commands follow it.
        for (const char* e : {"nalfa_azminus", "nalfa_az", "nalfa_azAZ", "nalfa_azAZ09",
                              "nalfa_ASCII", "nalfaus(3)", "nalfaus(6)"})
            EXPECT_EQ(accion(e)->isEnabled(), e != elegida) << e << ' ' << nombre;
        EXPECT_EQ(menu().endsWith("+"), elegida.starts_with("nalfaus")) << nombre;
    }
    EXPECT_EQ(control<QLabel>(principal.get(), "lbalfabetoactivo")->textFormat(), Qt::PlainText);
    // The entry of a slot freed behind its back chooses nothing.
    estado.ranuras[5].libre = true;
    accion("nalfaus(6)")->trigger();
    EXPECT_EQ(activo(), "a-z, A-Z");
    EXPECT_EQ(estado.alfabeto.modulo, 55);
}

TEST_F(MenuAlfabetos, DefinirCifrarGuardarCerrarAbrirDescifrar) {
    cargaDefinido("otro", {{"x", "0"}});
    cargaDefinido("con huecos", {{"a", "0"}, {"b", "1"}, {"c", "5"}});
    selecciona(2);
    EXPECT_EQ(menu(), "con huecos | otro -con huecos +");
    EXPECT_EQ(cifraConHuecos("5", "1", "abcabba", 0), "01000201000001");

    // "Salir" of the chooser saves nothing; "Guardar" from the menu asks with code "6".
    esperaDialogo("frmlistdirec", [this](QWidget* d) { boton(d, "Command1")->click(); });
    accion("nGuardarAlfa")->trigger();
    EXPECT_EQ(enRanura(1), "con huecos: a 00, b 01, c 05");
    esperaSelector(false, "6", "huecos.txt", "con huecos");
    accion("nGuardarAlfa")->trigger();
    EXPECT_EQ(leeFichero("huecos.txt"), "con huecos\r\na 00\r\nb 01\r\nc 05\r\nzzz\r\n\r\n");
    accion("nCerrarAlfa")->trigger();  // saved: it closes without asking
    EXPECT_EQ(enRanura(1), "libre");
    EXPECT_EQ(menu(), "a-z | otro");

    // Opened again into the slot it left, its entry selectable at once.
    esperaSelector(true, "3", "huecos.txt", "1");
    accion("nAbrirAlfa")->trigger();
    EXPECT_EQ(enRanura(1), "con huecos*: a 00, b 01, c 05");
    EXPECT_EQ(menu(), "a-z | otro con huecos");
    selecciona(2);
    EXPECT_EQ(cifraConHuecos("11", "-5", "01000201000001", 1),
              "abcabba");  // the classes of 5 and 1
}

}  // namespace
}  // namespace zefra::pruebas
