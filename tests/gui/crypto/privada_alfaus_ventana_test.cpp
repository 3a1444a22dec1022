// The two-step private-key window for alphabets with gaps, through its widgets: the worked
// example abc ↔ 010002 in both directions with its frames and formula texts, "Invertir
// proceso", the lock of the alphabet menu, refused blocks and keys, and its file buttons.
#include "gui/crypto/cifrado_prueba.hpp"

namespace zefra::pruebas {
namespace {

class VentanaHuecos : public PruebaCifrado {
  protected:
    // The alphabet a = 0, b = 1, c = 5 (n = 6) in slot 0, active; the keys r = 5, s = 1.
    VentanaHuecos() {
        carga(0, "abc", "00 01 05");
        selecciona(1);
        opciones = "opCodCpub";
        pasos = {"btpaso1", "btpaso2"};
        salidas = {"txmensajenum", "txmensajecod"};
        marcos = {"Frame2", "frmpaso2privadaus", "frmpaso2decoprivada"};
        abre("5", "1", "frPrivadaAlfaus");
    }
    // The steps' state, and the title of the conversion-table frame with its first line.
    QString marcoTabla() const {
        return situacion() + " " + control<QGroupBox>(w, "Frame2")->title() + ": " +
               texto("Label45");
    }
};

TEST_F(VentanaHuecos, AbcIdaYVuelta) {
    EXPECT_EQ(texto("lbclaver") + texto("lbclaves"), "51");
    EXPECT_EQ(situacion(), "-ED 00 -");
    cifra("abc", 0, {"btpaso1"});
    EXPECT_EQ(textos(), "abc|000105|");
    EXPECT_EQ(marcoTabla(),
              "EE 01 Frame2 fijo bloqueado PASO 1: Transcripción inmediata del texto");
    EXPECT_EQ(control<gui::Rejilla>(w, "Flexalfa1")->cellText(2, 1), "05");
    pulsa({"btpaso2"});
    EXPECT_EQ(textos(), "abc|000105|010002");
    EXPECT_EQ(situacion(), "EE 00 frmpaso2privadaus fijo bloqueado");
    EXPECT_EQ(texto("txpaso2codPublica"), "C(5, 1) ([m]) = [5][m] + [1]");

    pulsa({"btInvertirCPrivUs"});
    EXPECT_EQ(textos() + " " + situacion(), "010002|| DD 10 - fijo bloqueado");
    pulsa({"btpaso1"});
    EXPECT_EQ(situacion(), "DD 01 frmpaso2decoprivada fijo bloqueado");
    EXPECT_EQ(texto("txpaso2decodPublica"), "D(5, 1) [m*]= [5 ^-1 ] ([m*] - [1] )");
    pulsa({"btpaso2"});
    EXPECT_EQ(textos(), "010002|000105|abc");
    EXPECT_EQ(marcoTabla(), "DD 00 Frame2 fijo bloqueado PASO 2: En este último paso, se realiza");
    pulsa({"btInvertirCPrivUs", "btpaso1", "btpaso2"});  // back to enciphering abc
    EXPECT_EQ(textos(), "abc|000105|010002");

    // The result saved, and opened again with its final line end: it deciphers again.
    fichero("btGuardarEnFicheroPublica", "4", "c.cod");
    EXPECT_EQ(leeFichero("c.cod"), "010002\r\n");
    fichero("btAbrirdeFicheroPublica", "4", "c.cod");
    EXPECT_EQ(textos() + " " + situacion(), "010002\r\n|| -ED 00 -");
    pulsa(opcion(1));
    pulsa({"btpaso1", "btpaso2", "btinicializar"});
    EXPECT_EQ(textos() + " " + situacion(), "|| -ED 00 -");
}

TEST_F(VentanaHuecos, BloquesSimbolosYClavesRechazados) {
    // 07 is not below n = 6: nothing is shown or written, the step stays.
    esperaMensaje("El número no puede exceder de5");
    cifra("0701", 1, {"btpaso1"});
    EXPECT_EQ(textos() + " " + situacion(), "0701|| DD 10 -");
    esperaMensaje("El mensaje a descifrar ha de estar formado solo por dígitos.");
    mensaje("01x0");
    pulsa({"btpaso1"});
    // A deciphered block that is no code: the last step refuses it and writes nothing.
    mensaje("03");  // 5·(3 − 1) = 10 ≡ 4: no symbol has 04
    pulsa({"btpaso1"});
    esperaMensaje("El código 04 no está asociado a ninguna palabra.");
    pulsa({"btpaso2"});
    EXPECT_EQ(textos() + " " + situacion().left(5), "03|04| DD 01");

    pulsa({"btsalir"});
    EXPECT_FALSE(w->isVisible());
    abre("5", "1", "frPrivadaAlfaus");
    EXPECT_EQ(situacion(), "-ED 00 -");
    esperaMensaje("El símbolo 'd' no pertenece al alfabeto.");
    cifra("abd", 0, {"btpaso1"});
    EXPECT_EQ(situacion(), "EE 10 -");
    // Another alphabet chosen after the keys were accepted: r = 5 is not prime to 55.
    accion("nalfa_azAZ")->trigger();
    mensaje("abc");
    pulsa({"btpaso1"});
    esperaMensaje("Clave r no válida ya que mcd(r,55) ha de ser 1");
    pulsa({"btpaso2"});
    EXPECT_EQ(textos() + " " + situacion(), "abc|272829| EE 01 Frame2 fijo bloqueado");
}

}  // namespace
}  // namespace zefra::pruebas
