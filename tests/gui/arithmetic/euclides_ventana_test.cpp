// The Euclid window and its trace, driven through the menu and the real widgets.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "gui/entorno.hpp"
#include "ui/rejilla.hpp"

namespace zefra::pruebas {
namespace {

class VentanaEuclides : public PruebaVentanas {
  protected:
    VentanaEuclides() {
        accion("n_ejecucion")->trigger();
        w = ventana("frmEuclides");
    }

    // Types a and b and presses "M.C.D.".
    void calcula(const QString& a, const QString& b) {
        escribe(control<QLineEdit>(w, "txa"), a);
        escribe(control<QLineEdit>(w, "txb"), b);
        pulsa(control<QPushButton>(w, "btMcd"));
    }
    QString mcd() const { return control<QLineEdit>(w, "txmcd")->text(); }
    QString mcm() const { return control<QLineEdit>(w, "txmcm")->text(); }
    QPushButton* btTraza() const { return control<QPushButton>(w, "btTraza"); }

    gui::Rejilla* abreTraza() {
        pulsa(btTraza());
        QWidget* traza = ventana("frTrazaEuclides");
        EXPECT_NE(traza, nullptr);
        EXPECT_TRUE(traza->isVisible());
        return control<gui::Rejilla>(traza, "msflextrazaeuc");
    }

    QWidget* w = nullptr;
};

TEST_F(VentanaEuclides, SeAbreConSusControles) {
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("ALGORITMO DE EUCLIDES"));
    EXPECT_FALSE(btTraza()->isEnabled());
    EXPECT_TRUE(control<QLineEdit>(w, "txmcd")->isReadOnly());
    EXPECT_TRUE(control<QLineEdit>(w, "txmcm")->isReadOnly());
    EXPECT_EQ(control<QPushButton>(w, "btsalir")->text().remove('&'), QStringLiteral("Salir"));
}

TEST_F(VentanaEuclides, McdMcmYTraza) {
    calcula(QStringLiteral("12"), QStringLiteral("8"));
    EXPECT_EQ(mcd(), QStringLiteral("4"));
    EXPECT_EQ(mcm(), QStringLiteral("24"));
    gui::Rejilla* rejilla = abreTraza();
    const QStringList esperadas[] = {{"Dividendo", "Divisor", "Cociente", "Resto"},
                                     {"12", "8", "1", "4"},
                                     {"8", "4", "2", "0"},
                                     {"4", "0", "", ""},
                                     {"", "", "", ""}};
    for (int f = 0; f < 5; ++f) {
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(rejilla->cellText(f, c), esperadas[f][c]) << f << c;
    }
    EXPECT_FALSE(btTraza()->isEnabled());
    EXPECT_EQ(rejilla->model()->headerData(0, Qt::Horizontal).toString(),
              QStringLiteral("Dividendo"));
}

TEST_F(VentanaEuclides, CasosLimite) {
    struct Caso {
        const char *a, *b, *mcd, *mcm;
    };
    const Caso casos[] = {
        {"-12", "8", "4", "24"},
        {"6", "6", "6", "6"},
        {"0", "5", "5", "0"},
        {"494065645841247", "0", "494065645841247", "0"},
        {"494065645841247", "494065645841246", "1", "Capacidad entera excedida."},
        {"-494065645841247", "1", "1", "494065645841247"},
        {"185783260201980", "278674890302970", "92891630100990", "557349780605940"},
        {"007", "-21", "7", "21"},
    };
    for (const auto& c : casos) {
        calcula(QString::fromUtf8(c.a), QString::fromUtf8(c.b));
        EXPECT_EQ(mcd(), QString::fromUtf8(c.mcd)) << c.a << ' ' << c.b;
        EXPECT_EQ(mcm(), QString::fromUtf8(c.mcm)) << c.a << ' ' << c.b;
        EXPECT_TRUE(btTraza()->isEnabled());
    }
}

TEST_F(VentanaEuclides, IntroCalculaYEscapeSale) {
    escribe(control<QLineEdit>(w, "txa"), QStringLiteral("12"));
    escribe(control<QLineEdit>(w, "txb"), QStringLiteral("8"));
    QTest::keyClick(control<QLineEdit>(w, "txb"), Qt::Key_Return);
    EXPECT_EQ(mcd(), QStringLiteral("4"));
    QTest::keyClick(control<QLineEdit>(w, "txa"), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(VentanaEuclides, CeroYCeroNoOfreceTraza) {
    calcula(QStringLiteral("0"), QStringLiteral("0"));
    EXPECT_EQ(mcd(), QStringLiteral("0"));
    EXPECT_EQ(mcm(), QStringLiteral("0"));
    EXPECT_FALSE(btTraza()->isEnabled());
}

TEST_F(VentanaEuclides, TrazaDeUnNegativoEmpiezaPorSuValorAbsoluto) {
    calcula(QStringLiteral("-12"), QStringLiteral("8"));
    gui::Rejilla* rejilla = abreTraza();
    EXPECT_EQ(rejilla->cellText(1, 0), QStringLiteral("12"));
    EXPECT_EQ(rejilla->cellText(1, 1), QStringLiteral("8"));
    calcula(QStringLiteral("0"), QStringLiteral("5"));
    EXPECT_EQ(rejilla->cellText(1, 0), QString());  // only the header row is left
}

TEST_F(VentanaEuclides, ValidacionesEnOrden) {
    struct Caso {
        const char *a, *b, *mensaje;
    };
    const Caso casos[] = {
        {"", "5", "a y b han de ser valores numéricos"},
        {"12", "doce", "a y b han de ser valores numéricos"},
        {"1e400", "5", "a y b han de ser valores numéricos"},
        {"494065645841248", "5",
         "No puede exceder el valor: 494065645841247 porque los "
         "resultados no serían fiables, gracias."},
        {"x", "494065645841248", "a y b han de ser valores numéricos"},
        {"2,5", "5", "a y b han de ser números enteros"},
        {"12", "1e3", "a y b han de ser números enteros"},
        {"+12", "8", "a y b han de ser números enteros"},
        {"12 ", "8", "a y b han de ser números enteros"},
    };
    calcula(QStringLiteral("12"), QStringLiteral("8"));
    for (const auto& c : casos) {
        esperaMensaje(QString::fromUtf8(c.mensaje));
        calcula(QString::fromUtf8(c.a), QString::fromUtf8(c.b));
        EXPECT_TRUE(mcd().isEmpty()) << c.a;
        EXPECT_TRUE(mcm().isEmpty()) << c.a;
    }
    EXPECT_EQ(mensajesVistos().size(), static_cast<qsizetype>(std::size(casos)));
}

TEST_F(VentanaEuclides, TiempoAgotadoNoOfreceLaTrazaDeEsaEjecucion) {
    estado.tiempo.presupuesto.segundos = "1";
    reloj.paso = 0.4;
    esperaMensaje(QStringLiteral("Se ha excedido el tiempo establecido."));
    calcula(QStringLiteral("317811"), QStringLiteral("196418"));
    EXPECT_TRUE(mcd().isEmpty());
    EXPECT_FALSE(btTraza()->isEnabled());
    EXPECT_EQ(estado.trazaEuclides.texto(1, 0), "317811");  // the partial rows stay
}

TEST_F(VentanaEuclides, UnPresupuestoNoNumericoSeInformaComoEuclides) {
    calcula(QStringLiteral("12"), QStringLiteral("8"));
    ASSERT_TRUE(btTraza()->isEnabled());
    estado.tiempo.presupuesto.minutos = "media hora";
    esperaMensaje(
        QStringLiteral("Euclides:La operación ha producido el siguiente error:\n\n"
                       "No coinciden los tipos"));
    calcula(QStringLiteral("12"), QStringLiteral("8"));
    EXPECT_TRUE(mcd().isEmpty());
    EXPECT_TRUE(mcm().isEmpty());
    EXPECT_FALSE(btTraza()->isEnabled());
    // A zero operand never reads the budget.
    calcula(QStringLiteral("0"), QStringLiteral("8"));
    EXPECT_EQ(mcd(), QStringLiteral("8"));
}

TEST_F(VentanaEuclides, AnchosDeLaTrazaSegunLaLongitudDeLosOperandos) {
    calcula(QStringLiteral("12"), QStringLiteral("8"));
    gui::Rejilla* rejilla = abreTraza();
    const int estrecha = ventana("frTrazaEuclides")->width();
    calcula(QStringLiteral("308061521170129"), QStringLiteral("190392490709135"));
    abreTraza();
    EXPECT_GT(ventana("frTrazaEuclides")->width(), estrecha);
    EXPECT_EQ(rejilla->columnWidth(1), rejilla->columnWidth(2));
    EXPECT_GE(rejilla->columnWidth(1),
              rejilla->fontMetrics().horizontalAdvance(QStringLiteral("308061521170129")));
}

TEST_F(VentanaEuclides, SalirOcultaYReabrirConservaLosCampos) {
    calcula(QStringLiteral("12"), QStringLiteral("8"));
    pulsa(control<QPushButton>(w, "btsalir"));
    EXPECT_FALSE(w->isVisible());
    accion("n_ejecucion")->trigger();
    EXPECT_EQ(ventana("frmEuclides"), w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(control<QLineEdit>(w, "txa")->text(), QStringLiteral("12"));
    EXPECT_EQ(mcd(), QStringLiteral("4"));
    w->close();  // the frame does what "Salir" does
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(ventana("frmEuclides"), w);
}

}  // namespace
}  // namespace zefra::pruebas
