// A user alphabet's whole life through the real windows: defined, named and loaded, selected,
// used to encipher, saved, closed, opened again from its file and used to decipher.
#include <QPlainTextEdit>
#include <QRadioButton>

#include "gui/alphabets/alfabetos_prueba.hpp"
#include "ui/texto_exacto.hpp"

namespace zefra::pruebas {
namespace {

class RecorridoAlfabeto : public PruebaAlfabetos {
  protected:
    // Accepts r and s in the key window; returns the window that opens for the alphabet.
    QWidget* claves(const QString& r, const QString& s) {
        accion("ncripprivada")->trigger();
        QWidget* k = ventana("frmpedirclaves");
        elige(k, "Dpopcionesclave", r);
        escribe(control<QLineEdit>(k, "txclave_s"), s);
        pulsa(boton(k, "btseguircprivada"));
        QWidget* w = ventana("frPrivadaAlfaus");
        EXPECT_TRUE(w && w->isVisible());
        return w;
    }
    // Runs both steps of the window over a message in one direction; returns the result.
    QString cifra(QWidget* w, const QString& mensaje, int direccion) {
        auto* m = control<gui::TextoExacto>(w, "txmensaje");
        m->clear();
        m->insertPlainText(mensaje);
        pulsa(control<QRadioButton>(w, QStringLiteral("opCodCpub(%1)").arg(direccion)));
        pulsa(boton(w, "btpaso1"));
        pulsa(boton(w, "btpaso2"));
        return control<QPlainTextEdit>(w, "txmensajecod")->toPlainText();
    }
};

TEST_F(RecorridoAlfabeto, DefinirCifrarGuardarCerrarAbrirDescifrar) {
    cargaDefinido(QStringLiteral("con huecos"), {{"a", "0"}, {"b", "1"}, {"c", "5"}});
    EXPECT_EQ(entradasDe(0), (std::vector<std::string>{"a 00", "b 01", "c 05"}));
    selecciona(1);
    EXPECT_EQ(activo(), QStringLiteral("con huecos"));
    EXPECT_EQ(estado.alfabeto.modulo, 6);

    QWidget* w = claves(QStringLiteral("5"), QStringLiteral("1"));
    ASSERT_TRUE(w);
    EXPECT_EQ(ventana("frmcripprivada"), nullptr);  // the codes leave gaps
    const QString cifrado = cifra(w, QStringLiteral("abcabba"), 0);
    EXPECT_EQ(cifrado, QStringLiteral("01000201000001"));
    pulsa(boton(w, "btsalir"));

    esperaGuardar(QStringLiteral("Guardar alfabeto seleccionado."), QStringLiteral("6"),
                  QStringLiteral("huecos.txt"), QStringLiteral("con huecos"));
    accion("nGuardarAlfa")->trigger();
    accion("nCerrarAlfa")->trigger();  // saved: it closes without asking
    EXPECT_TRUE(ranura(0).libre);
    EXPECT_EQ(activo(), QStringLiteral("a-z"));
    EXPECT_FALSE(entrada(1)->isVisible());
    EXPECT_TRUE(alfabetosEnPeligro(estado.ranuras).empty());

    esperaAbrir(QStringLiteral("huecos.txt"), 0);
    accion("nAbrirAlfa")->trigger();
    EXPECT_EQ(entradasDe(0), (std::vector<std::string>{"a 00", "b 01", "c 05"}));
    EXPECT_TRUE(ranura(0).guardado);
    selecciona(1);
    EXPECT_EQ(estado.alfabeto.modulo, 6);

    w = claves(QStringLiteral("11"), QStringLiteral("-5"));  // the same classes as 5 and 1
    EXPECT_EQ(cifra(w, cifrado, 1), QStringLiteral("abcabba"));
}

}  // namespace
}  // namespace zefra::pruebas
