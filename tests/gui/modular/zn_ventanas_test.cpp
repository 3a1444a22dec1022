// The windows of arithmetic in Zn and their reasoning and trace windows, through the real
// widgets; and one rule over every computing window: a refused input clears what the window
// showed, in it and in the windows that explain its result, and disables what acts on that result.
#include <QCoreApplication>

#include "gui/conductor.hpp"

namespace zefra::pruebas {
namespace {

using VentanasZn = Conductor;

TEST_F(VentanasZn, RepresentanteEInversoValidacionesResultadosRazonamientosYTiempoAgotado) {
    abre("nrepres frmrepresZn btcalcurepres txmodn txclase");
    const char* kModulo = "El módulo ha de ser un número >0";
    // clang-format off
    mensajes({{{"", "5"}, kModulo},
              {{"-4", "5"}, kModulo},
              {{"2147483648", "5"}, "El valor numérico ha de ser inferior a 2.147.483.647"},
              {{"7,5", "5"}, "El módulo ha de ser un número entero."},
              {{"10", "x"}, "El número de clase ha de ser numérico"},
              {{"10", "-2147483648"}, "El valor numérico ha de estar comprendido entre  -2.147.483.647 y 2.147.483.647"},
              {{"10", "3,5"}, "El número de clase ha de ser un número entero."},
              {{"00000000010", "5"}, "No puede superar los once dígitos"},
              {{"0000000010", "-33"}, nullptr}});
    // clang-format on
    EXPECT_EQ(campo("txsolrepres"), "7");
    QWidget* r = abreCon("btexplicainver", "frExplicaRepres");  // with the quotient and remainder
    EXPECT_EQ(r->windowTitle(), "Razonamiento del resultado. Representante Zn.");
    EXPECT_EQ(texto(r, "lbExplicaRepres"), " -33 = -3 * 10 + -3\n\n  [-3] = [7 - 10] = [ 7 ]");
    calcula({"10", "37"});  // the open reasoning follows
    EXPECT_EQ(texto(r, "lbExplicaRepres"), " 37 = 3 * 10 + 7");

    // The inverse's whole-number checks are the representative's, tested above; here, the
    // messages of its own, that it checks the length, and its time-outs.
    abre("nInvZn frmcalinver btcalcuinver txmodn2 txelemzn");
    // clang-format off
    mensajes({{{"n", "5"}, "El módulo ha de ser un valor numérico."},
              {{"0", "5"}, "El módulo ha de ser un valor positivo (>0)."},
              {{"2147483648", "5"}, "El número está limitado al valor 2.147.483.647"},
              {{"26", ""}, "El número de clase ha de ser numérico"},
              {{"26", "2147483648"}, "El valor númerico está limitado entre -2.147.483.647 y 2.147.483.647"},
              {{"00000000026", "5"}, "No puede superar los once dígitos"}}, "txinver");
    // clang-format on
    calcula({"26", "7"});
    EXPECT_EQ(campo("txinver"), "15");
    // The reasoning states the gcd and both Bézout coefficients: 7·(−11) + 26·3 = 1.
    r = abreCon("btexplicainver", "frexplicainver");
    EXPECT_TRUE(texto(r, "lbExplicaInverso").startsWith(" Existe porque el  m.c.d.(26, 7) = 1\n"));
    EXPECT_TRUE(texto(r, "lbExplicaInverso").contains("      7 * -11 = 1 + -3 * 26\n\n"));
    calcula({"26", "13"});
    EXPECT_EQ(campo("txinver"), "No existe.");
    EXPECT_EQ(texto(r, "lbExplicaInverso"),
              " No existe inverso ya que: \n\n      m.c.d.( 26, 13) = 13,    que es  <> 1");
    calcula({"10", "-3"});
    EXPECT_EQ(campo("txinver"), "3");
    EXPECT_TRUE(texto(r, "lbExplicaInverso").contains("[ -3 ] = [ 7 - 10 ] = [ 7 ]"));
    presupuesto("1", 0.4);
    mensajes({{{"317811", "196418"}, "Se ha superado el tiempo establecido."},
              {{"317811", "-121393"}, "Se ha superado el tiempo establecido"}},
             "txinver");
}

TEST_F(VentanasZn, EulerYPotenciasValidacionesResultadosExplicacionTrazaYTiempoAgotado) {
    abre("nfuneuler frmfuneuler btcalcueuler txmodn3");
    const char* kModulo = "El módulo ha de ser un número >0";
    mensajes({{{""}, kModulo},
              {{"0"}, kModulo},
              {{"12345678901"}, "No puede superar los once dígitos"},
              {{"12,5"}, "El módulo ha de ser un número entero."},
              {{"2147483648"}, "El módulo ha de ser inferior a 2.147.483.648"}},
             "txsoleuler");
    calcula({"12"});
    EXPECT_EQ(campo("txsoleuler"), "4");
    QWidget* e = abreCon("btexplicainver", "frExplicaEuler");
    EXPECT_EQ(e->windowTitle() + '|' + texto(e, "Label4"),
              "Razonamiento de la solución: Función de Euler|Estos son:");
    QStringList campos;
    for (const char* n :
         {"txPrimosEuler", "txDescomEuler", "txFormulaEuler", "lbExplicaEuler", "lbn", "lbFEulern"})
        campos << texto(e, n);
    EXPECT_EQ(campos.join('|'),
              "1, 5, 7, 11|2^2 * 3^1|12 * (1 - 1/2) * (1 - 1/3)|Además hay 4 enteros k, con "
              "1 ≤ k ≤ 12, \nprimos con 12.|12 =|F.E.( 12 ) =");
    calcula({"7"});  // the open explanation follows, with the list a prime gets
    EXPECT_EQ(texto(e, "txPrimosEuler"), "1 -- 6");
    calcula({"1"});  // 1 ≤ k ≤ n counts φ(1) = 1 right, in the singular
    EXPECT_EQ(texto(e, "lbExplicaEuler"), "Además hay 1 entero k, con 1 ≤ k ≤ 1, \nprimo con 1.");

    abre("ncalcupoten frmcalcupoten btcalcupoten txn Txa Txb");
    EXPECT_FALSE(boton("btTrazaPotencia")->isEnabled());
    calcula({"7", "3", "100"});
    EXPECT_EQ(campo("txr"), "4");
    QWidget* t = abreCon("btTrazaPotencia", "frTrazaPotencia");
    EXPECT_TRUE(texto(t, "lbTrazaPotencia")
                    .endsWith("b = b mod F.E.(n) = 100 mod F.E.( 7 ) = 100 mod 6 = 4"));
    EXPECT_TRUE(texto(t, "txTrazaPotencia").endsWith("[ 3 ]^4 = [ 3 ]^4 = [ 4 ] = [ 4 ]"));
    // A short cut writes no trace: the open one is emptied and none is offered.
    for (const QStringList& atajo : {QStringList{"12505", "0", "2147483647"}, {"7", "3", "1"}}) {
        calcula(atajo);
        QCoreApplication::processEvents();
        EXPECT_EQ(campo("txr") + texto(t, "lbTrazaPotencia") + texto(t, "txTrazaPotencia"),
                  QString(atajo[1] == "0" ? "0" : "3"));
        EXPECT_FALSE(boton("btTrazaPotencia")->isEnabled());
    }
    calcula({"1000", "2", "10"});  // the open trace follows the next power
    EXPECT_EQ(campo("txr"), "24");
    EXPECT_TRUE(boton("btTrazaPotencia")->isEnabled());
    QCoreApplication::processEvents();
    EXPECT_EQ(texto(t, "lbTrazaPotencia"), QString());
    EXPECT_TRUE(texto(t, "txTrazaPotencia").endsWith("[ 256 ] * [ 4 ] = [ 24 ]"));
    calcula({"10", "0", "3"});  // a = 0 and b = 0 are whole and not negative: they are taken
    EXPECT_EQ(texto(w, "txr"), "0");
    calcula({"10", "5", "0"});
    EXPECT_EQ(texto(w, "txr"), "1");
    // clang-format off
    mensajes({{{"7", "2", ""}, "Han de introducirse valores numéricos positivos."},
              {{"0", "2", "3"}, "Los valores han de ser positivos (>0)"},
              {{"7", "00000000002", "3"}, "No puede superar los once dígitos"},
              {{"7", "2,5", "3"}, "Los valores han de ser números enteros."},
              {{"7", "2", "3e10"}, "btCalcupoten:La operación ha producido el siguiente error:\n\nDesbordamiento"}}, "txr");
    // clang-format on
    calcula({"10", "5", "0"});
    presupuesto("1", 0.2);
    mensajes({{{"1000003000", "3", "1000000"}, "Se ha superado el tiempo establecido."}}, "txr");
}

using ResultadoRechazado = Conductor;

TEST_F(ResultadoRechazado, NadaDeUnResultadoAnteriorQuedaJuntoAlMensaje) {
    // Lists separated by '|', items by blanks: the menu entry, the window, its button and the
    // fields typed; a valid input; a refused one (the windows' own tests check its message);
    // what must then show nothing: a view of the window, "ventana/vista" of another, a button
    // of the window after '!' disabled; the window's title.
    // clang-format off
    const char* const casos[] = {
        "n_ejecucion frmEuclides btMcd txa txb|12 8|x 8|txmcd txmcm !btTraza|ALGORITMO DE EUCLIDES",
        "n_ejec_diof frmDiofanticas btDiofantica txCoefa txCoefB txindepc|12 8 20|12 8 1e3|txX txY txsolgen alpha beta "
        "!btTrazaDiof !btRestriccionesDiof|ECUACIONES DIOFÁNTICAS LINEALES DE 2 INCÓGNITAS",
        "n_baseb frmbaseb btcalculabaseb txelemzn txmodn2|987654321 7|9007199254740993 7|txinver txq|Base 10 --> Base b",
        "n_base10 frmbase10 btcalculabase10 txelemzn txmodn2|1010 2|1010 11|txinver txq|Base b --> Base 10",
        "nListaprimos frmListaPrimos btaceptolista txttopeprimo|25|x|frmSolListaPrimos/txtSolListaPrimos "
        "frmSolListaPrimos/txnumprimos|LISTA DE NUMEROS PRIMOS",
        "nesprimo frmesprimo btesprimo txtesprimo|7|9007199254740993|lbsolesprimo|¿Es número primo?",
        "nfactorizacion frmfactoriza btfactoriza txnumf|12|doce|txfactorizacion|Factorización de un número",
        "nrepres frmrepresZn btcalcurepres txmodn txclase|10 37|10 x|txsolrepres frExplicaRepres/lbExplicaRepres|Representante de clase",
        "nInvZn frmcalinver btcalcuinver txmodn2 txelemzn|26 7|26 x|txinver frexplicainver/lbExplicaInverso|INVERSO DE UN ELEMENTO DE Zn",
        "nfuneuler frmfuneuler btcalcueuler txmodn3|12|0|txsoleuler frExplicaEuler/txPrimosEuler "
        "frExplicaEuler/lbn frExplicaEuler/lbFEulern frExplicaEuler/lbExplicaEuler frExplicaEuler/txDescomEuler frExplicaEuler/txFormulaEuler|FUNCIÓN DE EULER",
        "ncalcupoten frmcalcupoten btcalcupoten txn Txa Txb|7 3 5|7 x 5|txr frTrazaPotencia/txTrazaPotencia !btTrazaPotencia|Cálculo de potencias en Zn",
        "ncripprivada frmpedirclaves btbusquedacp_r txclavemin_r|1|x|Dpopcionesclave|Solicitud de claves r,s",
    };
    // clang-format on
    // Whether a view shows nothing (a drop-down list no item) or a button is disabled.
    const auto vacio = [this](const QString& nombre) {
        if (nombre.startsWith('!')) return !boton(nombre.mid(1))->isEnabled();
        const QWidget* en = nombre.contains('/') ? ventana(nombre.section('/', 0, 0)) : w;
        const QString vista = nombre.section('/', -1);
        const auto* lista = qobject_cast<const QComboBox*>(control<QWidget>(en, vista));
        return lista ? lista->count() == 0 : texto(en, vista).isEmpty();
    };
    aceptaTodo();
    for (const QString caso : casos) {
        const QStringList partes = caso.split('|');
        abre(partes[0]);
        EXPECT_EQ(w->windowTitle(), partes[4]);
        calcula(partes[1].split(' '));
        if (w->objectName() == "frmcalcupoten") abreCon("btTrazaPotencia", "frTrazaPotencia");
        const qsizetype vistos = mensajesVistos().size();
        for (const bool rechazado : {false, true}) {  // the valid input shows them all
            if (rechazado) calcula(partes[2].split(' '));
            for (const QString& nombre : partes[3].split(' '))
                EXPECT_EQ(vacio(nombre), rechazado)
                    << caso.toStdString() << ' ' << nombre.toStdString();
        }
        // Refused with one message, not an error trap.
        ASSERT_EQ(mensajesVistos().size(), vistos + 1) << caso.toStdString();
        EXPECT_FALSE(mensajesVistos().back().contains("La operación")) << caso.toStdString();
    }
}

}  // namespace
}  // namespace zefra::pruebas
