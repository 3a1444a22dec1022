// Copy, save and PDF of the cipher windows and the RSA set-up, through the real windows: each
// window's four actions, what "Copiar todo" copies and the heading of the saved text; the
// conversion grid saved as CSV.
#include <QApplication>
#include <QClipboard>
#include <functional>

#include "gui/crypto/cifrado_prueba.hpp"

namespace zefra::pruebas {
namespace {

class ExportacionCifrado : public PruebaCifrado {
  protected:
    // The RSA set-up with p = 11, q = 13, t = 7, then "Continuar" to the public-key window.
    void sistemaRSA() {
        accion("ncrippublica")->trigger();
        QWidget* rsa = ventana("frmSistemaRSA");
        escribe(control<QLineEdit>(rsa, "txprimop"), "11");
        escribe(control<QLineEdit>(rsa, "txprimoq"), "13");
        pulsa(rsa, "btBuscarCercanoPyQ");
        pulsa(rsa, "btAceptarPyQ");
        escribe(control<QLineEdit>(rsa, "txAsignat"), "7");
        for (const char* b : {"btBuscaMCDmascerca", "btAceptart", "btContinuarRSA"})
            pulsa(rsa, b);
        w = ventana("frmCripPublica");
        opciones = "opCodCpub";
    }
};

TEST_F(ExportacionCifrado, CadaVentanaSacaSusClavesElMensajeEnCadaEstadoYElPasoMostrado) {
    struct Caso {
        const char* ventana;
        std::function<void()> calcula;
        const char* copiado;   // what "Copiar todo" copies, or its start (then "…")
        const char* cabecera;  // the saved text's heading, lines joined by '|'
    };
    const Caso casos[] = {
        {"frmcripprivada",
         [this] {
             abre("99999999999999999999999999991", "3");
             cifra("hola", 0, {"btpaso1", "btpaso2"});
         },
         "Mensaje:\nhola\n\nPASO 1:\n07151100\n\nPASO 2:\n24200803\n\nPASO 2\n"
         "C(99999999999999999999999999991, 3) ([m]) = [99999999999999999999999999991][m] + "
         "[3]\nConcretamente:\nSe realiza la codificación usando\nla función de cifrado C, "
         "con las\nClaves privadas 99999999999999999999999999991 y 3.\nFunción codificadora:\n"
         "Cr,s( [m] ) = [r] [m] + [s]\n",
         "CRIPTOSISTEMA DE CLAVE PRIVADA|Clave r: 99999999999999999999999999991|Clave s: 3|"
         "Sentido: CODIFICAR"},
        {"frmSistemaRSA", [this] { sistemaRSA(); }, "n = 143\nF.E. ( n ) = 120\ns = 103\n",
         "Establecer sistema RSA|p: 11|q: 13|t: 7"},
        {"frmCripPublica",
         [this] {
             sistemaRSA();
             cifra("hola", 0, {"btpaso1", "btpaso2"});
             pulsa({"btInvertirCPub", "btpaso1"});
         },
         "Mensaje:\n006115132000\n\nPASO 1:\n07151100\n\nPASO 2\n"
         "D( [m*] modulo 143 ) = [m*] ^103 modulo 143\nConcretamente:\n",
         "CRIPTOSISTEMA DE CLAVE PÚBLICA|p: 11|q: 13|n: 143|F.E.(n): 120|t: 7|s: 103|"
         "Sentido: DECODIFICAR"},
        {"frPrivadaAlfaus",
         [this] {
             carga(0, "abc", "00 01 05");
             selecciona(1);
             abre("5", "1", "frPrivadaAlfaus");
             opciones = "opCodCpub";
             cifra("abc", 0, {"btpaso1"});
         },
         "Mensaje:\nabc\n\nPASO 1:\n000105\n\nPASO 1\n   Tabla de conversión\n\n"
         "a\t00\t\t\nb\t01\t\t\nc\t05\t\t\n\nTranscripción inmediata del texto\n",
         "CRIPTOGRAFÍA DE CLAVE PRIVADA|r: 5|s: 1|Sentido: CODIFICAR"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.ventana);
        caso.calcula();
        QWidget* v = ventana(caso.ventana);
        for (const char* n : {"copiarTodo", "guardarComo", "exportarPDF", "imprimir"})
            EXPECT_TRUE(v->findChild<QAction*>(n, Qt::FindDirectChildrenOnly)) << n;
        v->findChild<QAction*>("copiarTodo")->trigger();
        const QString copiado = QApplication::clipboard()->text();
        EXPECT_TRUE(copiado.startsWith(caso.copiado)) << copiado.toStdString();
        guarda(v, "guardarComo", "v.txt", {}, {}, &caso == casos ? nuevo : reemplaza);
        EXPECT_EQ(sinFecha("v.txt", static_cast<int>(QString(caso.cabecera).count('|')) + 1),
                  caso.cabecera + ("||" + QString(copiado).replace('\n', '|')));
        for (QWidget* abierta : QApplication::topLevelWidgets())  // each case from the start
            if (abierta != principal.get() && abierta->isVisible())
                QMetaObject::invokeMethod(abierta, "salir");
    }
}

TEST_F(ExportacionCifrado, LaTablaDeConversionSeGuardaComoCsv) {
    abre("3", "5");
    cifra("hola", 0, {"btpaso1"});
    guarda(w, "guardarComo", "t.csv");
    const std::string csv = leeFichero("t.csv");
    EXPECT_EQ(csv.substr(0, 23), "a,00,ñ,14\r\nb,01,o,15\r\n") << csv;
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 14) << "the rows shown, none hidden";
}

}  // namespace
}  // namespace zefra::pruebas
