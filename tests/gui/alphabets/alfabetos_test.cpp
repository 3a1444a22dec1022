// User alphabets through their windows: the define window (its lists, "ASOCIAR", the deletions,
// "SALIR" restoring the table, the width kept, the naming window and the first free slot), the
// modify window (inserting, deleting, sorting, a new name, "Salir" and "Aceptar" with the save
// prompt), the alphabet menu (the active alphabet with its label and modulus, opening, saving and
// closing, an alphabet's whole life up to enciphering and deciphering with it) and the grid an
// alphabet is shown in.

#include "core/alphabets/predefinidos.hpp"
#include "gui/alphabets/tabla_alfabeto.hpp"
#include "gui/crypto/cifrado_prueba.hpp"

namespace zefra::pruebas {
namespace {

class DefineAlfabeto : public PruebaAlfabetos {
  protected:
    // The grid, and the code width the window holds.
    QString tabla() const {
        return rejilla(definir(), "Flexalfapropio") + " /" +
               QString::number(qobject_cast<gui::FrmDefineAlfabeto*>(definir())->ancho());
    }
};

TEST_F(DefineAlfabeto, AsociarYBorrar) {
    QWidget* w = define();
    EXPECT_TRUE(control<QComboBox>(w, "DpSimboloalfa")->count() == 192 &&
                control<QComboBox>(w, "DpCodAsoc")->count() == 256);
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
    // Hidden, with the empty table it opened with.
    EXPECT_TRUE(!definir()->isVisible() && rejilla(definir(), "Flexalfapropio").isEmpty());
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
    EXPECT_TRUE(definir()->isVisible() && !ventana("frnombrealfa")->isVisible());
    EXPECT_EQ(enRanura(1) + " / " + menu(), "Ocupado & <b>: a 005, b 105 / a-z | Ocupado && <b>");
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
    EXPECT_FALSE(boton(definir(), "ChCargarEnMemoria")->isEnabled() ||
                 boton(definir(), "ChCargarEnMemoria")->isChecked());
}

class ModificarAlfabeto : public PruebaAlfabetos {
  protected:
    // "griego" (a → 00, b → 05, c → 27) loaded in slot 0 and active, saved; the modify window
    // open on it.
    void SetUp() override {
        cargaDefinido("griego", {{"a", "0"}, {"b", "5"}, {"c", "27"}});
        estado.ranuras[0].guardado = true;
        selecciona(1);
        accion("nModificarAlfa")->trigger();
        ASSERT_TRUE(w = abierta("frmModificarAlfabeto"));
    }
    QString tabla() const { return rejilla(w, "FlexAlfaSelec"); }
    // Opens the insertion (or deletion) window and, for each row, writes its lists in order and
    // presses "Aceptar", a refusal expected where one is given; then "Cancelar".
    using Filas = std::vector<std::pair<std::vector<const char*>, const char*>>;
    void edita(bool insertar, const Filas& filas) {
        const QStringList listas = insertar
                                       ? QStringList{"DpAgregaSim", "DpCodAsoc", "DpSimboloalfa"}
                                       : QStringList{"dpsimborrar", "dpcodborrar"};
        esperaDialogo(insertar ? "frmAgregarEqui" : "frmBorraEquiModi", [=, this](QWidget* d) {
            for (const auto& [valores, rechazo] : filas) {
                // The symbols to insert after are the table's, kept up to date.
                EXPECT_TRUE(!insertar || (control<QComboBox>(d, "DpSimboloalfa")->count() ==
                                              tabla().count(',') + 1 &&
                                          rotulo(d, "DpSimboloalfa") == "&Símbolo:" &&
                                          rotulo(d, "DpAgregaSim") == "Sím&bolo a agregar:"));
                for (std::size_t k = 0; k < valores.size(); ++k)
                    control<QComboBox>(d, listas[k])->setEditText(valores[k]);
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

TEST_F(ModificarAlfabeto, AgregarBorrarOrdenarSalirYCambioDeNombre) {
    edita(true, {{{"d", "7", "a"}, nullptr},
                 {{"f", "9", "x"},
                  "El símbolo a partir del que se quiere agregar no existe en el alfabeto."},
                 {{"f", "9", "c"}, nullptr},
                 {{"g", "100", "d"}, nullptr}});
    // Nothing reaches the slot before "Aceptar".
    EXPECT_EQ(tabla() + " / " + enRanura(0),
              "a 000, d 007, g 100, b 005, c 027, f 009 / griego*: a 00, b 05, c 27");
    // The code as written ("005", not "5"); then by symbol.
    edita(false, {{{"", "5"}, "No se encuentra el símbolo o código especificado."},
                  {{"", "005"}, nullptr},
                  {{"g"}, nullptr}});
    EXPECT_EQ(tabla(), "a 000, d 007, c 027, f 009");
    pulsa(w, "btOrdenar");
    EXPECT_EQ(tabla(), "a 000, d 007, f 009, c 027");
    // "Salir" leaves the slot as it was.
    renombra("heleno");
    pulsa(w, "btCancelaModif");
    EXPECT_TRUE(!w->isVisible() && enRanura(0) == "griego*: a 00, b 05, c 27")
        << enRanura(0).toStdString();
    // Opening again starts from the slot, with no name pending from before; "Aceptar" with
    // nothing changed leaves it as the file holds it.
    accion("nModificarAlfa")->trigger();
    EXPECT_EQ(tabla() + " " + cambio(), "a 00, b 05, c 27 0");
    esperaAviso(kModificado, "btCancelarGuardaralfa");
    pulsa(w, "btaceptarmodi");
    EXPECT_EQ(enRanura(0), "griego*: a 00, b 05, c 27");

    // A new name.
    cargaDefinido("copto", {{"a", "0"}});
    esperaMensaje("Este nombre no es válido porque corresponde a otro alfabeto. Elige otro.");
    renombra("copto");
    EXPECT_TRUE(ventana("frCambiaAlfaNombre")->isVisible() &&
                boton(ventana("frCambiaAlfaNombre"), "btCancelaNombre")->text() == "&Cancelar");
    renombra("griego");  // its own
    EXPECT_FALSE(ventana("frCambiaAlfaNombre")->isVisible());
    renombra("otro");
    renombra("", "btCancelaNombre");  // drops the pending name
    const QString sinCambio = cambio();
    renombra("0");  // a name like any other
    EXPECT_EQ(sinCambio + cambio(), "00");
    // "NO": the new name is kept, unsaved, and the window hidden.
    esperaAviso(kModificado, "btnoguardaralfa");
    pulsa(w, "btaceptarmodi");
    EXPECT_TRUE(!w->isVisible() &&
                enRanura(0) + " / " + menu() == "0: a 00, b 05, c 27 / 0 | -0 copto +");
}

TEST_F(ModificarAlfabeto, AceptarEscribeEnLaRanuraYPreguntaSiGuardar) {
    edita(true, {{{"z", "120", "c"}, nullptr}});
    // "Cancelar": the slot has the new table, unsaved; the window stays open.
    esperaAviso(kModificado, "btCancelarGuardaralfa");
    pulsa(w, "btaceptarmodi");
    // The active alphabet's modulus follows.
    EXPECT_EQ(enRanura(0) + " n=" + QString::number(estado.alfabeto.modulo),
              "griego: a 000, b 005, c 027, z 120 n=121");
    EXPECT_TRUE(w->isVisible());
    // Deleting the largest code: the slot's codes come back to two digits. "SÍ": saved with
    // code "6", the prompt and the modify window hidden.
    edita(false, {{{"z"}, nullptr}});
    esperaAviso(kModificado, "btsiguardaralfa");
    esperaSelector(false, "6", "g.txt", "griego");
    pulsa(w, "btaceptarmodi");
    EXPECT_EQ(leeFichero("g.txt"), "griego\r\na 00\r\nb 05\r\nc 27\r\nzzz\r\n\r\n");
    EXPECT_EQ(enRanura(0) + " n=" + QString::number(estado.alfabeto.modulo),
              "griego*: a 00, b 05, c 27 n=28");
    EXPECT_FALSE(w->isVisible() || ventana("frguardaralfabeto")->isVisible());
    // Closed from the menu while the window is open again, and the slot taken by another.
    accion("nModificarAlfa")->trigger();
    edita(true, {{{"d", "7", "a"}, nullptr}});
    accion("nCerrarAlfa")->trigger();  // saved: no question
    cargaDefinido("nuevo", {{"x", "3"}});
    esperaMensaje("El alfabeto que se estaba modificando ya no está cargado.");
    pulsa(w, "btaceptarmodi");
    EXPECT_TRUE(!w->isVisible() && enRanura(0) == "nuevo: x 03") << enRanura(0).toStdString();
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
    // Defines a table, names it and says "SÍ" to saving it into `fichero`.
    using Pares = std::initializer_list<std::pair<const char*, const char*>>;
    const auto guarda = [this](Pares tabla, bool cargar, const char* nombre, const char* fichero) {
        defineTabla(tabla, cargar);
        esperaNombre(nombre);
        esperaAviso(cargar ? kCargado : kNoCargado, "btsiguardaralfa");
        esperaSelector(false, "3", fichero, nombre);
        pulsa(definir(), "btAceptarDefAlfa");
    };
    // Loaded: written as loaded, every code at the width of the largest one.
    guarda({{"a", "7"}, {"ñ", "0120"}}, true, "mío", "mio.txt");
    EXPECT_EQ(QString::fromStdString(leeFichero("mio.txt")) + enRanura(0),
              "mío\r\na 007\r\nñ 120\r\nzzz\r\n\r\nmío*: a 007, ñ 120");
    EXPECT_TRUE(!aviso()->isVisible() && !ventana("frnombrealfa")->isVisible() &&
                definir()->isVisible());
    // Not loaded: saved, and neither the slots nor the active one's saved flag change.
    selecciona(1);
    estado.ranuras[0].guardado = false;
    guarda({{"a", "7"}}, false, "suelto", "suelto.txt");
    EXPECT_EQ(leeFichero("suelto.txt"), "suelto\r\na 07\r\nzzz\r\n\r\n");
    EXPECT_EQ(enRanura(0) + " " + enRanura(1), "mío: a 007, ñ 120 libre");
}

TEST_F(MenuAlfabetos, CerrarSinGuardarConCadaBoton) {
    cargaDefinido("uno", {{"a", "0"}});
    selecciona(1);
    // "Cancelar": the alphabet stays loaded and active, its commands usable again.
    accion("nCerrarAlfa")->trigger();
    // The prompt of closing lets the program go on.
    ASSERT_TRUE(aviso()->isVisible() && !aviso()->isModal());
    EXPECT_EQ(control<QLabel>(aviso(), "lbsecargara")->text() + ' ' +
                  qobject_cast<gui::FrGuardarAlfabeto*>(aviso())->codigo() + ' ' + menu(),
              "Alfabeto no guardado. 1 uno | -uno");
    pulsa(aviso(), "btCancelarGuardaralfa");
    EXPECT_TRUE(!aviso()->isVisible() && menu() == "uno | -uno +") << menu().toStdString();
    // "SÍ": saved, then closed.
    accion("nCerrarAlfa")->trigger();
    esperaSelector(false, "5", "uno.txt", "uno");
    pulsa(aviso(), "btsiguardaralfa");
    EXPECT_EQ(leeFichero("uno.txt"), "uno\r\na 00\r\nzzz\r\n\r\n");
    EXPECT_TRUE(!aviso()->isVisible() && enRanura(0) + " / " + menu() == "libre / a-z |");
    // "NO": closed without a file, even when another alphabet was chosen meanwhile.
    cargaDefinido("uno", {{"a", "0"}});
    cargaDefinido("dos", {{"b", "0"}});
    selecciona(1);
    accion("nCerrarAlfa")->trigger();
    selecciona(2);
    pulsa(aviso(), "btnoguardaralfa");
    EXPECT_FALSE(aviso()->isVisible());
    // The other alphabet stays active: it was not the one closed.
    EXPECT_EQ(enRanura(0) + " " + enRanura(1) + " / " + menu(), "libre dos: b 00 / dos | -dos +");
}

TEST_F(MenuAlfabetos, AbrirUnFichero) {
    estado.ranuras[0].libre = false;
    creaFichero("abc.txt", "abc\r\na 00\r\nb 1\r\nzzz\r\n\r\n");
    creaFichero("malo.txt", "abc\r\na05\r\nzzz\r\n\r\n");
    esperaSelector(true, "3", "malo.txt", "1");
    esperaMensaje("Alfabeto no válido");
    accion("nAbrirAlfa")->trigger();
    esperaSelector(true, "3", "abc.txt", "1");
    accion("nAbrirAlfa")->trigger();
    EXPECT_EQ(enRanura(1) + " / " + menu() + QString::number(rechazos),
              "abc*: a 00, b 01 / a-z | abc1");  // the chooser closed on its own
    esperaSelector(true, "3", "abc.txt", "2");   // the same name cannot be loaded twice
    esperaMensaje(
        "Hay un alfabeto cargado con el mismo nombre. Se debe cerrar si quieres abrir este.");
    accion("nAbrirAlfa")->trigger();
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
        EXPECT_TRUE(activo() == nombre && estado.alfabeto.modulo == n) << nombre;
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
    EXPECT_TRUE(activo() == "a-z, A-Z" && estado.alfabeto.modulo == 55);
}

TEST_F(MenuAlfabetos, DefinirCifrarGuardarCerrarAbrirDescifrar) {
    cargaDefinido("otro", {{"x", "0"}});
    cargaDefinido("con huecos", {{"a", "0"}, {"b", "1"}, {"c", "5"}});
    selecciona(2);
    EXPECT_EQ(menu() + " / " + cifraConHuecos("5", "1", "abcabba", 0),
              "con huecos | otro -con huecos + / 01000201000001");

    // "Salir" of the chooser saves nothing; "Guardar" from the menu asks with code "6".
    esperaDialogo("frmlistdirec", [this](QWidget* d) { boton(d, "Command1")->click(); });
    accion("nGuardarAlfa")->trigger();
    EXPECT_EQ(enRanura(1), "con huecos: a 00, b 01, c 05");
    esperaSelector(false, "6", "huecos.txt", "con huecos");
    accion("nGuardarAlfa")->trigger();
    EXPECT_EQ(leeFichero("huecos.txt"), "con huecos\r\na 00\r\nb 01\r\nc 05\r\nzzz\r\n\r\n");
    accion("nCerrarAlfa")->trigger();  // saved: it closes without asking
    EXPECT_EQ(enRanura(1) + " / " + menu(), "libre / a-z | otro");

    // Opened again into the slot it left, its entry selectable at once.
    esperaSelector(true, "3", "huecos.txt", "1");
    accion("nAbrirAlfa")->trigger();
    EXPECT_EQ(enRanura(1) + " / " + menu(),
              "con huecos*: a 00, b 01, c 05 / a-z | otro con huecos");
    selecciona(2);
    // With the keys of the classes of 5 and 1.
    EXPECT_EQ(cifraConHuecos("11", "-5", "01000201000001", 1), "abcabba");
}

// The rows `filas` of both pairs, "s c|s c", joined by ';'.
std::string filas(const Tabla& t, std::initializer_list<int> filas) {
    std::string r;
    for (const int f : filas)
        r += t.texto(f, 0) + " " + t.texto(f, 1) + "|" + t.texto(f, 2) + " " + t.texto(f, 3) + ";";
    return r;
}

TEST(TablaAlfabeto, CadaParHastaSuCuotaDeFilas) {
    Tabla t = gui::tablaAlfabeto();
    gui::muestraAlfabeto(alfabetoASCII(), t);
    EXPECT_EQ(filas(t, {0, 95, 96}), "  000|¡ 097;\u2018 095|\n 193;\u2019 096|\r 194;");
    gui::muestraAlfabeto(alfabetoMinusculas(), t);  // over the ASCII table
    EXPECT_EQ(filas(t, {0, 13, 14, 96}), "a 00|ñ 14;n 13|  27; | ; | ;");
    Alfabeto usuario{"u", {}};  // 128 rows per pair
    for (int k = 0; k < 256; ++k)
        usuario.equivalencias.push_back({"s" + std::to_string(k), std::to_string(k)});
    gui::muestraAlfabeto(usuario, t);
    EXPECT_EQ(filas(t, {0, 127}), "s0 0|s128 128;s127 127|s255 255;");
    usuario.equivalencias.push_back({"x", "256"});
    EXPECT_ANY_THROW(gui::muestraAlfabeto(usuario, t));  // more than the two pairs hold
}

}  // namespace
}  // namespace zefra::pruebas
