// The define window through its widgets: its lists, "ASOCIAR" and the deletions, "SALIR"
// restoring the table, the width kept from one opening to the next, the naming window and the
// loading into the first free slot.
#include <QTest>

#include "gui/alphabets/alfabetos_prueba.hpp"

namespace zefra::pruebas {
namespace {

class DefineAlfabeto : public PruebaAlfabetos {
  protected:
    // The grid, and the code width the window holds.
    QString tabla() const {
        return rejilla(definir(), "Flexalfapropio") + " /" +
               QString::number(qobject_cast<gui::FrmDefineAlfabeto*>(definir())->ancho());
    }
    QAbstractButton* cargar() const { return boton(definir(), "ChCargarEnMemoria"); }
};

TEST_F(DefineAlfabeto, AsociarYBorrar) {
    QWidget* w = define();
    EXPECT_EQ(control<QComboBox>(w, "DpSimboloalfa")->count(), 192);
    EXPECT_EQ(control<QComboBox>(w, "DpCodAsoc")->count(), 256);
    EXPECT_EQ(tabla(), " /0");
    asocia("a", "5");
    asocia("ñ", "07");
    EXPECT_EQ(tabla(), "a 05, ñ 07 /2");
    asocia("b", "100");
    EXPECT_EQ(tabla(), "a 005, ñ 007, b 100 /3");
    // The refusals themselves are the core's; here, that they reach the student.
    esperaMensaje("El símbolo ya se encuentra en el alfabeto.");
    asocia("a", "9");
    // Deleting by symbol or by the code as typed; the later entries move back.
    elige(w, "DpSimboloalfa", "a");
    elige(w, "DpCodAsoc", "7");
    pulsa(w, "btBorraAsocia");
    EXPECT_EQ(tabla(), "ñ 007, b 100 /3");
    esperaMensaje("No se encuentra el símbolo o código especificado.");
    pulsa(w, "btBorraAsocia");
    pulsa(w, "btBorrarTabla");
    // What is typed is taken as typed, not completed to the first item it begins; the width
    // stays until the next opening.
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));  // completion works in the active window only
    for (const auto& [lista, texto] : {std::pair{"DpSimboloalfa", "A"}, {"DpCodAsoc", "5"}}) {
        auto* campo = control<QComboBox>(w, lista)->lineEdit();
        campo->clear();
        campo->setFocus();
        QTest::keyClicks(campo, texto);
    }
    pulsa(w, "BtAsociar");
    EXPECT_EQ(tabla(), "A 005 /3");
}

TEST_F(DefineAlfabeto, SalirDevuelveLaTablaDeLaAperturaYElAnchoSeConserva) {
    define();
    asocia("a", "120");
    pulsa(definir(), "btCancelaDefAlfa");
    EXPECT_FALSE(definir()->isVisible());
    EXPECT_EQ(rejilla(definir(), "Flexalfapropio"), "");  // the empty table it opened with
    define();
    asocia("a", "120");
    esperaNombre("x");
    esperaAviso(kNoCargado, "btCancelarGuardaralfa");
    esperaNombre("x", "btCancelaNombreAlfa");  // "Cancelar" hid the prompt only
    pulsa(definir(), "btAceptarDefAlfa");
    definir()->close();  // the frame does what "SALIR" does
    EXPECT_EQ(rejilla(definir(), "Flexalfapropio"), "");
    // The table kept from an earlier definition gives its width to the codes added later.
    define();
    asocia("a", "120");
    accion("nalfa_ASCII")->trigger();  // the window stays open; "Crear" opens it again
    define();
    asocia("b", "7");
    EXPECT_EQ(tabla(), "a 120, b 007 /3");
    pulsa(definir(), "btCancelaDefAlfa");
    EXPECT_EQ(rejilla(definir(), "Flexalfapropio"), "a 120");  // as on the last opening
}

TEST_F(DefineAlfabeto, NombrarYCargarEnLaPrimeraRanuraLibre) {
    estado.ranuras[0].libre = false;  // slot 0 is taken
    estado.ranuras[0].alfabeto.nombre = "ocupado";
    defineTabla({}, true);
    esperaMensaje("Debes de poner al menos un símbolo del alfabeto. Inténtalo de nuevo.");
    pulsa(definir(), "btAceptarDefAlfa");
    asocia("a", "5");
    asocia("b", "105");
    esperaDialogo("frnombrealfa", [this](QWidget* d) {
        auto* nombre = control<QLineEdit>(d, "txnombrealfa");
        esperaMensaje("Este nombre ya corresponde a un alfabeto. Escribe otro, por favor.");
        escribe(nombre, "ocupado");
        boton(d, "btaceptarnombre")->click();
        EXPECT_TRUE(d->isVisible());
        esperaAviso(kCargado, "btnoguardaralfa");
        escribe(nombre, "Ocupado & <b>");
        boton(d, "btaceptarnombre")->click();
    });
    pulsa(definir(), "btAceptarDefAlfa");
    // "NO" closes the prompt and the naming window only; a new alphabet is not made active.
    EXPECT_TRUE(definir()->isVisible());
    EXPECT_FALSE(ventana("frnombrealfa")->isVisible());
    EXPECT_EQ(enRanura(1), "Ocupado & <b>: a 005, b 105");
    EXPECT_EQ(menu(), "a-z | Ocupado && <b>");
    entrada(2)->trigger();
    EXPECT_EQ(menu(), "Ocupado & <b> | -Ocupado && <b> +");
}

// With every slot taken before the window opens the alphabet can still be named and saved, not
// loaded; taken while it is open, loading is refused.
TEST_F(DefineAlfabeto, SinRanuraLibre) {
    defineTabla({{"a", "0"}}, true);
    for (auto& r : estado.ranuras)
        r.libre = false;
    esperaDialogo("frnombrealfa", [this](QWidget* d) {
        esperaMensaje("Lo siento, no se ha podido cargar en memoria.");
        escribe(control<QLineEdit>(d, "txnombrealfa"), "nuevo");
        boton(d, "btaceptarnombre")->click();
        boton(d, "btCancelaNombreAlfa")->click();
        EXPECT_TRUE(control<QLineEdit>(d, "txnombrealfa")->text().isEmpty());
    });
    pulsa(definir(), "btAceptarDefAlfa");
    EXPECT_EQ(menu(), "a-z |");
    define();
    EXPECT_FALSE(cargar()->isEnabled() || cargar()->isChecked());
}

}  // namespace
}  // namespace zefra::pruebas
