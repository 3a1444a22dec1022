// The RSA set-up and the public-key window, through the real widgets; and copy, save and PDF of
// the cipher windows and the RSA set-up: each window's four actions, what "Copiar todo" copies
// and the heading of the saved text; the conversion grid saved as CSV.
#include <functional>

#include "gui/crypto/cifrado_prueba.hpp"

namespace zefra::pruebas {
namespace {

class VentanasRSA : public PruebaCifrado {
  protected:
    VentanasRSA() { accion("ncrippublica")->trigger(); }
    // The set-up as "p q n φ t s", then p's field, its buttons and t's field, enabled as 1s.
    QString sistema() const {
        QStringList s;
        QString activos;
        const QWidget* rsa = ventana("frmSistemaRSA");
        for (const char* c :
             {"txprimop", "txprimoq", "lbp_por_q", "lbFeulerp_por_q", "txAsignat", "lbResul_s"})
            s << control<QWidget>(rsa, c)->property("text").toString();
        for (const char* b : {"txprimop", "btBuscarCercanoPyQ", "btAceptarPyQ", "txAsignat",
                              "btBuscaMCDmascerca", "btAceptart", "btContinuarRSA"})
            activos += control<QWidget>(rsa, b)->isEnabled() ? '1' : '0';
        return s.join(' ') + " " + activos;
    }
};

TEST_F(VentanasRSA, LosPasosSoloAvanzanEnOrdenYHolaIdaYVueltaPorUnFichero) {
    // The fields typed ("field=value"), the buttons pressed, the message expected, the set-up.
    struct {
        const char *campos, *botones, *aviso, *sistema;
    } const filas[] = {
        // clang-format off
        {"", "", nullptr, "      1100000"},
        {"txprimop=10,5", "btBuscarCercanoPyQ", "p y q han de ser números enteros.", "10,5      1100000"},
        {"txprimop=46337 txprimoq=46349", "btBuscarCercanoPyQ btAceptarPyQ", "El producto n = p · q no puede superar "
         "2.147.483.647: las potencias se calculan con módulos de 32 bits. Elija primos menores.", "46337 46349     0110000"},
        {"", "btIniciarRSA", nullptr, "      1100000"},
        {"txprimop=10 txprimoq=13", "btBuscarCercanoPyQ", nullptr, "11 13     0110000"},
        {"", "btAceptarPyQ", nullptr, "11 13 143 120   0001100"},
        {"txAsignat=0", "btBuscaMCDmascerca", "t ha de ser un número entero positivo.", "11 13 143 120 0  0001100"},  // not 1
        {"txAsignat=6", "btBuscaMCDmascerca", nullptr, "11 13 143 120 7  0000110"},
        {"", "btAceptart", nullptr, "11 13 143 120 7 103 0000001"},
        {"", "btIniciarRSA", nullptr, "      1100000"},
        // clang-format on
    };
    for (const auto& [campos, botones, aviso, esperado] : filas) {
        for (const QString& c : QString(campos).split(' ', Qt::SkipEmptyParts))
            escribe(control<QLineEdit>(ventana("frmSistemaRSA"), c.section('=', 0, 0)),
                    c.section('=', 1));
        if (aviso) esperaMensaje(QString::fromUtf8(aviso));
        for (const QString& b : QString(botones).split(' ', Qt::SkipEmptyParts))
            pulsa(ventana("frmSistemaRSA"), b);
        EXPECT_EQ(sistema(), QString::fromUtf8(esperado)) << campos << ' ' << botones;
    }
    sistemaRSA({}, {}, {});  // empty fields give the smallest primes
    EXPECT_EQ(sistema().left(11), "2 2 4 2 3 1");
    EXPECT_EQ(campo("lbnRSA"), "4");

    // hola → 006115132000, saved to a file, opened again and deciphered → hola.
    sistemaRSA("11", "13", "7");
    EXPECT_EQ(campo("lbsRSA") + " " + campo("lbtRSA"), "103 7");
    cifra("hola", 0, {});
    tras("btpaso1", "hola|07151100| EE 01 Frame1 fijo");
    tras("btpaso2", "hola|07151100|006115132000 EE 00 frmpaso2 fijo");
    EXPECT_EQ(campo("txpaso2codPublica"), "C( [m] modulo 143 ) = [m] ^7 modulo 143");
    fichero("btGuardarEnFicheroPublica", "2", "c.cod");
    EXPECT_EQ(leeFichero("c.cod"), "006115132000\r\n");
    fichero("btAbrirdeFicheroPublica", "2", "c.cod");
    EXPECT_EQ(textos(), "006115132000\r\n||");
    pulsa(opcion(1));
    tras("btpaso1 btpaso2", "006115132000\r\n|07151100|hola DD 00 Frame1 fijo");
    EXPECT_EQ(campo("Label45"), "En este último paso, se realiza");
    pulsa({"btinicializar"});
    esperaMensaje("El número '150' debe ser menor que '143'.");
    cifra("006150", 1, {});
    tras("btpaso1", "006150|| DD 10 -");
}

using ExportacionCifrado = PruebaCifrado;

TEST_F(ExportacionCifrado, CadaVentanaSacaSusClavesElMensajeEnCadaEstadoYElPasoMostrado) {
    struct Caso {
        const char* ventana;
        std::function<void()> calcula;
        const char* copiado;   // what "Copiar todo" copies, or its start (then "…")
        const char* cabecera;  // the saved text's heading, lines joined by '|'
    };
    // clang-format off
    const Caso casos[] = {
        {"frmcripprivada", [this] { abre("99999999999999999999999999991", "3"); cifra("hola", 0, {"btpaso1", "btpaso2"}); },
         "Mensaje:\nhola\n\nPASO 1:\n07151100\n\nPASO 2:\n24200803\n\nPASO 2\nC(99999999999999999999999999991, 3) ([m]) = "
         "[99999999999999999999999999991][m] + [3]\nConcretamente:\nSe realiza la codificación usando\nla función de cifrado C, "
         "con las\nClaves privadas 99999999999999999999999999991 y 3.\nFunción codificadora:\nCr,s( [m] ) = [r] [m] + [s]\n",
         "CRIPTOSISTEMA DE CLAVE PRIVADA|Clave r: 99999999999999999999999999991|Clave s: 3|Sentido: CODIFICAR"},
        {"frmSistemaRSA", [this] { sistemaRSA("11", "13", "7"); }, "n = 143\nF.E. ( n ) = 120\ns = 103\n",
         "Establecer sistema RSA|p: 11|q: 13|t: 7"},
        {"frmCripPublica", [this] { sistemaRSA("11", "13", "7"); cifra("hola", 0, {"btpaso1", "btpaso2", "btInvertirCPub", "btpaso1"}); },
         "Mensaje:\n006115132000\n\nPASO 1:\n07151100\n\nPASO 2\nD( [m*] modulo 143 ) = [m*] ^103 modulo 143\nConcretamente:\n",
         "CRIPTOSISTEMA DE CLAVE PÚBLICA|p: 11|q: 13|n: 143|F.E.(n): 120|t: 7|s: 103|Sentido: DECODIFICAR"},
        {"frPrivadaAlfaus", [this] { carga(0, "abc", "00 01 05"); selecciona(1); abre("5", "1", "frPrivadaAlfaus");
                              dosPasos({}); cifra("abc", 0, {"btpaso1"}); },
         "Mensaje:\nabc\n\nPASO 1:\n000105\n\nPASO 1\n   Tabla de conversión\n\n"
         "a\t00\t\t\nb\t01\t\t\nc\t05\t\t\n\nTranscripción inmediata del texto\n",
         "CRIPTOGRAFÍA DE CLAVE PRIVADA|r: 5|s: 1|Sentido: CODIFICAR"},
    };
    // clang-format on
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.ventana);
        caso.calcula();
        QWidget* v = ventana(caso.ventana);
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
