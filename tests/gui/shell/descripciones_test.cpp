// The description windows: each menu entry opens its window with its title, "Salir" hides it,
// the extra buttons open further descriptions beside it, and none of them is empty or cut off.
#include <QScrollBar>

#include "gui/conductor.hpp"
#include "gui/crypto/fr_privada_alfaus.hpp"
#include "gui/crypto/frm_crip_privada.hpp"
#include "gui/crypto/frm_crip_publica.hpp"

namespace zefra::pruebas {
namespace {

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
// The extra buttons: the window that has it, the button and its caption, the window it opens
// and its title.
const char* const kExtras[][5] = {
    {"frmDescripción", "btpseudo", "pseudo", "frmimplemeucl",
     "PSEUDOCODIGO DEL ALGORITMO DE EUCLIDES"},
    {"frmDescripecuac", "btalgsolpart", "Algoritmo", "frdescalgsolpar",
     "ALGORITMO PARA EL CÁLCULO DE UNA SOLUCIÓN PARTICULAR"},
    {"frmDescripecuac", "btalgecudiof", "pseudo", "frmalgecudiof",
     "ALGORITMO DE ECUACIONES DIOFANTICAS"},
    {"frdescripeuler", "btTeorEuler", "+ TEOREMAS", "frTeorEuler",
     "TEOREMA DE LA FUNCIÓN DE EULER"},
};

// The computing windows with a "Descripción" button, the description it opens and its title.
const char* const kBotonesDescripcion[][3] = {
    {"frmbaseb", "frdescCambioBase", "Descripción del cambio de base"},
    {"frmbase10", "frdescCambioBase", "Descripción del cambio de base"},
    {"frmpedirclaves", "frdescafin", "Descripción del criptosistema afín"},
    {"frmcripprivada", "frdescafin", "Descripción del criptosistema afín"},
    {"frPrivadaAlfaus", "frdescafin", "Descripción del criptosistema afín"},
    {"frmSistemaRSA", "frdescRSA", "Descripción del sistema RSA"},
    {"frmCripPublica", "frdescRSA", "Descripción del sistema RSA"},
};

class Descripciones : public PruebaVentanas {
  protected:
    // The window is shown modeless with its title and a text, and its buttons are "Salir" and
    // its extras. At its default size no line of the text is cut at the right edge (a
    // pseudocode line wider than the window would need a scroll bar).
    QWidget* compruebaVentana(const char* nombre, const char* titulo) {
        QWidget* v = abierta(nombre);
        if (!v) return nullptr;
        EXPECT_EQ(v->windowTitle(), titulo);
        EXPECT_EQ(v->windowModality(), Qt::NonModal);
        const auto extras = std::count_if(std::begin(kExtras), std::end(kExtras),
                                          [v](const auto& x) { return v->objectName() == x[0]; });
        EXPECT_EQ(v->findChildren<QPushButton*>().size(), 1 + extras);  // found by name below
        EXPECT_EQ(boton(v, "btsalir")->text().remove('&'), "Salir");
        auto* texto = control<QTextBrowser>(v, "txDescripcion");
        EXPECT_TRUE(texto->isReadOnly());
        EXPECT_GT(texto->toPlainText().trimmed().size(), 200);
        EXPECT_EQ(texto->horizontalScrollBar()->maximum(), 0);
        return v;
    }
};

TEST_F(Descripciones, CadaEntradaYCadaBotonExtraAbrenSuVentana) {
    for (const auto& [entrada, nombre, titulo] : kEntradas) {
        SCOPED_TRACE(entrada);
        accion(entrada)->trigger();
        QWidget* v = compruebaVentana(nombre, titulo);
        ASSERT_NE(v, nullptr);
        pulsa(v, "btsalir");
        EXPECT_FALSE(v->isVisible());
        accion(entrada)->trigger();
        EXPECT_EQ(ventana(nombre), v);  // created once, only shown again
    }
    for (const auto& [desde, nombreBoton, caption, nombre, titulo] : kExtras) {
        SCOPED_TRACE(nombreBoton);
        QWidget* v = ventana(desde);
        QAbstractButton* extra = boton(v, nombreBoton);
        EXPECT_EQ(extra->text().remove('&'), caption);
        pulsa(extra);
        QWidget* otra = compruebaVentana(nombre, titulo);
        ASSERT_NE(otra, nullptr);
        EXPECT_TRUE(v->isVisible());  // beside its own, not instead of it
        pulsa(otra, "btsalir");
        EXPECT_FALSE(otra->isVisible());
        pulsa(extra);
        EXPECT_EQ(ventana(nombre), otra);
    }
}

TEST_F(Descripciones, ElBotonDescripcionDeCadaVentanaAbreLaSuya) {
    for (const char* entrada : {"n_baseb", "n_base10", "ncripprivada", "ncrippublica"})
        accion(entrada)->trigger();
    auto& contexto = principal->contexto();
    contexto.abre<gui::FrmCripPrivada>();
    contexto.abre<gui::FrPrivadaAlfaus>();
    contexto.abre<gui::FrmCripPublica>();
    for (const auto& [desde, nombre, titulo] : kBotonesDescripcion) {
        SCOPED_TRACE(desde);
        QWidget* v = abierta(desde);
        ASSERT_NE(v, nullptr);
        QAbstractButton* b = boton(v, "btDescripcion");
        EXPECT_EQ(b->text(), "&Descripción");
        pulsa(b);
        QWidget* d = compruebaVentana(nombre, titulo);
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(v->isVisible());
        pulsa(d, "btsalir");
    }
}

}  // namespace
}  // namespace zefra::pruebas
