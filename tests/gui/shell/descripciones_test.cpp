// The description windows: each menu entry opens its window with its title, "Salir" hides it,
// the extra buttons and the computing windows' "Descripción" buttons open further descriptions
// beside them, and none of them is empty or cut off.
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
        EXPECT_EQ(v->windowTitle(), titulo);
        EXPECT_EQ(v->windowModality(), Qt::NonModal);
        const auto extras = std::count_if(std::begin(kBotones), std::end(kBotones),
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
        QAbstractButton* b = boton(v, nombreBoton);
        EXPECT_EQ(b->text(), caption);
        pulsa(b);
        QWidget* otra = compruebaVentana(nombre, titulo);
        ASSERT_NE(otra, nullptr);
        EXPECT_TRUE(v->isVisible());  // beside its own, not instead of it
        pulsa(otra, "btsalir");
        EXPECT_FALSE(otra->isVisible());
        pulsa(b);
        EXPECT_EQ(ventana(nombre), otra);
        otra->hide();  // so that the next button must show it
    }
}

}  // namespace
}  // namespace zefra::pruebas
