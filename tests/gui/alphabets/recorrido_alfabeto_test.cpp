// A user alphabet's whole life through the real windows: defined, named and loaded, selected,
// used to encipher, saved, closed, opened again from its file and used to decipher.
#include "gui/crypto/cifrado_prueba.hpp"

namespace zefra::pruebas {
namespace {

class RecorridoAlfabeto : public PruebaCifrado {
  protected:
    RecorridoAlfabeto() { opciones = "opCodCpub"; }
    // Accepts r and s in the key window, which opens the two-step window for alphabets with
    // gaps, and runs both steps over a message in one direction; returns the result.
    QString cifra(const char* r, const char* s, const QString& mensaje, int direccion) {
        abre(r, s, "frPrivadaAlfaus");
        PruebaCifrado::cifra(mensaje, direccion, {"btpaso1", "btpaso2"});
        const QString resultado = texto("txmensajecod");
        pulsa({"btsalir"});
        return resultado;
    }
};

TEST_F(RecorridoAlfabeto, DefinirCifrarGuardarCerrarAbrirDescifrar) {
    cargaDefinido("otro", {{"x", "0"}});
    cargaDefinido("con huecos", {{"a", "0"}, {"b", "1"}, {"c", "5"}});
    selecciona(2);
    EXPECT_EQ(menu(), "con huecos | otro -con huecos +");
    EXPECT_EQ(estado.alfabeto.modulo, 6);
    EXPECT_EQ(cifra("5", "1", "abcabba", 0), "01000201000001");

    // "Salir" of the chooser saves nothing; "Guardar" from the menu asks with code "6".
    esperaDialogo("frmlistdirec", [this](QWidget* d) { boton(d, "Command1")->click(); });
    accion("nGuardarAlfa")->trigger();
    EXPECT_EQ(enRanura(1), "con huecos: a 00, b 01, c 05");
    esperaGuardar("6", "huecos.txt", "con huecos");
    accion("nGuardarAlfa")->trigger();
    EXPECT_EQ(leeFichero("huecos.txt"), "con huecos\r\na 00\r\nb 01\r\nc 05\r\nzzz\r\n\r\n");
    accion("nCerrarAlfa")->trigger();  // saved: it closes without asking
    EXPECT_EQ(enRanura(1), "libre");
    EXPECT_EQ(menu(), "a-z | otro");
    EXPECT_FALSE(accion("nalfa_azminus")->isEnabled());

    // Opened again into the slot it left, its entry selectable at once.
    esperaAbrir("huecos.txt", 1);
    accion("nAbrirAlfa")->trigger();
    EXPECT_EQ(enRanura(1), "con huecos*: a 00, b 01, c 05");
    EXPECT_EQ(menu(), "a-z | otro con huecos");
    selecciona(2);
    EXPECT_EQ(cifra("11", "-5", "01000201000001", 1), "abcabba");  // the classes of 5 and 1
}

}  // namespace
}  // namespace zefra::pruebas
