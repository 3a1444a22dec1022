// The menu tree of the main window. Every entry carries its control name and is connected here
// to what it opens or does; the alphabet entries go to the alphabet management, which is built
// here with them and held by the context.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "gui/alphabets/gestion_alfabetos.hpp"
#include "gui/alphabets/seleccion_alfabeto.hpp"
#include "gui/arithmetic/frm_cambio_base.hpp"
#include "gui/arithmetic/frm_diofanticas.hpp"
#include "gui/arithmetic/frm_euclides.hpp"
#include "gui/crypto/frm_pedir_claves.hpp"
#include "gui/crypto/frm_sistema_rsa.hpp"
#include "gui/modular/frm_calcupoten.hpp"
#include "gui/modular/frm_calinver.hpp"
#include "gui/modular/frm_fun_euler.hpp"
#include "gui/modular/frm_repres_zn.hpp"
#include "gui/practice/frm_practica.hpp"
#include "gui/primes/frm_es_primo.hpp"
#include "gui/primes/frm_factoriza.hpp"
#include "gui/primes/frm_lista_primos.hpp"
#include "gui/shell/fr_acerca_de.hpp"
#include "gui/shell/fr_descripcion.hpp"
#include "gui/shell/frm_principal.hpp"

namespace zefra::gui {
namespace {

// A submenu of the menu bar or of another menu, named as its control.
template <class Padre>
QMenu* submenu(Padre* padre, const char* nombre, const QString& titulo) {
    QMenu* sub = padre->addMenu(titulo);
    sub->setObjectName(QString::fromLatin1(nombre));
    return sub;
}

template <class F>
QAction* entrada(QMenu* menu, const QString& nombre, const QString& titulo, F&& alElegir) {
    QAction* accion = menu->addAction(titulo);
    accion->setObjectName(nombre);
    QObject::connect(accion, &QAction::triggered, menu, std::forward<F>(alElegir));
    return accion;
}

QAction* entrada(QMenu* menu, const QString& nombre, const QString& titulo) {
    QAction* accion = menu->addAction(titulo);
    accion->setObjectName(nombre);
    return accion;
}

// An entry that runs a slot of the alphabet management.
QAction* entrada(QMenu* menu, const QString& nombre, const QString& titulo,
                 GestionAlfabetos* gestion, void (GestionAlfabetos::*accion)()) {
    QAction* a = entrada(menu, nombre, titulo);
    QObject::connect(a, &QAction::triggered, gestion, accion);
    return a;
}

// An entry that opens the description window `ventana`.
QAction* entradaDescripcion(QMenu* menu, Contexto& ctx, const QString& nombre,
                            const QString& titulo, const QString& ventana) {
    return entrada(menu, nombre, titulo, [&ctx, ventana] { ctx.abre<FrDescripcion>(ventana); });
}

QAction* separador(QMenu* menu, const QString& nombre) {
    QAction* accion = menu->addSeparator();
    accion->setObjectName(nombre);
    return accion;
}

}  // namespace

void FrmPrincipal::construyeMenu() {
    QMenuBar* barra = menuBar();
    auto& ctx = contexto_;

    QMenu* euclides = submenu(barra, "N_euclides", QStringLiteral("&Euclides"));
    entradaDescripcion(euclides, ctx, QStringLiteral("n_descripcion"),
                       QStringLiteral("Descripción"), QStringLiteral("frmDescripción"));
    entrada(euclides, QStringLiteral("n_ejecucion"), QStringLiteral("Ejecución"), [&ctx] {
        ctx.abre<FrmEuclides>();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    separador(euclides, QStringLiteral("nseparBase"));
    QMenu* base = submenu(euclides, "cambiobase", QStringLiteral("Cambio de base"));
    entrada(base, QStringLiteral("n_baseb"), QStringLiteral("Base 10 --> Base b"),
            [&ctx] { ctx.abre<FrmBaseB>(); });
    entrada(base, QStringLiteral("n_base10"), QStringLiteral("Base b --> Base 10"),
            [&ctx] { ctx.abre<FrmBase10>(); });

    QMenu* diofantica = submenu(barra, "n_diofantica", QStringLiteral("Ecuaciones &diofánticas"));
    entradaDescripcion(diofantica, ctx, QStringLiteral("n_descrip_diof"),
                       QStringLiteral("Descripción"), QStringLiteral("frmDescripecuac"));
    entrada(diofantica, QStringLiteral("n_ejec_diof"), QStringLiteral("Ejecución"), [&ctx] {
        ctx.abre<FrmDiofanticas>();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));

    QMenu* primos = submenu(barra, "Nnumerosprimos", QStringLiteral("Números &Primos"));
    entradaDescripcion(primos, ctx, QStringLiteral("ndescriprimos"), QStringLiteral("Descripción"),
                       QStringLiteral("frdescprimos"));
    separador(primos, QStringLiteral("nsepara1"));
    entrada(primos, QStringLiteral("nListaprimos"), QStringLiteral("Lista de primos"),
            [&ctx] { ctx.abre<FrmListaPrimos>(); });
    entradaDescripcion(primos, ctx, QStringLiteral("ndesclistaprimos"),
                       QStringLiteral("Descripción algoritmo"),
                       QStringLiteral("frdescalglistaprimos"));
    separador(primos, QStringLiteral("nsepar2"));
    entrada(primos, QStringLiteral("nesprimo"), QStringLiteral("¿ Es Primo ?"), [&ctx] {
        ctx.ventana<FrmEsPrimo>().vaciaVeredicto();
        ctx.abre<FrmEsPrimo>();
    });
    entradaDescripcion(primos, ctx, QStringLiteral("ndesesprimo"),
                       QStringLiteral("Descripción algoritmo"), QStringLiteral("frdescalgesprimo"));
    separador(primos, QStringLiteral("nsepar3"));
    entrada(primos, QStringLiteral("nfactorizacion"),
            QStringLiteral("Factorización en números primos"),
            [&ctx] { ctx.abre<FrmFactoriza>(); });
    entradaDescripcion(primos, ctx, QStringLiteral("ndescripfactor"),
                       QStringLiteral("Descripción algoritmo"),
                       QStringLiteral("frdescalgfactoriza"));

    QMenu* modular = submenu(barra, "naritmodular", QStringLiteral("Aritmética &modular"));
    entradaDescripcion(modular, ctx, QStringLiteral("nDescRepres"), QStringLiteral("Descripción"),
                       QStringLiteral("frmDescripRepres"));
    entrada(modular, QStringLiteral("nrepres"), QStringLiteral("Representante de clase en Zn"),
            [&ctx] { ctx.abre<FrmRepresZn>(); });
    separador(modular, QStringLiteral("nseparRepres"));
    entradaDescripcion(modular, ctx, QStringLiteral("nDescripInversoZn"),
                       QStringLiteral("Descripción"), QStringLiteral("frdescripInversa"));
    entrada(modular, QStringLiteral("nInvZn"), QStringLiteral("Inverso de un elemento de Zn"),
            [&ctx] { ctx.abre<FrmCalInver>(); });
    separador(modular, QStringLiteral("nseparInverso"));
    entradaDescripcion(modular, ctx, QStringLiteral("ndescripeuler"), QStringLiteral("Descripción"),
                       QStringLiteral("frdescripeuler"));
    entrada(modular, QStringLiteral("nfuneuler"), QStringLiteral("Función de Euler"),
            [&ctx] { ctx.abre<FrmFunEuler>(); });
    separador(modular, QStringLiteral("nsepareuler"));
    entradaDescripcion(modular, ctx, QStringLiteral("nDescripPoten"), QStringLiteral("Descripción"),
                       QStringLiteral("frDescripPoten"));
    entrada(modular, QStringLiteral("ncalcupoten"), QStringLiteral("Cálculo de potencias en Zn"),
            [&ctx] { ctx.abre<FrmCalcupoten>(); });

    QMenu* cripto =
        submenu(barra, "ncriptografia", QStringLiteral("Aplicación a la &criptografia"));
    auto* gestion = new GestionAlfabetos(ctx, this);
    ctx.gestionAlfabetos = gestion;
    EntradasAlfabeto entradas;
    QMenu* alfabeto = submenu(cripto, "nalfabeto", QStringLiteral("Alfabeto"));
    entrada(alfabeto, QStringLiteral("nCrearAlfa"), QStringLiteral("Crear"), gestion,
            &GestionAlfabetos::crear);
    entradas.deUsuario[0] =
        entrada(alfabeto, QStringLiteral("nModificarAlfa"), QStringLiteral("Modificar"), gestion,
                &GestionAlfabetos::modificar);
    separador(alfabeto, QStringLiteral("nsepar1alfa"));
    entradas.seleccionar = submenu(alfabeto, "nSelecAlfa", QStringLiteral("Seleccionar"));
    const std::pair<const char*, const char*> predefinidos[] = {{"nalfa_azminus", "a-z"},
                                                                {"nalfa_az", "A-Z"},
                                                                {"nalfa_azAZ", "a-z, A-Z"},
                                                                {"nalfa_azAZ09", "a-z, A-Z, 0-9"},
                                                                {"nalfa_ASCII", "ASCII"}};
    for (std::size_t k = 0; k < entradas.predefinidos.size(); ++k) {
        entradas.predefinidos[k] =
            entrada(entradas.seleccionar, QString::fromLatin1(predefinidos[k].first),
                    QString::fromLatin1(predefinidos[k].second));
    }
    entradas.predefinidos[0]->setEnabled(false);  // "a-z", active at the start
    entradas.ranuras[0] = separador(entradas.seleccionar, QStringLiteral("nalfaus(0)"));
    for (int k = 1; k <= kRanurasAlfabeto; ++k) {
        entradas.ranuras[static_cast<std::size_t>(k)] =
            entrada(entradas.seleccionar, QStringLiteral("nalfaus(%1)").arg(k),
                    QStringLiteral("alfabeto%1").arg(k));
    }
    for (QAction* accion : entradas.ranuras)
        accion->setVisible(false);
    separador(alfabeto, QStringLiteral("nsepar2alfa"));
    entrada(alfabeto, QStringLiteral("nAbrirAlfa"), QStringLiteral("Abrir"), gestion,
            &GestionAlfabetos::abrir);
    entradas.deUsuario[1] = entrada(alfabeto, QStringLiteral("nCerrarAlfa"),
                                    QStringLiteral("Cerrar"), gestion, &GestionAlfabetos::cerrar);
    entradas.deUsuario[2] = entrada(alfabeto, QStringLiteral("nGuardarAlfa"),
                                    QStringLiteral("Guardar"), gestion, &GestionAlfabetos::guardar);
    for (QAction* accion : entradas.deUsuario)
        accion->setEnabled(false);
    ctx.seleccionAlfabeto = new SeleccionAlfabeto(ctx, entradas, alfabetoActivo_, this);
    entrada(cripto, QStringLiteral("ncripprivada"),
            QStringLiteral("Criptosistema de clave privada"),
            [&ctx] { ctx.abre<FrmPedirClaves>().vaciaLista(); });
    entrada(cripto, QStringLiteral("ncrippublica"),
            QStringLiteral("Criptosistema de clave pública"),
            [&ctx] { ctx.abre<FrmSistemaRSA>().reiniciaSistemaRSA(); });

    anadeMenuPracticar(barra, ctx);

    // "Acerca de" and "Salir " are entries of the menu bar itself.
    auto* acerca = new QAction(QStringLiteral("&Acerca de"), barra);
    acerca->setObjectName(QStringLiteral("nAcercaDe"));
    connect(acerca, &QAction::triggered, this, [&ctx] { ctx.abre<FrAcercaDe>(); });
    barra->addAction(acerca);
    auto* salida = new QAction(QStringLiteral("&Salir "), barra);
    salida->setObjectName(QStringLiteral("nSalir"));
    connect(salida, &QAction::triggered, this, &FrmPrincipal::salir);
    barra->addAction(salida);
}

}  // namespace zefra::gui
