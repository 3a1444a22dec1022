// Renders the program's windows to PNG files, for the README and for checking them by eye:
//   zefra-capturas <folder>
// It drives the real windows through the menu, as a student would. The description windows go
// to <folder>/descripciones; a description whose text scrolls is also rendered whole
// ("-completa"), for proofreading.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <functional>

#include "core/estado.hpp"
#include "core/practice/practica.hpp"
#include "core/shell/numeros.hpp"
#include "gui/shell/descripciones.hpp"
#include "gui/shell/frm_principal.hpp"
#include "gui/ui/rejilla.hpp"
#include "gui/ui/reloj_sistema.hpp"

namespace {

using zefra::gui::FrmPrincipal;

QWidget* ventana(FrmPrincipal& principal, const QString& nombre) {
    for (QWidget* w : principal.findChildren<QWidget*>(nombre)) {
        if (w->isWindow()) return w;
    }
    return nullptr;
}

void escribe(QWidget* w, const char* campo, const QString& texto) {
    w->findChild<QLineEdit*>(QString::fromLatin1(campo))->setText(texto);
}

void pulsa(QWidget* w, const char* boton) {
    w->findChild<QAbstractButton*>(QString::fromLatin1(boton))->click();
}

void guarda(QWidget* w, const QDir& carpeta, const QString& sufijo = {}) {
    QApplication::processEvents();
    w->grab().save(carpeta.filePath(w->objectName() + sufijo + QStringLiteral(".png")));
}

// The chart that `desde` opens with its button "Gráfica", as it first shows.
void guardaGrafica(FrmPrincipal& principal, QWidget* desde, const char* nombre,
                   const QDir& carpeta) {
    pulsa(desde, "btGrafica");
    guarda(ventana(principal, QString::fromLatin1(nombre)), carpeta);
}

// Runs `responde` on the modal window `nombre` once it shows: a modal window blocks the code
// that opened it until it closes, so it is answered from the event loop.
void alAbrirse(const QString& nombre, std::function<void(QWidget*)> responde) {
    auto* vigia = new QTimer;
    QObject::connect(vigia, &QTimer::timeout, [vigia, nombre, responde] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != nombre) return;
        vigia->stop();
        vigia->deleteLater();
        QTimer::singleShot(0, modal, [modal, responde] { responde(modal); });
    });
    vigia->start(20);
}

void elige(QWidget* w, const char* lista, const QString& texto) {
    w->findChild<QComboBox*>(QString::fromLatin1(lista))->setEditText(texto);
}

void entra(FrmPrincipal& principal, const char* accion) {
    principal.findChild<QAction*>(QString::fromLatin1(accion))->trigger();
}

// The user-alphabet windows: an alphabet with gaps is defined, named and loaded, modified,
// used to encipher abc and to decipher it again, saved and closed.
void guardaAlfabetos(FrmPrincipal& principal, const QDir& carpeta) {
    entra(principal, "nCrearAlfa");
    QWidget* define = ventana(principal, QStringLiteral("frmDefineAlfabeto"));
    const std::pair<const char*, const char*> entradas[] = {
        {"a", "0"}, {"b", "1"}, {"c", "5"}, {"ñ", "12"}, {" ", "30"}};
    for (const auto& [simbolo, codigo] : entradas) {
        elige(define, "DpSimboloalfa", QString::fromUtf8(simbolo));
        elige(define, "DpCodAsoc", QString::fromUtf8(codigo));
        pulsa(define, "BtAsociar");
    }
    define->findChild<QAbstractButton*>(QStringLiteral("ChCargarEnMemoria"))->setChecked(true);
    guarda(define, carpeta);
    alAbrirse(QStringLiteral("frnombrealfa"), [&](QWidget* nombre) {
        escribe(nombre, "txnombrealfa", QStringLiteral("con huecos"));
        guarda(nombre, carpeta);
        alAbrirse(QStringLiteral("frguardaralfabeto"), [&](QWidget* aviso) {
            guarda(aviso, carpeta);
            pulsa(aviso, "btnoguardaralfa");
        });
        pulsa(nombre, "btaceptarnombre");
    });
    pulsa(define, "btAceptarDefAlfa");
    pulsa(define, "btCancelaDefAlfa");

    entra(principal, "nalfaus(1)");
    entra(principal, "nModificarAlfa");
    QWidget* modificar = ventana(principal, QStringLiteral("frmModificarAlfabeto"));
    alAbrirse(QStringLiteral("frmAgregarEqui"), [&](QWidget* agregar) {
        elige(agregar, "DpAgregaSim", QStringLiteral("d"));
        elige(agregar, "DpCodAsoc", QStringLiteral("7"));
        elige(agregar, "DpSimboloalfa", QStringLiteral("c"));
        pulsa(agregar, "btAceptaAgregar");
        guarda(agregar, carpeta);
        pulsa(agregar, "btCancelaAgregar");
    });
    pulsa(modificar, "btAgregarEqui");
    alAbrirse(QStringLiteral("frmBorraEquiModi"), [&](QWidget* borrar) {
        elige(borrar, "dpsimborrar", QStringLiteral("ñ"));
        guarda(borrar, carpeta);
        pulsa(borrar, "btcancelar");
    });
    pulsa(modificar, "btBorrarEqui");
    pulsa(modificar, "btCambiaNomAlfa");
    QWidget* nombre = ventana(principal, QStringLiteral("frCambiaAlfaNombre"));
    escribe(nombre, "txNuevoNomAlfa", QStringLiteral("abcd"));
    guarda(nombre, carpeta);
    pulsa(nombre, "btCancelaNombre");
    guarda(modificar, carpeta);
    alAbrirse(QStringLiteral("frguardaralfabeto"),
              [](QWidget* aviso) { pulsa(aviso, "btCancelarGuardaralfa"); });
    pulsa(modificar, "btaceptarmodi");
    pulsa(modificar, "btCancelaModif");

    entra(principal, "ncripprivada");
    QWidget* claves = ventana(principal, QStringLiteral("frmpedirclaves"));
    claves->findChild<QComboBox*>(QStringLiteral("Dpopcionesclave"))
        ->setEditText(QStringLiteral("5"));
    escribe(claves, "txclave_s", QStringLiteral("1"));
    pulsa(claves, "btseguircprivada");
    QWidget* huecos = ventana(principal, QStringLiteral("frPrivadaAlfaus"));
    huecos->findChild<QPlainTextEdit*>(QStringLiteral("txmensaje"))
        ->setPlainText(QStringLiteral("abc dabc"));
    pulsa(huecos, "opCodCpub(0)");
    pulsa(huecos, "btpaso1");
    guarda(huecos, carpeta, QStringLiteral("-paso1"));
    pulsa(huecos, "btpaso2");
    guarda(huecos, carpeta, QStringLiteral("-paso2"));
    pulsa(huecos, "btInvertirCPrivUs");
    pulsa(huecos, "btpaso1");
    guarda(huecos, carpeta, QStringLiteral("-descifrado1"));
    pulsa(huecos, "btpaso2");
    guarda(huecos, carpeta, QStringLiteral("-descifrado2"));
    guarda(&principal, carpeta, QStringLiteral("-alfabeto"));
    pulsa(huecos, "btsalir");

    alAbrirse(QStringLiteral("frmlistdirec"), [&](QWidget* selector) {
        guarda(selector, carpeta, QStringLiteral("-alfabeto"));
        pulsa(selector, "Command1");
    });
    entra(principal, "nGuardarAlfa");
    alAbrirse(QStringLiteral("frmAvisoSalir"), [&](QWidget* aviso) {
        guarda(aviso, carpeta);
        pulsa(aviso, "btCancelarAviso");
    });
    entra(principal, "nSalir");
    entra(principal, "nCerrarAlfa");
    QWidget* aviso = ventana(principal, QStringLiteral("frguardaralfabeto"));
    guarda(aviso, carpeta, QStringLiteral("-cerrar"));
    pulsa(aviso, "btnoguardaralfa");
}

// Euclid's exercise nº 1729 worked with one wrong remainder, and checked.
void guardaPractica(FrmPrincipal& principal, const QDir& carpeta) {
    using namespace zefra::practica;
    entra(principal, "nPracEuclides");
    QWidget* w = ventana(principal, QStringLiteral("frmPracticaEuclides"));
    escribe(w, "txEjercicio", QStringLiteral("1729"));
    pulsa(w, "btNuevo");
    Trabajo t = solucion(generaEjercicio(TipoEjercicio::Euclides, Nivel::Facil, 1729));
    t.celdas[3][3] = std::string(1, '3');  // 15 = 2·7 + 3
    auto* pasos = w->findChild<QAbstractItemView*>(QStringLiteral("msflexPasos"))->model();
    for (std::size_t f = 0; f < t.celdas.size(); ++f) {
        for (std::size_t c = 0; c < t.celdas[f].size(); ++c) {
            const QModelIndex celda = pasos->index(static_cast<int>(f), static_cast<int>(c));
            pasos->setData(celda, QString::fromStdString(t.celdas[f][c]));
        }
    }
    for (std::size_t i = 0; i < t.respuestas.size(); ++i) {
        w->findChild<QLineEdit*>(QStringLiteral("txRespuesta(%1)").arg(i))
            ->setText(QString::fromStdString(t.respuestas[i]));
    }
    pulsa(w, "btComprobar");
    guarda(w, carpeta);
    pulsa(w, "btsalir");
}

// A description as opened, and, when its text scrolls, all of it at once for proofreading.
void guardaDescripcion(QWidget* w, const QDir& carpeta) {
    guarda(w, carpeta);
    const QSize abierta = w->size();
    if (w->sizeHint().height() <= abierta.height()) return;
    w->resize(abierta.width(), w->sizeHint().height());
    guarda(w, carpeta, QStringLiteral("-completa"));
    w->resize(abierta);
}

// Every description window at its default size, opened from its menu entry or from the button
// of the description that offers it, into "descripciones".
void guardaDescripciones(FrmPrincipal& principal, const QDir& raiz) {
    raiz.mkpath(QStringLiteral("descripciones"));
    const QDir carpeta(raiz.filePath(QStringLiteral("descripciones")));
    const std::pair<const char*, const char*> entradas[] = {
        {"n_descripcion", "frmDescripción"}, {"n_descrip_diof", "frmDescripecuac"},
        {"ndescriprimos", "frdescprimos"},   {"ndesclistaprimos", "frdescalglistaprimos"},
        {"ndesesprimo", "frdescalgesprimo"}, {"ndescripfactor", "frdescalgfactoriza"},
        {"nDescRepres", "frmDescripRepres"}, {"nDescripInversoZn", "frdescripInversa"},
        {"ndescripeuler", "frdescripeuler"}, {"nDescripPoten", "frDescripPoten"},
    };
    for (const auto& [accion, nombre] : entradas) {
        principal.findChild<QAction*>(QString::fromLatin1(accion))->trigger();
        QWidget* w = ventana(principal, QString::fromUtf8(nombre));
        guardaDescripcion(w, carpeta);
        for (const auto& boton : zefra::gui::descripcion(QString::fromUtf8(nombre)).botones) {
            pulsa(w, boton.nombre);
            guardaDescripcion(ventana(principal, QString::fromUtf8(boton.abre)), carpeta);
        }
    }
    // The descriptions a computing window opens with its "Descripción" button.
    const char* const conBoton[][3] = {{"n_baseb", "frmbaseb", "frdescCambioBase"},
                                       {"ncripprivada", "frmpedirclaves", "frdescafin"},
                                       {"ncrippublica", "frmSistemaRSA", "frdescRSA"}};
    for (const auto& [accion, desde, nombre] : conBoton) {
        principal.findChild<QAction*>(QString::fromLatin1(accion))->trigger();
        pulsa(ventana(principal, QString::fromLatin1(desde)), "btDescripcion");
        guardaDescripcion(ventana(principal, QString::fromLatin1(nombre)), carpeta);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication aplicacion(argc, argv);
    const QDir carpeta(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    zefra::fijaSeparadorDecimal(',');
    const zefra::gui::RelojSistema reloj;
    zefra::Estado estado(reloj);
    FrmPrincipal principal(estado);
    principal.show();

    QTimer::singleShot(300, [&] {
        guarda(&principal, carpeta);

        principal.findChild<QAction*>(QStringLiteral("n_ejecucion"))->trigger();
        QWidget* euclides = ventana(principal, QStringLiteral("frmEuclides"));
        escribe(euclides, "txa", QStringLiteral("308061521170129"));
        escribe(euclides, "txb", QStringLiteral("190392490709135"));
        pulsa(euclides, "btMcd");
        guarda(euclides, carpeta);
        pulsa(euclides, "btTraza");
        guarda(ventana(principal, QStringLiteral("frTrazaEuclides")), carpeta);

        principal.findChild<QAction*>(QStringLiteral("n_ejec_diof"))->trigger();
        QWidget* diof = ventana(principal, QStringLiteral("frmDiofanticas"));
        escribe(diof, "txCoefa", QStringLiteral("355"));
        escribe(diof, "txCoefB", QStringLiteral("-113"));
        escribe(diof, "txindepc", QStringLiteral("7"));
        pulsa(diof, "btDiofantica");
        guarda(diof, carpeta);
        pulsa(diof, "btTrazaDiof");
        guarda(ventana(principal, QStringLiteral("frmTrazaDiof")), carpeta);
        pulsa(diof, "btRestriccionesDiof");
        QWidget* restr = ventana(principal, QStringLiteral("frmRestriccionesDiof"));
        restr->findChild<QAbstractButton*>(QStringLiteral("Check1"))->setChecked(true);
        restr->findChild<QAbstractButton*>(QStringLiteral("Check2"))->setChecked(true);
        escribe(restr, "txx0", QStringLiteral("-1000"));
        escribe(restr, "txx1", QStringLiteral("1000"));
        pulsa(restr, "btCalculaRestr");
        pulsa(restr, "VerSoluciones");
        guarda(restr, carpeta);
        guardaGrafica(principal, restr, "frGraficaDiofantica", carpeta);

        guardaPractica(principal, carpeta);

        principal.findChild<QAction*>(QStringLiteral("n_baseb"))->trigger();
        QWidget* baseb = ventana(principal, QStringLiteral("frmbaseb"));
        escribe(baseb, "txelemzn", QStringLiteral("2024"));
        escribe(baseb, "txmodn2", QStringLiteral("3"));
        pulsa(baseb, "btcalculabaseb");
        guarda(baseb, carpeta);
        principal.findChild<QAction*>(QStringLiteral("n_base10"))->trigger();
        QWidget* base10 = ventana(principal, QStringLiteral("frmbase10"));
        escribe(base10, "txelemzn", QStringLiteral("2202222"));
        escribe(base10, "txmodn2", QStringLiteral("3"));
        pulsa(base10, "btcalculabase10");
        guarda(base10, carpeta);

        principal.findChild<QAction*>(QStringLiteral("nrepres"))->trigger();
        QWidget* repres = ventana(principal, QStringLiteral("frmrepresZn"));
        escribe(repres, "txmodn", QStringLiteral("10"));
        escribe(repres, "txclase", QStringLiteral("-33"));
        pulsa(repres, "btcalcurepres");
        guarda(repres, carpeta);
        pulsa(repres, "btexplicainver");
        guarda(ventana(principal, QStringLiteral("frExplicaRepres")), carpeta);

        principal.findChild<QAction*>(QStringLiteral("nInvZn"))->trigger();
        QWidget* inver = ventana(principal, QStringLiteral("frmcalinver"));
        escribe(inver, "txmodn2", QStringLiteral("26"));
        escribe(inver, "txelemzn", QStringLiteral("-33"));
        pulsa(inver, "btcalcuinver");
        guarda(inver, carpeta);
        pulsa(inver, "btexplicainver");
        guarda(ventana(principal, QStringLiteral("frexplicainver")), carpeta);
        // The private-key system: keys r = 3, s = 5 over "a-z", then hola → zvkf and back.
        principal.findChild<QAction*>(QStringLiteral("ncripprivada"))->trigger();
        QWidget* claves = ventana(principal, QStringLiteral("frmpedirclaves"));
        escribe(claves, "txclavemin_r", QStringLiteral("1"));
        pulsa(claves, "btbusquedacp_r");
        claves->findChild<QComboBox*>(QStringLiteral("Dpopcionesclave"))->setCurrentIndex(1);
        escribe(claves, "txclave_s", QStringLiteral("5"));
        guarda(claves, carpeta);
        pulsa(claves, "btseguircprivada");
        QWidget* privada = ventana(principal, QStringLiteral("frmcripprivada"));
        privada->findChild<QPlainTextEdit*>(QStringLiteral("txmensaje"))
            ->setPlainText(QStringLiteral("hola mundo"));
        pulsa(privada, "Option1(0)");
        pulsa(privada, "btpaso1");
        guarda(privada, carpeta, QStringLiteral("-paso1"));
        pulsa(privada, "btpaso2");
        guarda(privada, carpeta, QStringLiteral("-paso2"));
        pulsa(privada, "btpaso3");
        guarda(privada, carpeta, QStringLiteral("-paso3"));
        pulsa(privada, "btinvertir");
        pulsa(privada, "btpaso1");
        pulsa(privada, "btpaso2");
        guarda(privada, carpeta, QStringLiteral("-descifrado"));
        pulsa(privada, "btpaso3");
        pulsa(privada, "btsalir");

        principal.findChild<QAction*>(QStringLiteral("nalfa_ASCII"))->trigger();
        principal.findChild<QAction*>(QStringLiteral("ncripprivada"))->trigger();
        claves->findChild<QComboBox*>(QStringLiteral("Dpopcionesclave"))
            ->setEditText(QStringLiteral("7"));
        escribe(claves, "txclave_s", QStringLiteral("-100000000000000000000000000000"));
        pulsa(claves, "btseguircprivada");
        privada->findChild<QPlainTextEdit*>(QStringLiteral("txmensaje"))
            ->setPlainText(QStringLiteral("¡Añade ‘comillas’!"));
        pulsa(privada, "Option1(0)");
        pulsa(privada, "btpaso1");
        guarda(privada, carpeta, QStringLiteral("-ascii-paso1"));
        pulsa(privada, "btpaso2");
        pulsa(privada, "btpaso3");
        privada->findChild<zefra::gui::Rejilla*>(QStringLiteral("FlexAlfa3"))->scrollToBottom();
        guarda(privada, carpeta, QStringLiteral("-ascii-paso3"));
        guarda(&principal, carpeta, QStringLiteral("-ascii"));
        principal.findChild<QAction*>(QStringLiteral("nListaprimos"))->trigger();
        QWidget* lista = ventana(principal, QStringLiteral("frmListaPrimos"));
        escribe(lista, "txttopeprimo", QStringLiteral("100000"));
        guarda(lista, carpeta);
        pulsa(lista, "btaceptolista");
        QWidget* solLista = ventana(principal, QStringLiteral("frmSolListaPrimos"));
        guarda(solLista, carpeta);
        guardaGrafica(principal, solLista, "frGraficaPrimos", carpeta);

        principal.findChild<QAction*>(QStringLiteral("nesprimo"))->trigger();
        QWidget* esPrimo = ventana(principal, QStringLiteral("frmesprimo"));
        escribe(esPrimo, "txtesprimo", QStringLiteral("9007199254740881"));
        pulsa(esPrimo, "btesprimo");
        guarda(esPrimo, carpeta);

        principal.findChild<QAction*>(QStringLiteral("nfactorizacion"))->trigger();
        QWidget* factoriza = ventana(principal, QStringLiteral("frmfactoriza"));
        escribe(factoriza, "txnumf", QStringLiteral("2147483646"));
        pulsa(factoriza, "btfactoriza");
        guarda(factoriza, carpeta);

        principal.findChild<QAction*>(QStringLiteral("nfuneuler"))->trigger();
        QWidget* euler = ventana(principal, QStringLiteral("frmfuneuler"));
        escribe(euler, "txmodn3", QStringLiteral("360"));
        pulsa(euler, "btcalcueuler");
        guarda(euler, carpeta);
        pulsa(euler, "btexplicainver");
        guarda(ventana(principal, QStringLiteral("frExplicaEuler")), carpeta);
        guardaGrafica(principal, euler, "frGraficaEuler", carpeta);

        principal.findChild<QAction*>(QStringLiteral("ncalcupoten"))->trigger();
        QWidget* poten = ventana(principal, QStringLiteral("frmcalcupoten"));
        escribe(poten, "txn", QStringLiteral("1000"));
        escribe(poten, "Txa", QStringLiteral("7"));
        escribe(poten, "Txb", QStringLiteral("222"));
        pulsa(poten, "btcalcupoten");
        guarda(poten, carpeta);
        pulsa(poten, "btTrazaPotencia");
        guarda(ventana(principal, QStringLiteral("frTrazaPotencia")), carpeta);
        guardaGrafica(principal, poten, "frGraficaPotencias", carpeta);

        // The RSA system: p = 10 → 11, q = 13, t = 7; then hola there and back.
        principal.findChild<QAction*>(QStringLiteral("nalfa_azminus"))->setEnabled(true);
        principal.findChild<QAction*>(QStringLiteral("nalfa_azminus"))->trigger();
        principal.findChild<QAction*>(QStringLiteral("ncrippublica"))->trigger();
        QWidget* rsa = ventana(principal, QStringLiteral("frmSistemaRSA"));
        escribe(rsa, "txprimop", QStringLiteral("10"));
        escribe(rsa, "txprimoq", QStringLiteral("13"));
        pulsa(rsa, "btBuscarCercanoPyQ");
        pulsa(rsa, "btAceptarPyQ");
        escribe(rsa, "txAsignat", QStringLiteral("6"));
        pulsa(rsa, "btBuscaMCDmascerca");
        pulsa(rsa, "btAceptart");
        guarda(rsa, carpeta);
        pulsa(rsa, "btContinuarRSA");
        QWidget* publica = ventana(principal, QStringLiteral("frmCripPublica"));
        publica->findChild<QPlainTextEdit*>(QStringLiteral("txmensaje"))
            ->setPlainText(QStringLiteral("hola"));
        pulsa(publica, "opCodCpub(0)");
        pulsa(publica, "btpaso1");
        guarda(publica, carpeta, QStringLiteral("-paso1"));
        pulsa(publica, "btpaso2");
        guarda(publica, carpeta, QStringLiteral("-paso2"));
        pulsa(publica, "btInvertirCPub");
        pulsa(publica, "btpaso1");
        guarda(publica, carpeta, QStringLiteral("-descifrado1"));
        pulsa(publica, "btpaso2");
        guarda(publica, carpeta, QStringLiteral("-descifrado2"));

        principal.findChild<QAction*>(QStringLiteral("nAcercaDe"))->trigger();
        guarda(ventana(principal, QStringLiteral("frAcercaDe")), carpeta);

        guardaAlfabetos(principal, carpeta);
        guardaDescripciones(principal, carpeta);
        QApplication::quit();
    });
    return QApplication::exec();
}
