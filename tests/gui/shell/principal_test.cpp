// The main window: the menu tree with every entry's name, caption, place, shortcut and initial
// state, the status frame with the budget fields, the about window and the exit path; then
// the description windows: each menu entry opens its window with its title, "Salir" hides it,
// the extra buttons and the computing windows' "Descripción" buttons open further descriptions
// beside them, and none of them is empty or cut off.
#include <QGroupBox>
#include <QScrollBar>
#include <QTime>
#include <QWindow>
#include <cmath>

#include "gui/conductor.hpp"
#include "gui/crypto/fr_privada_alfaus.hpp"
#include "gui/crypto/frm_crip_privada.hpp"
#include "gui/crypto/frm_crip_publica.hpp"
#include "gui/ui/reloj_sistema.hpp"

namespace zefra::pruebas {
namespace {

// Each container of the menu ("" for the menu bar) with its items in order, separated by '|':
// "name:caption" for an entry, "+name:caption" for a submenu, "-name" for a separator, then its
// shortcut in brackets; "~" before a hidden item, "!" before a disabled one. At start the
// user-alphabet slots are hidden, and what needs a user alphabet is disabled.
// clang-format off
const std::pair<const char*, const char*> kArbol[] = {
    {"", "+N_euclides:Euclides|+n_diofantica:Ecuaciones diofánticas|+Nnumerosprimos:Números Primos|"
         "+naritmodular:Aritmética modular|+ncriptografia:Aplicación a la criptografia|+nPracticar:Practicar|"
         "nAcercaDe:Acerca de|nSalir:Salir "},
    {"nPracticar", "nPracEuclides:Algoritmo de Euclides|nPracDiofantica:Ecuación diofántica|nPracInverso:Inverso en Zn|"
                   "nPracPotencia:Potencia en Zn|nPracEuler:Función de Euler|nPracAfin:Cifrado afín|nPracRSA:RSA"},
    {"N_euclides", "n_descripcion:Descripción|n_ejecucion:Ejecución[Ctrl+E]|-nseparBase|+cambiobase:Cambio de base"},
    {"cambiobase", "n_baseb:Base 10 --> Base b|n_base10:Base b --> Base 10"},
    {"n_diofantica", "n_descrip_diof:Descripción|n_ejec_diof:Ejecución[Ctrl+D]"},
    {"Nnumerosprimos", "ndescriprimos:Descripción|-nsepara1|nListaprimos:Lista de primos|ndesclistaprimos:Descripción algoritmo|"
                       "-nsepar2|nesprimo:¿ Es Primo ?|ndesesprimo:Descripción algoritmo|-nsepar3|"
                       "nfactorizacion:Factorización en números primos|ndescripfactor:Descripción algoritmo"},
    {"naritmodular", "nDescRepres:Descripción|nrepres:Representante de clase en Zn|-nseparRepres|nDescripInversoZn:Descripción|"
                     "nInvZn:Inverso de un elemento de Zn|-nseparInverso|ndescripeuler:Descripción|nfuneuler:Función de Euler|"
                     "-nsepareuler|nDescripPoten:Descripción|ncalcupoten:Cálculo de potencias en Zn"},
    {"ncriptografia", "+nalfabeto:Alfabeto|ncripprivada:Criptosistema de clave privada|ncrippublica:Criptosistema de clave pública"},
    {"nalfabeto", "nCrearAlfa:Crear|!nModificarAlfa:Modificar|-nsepar1alfa|+nSelecAlfa:Seleccionar|-nsepar2alfa|"
                  "nAbrirAlfa:Abrir|!nCerrarAlfa:Cerrar|!nGuardarAlfa:Guardar"},
    {"nSelecAlfa", "!nalfa_azminus:a-z|nalfa_az:A-Z|nalfa_azAZ:a-z, A-Z|nalfa_azAZ09:a-z, A-Z, 0-9|nalfa_ASCII:ASCII|"
                   "~!-nalfaus(0)|~!nalfaus(1):alfabeto1|~!nalfaus(2):alfabeto2|~!nalfaus(3):alfabeto3|~!nalfaus(4):alfabeto4|"
                   "~!nalfaus(5):alfabeto5|~!nalfaus(6):alfabeto6|~!nalfaus(7):alfabeto7|~!nalfaus(8):alfabeto8"},
};
// clang-format on

// A container's items the same way.
QString elementos(const QWidget* contenedor) {
    QStringList l;
    for (const QAction* a : contenedor->actions()) {
        QString e = a->isSeparator() ? "-" + a->objectName()
                    : a->menu()      ? "+" + a->menu()->objectName() + ':' + a->menu()->title()
                                     : a->objectName() + ':' + a->text();
        if (!a->shortcut().isEmpty()) e += '[' + a->shortcut().toString() + ']';
        l << QString(a->isVisible() ? "" : "~") + (a->isEnabled() ? "" : "!") + e.remove('&');
    }
    return l.join('|');
}

class VentanaPrincipal : public PruebaVentanas {
  protected:
    // Answers the exit warning with one of its buttons (or its frame, for nullptr), after
    // checking the list it shows.
    void esperaAviso(const QString& lista, const char* boton) {
        esperaDialogo("frmAvisoSalir", [this, lista, boton](QWidget* aviso) {
            EXPECT_EQ(aviso->windowTitle() + '|' + texto(aviso, "Label1") + '|' +
                          texto(aviso, "lbAvisoAlfabetos"),
                      "AVISO|Si cierras la aplicación los alfabetos mostrados a continuación se "
                      "perderán:|" +
                          lista);
            boton ? control<QPushButton>(aviso, boton)->click() : void(aviso->close());
        });
    }
    // The prime list up to 20000000 with a budget of 1000 hours, the clock read at every check
    // and beating every hundred: a run long enough to be stopped in the middle.
    QWidget* preparaListaLarga() {
        estado.tiempo.fijaCampo(&Presupuesto::horas, "1000");
        reloj.paso = 0.001;
        accion("nListaprimos")->trigger();
        QWidget* lista = abierta("frmListaPrimos");
        escribe(control<QLineEdit>(lista, "txttopeprimo"), "20000000");
        lista->activateWindow();  // where what is typed in its field would take effect
        EXPECT_TRUE(QTest::qWaitForWindowActive(lista));
        return lista;
    }
};

TEST_F(VentanaPrincipal, CadaEntradaEnSuSitioElMarcoDeEstadoYLaSalidaQueAvisaDeLoSinGuardar) {
    for (const auto& [padre, hijos] : kArbol) {
        const QWidget* contenedor = *padre ? principal->findChild<QMenu*>(padre)
                                           : static_cast<QWidget*>(principal->menuBar());
        ASSERT_NE(contenedor, nullptr) << padre;
        EXPECT_EQ(elementos(contenedor), QString::fromUtf8(hijos)) << padre;
    }
    EXPECT_TRUE(principal->windowTitle().startsWith("Zefra: "));
    auto* marco = control<QGroupBox>(principal.get(), "frEstadoActual");
    EXPECT_EQ(marco->title(), "Estado actual");
    QStringList etiquetas;
    for (const char* n : {"lbhoras", "Label1", "Label2", "Label3", "Label4", "lbalfabetoactivo"})
        etiquetas << control<QLabel>(marco, n)->text().remove('&');
    EXPECT_EQ(etiquetas.join('|'),
              "Horas :|Minutos:|Segundos:|Tiempo máximo establecido para el cálculo de los "
              "algoritmos.|Alfabeto activo:|a-z");
    EXPECT_DOUBLE_EQ(estado.tiempo.tiempoMaximo(), 60);  // all three fields start empty
    escribe(control<QLineEdit>(marco, "txhoras"), "1");
    escribe(control<QLineEdit>(marco, "txminutos"), "1,5");
    EXPECT_DOUBLE_EQ(estado.tiempo.tiempoMaximo(), 3690);
    // The real clock the budget is measured with reads the local time of day.
    const double sistema = gui::RelojSistema().segundosDesdeMedianoche();
    const double hora = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    EXPECT_LT(std::fmod(std::abs(sistema - hora) + 1, 86400), 3) << sistema << ' ' << hora;

    // Leaving, by the menu or the frame, warns only of the alphabets not saved.
    estado.ranuras[2].libre = false;  // saved or free slots are not listed
    estado.ranuras[2].guardado = true;
    estado.ranuras[6].guardado = true;
    accion("nSalir")->trigger();
    EXPECT_TRUE(terminaciones == 1 && !ventana("frmAvisoSalir"));

    estado.ranuras[3].libre = false;
    estado.ranuras[0].libre = false;
    accion("nalfaus(1)")->setText("uno && otro");  // listed by its name, not its caption
    for (const char* boton : {"btCancelarAviso", static_cast<const char*>(nullptr)}) {
        esperaAviso("uno & otro\nalfabeto4\n", boton);  // in order, and the list does not grow
        accion("nSalir")->trigger();
        EXPECT_TRUE(terminaciones == 1 && !ventana("frmAvisoSalir")->isVisible() &&
                    principal->isVisible());
    }
    esperaAviso("uno & otro\nalfabeto4\n", "btCancelarAviso");  // the frame goes the same way
    EXPECT_FALSE(principal->close());
    EXPECT_TRUE(terminaciones == 1 && principal->isVisible());
    esperaAviso("uno & otro\nalfabeto4\n", "btAceptarAviso");
    accion("nSalir")->trigger();
    EXPECT_EQ(terminaciones, 2);
    estado.ranuras[0].guardado = estado.ranuras[3].guardado = true;
    principal->close();
    EXPECT_EQ(terminaciones, 3);
}

// A long run shows the busy cursor, and what is typed while it goes waits until it ends: a
// digit, and a menu shortcut that would open another window in the middle of the run. Closing the
// program in the middle of it, here with the frame and after the warning over an unsaved alphabet,
// stops it at its next time check, with no time-out message, instead of when the list would be
// complete.
TEST_F(VentanaPrincipal, UnCalculoLargoMuestraElCursorOcupadoYCerrarLoDetiene) {
    estado.ranuras[0].libre = false;
    QWidget* lista = preparaListaLarga();
    bool ocupado = false;
    bool euclidesDurante = false;
    QString durante;
    int lecturasAlCerrar = 0;
    QTimer::singleShot(0, principal.get(), [&] {  // runs at the run's first heartbeat
        ocupado = QApplication::overrideCursor() &&
                  QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        auto* tope = control<QLineEdit>(lista, "txttopeprimo");
        QTest::keyClick(lista->windowHandle(), Qt::Key_9);  // as a desktop sends them
        QTest::keyClick(lista->windowHandle(), Qt::Key_E, Qt::ControlModifier);
        durante = tope->text();
        euclidesDurante = ventana("frmEuclides") != nullptr;  // made when first opened
        esperaAviso("alfabeto1\n", "btAceptarAviso");
        principal->close();
        lecturasAlCerrar = reloj.lecturas;
    });
    QTest::keyClick(control<QLineEdit>(lista, "txttopeprimo"), Qt::Key_Return);
    EXPECT_TRUE(ocupado && durante == "20000000" && !euclidesDurante) << durante.toStdString();
    QCoreApplication::processEvents();
    EXPECT_TRUE(texto(lista, "txttopeprimo") == "200000009" && !QApplication::overrideCursor());
    // The program ended once, at most one time check after closing, with no message.
    EXPECT_TRUE(terminaciones == 1 && lecturasAlCerrar > 0 &&
                reloj.lecturas - lecturasAlCerrar <= 1)
        << terminaciones << ' ' << lecturasAlCerrar << ' ' << reloj.lecturas;
    EXPECT_TRUE(mensajesVistos().isEmpty()) << mensajesVistos().join('|').toStdString();
}

// Escape stops a run at its next time check as a time-out would, saying so; the list keeps the
// primes found, a digit typed meanwhile reaches its field behind the messages, and the Escape
// does not close the window afterwards.
TEST_F(VentanaPrincipal, EscapeDetieneUnCalculoLargoYLaListaGuardaLoHallado) {
    QWidget* lista = preparaListaLarga();
    int lecturasAlDetener = 0;
    QTimer::singleShot(0, principal.get(), [&] {
        for (const Qt::Key tecla : {Qt::Key_9, Qt::Key_Escape})
            QTest::keyClick(lista->windowHandle(), tecla);
        lecturasAlDetener = reloj.lecturas;
    });
    aceptaTodo();
    QTest::keyClick(control<QLineEdit>(lista, "txttopeprimo"), Qt::Key_Return);
    EXPECT_LE(reloj.lecturas - lecturasAlDetener, 1);
    const QStringList primos =
        texto(abierta("frmSolListaPrimos"), "txtSolListaPrimos").split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(mensajesVistos(), QStringList({"Cálculo detenido por el usuario.",
                                             "Se ha llegado hasta el número primo: " +
                                                 primos.value(primos.size() - 1)}));
    EXPECT_TRUE(lista->isVisible() && texto(lista, "txttopeprimo") == "200000009");
}

// The menu entry, the window it opens and its title.
const char* const kEntradas[][3] = {
    {"n_descripcion", "frmDescripción", "Descripción del algoritmo de euclides"},
    {"n_descrip_diof", "frmDescripecuac", "Descripción del algoritmo de ecuaciones diofánticas"},
    {"ndescriprimos", "frdescprimos", "Definición de números primos"},
    {"ndesclistaprimos", "frdescalglistaprimos", "Algoritmo Lista de Primos"},
    {"ndesesprimo", "frdescalgesprimo", "Algoritmo que identifica si un numero es primo"},
    {"ndescripfactor", "frdescalgfactoriza", "Algoritmo de factorización de un número"},
    {"nDescRepres", "frmDescripRepres", "LOS ENTEROS MODULO n"},
    {"nDescripInversoZn", "frdescripInversa", "Descripción del inverso en Zn"},
    {"ndescripeuler", "frdescripeuler", "DESCRIPCIÓN DE LA FUNCIÓN DE EULER"},
    {"nDescripPoten", "frDescripPoten", "Descripción del cálculo de potencias en Zn"},
};
// The buttons that open a description beside their window: the window that has it, the button
// and its caption, the window it opens and its title. The first four are the extra buttons of
// the descriptions; the others the "Descripción" buttons of the computing windows.
// clang-format off
const char* const kBotones[][5] = {
    {"frmDescripción", "btpseudo", "&pseudo", "frmimplemeucl", "PSEUDOCODIGO DEL ALGORITMO DE EUCLIDES"},
    {"frmDescripecuac", "btalgsolpart", "&Algoritmo", "frdescalgsolpar", "ALGORITMO PARA EL CÁLCULO DE UNA SOLUCIÓN PARTICULAR"},
    {"frmDescripecuac", "btalgecudiof", "&pseudo", "frmalgecudiof", "ALGORITMO DE ECUACIONES DIOFANTICAS"},
    {"frdescripeuler", "btTeorEuler", "+ &TEOREMAS", "frTeorEuler", "TEOREMA DE LA FUNCIÓN DE EULER"},
    {"frmbaseb", "btDescripcion", "&Descripción", "frdescCambioBase", "Descripción del cambio de base"},
    {"frmbase10", "btDescripcion", "&Descripción", "frdescCambioBase", "Descripción del cambio de base"},
    {"frmpedirclaves", "btDescripcion", "&Descripción", "frdescafin", "Descripción del criptosistema afín"},
    {"frmcripprivada", "btDescripcion", "&Descripción", "frdescafin", "Descripción del criptosistema afín"},
    {"frPrivadaAlfaus", "btDescripcion", "&Descripción", "frdescafin", "Descripción del criptosistema afín"},
    {"frmSistemaRSA", "btDescripcion", "&Descripción", "frdescRSA", "Descripción del sistema RSA"},
    {"frmCripPublica", "btDescripcion", "&Descripción", "frdescRSA", "Descripción del sistema RSA"},
};
// clang-format on

class Descripciones : public PruebaVentanas {
  protected:
    // The window is shown modeless with its title and a text, and its buttons are "Salir" and
    // its extras. At its default size no line of the text is cut at the right edge (a
    // pseudocode line wider than the window would need a scroll bar).
    QWidget* compruebaVentana(const char* nombre, const char* titulo) {
        QWidget* v = abierta(nombre);
        if (!v) return nullptr;
        EXPECT_TRUE(v->windowTitle() == titulo && v->windowModality() == Qt::NonModal);
        const auto extras = std::count_if(std::begin(kBotones), std::end(kBotones),
                                          [v](const auto& x) { return v->objectName() == x[0]; });
        EXPECT_EQ(v->findChildren<QPushButton*>().size(), 1 + extras);  // found by name below
        EXPECT_EQ(boton(v, "btsalir")->text().remove('&'), "Salir");
        auto* texto = control<QTextBrowser>(v, "txDescripcion");
        EXPECT_TRUE(texto->isReadOnly() && texto->toPlainText().trimmed().size() > 200 &&
                    texto->horizontalScrollBar()->maximum() == 0);
        return v;
    }
    // `muestra` shows the window `nombre`, which is checked; "Salir" hides it, and showing it again
    // brings back the same window.
    void vaYVuelve(const std::function<void()>& muestra, const char* nombre, const char* titulo) {
        muestra();
        QWidget* v = compruebaVentana(nombre, titulo);
        ASSERT_NE(v, nullptr);
        pulsa(v, "btsalir");
        EXPECT_FALSE(v->isVisible());
        muestra();
        EXPECT_EQ(ventana(nombre), v);  // created once, only shown again
    }
};

TEST_F(Descripciones, CadaEntradaYCadaBotonExtraAbrenSuVentana) {
    for (const auto& [entrada, nombre, titulo] : kEntradas) {
        SCOPED_TRACE(entrada);
        vaYVuelve([&] { accion(entrada)->trigger(); }, nombre, titulo);
    }
    for (const char* entrada : {"n_baseb", "n_base10", "ncripprivada", "ncrippublica"})
        accion(entrada)->trigger();
    auto& contexto = principal->contexto();
    contexto.abre<gui::FrmCripPrivada>();
    contexto.abre<gui::FrPrivadaAlfaus>();
    contexto.abre<gui::FrmCripPublica>();
    for (const auto& [desde, nombreBoton, caption, nombre, titulo] : kBotones) {
        SCOPED_TRACE(std::string(desde) + ' ' + nombreBoton);
        QWidget* v = abierta(desde);
        ASSERT_NE(v, nullptr);
        EXPECT_EQ(boton(v, nombreBoton)->text(), caption);
        vaYVuelve([&] { pulsa(v, nombreBoton); }, nombre, titulo);
        EXPECT_TRUE(v->isVisible());  // beside its own, not instead of it
        ventana(nombre)->hide();      // so that the next button must show it
    }
}

}  // namespace
}  // namespace zefra::pruebas
