// The windows of primes: the list and its result window, the primality test and factorization,
// through the menu and their real widgets.
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <set>

#include "core/primes/es_primo.hpp"
#include "gui/conductor.hpp"
#include "gui/ui/vista_lineas.hpp"

namespace zefra::pruebas {
namespace {

const QString kPrimosHasta25 = "2\n3\n5\n7\n11\n13\n17\n19\n23\n";

struct VentanaListaPrimos : Conductor {
    VentanaListaPrimos() : Conductor("nListaprimos frmListaPrimos btaceptolista txttopeprimo") {}

    QWidget* resultado() const { return ventana("frmSolListaPrimos"); }
    bool resultadoVisible() const { return resultado() && resultado()->isVisible(); }
    gui::VistaLineas* vista() const {
        return control<gui::VistaLineas>(resultado(), "txtSolListaPrimos");
    }
    QString lista() const { return texto(resultado(), "txtSolListaPrimos"); }
    QString cuenta() const { return texto(resultado(), "txnumprimos"); }
};

TEST_F(VentanaListaPrimos, ValidacionesListaCuentaTrampaYTiempoAgotado) {
    const char* kLargo = "El número no puede superar los once dígitos";
    mensajes({{{"abcdefghijkl"}, "Ha de ser un valor numérico"},
              {{"12345678901"}, kLargo},
              {{"00000000025"}, kLargo}});
    EXPECT_FALSE(resultadoVisible());
    for (const char* tope : {"25", "0000000025"}) {  // ten characters pass
        calcula({tope});
        ASSERT_TRUE(resultadoVisible()) << tope;
        EXPECT_EQ(lista() + '|' + cuenta(), kPrimosHasta25 + "|9") << tope;  // the count after '|'
    }
    EXPECT_EQ(resultado()->windowTitle() + '|' + texto(resultado(), "lbSolListaPrimos"),
              "LISTA DE NUMEROS PRIMOS|Número total de primos:");
    EXPECT_TRUE(control<QLineEdit>(resultado(), "txnumprimos")->isReadOnly());
    pulsa(resultado(), "btsalir");
    ASSERT_FALSE(resultadoVisible());
    EXPECT_EQ(lista(), kPrimosHasta25);  // the hidden result window keeps its list
    esperaMensaje("btListaPrimos:La operación ha producido el siguiente error:\n\nDesbordamiento");
    calcula({"9999999999"});
    EXPECT_FALSE(resultadoVisible());
    // The run had emptied the list before the bound overflowed; the count says so.
    EXPECT_EQ(lista() + '|' + cuenta(), "|0");

    // The message names the largest prime found, the list's last line.
    presupuesto("0", 0.001);  // nothing but 2 and 3
    esperaMensaje("Se ha excedido del tiempo del resultado.");
    esperaMensaje("Se ha llegado en el tiempo especificado hasta el número primo: 3");
    calcula({"100"});
    ASSERT_TRUE(resultadoVisible());
    EXPECT_EQ(lista() + '|' + cuenta(), "2\n3\n|2");
}

TEST_F(VentanaListaPrimos, SeSeleccionaSeCopiaYCreceAVecesDuranteUnaEjecucionLarga) {
    calcula({"30"});
    gui::VistaLineas* v = vista();
    v->setFocus();
    QTest::keyClick(v, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(v, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), kPrimosHasta25 + "29\n");
    const auto centro = [v](int fila) {
        return v->visualRect(v->model()->index(fila, 0)).center();
    };
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, centro(2));
    QTest::mouseClick(v->viewport(), Qt::LeftButton, Qt::ShiftModifier, centro(4));
    EXPECT_EQ(v->textoSeleccionado(), "5\n7\n11\n");
    QTest::keyClick(v, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "5\n7\n11\n");
    QTest::keyClick(v, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(v->textoSeleccionado(), "5\n7\n11\n13\n");
    v->setCurrentIndex(v->model()->index(9, 0));
    QTest::keyClick(v, Qt::Key_PageUp);  // up, towards the first prime
    EXPECT_LT(v->currentIndex().row(), 9);

    // The clock moves 1 ms per reading and is read at every check, so the heartbeat comes every
    // hundred checks: it records what the result window shows at that moment.
    estado.tiempo.fijaCampo(&Presupuesto::horas, "1000");
    reloj.paso = 0.001;
    std::vector<int> filasVistas;
    bool visibleDurante = false;
    std::set<QString> cuentasDurante;
    estado.tiempo.fijaLatido([&] {
        visibleDurante |= resultado()->isVisible();
        filasVistas.push_back(vista()->model()->rowCount());
        cuentasDurante.insert(cuenta());
    });
    QElapsedTimer relojReal;
    relojReal.start();
    calcula({"50000000"});
    // At most one refresh each quarter of a second of real time, however loaded the machine.
    const qint64 refrescos = relojReal.elapsed() / 250 + 2;
    ASSERT_TRUE(resultadoVisible());
    EXPECT_EQ(cuenta() + ' ' + QString::number(vista()->model()->rowCount()), "3001134 3001134");
    // The list was shown partly filled during the run, and refreshed a few times, not per prime.
    const std::set<int> distintas(filasVistas.begin(), filasVistas.end());
    EXPECT_TRUE(visibleDurante);
    EXPECT_GE(distintas.size(), 2U);
    EXPECT_LE(static_cast<qint64>(distintas.size()), refrescos);
    EXPECT_TRUE(*distintas.rbegin() > 0 && *distintas.rbegin() < 3001134);
    // Nothing of the earlier run (ten primes up to 30) stays while the new list grows.
    EXPECT_EQ(cuentasDurante, std::set<QString>{QString()});
    EXPECT_FALSE(distintas.count(10));
}

struct VentanaEsPrimo : Conductor {
    VentanaEsPrimo() : Conductor("nesprimo frmesprimo btesprimo txtesprimo") {}
    QString veredicto() const { return campo("lbsolesprimo"); }
};

TEST_F(VentanaEsPrimo, VeredictosTambienDeOtraVentanaValidacionesYTiempoAgotado) {
    EXPECT_EQ(veredicto(), QString());
    const std::pair<const char*, std::string_view> casos[] = {
        {"7", kEsPrimo},
        {"5,00000000000000001", kNoEsPrimo},   // not whole, though its double is 5
        {"9,007199254740992e15", kNoEsPrimo},  // 2^53 itself is accepted
    };
    for (const auto& [numero, esperado] : casos) {
        calcula({numero});
        EXPECT_EQ(veredicto(), QString::fromUtf8(esperado)) << numero;
    }
    pulsa(boton("btsalir"));
    // Another window runs the test while this one is hidden: its verdict lands here.
    accion("nfuneuler")->trigger();
    rellena(ventana("frmfuneuler"), {"txmodn3"}, {"9"}, "btcalcueuler");
    EXPECT_EQ(veredicto(), QString::fromUtf8(kNoEsPrimo));
    accion("nesprimo")->trigger();  // and the menu empties it
    EXPECT_EQ(veredicto(), QString());
    // 9007199254740993 reads as 2^53, but is not the number typed.
    // clang-format off
    mensajes({{{"1e400"}, "Ha de ser un valor numérico"},
              {{"9007199254740993"}, "No puede exceder el valor: 9007199254740992 porque el resultado no sería fiable, gracias."},
              {{"-7"}, "btesprimo:La operación ha producido el siguiente error:\n\nArgumento o llamada a procedimiento no válida"}},
             "lbsolesprimo");
    // clang-format on
    calcula({"7"});
    presupuesto("0", 0.001);
    mensajes({{{"9007199254740881"}, "Se ha superado el tiempo establecido."}}, "lbsolesprimo");
}

// One result line as shown: the prime, a given number of blanks, the exponent.
QString linea(const char* primo, int blancos, const char* exponente) {
    return primo + QString(blancos, QLatin1Char(' ')) + exponente + QLatin1Char('\n');
}

struct VentanaFactoriza : Conductor {
    VentanaFactoriza() : Conductor("nfactorizacion frmfactoriza btfactoriza txnumf") {}
    QString resultado() const { return campo("txfactorizacion"); }
};

TEST_F(VentanaFactoriza, ExponentesAlineadosLineasTambienDeOtraVentanaValidacionesYTiempoAgotado) {
    EXPECT_TRUE(control<QPlainTextEdit>(w, "txfactorizacion")->isReadOnly());
    // 2147483646 = 2 · 3² · 7 · 11 · 31 · 151 · 331: primes of one, two and three digits.
    calcula({"2147483646"});
    QStringList lineas = resultado().split('\n', Qt::SkipEmptyParts);
    calcula({"2147483647"});
    lineas << resultado().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lineas.size(), 8);
    const QFontMetricsF medidas(control<QWidget>(w, "txfactorizacion")->font());
    const double ancho = medidas.horizontalAdvance(lineas[0].left(lineas[0].lastIndexOf(' ') + 1));
    for (const QString& l : lineas) {
        const QString hastaElExponente = l.left(l.lastIndexOf(' ') + 1);
        EXPECT_NEAR(medidas.horizontalAdvance(hastaElExponente), ancho, 0.5) << l.toStdString();
    }

    calcula({"360"});
    EXPECT_EQ(resultado(), linea("2", 24, "3") + linea("3", 24, "2") + linea("5", 24, "1"));
    calcula({"-5"});
    EXPECT_EQ(resultado(), QString());
    // Euler's function factors its modulus, and the factors are shown here too.
    accion("nfuneuler")->trigger();
    rellena(ventana("frmfuneuler"), {"txmodn3"}, {"10"}, "btcalcueuler");
    EXPECT_EQ(resultado(), linea("2", 24, "1") + linea("5", 24, "1"));
    // Refusals, the error trap and the time-out leave no earlier result.
    const char* kNoNumerico = "Ha de ser un valor numérico inferior a 2.147.483.648";
    calcula({"12"});
    // clang-format off
    mensajes({{{"doce"}, kNoNumerico},
              {{"2147483648"}, kNoNumerico},
              {{"-1234567890"}, "El valor numérico ha de ser inferior a 2.147.483.648"},
              {{"-1e10"}, "btfactorizaPrimos:La operación ha producido el siguiente error:\n\nDesbordamiento"}},
             "txfactorizacion");
    // clang-format on
    calcula({"12"});
    presupuesto("0", 0.001);
    mensajes({{{"1024"}, "Se ha excedido del tiempo establecido."}}, "txfactorizacion");
}

}  // namespace
}  // namespace zefra::pruebas
