// The Euclid, Diophantine and base-conversion windows with their trace and bounds windows,
// driven through the menu and the real widgets.
#include <tuple>

#include "gui/conductor.hpp"

namespace zefra::pruebas {
namespace {

struct VentanaEuclides : Conductor {
    VentanaEuclides() : Conductor("n_ejecucion frmEuclides btMcd txa txb") {}
    gui::Rejilla* traza() {
        return control<gui::Rejilla>(abreCon("btTraza", "frTrazaEuclides"), "msflextrazaeuc");
    }
};

TEST_F(VentanaEuclides, TiempoAgotadoValidacionesMcdMcmYLaTrazaConAnchos) {
    EXPECT_TRUE(control<QLineEdit>(w, "txmcd")->isReadOnly());
    EXPECT_TRUE(control<QLineEdit>(w, "txmcm")->isReadOnly());
    calcula({"12", "8"});
    presupuesto("1", 0.4);
    mensajes({{{"317811", "196418"}, "Se ha excedido el tiempo establecido."}}, "txmcd");
    // Neither the run that timed out nor the earlier one offers its trace.
    EXPECT_FALSE(boton("btTraza")->isEnabled());
    reloj.paso = 0;
    calcula({"12", "8"});
    const char* kNoNumerico = "a y b han de ser valores numéricos";
    // clang-format off
    mensajes({{{"12", ""}, kNoNumerico},
              {{"x", "494065645841248"}, kNoNumerico},
              {{"494065645841248", "5"}, "No puede exceder el valor: 494065645841247 porque los resultados no serían fiables, gracias."},
              {{"+12", "8"}, "a y b han de ser números enteros"}}, "txmcm");  // "+12" by its text, not its value
    estado.tiempo.fijaCampo(&Presupuesto::minutos, "media hora");
    mensajes({{{"12", "8"}, "Euclides:La operación ha producido el siguiente error:\n\nNo coinciden los tipos"}}, "txmcd");
    // clang-format on
    EXPECT_FALSE(boton("btTraza")->isEnabled());
    estado.tiempo.fijaCampo(&Presupuesto::minutos, "");
    // a, b, the gcd and lcm and whether the trace is offered.
    const std::tuple<const char*, const char*, const char*, bool> casos[] = {
        {"0", "0", "0 0", false},  // the trap has withdrawn the trace
        {"-12", "8", "4 24", true},
        {"0", "5", "5 0", true},
        {"494065645841247", "494065645841246", "1 Capacidad entera excedida.", true},
    };
    for (const auto& [a, b, resultado, traza] : casos) {
        calcula({a, b});
        EXPECT_EQ(campo("txmcd") + ' ' + campo("txmcm"), resultado) << a << ' ' << b;
        EXPECT_EQ(boton("btTraza")->isEnabled(), traza) << a << ' ' << b;
    }
    escribe(control<QLineEdit>(w, "txb"), "8");  // Enter in a field presses "M.C.D."
    QTest::keyClick(control<QLineEdit>(w, "txb"), Qt::Key_Return);
    EXPECT_EQ(campo("txmcd"), "1");
    calcula({"-12", "8"});
    gui::Rejilla* rejilla = traza();
    EXPECT_FALSE(boton("btTraza")->isEnabled());
    EXPECT_EQ(rejilla->model()->headerData(0, Qt::Horizontal).toString(), "Dividendo");
    EXPECT_EQ(filas(rejilla, 0, 5, 4),
              "Dividendo,Divisor,Cociente,Resto;12,8,1,4;8,4,2,0;4,0,,;,,,");
    const int estrecha = ventana("frTrazaEuclides")->width();
    // A long session costs what a short one does: showing the same trace again and again
    // leaves the window and its columns as the first showing did.
    const int columna = rejilla->columnWidth(1);
    calcula({"1071", "462"});
    for (int i = 0; i < 100; ++i) {
        boton("btMcd")->click();
        boton("btTraza")->click();
    }
    EXPECT_EQ(ventana("frTrazaEuclides")->width(), estrecha);
    EXPECT_EQ(rejilla->columnWidth(1), columna);
    rejilla->setColumnWidth(2, 1);  // narrowed by hand: one long input widens the columns again
    calcula({"12", "000000000008"});
    traza();
    EXPECT_EQ(rejilla->columnWidth(1), columna);
    calcula({"308061521170129", "190392490709135"});
    EXPECT_EQ(filas(rejilla, 1, 1, 2), "308061521170129,190392490709135");  // the open grid follows
    traza();
    EXPECT_GT(ventana("frTrazaEuclides")->width(), estrecha);
    EXPECT_EQ(rejilla->columnWidth(1), rejilla->columnWidth(2));
    EXPECT_GE(rejilla->columnWidth(1),
              rejilla->fontMetrics().horizontalAdvance(QStringLiteral("308061521170129")));
    calcula({"0", "5"});
    EXPECT_EQ(rejilla->cellText(1, 0), QString());  // only the header row is left
}

const char* kNoDivide = "No existe solución para la ecuación ya que el mcd(A,B) no divide a C";
const char* kSinRestringida = "No existe solución con estas restricciones";

struct VentanaDiofanticas : Conductor {
    VentanaDiofanticas()
        : Conductor("n_ejec_diof frmDiofanticas btDiofantica txCoefa txCoefB txindepc") {}

    bool ofrece() const {  // both the trace and the bounds, or neither
        EXPECT_EQ(boton("btTrazaDiof")->isEnabled(), boton("btRestriccionesDiof")->isEnabled());
        return boton("btTrazaDiof")->isEnabled();
    }
    // Ticks the bounds on x and y given (nullptr leaves a box unticked) and presses "Calcular",
    // expecting the message `aviso` when one is given.
    void acota(const char* x0, const char* x1, const char* y0, const char* y1,
               const QString& aviso = {}) {
        if (!aviso.isEmpty()) esperaMensaje(aviso);
        const char* valores[] = {x0, x1, y0, y1};
        for (int i = 0; i < 4; ++i) {
            control<QCheckBox>(r, QStringLiteral("Check%1").arg(i + 1))
                ->setChecked(valores[i] != nullptr);
            if (valores[i]) escribe(control<QLineEdit>(r, kCotas[i]), valores[i]);
        }
        pulsa(r, "btCalculaRestr");
    }
    void restricciones() { r = abreCon("btRestriccionesDiof", "frmRestriccionesDiof"); }

    static constexpr const char* kCotas[] = {"txx0", "txx1", "txy0", "txy1"};
    QWidget* r = nullptr;
};

TEST_F(VentanaDiofanticas, TiempoAgotadoValidacionesSinSolucionErrorYSolucionConSuTraza) {
    calcula({"12", "8", "20"});
    presupuesto("1", 0.4);
    mensajes({{{"317811", "196418", "1"}, "Se ha excedido del tiempo especificado."}}, "txX");
    EXPECT_FALSE(ofrece());  // nor the earlier run's trace and bounds after a timeout
    reloj.paso = 0;
    // Each check goes over the three fields before the next check; "1e3" is refused by its text.
    // clang-format off
    mensajes({{{"12345678901", "8", "y"}, "a, b y c han de ser valores numéricos"},
              {{"12", "8", "-1234567890"}, "a, b y c han de tener una longitud inferior o igual a diez dígitos"},
              {{"12", "8", "1e3"}, "a, b y c han de ser números enteros"},
              {{"0", "-0", "0"}, "Todo par de enteros (X, Y) es solución de 0·X + 0·Y = 0."}}, "txX");
    EXPECT_FALSE(ofrece());
    mensajes({{{"12", "8", "3"}, kNoDivide}, {{"0", "0", "5"}, "La ecuación no tiene solución"}}, "txX");
    EXPECT_TRUE(ofrece());  // the trace and the bounds are offered without a solution too
    calcula({"12", "8", "20"});
    mensajes({{{"9999999999", "3", "3"}, "Diofántica:La operación ha producido el siguiente error:\n\nDesbordamiento"}}, "txsolgen");
    // clang-format on
    EXPECT_FALSE(ofrece());  // but not after an error
    calcula({"12", "8", "20"});
    EXPECT_EQ(campo("txX") + ' ' + campo("txY") + ' ' + campo("beta") + ' ' + campo("alpha"),
              "5 -5 2 -3");
    EXPECT_EQ(campo("txsolgen"), "X = 5 + 2 K\nY = -5 - 3 K\n\nPara todo entero K");
    EXPECT_FALSE(control<QLineEdit>(w, "alpha")->isVisible());
    EXPECT_TRUE(ofrece());
    QWidget* t = abreCon("btTrazaDiof", "frmTrazaDiof");
    EXPECT_FALSE(boton("btTrazaDiof")->isEnabled());
    EXPECT_EQ(filas(control<gui::Rejilla>(t, "grTrazadiof"), 0, 4, 4),
              "i,-1,0,1;Q(i),,,1;A(i),0,1,1;B(i),1,0,1");
    QStringList pies;  // the recurrences under the grid
    for (const QLabel* l : t->findChildren<QLabel*>())
        pies << l->text();
    EXPECT_EQ(pies.join('|'),
              "A ( i ) = A ( i - 1)  Q ( i )  +  A ( i - 2 )|"
              "B ( i ) = B ( i - 1)  Q ( i )  +  B ( i - 2 )|Suponemos A>0 y B>0");
}

TEST_F(VentanaDiofanticas, RestriccionesCotasNoValidasYLaTablaDeQuinientas) {
    calcula({"12", "8", "20"});
    restricciones();
    EXPECT_FALSE(boton("btRestriccionesDiof")->isEnabled());
    EXPECT_FALSE(control<QPushButton>(r, "VerSoluciones")->isEnabled());
    acota("0", "10", nullptr, nullptr);
    EXPECT_EQ(texto(r, "soluciones"),
              "Existe un numero finito de soluciones para k en el intervalo");
    EXPECT_EQ(texto(r, "intervalo") + ' ' + texto(r, "Muestra"), "[-2,2] Hay 5 soluciones.");
    auto* tabla = control<gui::Rejilla>(r, "TablaSoluciones");
    EXPECT_FALSE(tabla->isVisible());
    pulsa(r, "VerSoluciones");
    EXPECT_TRUE(tabla->isVisible());
    EXPECT_EQ(filas(tabla, 0, 2, 6),
              "Valor de k,-2,-1,0,1,2;(x,y)=,(1,1),(3,-2),(5,-5),(7,-8),(9,-11)");
    acota("0", nullptr, nullptr, nullptr);  // the unticked bound's field is emptied
    EXPECT_EQ(texto(r, "intervalo") + texto(r, "txx1"), "[-2,+inf[");
    EXPECT_FALSE(control<QWidget>(r, "Muestra")->isVisible());
    EXPECT_FALSE(tabla->isVisible());
    acota("-999", "999", nullptr, nullptr);  // x = 5 + 2k: k from −502 to 497
    EXPECT_EQ(texto(r, "Muestra"), "Hay 1000 soluciones. Mostraremos sólo 500.");
    EXPECT_EQ(tabla->model()->columnCount(), 500);
    r->close();  // the frame does what "Salir" does: the bounds are offered again, empty
    EXPECT_TRUE(boton("btRestriccionesDiof")->isEnabled());
    restricciones();
    EXPECT_EQ(texto(r, "txx0"), QString());
    EXPECT_FALSE(control<QWidget>(r, "intervalo")->isVisible());
    const char* kCota = " debe estar entre -2.147.483.647 y 2.147.483.647";
    acota("a", "b", nullptr, nullptr, "La cota inferior para x ha de ser un valor numérico");
    acota("1", "2147483648", nullptr, nullptr, QString("La cota superior para x") + kCota);
    acota(nullptr, nullptr, "", nullptr, "La cota inferior para y ha de ser un valor numérico");
    acota(nullptr, nullptr, nullptr, "-2147483648", QString("La cota superior para y") + kCota);
    acota("6", "6", nullptr, nullptr, kSinRestringida);
    r->close();
    esperaMensaje(kNoDivide);  // with no particular solution there is none with bounds either
    calcula({"12", "8", "3"});
    restricciones();
    acota("0", nullptr, nullptr, nullptr, kSinRestringida);
}

using CambioDeBase = Conductor;

// Both windows check the base first, in the same order and words.
const Conductor::Mensajes kBase = {
    {{"101", "dos"}, "La base ha de ser un valor numérico."},
    {{"101", "1"}, "La base ha de un valor mayor que 1 (>1)."},
    {{"101", "11"}, "La base está limitada al valor 10"},
    {{"101", "2,5"}, "La base ha de ser un número entero."},
};
const char* kFuera = "El valor númerico está limitado entre 0 y 2.147.483.647";
const char* kDesarrollo = "1·2^(3) + 0·2^(2) + 1·2^(1) + 0·2^(0) = 10";

TEST_F(CambioDeBase, CadaSentidoCompruebaLaBaseYElValorYConvierte) {
    abre("n_baseb frmbaseb btcalculabaseb txelemzn txmodn2");
    mensajes(kBase, "txinver");
    mensajes({{{"", "2"}, "El valor ha de ser numérico"},
              {{"-1", "2"}, kFuera},
              {{"2147483648", "2"}, kFuera},
              {{"10,6", "2"}, "El valor ha de ser un número entero."},
              {{"10", "00000000002"}, "No puede superar los once dígitos"}},
             "txinver");
    calcula({"10", "2"});
    EXPECT_EQ(campo("txinver") + " = " + campo("txq"), QString("1010 = ") + kDesarrollo);

    abre("n_base10 frmbase10 btcalculabase10 txelemzn txmodn2");
    mensajes(kBase, "txinver");
    calcula({"1010", "2"});
    EXPECT_EQ(campo("txinver") + " = " + campo("txq"), QString("10 = ") + kDesarrollo);
    // Exact about 2^53 and up to the longest digit string that is still a number.
    const QString dos52 = '1' + QString(52, '0');
    for (const auto& [digitos, valor] : {std::pair{QString(53, '1'), "9007199254740991"},
                                         {dos52 + '0', "9007199254740992"},
                                         {dos52 + '1', "9007199254740993"},
                                         {QString(55, '1'), "36028797018963967"},
                                         {QString(308, '9'), nullptr}}) {
        calcula({digitos, valor ? "2" : "10"});
        EXPECT_EQ(campo("txinver"), valor ? valor : digitos);
        EXPECT_TRUE(campo("txq").endsWith(" = " + campo("txinver")));
    }
    mensajes({{{QString(309, '9'), "10"}, "El valor ha de ser numérico"},
              {{"uno", "2"}, "El valor ha de ser numérico"},
              {{"-101", "2"}, kFuera},
              {{"101", "00000000002"}, "No puede superar los once dígitos"},
              {{"19", "9"}, "Los digitos deben ser menores que la base"},
              {{" 101", "2"}, "Los dígitos han de ser cifras del 0 al 9."}},
             "txinver");
}

}  // namespace
}  // namespace zefra::pruebas
