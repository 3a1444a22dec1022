// The modify window through its widgets: inserting after a symbol, deleting, sorting, a new
// name, "Salir" leaving the slot as it was, and "Aceptar" with the save prompt's three buttons.
#include "gui/alphabets/alfabetos_prueba.hpp"
#include "ui/rejilla.hpp"

namespace zefra::pruebas {
namespace {

class ModificarAlfabeto : public PruebaAlfabetos {
  protected:
    // "griego" (a → 00, b → 05, c → 27) loaded in slot 0 and active, saved; the modify window
    // open on it.
    void SetUp() override {
        cargaDefinido(QStringLiteral("griego"), {{"a", "0"}, {"b", "5"}, {"c", "27"}});
        estado.ranuras[0].guardado = true;
        selecciona(1);
        accion("nModificarAlfa")->trigger();
        w = ventana("frmModificarAlfabeto");
        ASSERT_TRUE(w && w->isVisible());
    }
    gui::Rejilla* tabla() const { return control<gui::Rejilla>(w, "FlexAlfaSelec"); }
    std::vector<QString> simbolos() const {
        std::vector<QString> s;
        for (int f = 0; f < 128 && !tabla()->cellText(f, 1).isEmpty(); ++f)
            s.push_back(tabla()->cellText(f, 0) + " " + tabla()->cellText(f, 1));
        return s;
    }
    // Inserts entries with frmAgregarEqui: each is symbol, code, the symbol to insert after and
    // the refusal expected (nullptr for none).
    struct Insercion {
        const char *simbolo, *codigo, *despuesDe, *rechazo;
    };
    void inserta(std::vector<Insercion> inserciones) {
        esperaDialogo(QStringLiteral("frmAgregarEqui"), [this, inserciones](QWidget* d) {
            EXPECT_EQ(d->windowTitle(), QStringLiteral("Agregar Equivalencia"));
            EXPECT_EQ(control<QComboBox>(d, "DpAgregaSim")->count(), 192);
            EXPECT_EQ(control<QComboBox>(d, "DpCodAsoc")->count(), 256);
            for (const auto& i : inserciones) {
                // The symbols to insert after are those of the table, kept up to date.
                EXPECT_EQ(control<QComboBox>(d, "DpSimboloalfa")->count(),
                          static_cast<int>(simbolos().size()));
                elige(d, "DpAgregaSim", QString::fromUtf8(i.simbolo));
                elige(d, "DpCodAsoc", QString::fromUtf8(i.codigo));
                elige(d, "DpSimboloalfa", QString::fromUtf8(i.despuesDe));
                if (i.rechazo) esperaMensaje(QString::fromUtf8(i.rechazo));
                boton(d, "btAceptaAgregar")->click();
                if (!i.rechazo) {
                    EXPECT_TRUE(control<QComboBox>(d, "DpCodAsoc")->currentText().isEmpty());
                }
            }
            boton(d, "btCancelaAgregar")->click();
        });
        pulsa(boton(w, "btAgregarEqui"));
    }
    void renombra(const QString& nombre) {
        pulsa(boton(w, "btCambiaNomAlfa"));
        QWidget* r = ventana("frCambiaAlfaNombre");
        escribe(control<QLineEdit>(r, "txNuevoNomAlfa"), nombre);
        pulsa(boton(r, "btAceptaNombre"));
    }

    QWidget* w = nullptr;
};

TEST_F(ModificarAlfabeto, AgregarTrasUnSimbolo) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Modificar Alfabeto seleccionado"));
    EXPECT_EQ(simbolos(), (std::vector<QString>{"a 00", "b 05", "c 27"}));
    inserta({
        {"d", "7", "a", nullptr},
        {"e", "007", "a", "El código o símbolo a asociar ya está en la tabla de equivalencias."},
        {"f", "9", "x", "El símbolo a partir del que se quiere agregar no existe en el alfabeto."},
        {"f", "9", "c", nullptr},
    });
    EXPECT_EQ(simbolos(), (std::vector<QString>{"a 00", "d 07", "b 05", "c 27", "f 09"}));
    inserta({{"g", "100", "b", nullptr}});
    EXPECT_EQ(simbolos(),
              (std::vector<QString>{"a 000", "d 007", "b 005", "g 100", "c 027", "f 009"}));
    // Nothing reaches the slot before "Aceptar".
    EXPECT_EQ(entradasDe(0), (std::vector<std::string>{"a 00", "b 05", "c 27"}));
}

TEST_F(ModificarAlfabeto, BorrarYOrdenar) {
    esperaDialogo(QStringLiteral("frmBorraEquiModi"), [this](QWidget* d) {
        auto* simbolo = control<QComboBox>(d, "dpsimborrar");
        auto* codigo = control<QComboBox>(d, "dpcodborrar");
        EXPECT_EQ(simbolo->count(), 3);
        EXPECT_EQ(codigo->itemText(1), QStringLiteral("05"));
        EXPECT_TRUE(codigo->currentText().isEmpty());
        esperaMensaje(QStringLiteral("No se encuentra el símbolo o código especificado."));
        elige(d, "dpcodborrar", QStringLiteral("5"));  // the code as written: "05"
        boton(d, "btaceptar")->click();
        elige(d, "dpcodborrar", QStringLiteral("05"));
        boton(d, "btaceptar")->click();
        EXPECT_EQ(simbolo->count(), 2);
        elige(d, "dpsimborrar", QStringLiteral("x"));
        boton(d, "btcancelar")->click();
        EXPECT_TRUE(simbolo->currentText().isEmpty());
    });
    pulsa(boton(w, "btBorrarEqui"));
    EXPECT_EQ(simbolos(), (std::vector<QString>{"a 00", "c 27"}));

    inserta({{"z", "3", "c", nullptr}, {"y", "1", "z", nullptr}});
    EXPECT_EQ(simbolos(), (std::vector<QString>{"a 00", "c 27", "z 03", "y 01"}));
    pulsa(boton(w, "btOrdenar"));
    EXPECT_EQ(simbolos(), (std::vector<QString>{"a 00", "y 01", "z 03", "c 27"}));
}

TEST_F(ModificarAlfabeto, SalirDejaLaRanuraComoEstaba) {
    inserta({{"d", "7", "a", nullptr}});
    renombra(QStringLiteral("heleno"));
    pulsa(boton(w, "btCancelaModif"));
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(entradasDe(0), (std::vector<std::string>{"a 00", "b 05", "c 27"}));
    EXPECT_EQ(ranura(0).nombre, "griego");
    EXPECT_TRUE(ranura(0).guardado);

    // Opening again starts from the slot, with no name pending from before.
    accion("nModificarAlfa")->trigger();
    EXPECT_EQ(simbolos().size(), 3u);
    EXPECT_EQ(control<QLineEdit>(w, "txSeCambio")->text(), QStringLiteral("0"));
    esperaAviso(QStringLiteral("Alfabeto modificado."), "btCancelarGuardaralfa");
    pulsa(boton(w, "btaceptarmodi"));
    EXPECT_EQ(ranura(0).nombre, "griego");
    EXPECT_TRUE(ranura(0).guardado);  // nothing changed: still what the file holds
}

TEST_F(ModificarAlfabeto, CambioDeNombre) {
    cargaDefinido(QStringLiteral("copto"), {{"a", "0"}});
    pulsa(boton(w, "btCambiaNomAlfa"));
    QWidget* r = ventana("frCambiaAlfaNombre");
    EXPECT_EQ(r->windowTitle(), QStringLiteral("Cambiar nombre del alfabeto"));
    const std::pair<const char*, const char*> rechazos[] = {
        {"ASCII", "Este nombre no es válido porque corresponde a otro alfabeto. Elige otro."},
        {"copto", "Este nombre no es válido porque corresponde a otro alfabeto. Elige otro."},
    };
    for (const auto& [n, m] : rechazos) {
        esperaMensaje(QString::fromUtf8(m));
        escribe(control<QLineEdit>(r, "txNuevoNomAlfa"), QString::fromUtf8(n));
        pulsa(boton(r, "btAceptaNombre"));
        EXPECT_TRUE(r->isVisible());
    }
    escribe(control<QLineEdit>(r, "txNuevoNomAlfa"), QStringLiteral("griego"));  // its own
    pulsa(boton(r, "btAceptaNombre"));
    EXPECT_FALSE(r->isVisible());
    renombra(QStringLiteral("otro"));
    pulsa(boton(w, "btCambiaNomAlfa"));
    pulsa(boton(r, "btCancelaNombre"));  // drops the pending name
    EXPECT_EQ(control<QLineEdit>(w, "txSeCambio")->text(), QStringLiteral("0"));
    renombra(QStringLiteral("0"));  // a name like any other
    EXPECT_EQ(control<QLineEdit>(w, "txSeCambio")->text(), QStringLiteral("0"));

    esperaAviso(QStringLiteral("Alfabeto modificado."), "btnoguardaralfa");
    pulsa(boton(w, "btaceptarmodi"));
    EXPECT_EQ(ranura(0).nombre, "0");
    EXPECT_FALSE(ranura(0).guardado);
    EXPECT_EQ(activo(), QStringLiteral("0"));
    EXPECT_EQ(entrada(1)->text(), QStringLiteral("0"));
    EXPECT_FALSE(entrada(1)->isEnabled());  // still the active one
    EXPECT_TRUE(control<QLineEdit>(r, "txNuevoNomAlfa")->text().isEmpty());
    EXPECT_FALSE(w->isVisible());  // "NO" hides the modify window
}

TEST_F(ModificarAlfabeto, AceptarEscribeEnLaRanuraYPreguntaSiGuardar) {
    inserta({{"z", "120", "c", nullptr}});
    // "Cancelar": the slot has the new table, unsaved; the window stays open.
    esperaAviso(QStringLiteral("Alfabeto modificado."), "btCancelarGuardaralfa");
    pulsa(boton(w, "btaceptarmodi"));
    EXPECT_EQ(entradasDe(0), (std::vector<std::string>{"a 000", "b 005", "c 027", "z 120"}));
    EXPECT_FALSE(ranura(0).guardado);
    EXPECT_EQ(estado.alfabeto.modulo, 121);  // the active alphabet's modulus follows
    EXPECT_TRUE(w->isVisible());

    // Deleting the largest code: the slot's codes come back to two digits.
    esperaDialogo(QStringLiteral("frmBorraEquiModi"), [this](QWidget* d) {
        elige(d, "dpsimborrar", QStringLiteral("z"));
        boton(d, "btaceptar")->click();
        boton(d, "btcancelar")->click();
    });
    pulsa(boton(w, "btBorrarEqui"));
    // "SÍ": saved with code "6", the prompt and the modify window hidden.
    esperaAviso(QStringLiteral("Alfabeto modificado."), "btsiguardaralfa");
    esperaGuardar(QStringLiteral("Guardar alfabeto."), QStringLiteral("6"), QStringLiteral("g.txt"),
                  QStringLiteral("griego"));
    pulsa(boton(w, "btaceptarmodi"));
    EXPECT_EQ(leeFichero(QStringLiteral("g.txt")), "griego\r\na 00\r\nb 05\r\nc 27\r\nzzz\r\n\r\n");
    EXPECT_TRUE(ranura(0).guardado);
    EXPECT_EQ(estado.alfabeto.modulo, 28);
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(ventana("frguardaralfabeto")->isVisible());
}

TEST_F(ModificarAlfabeto, ElAlfabetoCerradoMientrasSeModificaba) {
    inserta({{"d", "7", "a", nullptr}});
    // Closed from the menu while the window is open (it was saved: no question); another
    // alphabet takes the slot.
    accion("nCerrarAlfa")->trigger();
    ASSERT_TRUE(ranura(0).libre);
    cargaDefinido(QStringLiteral("nuevo"), {{"x", "3"}});
    esperaMensaje(QStringLiteral("El alfabeto que se estaba modificando ya no está cargado."));
    pulsa(boton(w, "btaceptarmodi"));
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(entradasDe(0), (std::vector<std::string>{"x 03"}));
    EXPECT_EQ(ranura(0).nombre, "nuevo");
}

}  // namespace
}  // namespace zefra::pruebas
