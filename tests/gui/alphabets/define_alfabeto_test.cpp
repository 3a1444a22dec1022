// The define window through its widgets: its lists, "ASOCIAR" and the deletions, "SALIR"
// restoring the table, the width kept from one opening to the next, the naming window and the
// loading into the first free slot.
#include <QCheckBox>
#include <QTest>

#include "gui/alphabets/alfabetos_prueba.hpp"
#include "ui/rejilla.hpp"

namespace zefra::pruebas {
namespace {

class DefineAlfabeto : public PruebaAlfabetos {
  protected:
    gui::Rejilla* tabla() const {
        return control<gui::Rejilla>(ventana("frmDefineAlfabeto"), "Flexalfapropio");
    }
    QCheckBox* cargar() const {
        return control<QCheckBox>(ventana("frmDefineAlfabeto"), "ChCargarEnMemoria");
    }
};

TEST_F(DefineAlfabeto, AlAbrir) {
    QWidget* w = define();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Definir el alfabeto"));
    auto* simbolos = control<QComboBox>(w, "DpSimboloalfa");
    auto* codigos = control<QComboBox>(w, "DpCodAsoc");
    ASSERT_EQ(simbolos->count(), 192);
    EXPECT_EQ(simbolos->itemText(0), QStringLiteral(" "));
    EXPECT_EQ(simbolos->itemText(95), QStringLiteral("\u2018"));
    EXPECT_EQ(simbolos->itemText(191), QStringLiteral("ÿ"));
    ASSERT_EQ(codigos->count(), 256);
    EXPECT_EQ(codigos->itemText(7), QStringLiteral("07"));
    EXPECT_EQ(codigos->itemText(255), QStringLiteral("255"));
    EXPECT_TRUE(simbolos->currentText().isEmpty());
    EXPECT_TRUE(cargar()->isEnabled());
    EXPECT_FALSE(cargar()->isChecked());
    EXPECT_EQ(control<QLineEdit>(w, "txnumdig")->text(), QStringLiteral("0"));

    // With every slot taken the alphabet can still be named and saved, not loaded.
    for (auto& r : estado.ranuras)
        r.libre = false;
    cargar()->setChecked(true);
    define();
    EXPECT_FALSE(cargar()->isEnabled());
    EXPECT_FALSE(cargar()->isChecked());
    estado.ranuras[6].libre = true;
    define();
    EXPECT_TRUE(cargar()->isEnabled());
}

TEST_F(DefineAlfabeto, AsociarYBorrar) {
    QWidget* w = define();
    asocia(QStringLiteral("a"), QStringLiteral("5"));
    asocia(QStringLiteral("ñ"), QStringLiteral("07"));
    EXPECT_EQ(tabla()->cellText(0, 1), QStringLiteral("05"));
    EXPECT_EQ(tabla()->cellText(1, 0), QStringLiteral("ñ"));
    asocia(QStringLiteral("b"), QStringLiteral("100"));
    EXPECT_EQ(tabla()->cellText(0, 1), QStringLiteral("005"));
    EXPECT_EQ(tabla()->cellText(1, 1), QStringLiteral("007"));
    EXPECT_EQ(control<QLineEdit>(w, "txnumdig")->text(), QStringLiteral("3"));

    // The refusals themselves are the core's; here, that they reach the student.
    esperaMensaje(QStringLiteral("El símbolo ya se encuentra en el alfabeto."));
    asocia(QStringLiteral("a"), QStringLiteral("9"));
    esperaMensaje(QStringLiteral("Debes de poner un símbolo."));
    asocia(QString(), QStringLiteral("9"));
    EXPECT_TRUE(tabla()->cellText(3, 0).isEmpty());

    // Deleting by symbol or by the code as typed; the later entries move back.
    elige(w, "DpSimboloalfa", QStringLiteral("a"));
    elige(w, "DpCodAsoc", QStringLiteral("7"));
    pulsa(boton(w, "btBorraAsocia"));
    EXPECT_EQ(tabla()->cellText(0, 0), QStringLiteral("ñ"));
    EXPECT_EQ(tabla()->cellText(1, 0), QStringLiteral("b"));
    EXPECT_TRUE(tabla()->cellText(2, 0).isEmpty());
    esperaMensaje(QStringLiteral("No se encuentra el símbolo o código especificado."));
    pulsa(boton(w, "btBorraAsocia"));

    pulsa(boton(w, "btBorrarTabla"));
    EXPECT_TRUE(tabla()->cellText(0, 0).isEmpty());
    asocia(QStringLiteral("z"), QStringLiteral("1"));  // the width stays until the next opening
    EXPECT_EQ(tabla()->cellText(0, 1), QStringLiteral("001"));
}

// What is typed in the lists is taken as typed, not completed to the first item it begins.
TEST_F(DefineAlfabeto, LoTecleadoNoSeCompleta) {
    QWidget* w = define();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));  // completion works in the active window only
    for (const auto& [lista, texto] :
         {std::pair{"DpSimboloalfa", "A"}, std::pair{"DpCodAsoc", "5"}}) {
        auto* campo = control<QComboBox>(w, QString::fromLatin1(lista))->lineEdit();
        campo->setFocus();
        QTest::keyClicks(campo, QString::fromLatin1(texto));
    }
    pulsa(boton(w, "BtAsociar"));
    EXPECT_EQ(tabla()->cellText(0, 0), QStringLiteral("A"));
    EXPECT_EQ(tabla()->cellText(0, 1), QStringLiteral("05"));
}

TEST_F(DefineAlfabeto, SalirDevuelveLaTablaDeLaAperturaYElAnchoSeConserva) {
    QWidget* w = define();
    asocia(QStringLiteral("a"), QStringLiteral("120"));
    pulsa(boton(w, "btCancelaDefAlfa"));
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(tabla()->cellText(0, 0).isEmpty());  // back to the empty table it opened with

    define();
    asocia(QStringLiteral("a"), QStringLiteral("120"));
    esperaNombre(QStringLiteral("x"));
    esperaAviso(QStringLiteral("NO SE CARGÓ EN MEMORIA."), "btCancelarGuardaralfa");
    esperaDialogo(QStringLiteral("frnombrealfa"),
                  [this](QWidget* d) { boton(d, "btCancelaNombreAlfa")->click(); });
    pulsa(boton(w, "btAceptarDefAlfa"));
    w->close();  // the frame does what "SALIR" does
    EXPECT_TRUE(tabla()->cellText(0, 0).isEmpty());

    // The table kept from an earlier definition gives its width to the codes added later.
    define();
    asocia(QStringLiteral("a"), QStringLiteral("120"));
    accion("nalfa_ASCII")->trigger();  // the window stays open; "Crear" opens it again
    define();
    EXPECT_EQ(control<QLineEdit>(w, "txnumdig")->text(), QStringLiteral("3"));
    asocia(QStringLiteral("b"), QStringLiteral("7"));
    EXPECT_EQ(tabla()->cellText(1, 1), QStringLiteral("007"));
    pulsa(boton(w, "btCancelaDefAlfa"));
    EXPECT_EQ(tabla()->cellText(0, 1), QStringLiteral("120"));  // as on the last opening
    EXPECT_TRUE(tabla()->cellText(1, 1).isEmpty());
}

TEST_F(DefineAlfabeto, NombrarYCargarEnLaPrimeraRanuraLibre) {
    estado.ranuras[0].libre = false;  // slot 0 is taken
    estado.ranuras[0].nombre = "ocupado";
    defineTabla({{"a", "5"}, {"b", "105"}}, true);
    QWidget* w = ventana("frmDefineAlfabeto");

    esperaMensaje(
        QStringLiteral("Debes de poner al menos un símbolo del alfabeto. Inténtalo de "
                       "nuevo."));
    pulsa(boton(w, "btBorrarTabla"));
    pulsa(boton(w, "btAceptarDefAlfa"));
    asocia(QStringLiteral("a"), QStringLiteral("5"));
    asocia(QStringLiteral("b"), QStringLiteral("105"));

    esperaDialogo(QStringLiteral("frnombrealfa"), [this](QWidget* d) {
        EXPECT_EQ(control<QLabel>(d, "lbquenombrealfa")->text().remove(QLatin1Char('&')),
                  QStringLiteral("Por favor, escribe aquí el nombre del alfabeto:"));
        auto* nombre = control<QLineEdit>(d, "txnombrealfa");
        const std::pair<const char*, const char*> rechazos[] = {
            {"ocupado", "Este nombre ya corresponde a un alfabeto. Escribe otro, por favor."},
            {" mío", "El nombre no puede empezar por un espacio en blanco."},
        };
        for (const auto& [n, m] : rechazos) {
            esperaMensaje(QString::fromUtf8(m));
            escribe(nombre, QString::fromUtf8(n));
            boton(d, "btaceptarnombre")->click();
            EXPECT_TRUE(d->isVisible());
        }
        esperaAviso(QStringLiteral("ALFABETO CARGADO EN MEMORIA."), "btnoguardaralfa");
        escribe(nombre, QStringLiteral("Ocupado & <b>"));
        boton(d, "btaceptarnombre")->click();
    });
    pulsa(boton(w, "btAceptarDefAlfa"));
    EXPECT_TRUE(w->isVisible());  // "NO" closes the prompt and the naming window only
    EXPECT_FALSE(ventana("frnombrealfa")->isVisible());

    EXPECT_FALSE(ranura(1).libre);
    EXPECT_FALSE(ranura(1).guardado);
    EXPECT_EQ(ranura(1).nombre, "Ocupado & <b>");
    EXPECT_EQ(entradasDe(1), (std::vector<std::string>{"a 005", "b 105"}));
    EXPECT_TRUE(entrada(0)->isVisible());
    EXPECT_TRUE(entrada(2)->isVisible());
    EXPECT_TRUE(entrada(2)->isEnabled());
    EXPECT_EQ(entrada(2)->text(), QStringLiteral("Ocupado && <b>"));
    EXPECT_EQ(activo(), QStringLiteral("a-z"));  // a new alphabet is not made active

    // Chosen at once from the menu.
    entrada(2)->trigger();
    EXPECT_EQ(activo(), QStringLiteral("Ocupado & <b>"));
    EXPECT_EQ(estado.alfabeto.modulo, 106);
    EXPECT_TRUE(deUsuarioHabilitados());
}

TEST_F(DefineAlfabeto, SinRanuraLibreAlNombrar) {
    defineTabla({{"a", "0"}}, true);
    for (auto& r : estado.ranuras)
        r.libre = false;  // taken while the window was open
    esperaDialogo(QStringLiteral("frnombrealfa"), [this](QWidget* d) {
        esperaMensaje(QStringLiteral("Lo siento, no se ha podido cargar en memoria."));
        escribe(control<QLineEdit>(d, "txnombrealfa"), QStringLiteral("nuevo"));
        boton(d, "btaceptarnombre")->click();
        boton(d, "btCancelaNombreAlfa")->click();
        EXPECT_TRUE(control<QLineEdit>(d, "txnombrealfa")->text().isEmpty());
    });
    pulsa(boton(ventana("frmDefineAlfabeto"), "btAceptarDefAlfa"));
    EXPECT_FALSE(entrada(1)->isVisible());
}

}  // namespace
}  // namespace zefra::pruebas
