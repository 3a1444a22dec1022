// The modify window through its widgets: inserting after a symbol, deleting, sorting, a new
// name, "Salir" leaving the slot as it was, and "Aceptar" with the save prompt's three buttons.
#include "gui/alphabets/alfabetos_prueba.hpp"

namespace zefra::pruebas {
namespace {

class ModificarAlfabeto : public PruebaAlfabetos {
  protected:
    // "griego" (a → 00, b → 05, c → 27) loaded in slot 0 and active, saved; the modify window
    // open on it.
    void SetUp() override {
        cargaDefinido("griego", {{"a", "0"}, {"b", "5"}, {"c", "27"}});
        estado.ranuras[0].guardado = true;
        selecciona(1);
        accion("nModificarAlfa")->trigger();
        w = ventana("frmModificarAlfabeto");
        ASSERT_TRUE(w && w->isVisible());
    }
    QString tabla() const { return rejilla(w, "FlexAlfaSelec"); }
    // Opens the insertion (or deletion) window and, for each row, writes its lists in order and
    // presses "Aceptar", a refusal expected where one is given; then "Cancelar".
    using Filas = std::vector<std::pair<std::vector<const char*>, const char*>>;
    void edita(bool insertar, Filas filas) {
        const char* listas[] = {"DpAgregaSim", "DpCodAsoc", "DpSimboloalfa", "dpsimborrar",
                                "dpcodborrar"};
        esperaDialogo(insertar ? "frmAgregarEqui" : "frmBorraEquiModi", [this, insertar, filas,
                                                                         listas](QWidget* d) {
            for (const auto& [valores, rechazo] : filas) {
                // The symbols to insert after are the table's, kept up to date.
                EXPECT_TRUE(!insertar || control<QComboBox>(d, "DpSimboloalfa")->count() ==
                                             tabla().count(',') + 1);
                EXPECT_TRUE(!insertar || rotulo(d, "DpSimboloalfa") == "&Símbolo:");
                for (std::size_t k = 0; k < valores.size(); ++k)
                    elige(d, listas[k + (insertar ? 0 : 3)], valores[k]);
                if (rechazo) esperaMensaje(rechazo);
                boton(d, insertar ? "btAceptaAgregar" : "btaceptar")->click();
            }
            boton(d, insertar ? "btCancelaAgregar" : "btcancelar")->click();
        });
        pulsa(w, insertar ? "btAgregarEqui" : "btBorrarEqui");
    }
    void renombra(const QString& nombre, const char* respuesta = "btAceptaNombre") {
        pulsa(w, "btCambiaNomAlfa");
        escribe(control<QLineEdit>(ventana("frCambiaAlfaNombre"), "txNuevoNomAlfa"), nombre);
        pulsa(ventana("frCambiaAlfaNombre"), respuesta);
    }
    // The new name waiting for "Aceptar", "0" for none.
    QString cambio() const {
        const auto& pendiente = qobject_cast<gui::FrmModificarAlfabeto*>(w)->nombrePendiente();
        return pendiente ? QString::fromStdString(*pendiente) : QStringLiteral("0");
    }
};

TEST_F(ModificarAlfabeto, AgregarBorrarYOrdenar) {
    EXPECT_EQ(tabla(), "a 00, b 05, c 27");
    edita(true, {{{"d", "7", "a"}, nullptr},
                 {{"f", "9", "x"},
                  "El símbolo a partir del que se quiere agregar no existe en el alfabeto."},
                 {{"f", "9", "c"}, nullptr},
                 {{"g", "100", "d"}, nullptr}});
    EXPECT_EQ(tabla(), "a 000, d 007, g 100, b 005, c 027, f 009");
    EXPECT_EQ(enRanura(0), "griego*: a 00, b 05, c 27");  // nothing before "Aceptar"
    // The code as written ("005", not "5"); then by symbol.
    edita(false, {{{"", "5"}, "No se encuentra el símbolo o código especificado."},
                  {{"", "005"}, nullptr},
                  {{"g"}, nullptr}});
    EXPECT_EQ(tabla(), "a 000, d 007, c 027, f 009");
    pulsa(w, "btOrdenar");
    EXPECT_EQ(tabla(), "a 000, d 007, f 009, c 027");
}

TEST_F(ModificarAlfabeto, SalirDejaLaRanuraComoEstaba) {
    edita(true, {{{"d", "7", "a"}, nullptr}});
    renombra("heleno");
    pulsa(w, "btCancelaModif");
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(enRanura(0), "griego*: a 00, b 05, c 27");
    // Opening again starts from the slot, with no name pending from before; "Aceptar" with
    // nothing changed leaves it as the file holds it.
    accion("nModificarAlfa")->trigger();
    EXPECT_EQ(tabla() + " " + cambio(), "a 00, b 05, c 27 0");
    esperaAviso(kModificado, "btCancelarGuardaralfa");
    pulsa(w, "btaceptarmodi");
    EXPECT_EQ(enRanura(0), "griego*: a 00, b 05, c 27");
}

TEST_F(ModificarAlfabeto, CambioDeNombre) {
    cargaDefinido("copto", {{"a", "0"}});
    esperaMensaje("Este nombre no es válido porque corresponde a otro alfabeto. Elige otro.");
    renombra("copto");
    EXPECT_TRUE(ventana("frCambiaAlfaNombre")->isVisible());
    EXPECT_EQ(boton(ventana("frCambiaAlfaNombre"), "btCancelaNombre")->text(), "&Cancelar");
    renombra("griego");  // its own
    EXPECT_FALSE(ventana("frCambiaAlfaNombre")->isVisible());
    renombra("otro");
    renombra("", "btCancelaNombre");  // drops the pending name
    EXPECT_EQ(cambio(), "0");
    renombra("0");  // a name like any other
    EXPECT_EQ(cambio(), "0");
    // "NO": the new name is kept, unsaved, and the window hidden.
    esperaAviso(kModificado, "btnoguardaralfa");
    pulsa(w, "btaceptarmodi");
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(enRanura(0), "0: a 00, b 05, c 27");
    EXPECT_EQ(menu(), "0 | -0 copto +");
}

TEST_F(ModificarAlfabeto, AceptarEscribeEnLaRanuraYPreguntaSiGuardar) {
    edita(true, {{{"z", "120", "c"}, nullptr}});
    // "Cancelar": the slot has the new table, unsaved; the window stays open.
    esperaAviso(kModificado, "btCancelarGuardaralfa");
    pulsa(w, "btaceptarmodi");
    EXPECT_EQ(enRanura(0), "griego: a 000, b 005, c 027, z 120");
    EXPECT_EQ(estado.alfabeto.modulo, 121);  // the active alphabet's modulus follows
    EXPECT_TRUE(w->isVisible());
    // Deleting the largest code: the slot's codes come back to two digits. "SÍ": saved with
    // code "6", the prompt and the modify window hidden.
    edita(false, {{{"z"}, nullptr}});
    esperaAviso(kModificado, "btsiguardaralfa");
    esperaSelector(false, "6", "g.txt", "griego");
    pulsa(w, "btaceptarmodi");
    EXPECT_EQ(leeFichero("g.txt"), "griego\r\na 00\r\nb 05\r\nc 27\r\nzzz\r\n\r\n");
    EXPECT_EQ(enRanura(0), "griego*: a 00, b 05, c 27");
    EXPECT_EQ(estado.alfabeto.modulo, 28);
    EXPECT_FALSE(w->isVisible() || ventana("frguardaralfabeto")->isVisible());
    // Closed from the menu while the window is open again, and the slot taken by another.
    accion("nModificarAlfa")->trigger();
    edita(true, {{{"d", "7", "a"}, nullptr}});
    accion("nCerrarAlfa")->trigger();  // saved: no question
    cargaDefinido("nuevo", {{"x", "3"}});
    esperaMensaje("El alfabeto que se estaba modificando ya no está cargado.");
    pulsa(w, "btaceptarmodi");
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(enRanura(0), "nuevo: x 03");
}

// The key window, open before, follows the modulus that "Aceptar" changes and the one closing
// the active alphabet brings back.
TEST_F(ModificarAlfabeto, LaVentanaDeClavesSigueAlModulo) {
    accion("ncripprivada")->trigger();
    auto* frase = control<QLabel>(ventana("frmpedirclaves"), "lbpedirclaves1");
    EXPECT_TRUE(frase->text().contains("n = 28 "));
    edita(true, {{{"z", "120", "c"}, nullptr}});
    esperaAviso(kModificado, "btCancelarGuardaralfa");
    pulsa(w, "btaceptarmodi");
    EXPECT_TRUE(frase->text().contains("n = 121 ")) << frase->text().toStdString();
    estado.ranuras[0].guardado = true;
    accion("nCerrarAlfa")->trigger();
    EXPECT_TRUE(frase->text().contains("n = 28 ")) << frase->text().toStdString();
}

}  // namespace
}  // namespace zefra::pruebas
