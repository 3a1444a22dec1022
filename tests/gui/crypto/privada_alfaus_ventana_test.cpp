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
        auto& ranura = estado.ranuras[0];
        ranura.libre = false;
        ranura.nombre = "abc";
        for (const auto& [k, simbolo, codigo] :
             {std::tuple{0, "a", "00"}, {1, "b", "01"}, {2, "c", "05"}}) {
            ranura.tabla.fija(k, 0, simbolo);
            ranura.tabla.fija(k, 1, codigo);
        }
        accion("nalfaus(1)")->setVisible(true);
        accion("nalfaus(1)")->trigger();
        opciones = "opCodCpub";
        pasos = {"btpaso1", "btpaso2"};
        marcos = {"Frame2", "frmpaso2privadaus", "frmpaso2decoprivada"};
        abre(QStringLiteral("5"), QStringLiteral("1"), "frPrivadaAlfaus");
    }
    // The title of the conversion-table frame and its four lines of text.
    QStringList marcoTabla() const {
        QStringList l = {control<QGroupBox>(w, "Frame2")->title()};
        for (const char* n : {"Label45", "Label47", "Label48", "Label49"})
            l << etiqueta(n);
        return l;
    }
};

TEST_F(VentanaHuecos, AbcIdaYVuelta) {
    EXPECT_EQ(etiqueta("lbclaver"), QStringLiteral("5"));
    EXPECT_EQ(situacion(), QStringLiteral("00 -"));
    cifra(QStringLiteral("abc"), 0, {"btpaso1"});
    EXPECT_FALSE(opcion(1)->isEnabled());
    EXPECT_EQ(texto("txmensajenum"), QStringLiteral("000105"));
    EXPECT_EQ(situacion(), QStringLiteral("01 Frame2"));
    EXPECT_EQ(marcoTabla(), QStringList({"PASO 1", "Transcripción inmediata del texto",
                                         "llano a una sucesión de dígitos",
                                         "según se indica en la tabla de", "conversión:"}));
    EXPECT_EQ(control<gui::Rejilla>(w, "Flexalfa1")->cellText(2, 1), QStringLiteral("05"));
    EXPECT_FALSE(control<QWidget>(w, "txmensaje")->isEnabled());
    EXPECT_FALSE(seleccionHabilitada());

    pulsa(boton("btpaso2"));
    EXPECT_EQ(texto("txmensajecod"), QStringLiteral("010002"));
    EXPECT_EQ(situacion(), QStringLiteral("00 frmpaso2privadaus"));
    EXPECT_EQ(linea("txpaso2codPublica"), QStringLiteral("C(5, 1) ([m]) = [5][m] + [1]"));

    pulsa(boton("btInvertirCPrivUs"));
    EXPECT_EQ(exacto("txmensaje"), QStringLiteral("010002"));
    EXPECT_TRUE(opcion(1)->isChecked());
    EXPECT_FALSE(opcion(0)->isEnabled());
    EXPECT_TRUE(texto("txmensajenum").isEmpty());
    EXPECT_TRUE(texto("txmensajecod").isEmpty());
    EXPECT_EQ(situacion(), QStringLiteral("10 -"));

    pulsa(boton("btpaso1"));
    EXPECT_EQ(texto("txmensajenum"), QStringLiteral("000105"));
    EXPECT_EQ(situacion(), QStringLiteral("01 frmpaso2decoprivada"));
    EXPECT_EQ(linea("txpaso2decodPublica"), QStringLiteral("D(5, 1) [m*]= [5 ^-1 ] ([m*] - [1] )"));
    pulsa(boton("btpaso2"));
    EXPECT_EQ(texto("txmensajecod"), QStringLiteral("abc"));
    EXPECT_EQ(situacion(), QStringLiteral("00 Frame2"));
    EXPECT_EQ(marcoTabla(),
              QStringList({"PASO 2", "En este último paso, se realiza",
                           "la transcripción inmediata a los", "símbolos del alfabeto mediante",
                           "la tabla de conversión:"}));

    pulsa(boton("btInvertirCPrivUs"));  // back to enciphering abc
    EXPECT_TRUE(opcion(0)->isChecked());
    pulsa(boton("btpaso1"));
    pulsa(boton("btpaso2"));
    EXPECT_EQ(texto("txmensajecod"), QStringLiteral("010002"));

    pulsa(boton("btinicializar"));
    EXPECT_TRUE(seleccionHabilitada());
    EXPECT_EQ(situacion(), QStringLiteral("00 -"));
    EXPECT_TRUE(control<QWidget>(w, "txmensaje")->isEnabled());
}

TEST_F(VentanaHuecos, BloquesSimbolosYClavesRechazados) {
    // 07 is not below n = 6: nothing is shown or written, the step stays.
    esperaMensaje(QStringLiteral("El número no puede exceder de5"));
    cifra(QStringLiteral("0701"), 1, {"btpaso1"});
    EXPECT_TRUE(texto("txmensajenum").isEmpty());
    EXPECT_EQ(situacion(), QStringLiteral("10 -"));
    EXPECT_TRUE(seleccionHabilitada());
    esperaMensaje(QStringLiteral("El mensaje a descifrar ha de estar formado solo por dígitos."));
    mensaje(QStringLiteral("01x0"));
    pulsa(boton("btpaso1"));

    // A deciphered block that is no code: the last step refuses it and writes nothing.
    mensaje(QStringLiteral("03"));  // 5·(3 − 1) = 10 ≡ 4: no symbol has 04
    pulsa(boton("btpaso1"));
    EXPECT_EQ(texto("txmensajenum"), QStringLiteral("04"));
    esperaMensaje(QStringLiteral("El código 04 no está asociado a ninguna palabra."));
    pulsa(boton("btpaso2"));
    EXPECT_TRUE(texto("txmensajecod").isEmpty());
    EXPECT_EQ(situacion().left(2), QStringLiteral("01"));

    pulsa(boton("btsalir"));
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(seleccionHabilitada());
    abre(QStringLiteral("5"), QStringLiteral("1"), "frPrivadaAlfaus");
    esperaMensaje(QStringLiteral("El símbolo 'd' no pertenece al alfabeto."));
    cifra(QStringLiteral("abd"), 0, {"btpaso1"});
    EXPECT_EQ(situacion(), QStringLiteral("10 -"));

    // Another alphabet chosen after the keys were accepted: r = 5 is not prime to 55.
    accion("nalfa_azAZ")->trigger();
    mensaje(QStringLiteral("abc"));
    pulsa(boton("btpaso1"));
    EXPECT_EQ(texto("txmensajenum"), QStringLiteral("272829"));
    esperaMensaje(QStringLiteral("Clave r no válida ya que mcd(r,55) ha de ser 1"));
    pulsa(boton("btpaso2"));
    EXPECT_TRUE(texto("txmensajecod").isEmpty());
    EXPECT_EQ(situacion(), QStringLiteral("01 Frame2"));
}

TEST_F(VentanaHuecos, FicherosDelMensajeYDelResultado) {
    cifra(QStringLiteral("cab"), 0, {"btpaso1", "btpaso2"});
    fichero("btGuardarEnFicheroPublica", QStringLiteral("Guardar en fichero"), QStringLiteral("4"),
            QStringLiteral("c.cod"));
    EXPECT_EQ(leeFichero(QStringLiteral("c.cod")), "020100\r\n");
    // The saved cipher text, with its final line end, deciphers again.
    fichero("btAbrirdeFicheroPublica", QStringLiteral("Abrir de fichero"), QStringLiteral("4"),
            QStringLiteral("c.cod"));
    EXPECT_EQ(exacto("txmensaje"), QStringLiteral("020100\r\n"));
    EXPECT_EQ(situacion(), QStringLiteral("00 -"));
    EXPECT_TRUE(seleccionHabilitada());
    pulsa(opcion(1));
    pulsa(boton("btpaso1"));
    pulsa(boton("btpaso2"));
    EXPECT_EQ(texto("txmensajecod"), QStringLiteral("cab"));
}

}  // namespace
}  // namespace zefra::pruebas
