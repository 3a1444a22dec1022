// The description windows: each menu entry opens its window with its title, "Salir" hides it,
// the extra buttons open further descriptions beside it, and none of them is empty or cut off.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTextBrowser>

#include "gui/entorno.hpp"
#include "shell/frm_traza.hpp"

namespace zefra::pruebas {
namespace {

struct Extra {
    const char* boton;
    const char* titulo;
    const char* ventana;
    const char* tituloVentana;
};

struct Entrada {
    const char* accion;
    const char* ventana;
    const char* titulo;
    std::vector<Extra> extras;
};

const std::vector<Entrada> kEntradas = {
    {"n_descripcion",
     "frmDescripción",
     "Descripción del algoritmo de euclides",
     {{"btpseudo", "pseudo", "frmimplemeucl", "PSEUDOCODIGO DEL ALGORITMO DE EUCLIDES"}}},
    {"n_descrip_diof",
     "frmDescripecuac",
     "Descripción del algoritmo de ecuaciones diofánticas",
     {{"btalgsolpart", "Algoritmo", "frdescalgsolpar",
       "ALGORITMO PARA EL CÁLCULO DE UNA SOLUCIÓN PARTICULAR"},
      {"btalgecudiof", "pseudo", "frmalgecudiof", "ALGORITMO DE ECUACIONES DIOFANTICAS"}}},
    {"ndescriprimos", "frdescprimos", "Definición de números primos", {}},
    {"ndesclistaprimos", "frdescalglistaprimos", "Algoritmo Lista de Primos", {}},
    {"ndesesprimo", "frdescalgesprimo", "Algoritmo que identifica si un numero es primo", {}},
    {"ndescripfactor", "frdescalgfactoriza", "Algoritmo de factorización de un número", {}},
    {"nDescRepres", "frmDescripRepres", "LOS ENTEROS MODULO n", {}},
    {"nDescripInversoZn", "frdescripInversa", "Descripción del inverso en Zn", {}},
    {"ndescripeuler",
     "frdescripeuler",
     "DESCRIPCIÓN DE LA FUNCIÓN DE EULER",
     {{"btTeorEuler", "+ TEOREMAS", "frTeorEuler", "TEOREMA DE LA FUNCIÓN DE EULER"}}},
    {"nDescripPoten", "frDescripPoten", "Descripción del cálculo de potencias en Zn", {}},
};

QString u(const char* texto) {
    return QString::fromUtf8(texto);
}

QString sinMnemonico(QString texto) {
    return texto.remove(QLatin1Char('&'));
}

class Descripciones : public PruebaVentanas {
  protected:
    // The window opened by the entry, checked as the menu shows it.
    QWidget* abre(const Entrada& e) {
        accion(u(e.accion))->trigger();
        QWidget* w = ventana(u(e.ventana));
        EXPECT_NE(w, nullptr);
        return w;
    }

    // The window's buttons are exactly "Salir" and the given extras.
    void soloEstosBotones(const QWidget* w, const std::vector<Extra>& extras) {
        QSet<QString> esperados{QStringLiteral("btsalir")};
        for (const Extra& x : extras)
            esperados << u(x.boton);
        QSet<QString> hay;
        for (const QPushButton* b : w->findChildren<QPushButton*>())
            hay << b->objectName();
        EXPECT_EQ(hay, esperados);
        EXPECT_EQ(sinMnemonico(control<QPushButton>(w, "btsalir")->text()),
                  QStringLiteral("Salir"));
    }
};

TEST_F(Descripciones, CadaEntradaAbreSuVentanaYSalirLaOculta) {
    for (const Entrada& e : kEntradas) {
        SCOPED_TRACE(e.ventana);
        QWidget* w = abre(e);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->windowTitle(), u(e.titulo));
        EXPECT_EQ(w->windowModality(), Qt::NonModal);
        soloEstosBotones(w, e.extras);

        pulsa(control<QPushButton>(w, "btsalir"));
        EXPECT_FALSE(w->isVisible());
        EXPECT_TRUE(principal->isVisible());
        EXPECT_EQ(abre(e), w);  // created once, only shown again
        EXPECT_TRUE(w->isVisible());
    }
}

TEST_F(Descripciones, LosBotonesExtraAbrenOtraDescripcionSinCerrarLaSuya) {
    for (const Entrada& e : kEntradas) {
        QWidget* w = abre(e);
        ASSERT_NE(w, nullptr);
        for (const Extra& x : e.extras) {
            SCOPED_TRACE(x.boton);
            auto* boton = control<QPushButton>(w, u(x.boton));
            ASSERT_NE(boton, nullptr);
            EXPECT_EQ(sinMnemonico(boton->text()), u(x.titulo));
            pulsa(boton);
            QWidget* otra = ventana(u(x.ventana));
            ASSERT_NE(otra, nullptr);
            EXPECT_NE(otra, w);
            EXPECT_TRUE(otra->isVisible());
            EXPECT_TRUE(w->isVisible());
            EXPECT_EQ(otra->windowTitle(), u(x.tituloVentana));
            EXPECT_EQ(otra->windowModality(), Qt::NonModal);
            soloEstosBotones(otra, {});

            pulsa(control<QPushButton>(otra, "btsalir"));
            EXPECT_FALSE(otra->isVisible());
            EXPECT_TRUE(w->isVisible());
            pulsa(boton);
            EXPECT_EQ(ventana(u(x.ventana)), otra);
        }
    }
}

// Every description has text, and at its default size no line is cut at the right edge (a
// pseudocode line wider than the window would need a horizontal scroll bar).
TEST_F(Descripciones, NingunaEstaVaciaNiCortada) {
    QList<QWidget*> todas;
    for (const Entrada& e : kEntradas) {
        QWidget* w = abre(e);
        todas << w;
        for (const Extra& x : e.extras) {
            pulsa(control<QPushButton>(w, u(x.boton)));
            todas << ventana(u(x.ventana));
        }
    }
    ASSERT_EQ(todas.size(), 14);
    for (QWidget* w : todas) {
        SCOPED_TRACE(w->objectName().toStdString());
        auto* texto = control<QTextBrowser>(w, "txDescripcion");
        ASSERT_NE(texto, nullptr);
        EXPECT_TRUE(texto->isReadOnly());
        EXPECT_GT(texto->toPlainText().trimmed().size(), 200);
        EXPECT_EQ(texto->horizontalScrollBar()->maximum(), 0);
    }
}

TEST_F(Descripciones, TrazaDeRestos) {
    auto& traza = principal->contexto().abre<gui::FrmTraza>();
    EXPECT_EQ(traza.objectName(), QStringLiteral("frmTraza"));
    EXPECT_EQ(traza.windowTitle(), QStringLiteral("TRAZA DEL ALGORITMO DE EUCLIDES"));
    auto* txTraza = control<QPlainTextEdit>(&traza, "txTraza");
    ASSERT_EQ(txTraza, &traza.txTraza());
    EXPECT_TRUE(txTraza->isReadOnly());
    bool cabecera = false;
    for (const QLabel* l : traza.findChildren<QLabel*>())
        cabecera |= l->text() == QStringLiteral("RESTO");
    EXPECT_TRUE(cabecera);
    soloEstosBotones(&traza, {});

    txTraza->setPlainText(QStringLiteral("4\n0"));
    pulsa(control<QPushButton>(&traza, "btsalir"));
    EXPECT_FALSE(traza.isVisible());
    EXPECT_EQ(&principal->contexto().abre<gui::FrmTraza>(), &traza);
    EXPECT_EQ(txTraza->toPlainText(), QStringLiteral("4\n0"));  // kept while hidden
}

}  // namespace
}  // namespace zefra::pruebas
