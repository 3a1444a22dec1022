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

struct Descripcion {
    const char* ventana;
    const char* titulo;
};
struct Extra {
    const char* boton;
    const char* texto;
    Descripcion abre;
};
struct Entrada {
    const char* accion;
    Descripcion abre;
    std::vector<Extra> extras;
};

const Entrada kEntradas[] = {
    {"n_descripcion",
     {"frmDescripción", "Descripción del algoritmo de euclides"},
     {{"btpseudo", "pseudo", {"frmimplemeucl", "PSEUDOCODIGO DEL ALGORITMO DE EUCLIDES"}}}},
    {"n_descrip_diof",
     {"frmDescripecuac", "Descripción del algoritmo de ecuaciones diofánticas"},
     {{"btalgsolpart",
       "Algoritmo",
       {"frdescalgsolpar", "ALGORITMO PARA EL CÁLCULO DE UNA SOLUCIÓN PARTICULAR"}},
      {"btalgecudiof", "pseudo", {"frmalgecudiof", "ALGORITMO DE ECUACIONES DIOFANTICAS"}}}},
    {"ndescriprimos", {"frdescprimos", "Definición de números primos"}, {}},
    {"ndesclistaprimos", {"frdescalglistaprimos", "Algoritmo Lista de Primos"}, {}},
    {"ndesesprimo", {"frdescalgesprimo", "Algoritmo que identifica si un numero es primo"}, {}},
    {"ndescripfactor", {"frdescalgfactoriza", "Algoritmo de factorización de un número"}, {}},
    {"nDescRepres", {"frmDescripRepres", "LOS ENTEROS MODULO n"}, {}},
    {"nDescripInversoZn", {"frdescripInversa", "Descripción del inverso en Zn"}, {}},
    {"ndescripeuler",
     {"frdescripeuler", "DESCRIPCIÓN DE LA FUNCIÓN DE EULER"},
     {{"btTeorEuler", "+ TEOREMAS", {"frTeorEuler", "TEOREMA DE LA FUNCIÓN DE EULER"}}}},
    {"nDescripPoten", {"frDescripPoten", "Descripción del cálculo de potencias en Zn"}, {}},
};

class Descripciones : public PruebaVentanas {
  protected:
    // The window is the one named, shown modeless with its title and text, whose buttons are
    // exactly "Salir" and the given extras. At its default size no line of its text is cut at
    // the right edge (a pseudocode line wider than the window would need a scroll bar).
    QWidget* compruebaVentana(const Descripcion& d, const std::vector<Extra>& extras) {
        QWidget* w = ventana(d.ventana);
        EXPECT_TRUE(w && w->isVisible()) << d.ventana;
        if (!w) return nullptr;
        EXPECT_EQ(w->windowTitle(), d.titulo);
        EXPECT_EQ(w->windowModality(), Qt::NonModal);
        QSet<QString> botones{"btsalir"}, hay;
        for (const Extra& x : extras)
            botones << x.boton;
        for (const QPushButton* b : w->findChildren<QPushButton*>())
            hay << b->objectName();
        EXPECT_EQ(hay, botones);
        EXPECT_EQ(control<QPushButton>(w, "btsalir")->text().remove('&'), "Salir");
        auto* texto = control<QTextBrowser>(w, "txDescripcion");
        EXPECT_TRUE(texto->isReadOnly());
        EXPECT_GT(texto->toPlainText().trimmed().size(), 200);
        EXPECT_EQ(texto->horizontalScrollBar()->maximum(), 0);
        return w;
    }
};

TEST_F(Descripciones, CadaEntradaYCadaBotonExtraAbrenSuVentanaYSalirLaOculta) {
    for (const Entrada& e : kEntradas) {
        SCOPED_TRACE(e.accion);
        accion(e.accion)->trigger();
        QWidget* w = compruebaVentana(e.abre, e.extras);
        ASSERT_NE(w, nullptr);
        for (const Extra& x : e.extras) {
            auto* boton = control<QPushButton>(w, x.boton);
            EXPECT_EQ(boton->text().remove('&'), x.texto);
            pulsa(boton);
            QWidget* otra = compruebaVentana(x.abre, {});
            ASSERT_NE(otra, nullptr);
            EXPECT_TRUE(w->isVisible());  // beside its own, not instead of it
            pulsa(control<QPushButton>(otra, "btsalir"));
            EXPECT_FALSE(otra->isVisible());
            EXPECT_TRUE(w->isVisible());
            pulsa(boton);
            EXPECT_EQ(ventana(x.abre.ventana), otra);
        }
        pulsa(control<QPushButton>(w, "btsalir"));
        EXPECT_FALSE(w->isVisible());
        EXPECT_TRUE(principal->isVisible());
        accion(e.accion)->trigger();
        EXPECT_EQ(ventana(e.abre.ventana), w);  // created once, only shown again
        EXPECT_TRUE(w->isVisible());
    }
}

TEST_F(Descripciones, TrazaDeRestos) {
    auto& traza = principal->contexto().abre<gui::FrmTraza>();
    EXPECT_EQ(traza.objectName(), "frmTraza");
    EXPECT_EQ(traza.windowTitle(), "TRAZA DEL ALGORITMO DE EUCLIDES");
    auto* txTraza = control<QPlainTextEdit>(&traza, "txTraza");
    ASSERT_EQ(txTraza, &traza.txTraza());
    EXPECT_TRUE(txTraza->isReadOnly());
    bool cabecera = false;
    for (const QLabel* l : traza.findChildren<QLabel*>())
        cabecera |= l->text() == "RESTO";
    EXPECT_TRUE(cabecera);
    EXPECT_EQ(traza.findChildren<QPushButton*>().size(), 1);
    txTraza->setPlainText("4\n0");
    pulsa(control<QPushButton>(&traza, "btsalir"));
    EXPECT_FALSE(traza.isVisible());
    EXPECT_EQ(&principal->contexto().abre<gui::FrmTraza>(), &traza);
    EXPECT_EQ(txTraza->toPlainText(), "4\n0");  // kept while hidden
}

}  // namespace
}  // namespace zefra::pruebas
