// The menu tree of the main window: every entry with its control name, caption, place,
// shortcut and initial state.
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/entorno.hpp"

namespace zefra::pruebas {
namespace {

QString sinMnemonico(QString texto) {
    return texto.remove(QLatin1Char('&'));
}

enum class Clase { Submenu, Entrada, Separador };

struct Elemento {
    const char* nombre;
    const char* titulo;
    const char* padre;  // the submenu that holds it; "" for the menu bar
    Clase clase = Clase::Entrada;
};

const Elemento kArbol[] = {
    {"N_euclides", "Euclides", "", Clase::Submenu},
    {"n_descripcion", "Descripción", "N_euclides"},
    {"n_ejecucion", "Ejecución", "N_euclides"},
    {"nseparBase", "", "N_euclides", Clase::Separador},
    {"cambiobase", "Cambio de base", "N_euclides", Clase::Submenu},
    {"n_baseb", "Base 10 --> Base b", "cambiobase"},
    {"n_base10", "Base b --> Base 10", "cambiobase"},
    {"n_diofantica", "Ecuaciones diofánticas", "", Clase::Submenu},
    {"n_descrip_diof", "Descripción", "n_diofantica"},
    {"n_ejec_diof", "Ejecución", "n_diofantica"},
    {"Nnumerosprimos", "Números Primos", "", Clase::Submenu},
    {"ndescriprimos", "Descripción", "Nnumerosprimos"},
    {"nsepara1", "", "Nnumerosprimos", Clase::Separador},
    {"nListaprimos", "Lista de primos", "Nnumerosprimos"},
    {"ndesclistaprimos", "Descripción algoritmo", "Nnumerosprimos"},
    {"nsepar2", "", "Nnumerosprimos", Clase::Separador},
    {"nesprimo", "¿ Es Primo ?", "Nnumerosprimos"},
    {"ndesesprimo", "Descripción algoritmo", "Nnumerosprimos"},
    {"nsepar3", "", "Nnumerosprimos", Clase::Separador},
    {"nfactorizacion", "Factorización en números primos", "Nnumerosprimos"},
    {"ndescripfactor", "Descripción algoritmo", "Nnumerosprimos"},
    {"naritmodular", "Aritmética modular", "", Clase::Submenu},
    {"nDescRepres", "Descripción", "naritmodular"},
    {"nrepres", "Representante de clase en Zn", "naritmodular"},
    {"nseparRepres", "", "naritmodular", Clase::Separador},
    {"nDescripInversoZn", "Descripción", "naritmodular"},
    {"nInvZn", "Inverso de un elemento de Zn", "naritmodular"},
    {"nseparInverso", "", "naritmodular", Clase::Separador},
    {"ndescripeuler", "Descripción", "naritmodular"},
    {"nfuneuler", "Función de Euler", "naritmodular"},
    {"nsepareuler", "", "naritmodular", Clase::Separador},
    {"nDescripPoten", "Descripción", "naritmodular"},
    {"ncalcupoten", "Cálculo de potencias en Zn", "naritmodular"},
    {"ncriptografia", "Aplicación a la criptografia", "", Clase::Submenu},
    {"nalfabeto", "Alfabeto", "ncriptografia", Clase::Submenu},
    {"nCrearAlfa", "Crear", "nalfabeto"},
    {"nModificarAlfa", "Modificar", "nalfabeto"},
    {"nsepar1alfa", "", "nalfabeto", Clase::Separador},
    {"nSelecAlfa", "Seleccionar", "nalfabeto", Clase::Submenu},
    {"nalfa_azminus", "a-z", "nSelecAlfa"},
    {"nalfa_az", "A-Z", "nSelecAlfa"},
    {"nalfa_azAZ", "a-z, A-Z", "nSelecAlfa"},
    {"nalfa_azAZ09", "a-z, A-Z, 0-9", "nSelecAlfa"},
    {"nalfa_ASCII", "ASCII", "nSelecAlfa"},
    {"nalfaus(0)", "", "nSelecAlfa", Clase::Separador},
    {"nalfaus(1)", "alfabeto1", "nSelecAlfa"},
    {"nalfaus(2)", "alfabeto2", "nSelecAlfa"},
    {"nalfaus(3)", "alfabeto3", "nSelecAlfa"},
    {"nalfaus(4)", "alfabeto4", "nSelecAlfa"},
    {"nalfaus(5)", "alfabeto5", "nSelecAlfa"},
    {"nalfaus(6)", "alfabeto6", "nSelecAlfa"},
    {"nalfaus(7)", "alfabeto7", "nSelecAlfa"},
    {"nalfaus(8)", "alfabeto8", "nSelecAlfa"},
    {"nsepar2alfa", "", "nalfabeto", Clase::Separador},
    {"nAbrirAlfa", "Abrir", "nalfabeto"},
    {"nCerrarAlfa", "Cerrar", "nalfabeto"},
    {"nGuardarAlfa", "Guardar", "nalfabeto"},
    {"ncripprivada", "Criptosistema de clave privada", "ncriptografia"},
    {"ncrippublica", "Criptosistema de clave pública", "ncriptografia"},
    {"nAcercaDe", "Acerca de", ""},
    {"nSalir", "Salir ", ""},
};

using MenuPrincipal = PruebaVentanas;

// The actions of a menu (or the menu bar) in order, a submenu standing for itself.
QList<QAction*> accionesDe(const QWidget* contenedor) {
    return contenedor->actions();
}

TEST_F(MenuPrincipal, CadaEntradaEnSuSitioConSuNombreYTitulo) {
    QMap<QString, QList<const Elemento*>> porPadre;
    for (const auto& e : kArbol)
        porPadre[QString::fromUtf8(e.padre)] << &e;

    for (auto it = porPadre.cbegin(); it != porPadre.cend(); ++it) {
        const QWidget* contenedor = it.key().isEmpty() ? static_cast<QWidget*>(principal->menuBar())
                                                       : principal->findChild<QMenu*>(it.key());
        ASSERT_NE(contenedor, nullptr) << it.key().toStdString();
        const QList<QAction*> acciones = accionesDe(contenedor);
        ASSERT_EQ(acciones.size(), it.value().size()) << it.key().toStdString();
        for (int i = 0; i < acciones.size(); ++i) {
            const Elemento& e = *it.value()[i];
            QAction* a = acciones[i];
            SCOPED_TRACE(e.nombre);
            switch (e.clase) {
                case Clase::Submenu:
                    ASSERT_NE(a->menu(), nullptr);
                    EXPECT_EQ(a->menu()->objectName(), QString::fromUtf8(e.nombre));
                    EXPECT_EQ(sinMnemonico(a->menu()->title()), QString::fromUtf8(e.titulo));
                    break;
                case Clase::Separador:
                    EXPECT_TRUE(a->isSeparator());
                    EXPECT_EQ(a->objectName(), QString::fromUtf8(e.nombre));
                    break;
                case Clase::Entrada:
                    EXPECT_FALSE(a->isSeparator());
                    EXPECT_EQ(a->menu(), nullptr);
                    EXPECT_EQ(a->objectName(), QString::fromUtf8(e.nombre));
                    EXPECT_EQ(sinMnemonico(a->text()), QString::fromUtf8(e.titulo));
                    break;
            }
        }
    }
}

TEST_F(MenuPrincipal, AtajosDeTeclado) {
    EXPECT_EQ(accion("n_ejecucion")->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
    EXPECT_EQ(accion("n_ejec_diof")->shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));
    int conAtajo = 0;
    for (const QAction* a : principal->findChildren<QAction*>())
        conAtajo += !a->shortcut().isEmpty();
    EXPECT_EQ(conAtajo, 2);
}

TEST_F(MenuPrincipal, EstadoInicial) {
    for (int k = 0; k <= 8; ++k) {
        EXPECT_FALSE(accion(QStringLiteral("nalfaus(%1)").arg(k))->isVisible()) << k;
    }
    for (const char* desactivada :
         {"nModificarAlfa", "nCerrarAlfa", "nGuardarAlfa", "nalfa_azminus"}) {
        EXPECT_FALSE(accion(desactivada)->isEnabled()) << desactivada;
    }
    for (const auto& e : kArbol) {
        const QString nombre = QString::fromUtf8(e.nombre);
        if (e.clase != Clase::Entrada || nombre.startsWith(QStringLiteral("nalfaus")) ||
            nombre == QStringLiteral("nModificarAlfa") || nombre == QStringLiteral("nCerrarAlfa") ||
            nombre == QStringLiteral("nGuardarAlfa") || nombre == QStringLiteral("nalfa_azminus")) {
            continue;
        }
        EXPECT_TRUE(accion(nombre)->isEnabled()) << e.nombre;
        EXPECT_TRUE(accion(nombre)->isVisible()) << e.nombre;
    }
}

TEST_F(MenuPrincipal, MarcoDeEstado) {
    EXPECT_TRUE(principal->windowTitle().startsWith(QStringLiteral("Zefra: ")));
    auto* marco = control<QGroupBox>(principal.get(), QStringLiteral("frEstadoActual"));
    EXPECT_EQ(marco->title(), QStringLiteral("Estado actual"));
    const std::pair<const char*, const char*> etiquetas[] = {
        {"lbhoras", "Horas :"},
        {"Label1", "Minutos:"},
        {"Label2", "Segundos:"},
        {"Label3", "Tiempo máximo establecido para el cálculo de los algoritmos."},
        {"Label4", "Alfabeto activo:"},
        {"lbalfabetoactivo", "a-z"},
    };
    for (const auto& [nombre, texto] : etiquetas) {
        EXPECT_EQ(sinMnemonico(control<QLabel>(marco, nombre)->text()), QString::fromUtf8(texto));
    }
    for (const char* campo : {"txhoras", "txminutos", "txsegundos"}) {
        EXPECT_TRUE(control<QLineEdit>(marco, campo)->text().isEmpty());
    }
}

TEST_F(MenuPrincipal, LosCamposDelPresupuestoLleganAlCalculo) {
    auto* marco = principal->findChild<QGroupBox*>(QStringLiteral("frEstadoActual"));
    escribe(control<QLineEdit>(marco, "txhoras"), QStringLiteral("1"));
    escribe(control<QLineEdit>(marco, "txminutos"), QStringLiteral("1,5"));
    EXPECT_DOUBLE_EQ(estado.tiempo.tiempoMaximo(), 3690);
    escribe(control<QLineEdit>(marco, "txhoras"), QString());
    escribe(control<QLineEdit>(marco, "txminutos"), QString());
    EXPECT_DOUBLE_EQ(estado.tiempo.tiempoMaximo(), 60);
}

TEST_F(MenuPrincipal, AcercaDeSeMuestraYSeCierraConElMarco) {
    accion("nAcercaDe")->trigger();
    QWidget* acerca = ventana("frAcercaDe");
    ASSERT_NE(acerca, nullptr);
    EXPECT_TRUE(acerca->isVisible());
    EXPECT_EQ(acerca->windowTitle(), QStringLiteral("Acerca De"));
    EXPECT_TRUE(acerca->findChildren<QPushButton*>().isEmpty());
    bool version = false;
    for (const QLabel* l : acerca->findChildren<QLabel*>())
        version |= l->text() == QStringLiteral("Versión 1.2");
    EXPECT_TRUE(version);
    acerca->close();
    EXPECT_FALSE(acerca->isVisible());
    accion("nAcercaDe")->trigger();
    EXPECT_EQ(ventana("frAcercaDe"), acerca);  // created once, shown again
    EXPECT_TRUE(acerca->isVisible());
}

}  // namespace
}  // namespace zefra::pruebas
