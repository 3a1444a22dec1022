// The Diophantine window, its trace and the bounds window, through the real widgets.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/entorno.hpp"
#include "ui/rejilla.hpp"

namespace zefra::pruebas {
namespace {

class VentanaDiofanticas : public PruebaVentanas {
  protected:
    VentanaDiofanticas() {
        accion("n_ejec_diof")->trigger();
        w = ventana("frmDiofanticas");
    }

    void resuelve(const QString& a, const QString& b, const QString& c) {
        escribe(control<QLineEdit>(w, "txCoefa"), a);
        escribe(control<QLineEdit>(w, "txCoefB"), b);
        escribe(control<QLineEdit>(w, "txindepc"), c);
        pulsa(control<QPushButton>(w, "btDiofantica"));
    }
    QString campo(const char* nombre) const { return control<QLineEdit>(w, nombre)->text(); }
    QString general() const { return control<QPlainTextEdit>(w, "txsolgen")->toPlainText(); }
    QPushButton* btTraza() const { return control<QPushButton>(w, "btTrazaDiof"); }
    QPushButton* btRestricciones() const { return control<QPushButton>(w, "btRestriccionesDiof"); }

    QWidget* abreRestricciones() {
        pulsa(btRestricciones());
        return ventana("frmRestriccionesDiof");
    }
    // Ticks the bounds given (nullptr leaves a box unticked) and presses "Calcular".
    void acota(QWidget* r, const char* x0, const char* x1, const char* y0, const char* y1) {
        const char* valores[] = {x0, x1, y0, y1};
        const char* campos[] = {"txx0", "txx1", "txy0", "txy1"};
        const char* casillas[] = {"Check1", "Check2", "Check3", "Check4"};
        for (int i = 0; i < 4; ++i) {
            control<QCheckBox>(r, casillas[i])->setChecked(valores[i] != nullptr);
            if (valores[i])
                escribe(control<QLineEdit>(r, campos[i]), QString::fromUtf8(valores[i]));
        }
        pulsa(control<QPushButton>(r, "btCalculaRestr"));
    }
    static QString texto(QWidget* r, const char* etiqueta) {
        return r->findChild<QLabel*>(QString::fromUtf8(etiqueta))->text();
    }

    QWidget* w = nullptr;
};

TEST_F(VentanaDiofanticas, ResuelveYOfreceTrazaYRestricciones) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("ECUACIONES DIOFÁNTICAS LINEALES DE 2 INCÓGNITAS"));
    EXPECT_FALSE(btTraza()->isEnabled());
    EXPECT_FALSE(btRestricciones()->isEnabled());
    resuelve("12", "8", "20");
    EXPECT_EQ(campo("txX"), QStringLiteral("5"));
    EXPECT_EQ(campo("txY"), QStringLiteral("-5"));
    EXPECT_EQ(general(), QStringLiteral("X = 5 + 2 K\nY = -5 - 3 K\n\nPara todo entero K"));
    EXPECT_EQ(campo("beta"), QStringLiteral("2"));
    EXPECT_EQ(campo("alpha"), QStringLiteral("-3"));
    EXPECT_FALSE(control<QLineEdit>(w, "alpha")->isVisible());

    pulsa(btTraza());
    EXPECT_FALSE(btTraza()->isEnabled());
    QWidget* traza = ventana("frmTrazaDiof");
    ASSERT_TRUE(traza && traza->isVisible());
    auto* rejilla = control<gui::Rejilla>(traza, "grTrazadiof");
    const char* esperado[4][4] = {{"i", "-1", "0", "1"},
                                  {"Q(i)", "", "", "1"},
                                  {"A(i)", "0", "1", "1"},
                                  {"B(i)", "1", "0", "1"}};
    for (int f = 0; f < 4; ++f) {
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(rejilla->cellText(f, c), QString::fromUtf8(esperado[f][c]));
    }
}

TEST_F(VentanaDiofanticas, SinSolucionTambienHabilitaLosBotones) {
    esperaMensaje(
        QStringLiteral("No existe solución para la ecuación ya que el mcd(A,B) no divide a C"));
    resuelve("12", "8", "3");
    EXPECT_TRUE(campo("txX").isEmpty());
    EXPECT_TRUE(btTraza()->isEnabled());
    EXPECT_TRUE(btRestricciones()->isEnabled());
    esperaMensaje(QStringLiteral("La ecuación no tiene solución"));
    resuelve("0", "0", "5");
}

TEST_F(VentanaDiofanticas, ValidacionesEnOrden) {
    const struct {
        const char *a, *b, *c, *mensaje;
    } casos[] = {
        {"x", "8", "20", "a, b y c han de ser valores numéricos"},
        {"12", "8", "", "a, b y c han de ser valores numéricos"},
        {"12345678901", "8", "y", "a, b y c han de ser valores numéricos"},
        {"12345678901", "8", "20",
         "a, b y c han de tener una longitud inferior o igual a diez dígitos"},
        {"12", "8", "-1234567890",
         "a, b y c han de tener una longitud inferior o igual a diez dígitos"},
        {"12", "2,5", "20", "a, b y c han de ser números enteros"},
        {"12", "8", "1e3", "a, b y c han de ser números enteros"},
        {"0", "-0", "0", "Todo par de enteros (X, Y) es solución de 0·X + 0·Y = 0."},
    };
    for (const auto& c : casos) {
        esperaMensaje(QString::fromUtf8(c.mensaje));
        resuelve(QString::fromUtf8(c.a), QString::fromUtf8(c.b), QString::fromUtf8(c.c));
        EXPECT_TRUE(campo("txX").isEmpty());
    }
    EXPECT_FALSE(btTraza()->isEnabled());
}

TEST_F(VentanaDiofanticas, UnErrorNoOfreceNiTrazaNiRestricciones) {
    resuelve("12", "8", "20");
    ASSERT_TRUE(btRestricciones()->isEnabled());
    esperaMensaje(
        QStringLiteral("Diofántica:La operación ha producido el siguiente error:\n\n"
                       "Desbordamiento"));
    resuelve("9999999999", "3", "3");
    EXPECT_TRUE(campo("txX").isEmpty());
    EXPECT_TRUE(general().isEmpty());
    EXPECT_FALSE(btTraza()->isEnabled());
    EXPECT_FALSE(btRestricciones()->isEnabled());
}

TEST_F(VentanaDiofanticas, TiempoAgotado) {
    estado.tiempo.presupuesto.segundos = "1";
    reloj.paso = 0.4;
    esperaMensaje(QStringLiteral("Se ha excedido del tiempo especificado."));
    resuelve("317811", "196418", "1");
    EXPECT_TRUE(campo("txX").isEmpty());
    EXPECT_FALSE(btTraza()->isEnabled());
}

TEST_F(VentanaDiofanticas, RestriccionesFinitasConTabla) {
    resuelve("12", "8", "20");
    QWidget* r = abreRestricciones();
    ASSERT_TRUE(r && r->isVisible());
    EXPECT_FALSE(btRestricciones()->isEnabled());
    EXPECT_FALSE(control<QPushButton>(r, "VerSoluciones")->isEnabled());
    acota(r, "0", "10", nullptr, nullptr);
    EXPECT_EQ(texto(r, "soluciones"),
              QStringLiteral("Existe un numero finito de soluciones para k en el intervalo"));
    EXPECT_EQ(texto(r, "intervalo"), QStringLiteral("[-2,2]"));
    EXPECT_EQ(texto(r, "Muestra"), QStringLiteral("Hay 5 soluciones."));
    auto* tabla = control<gui::Rejilla>(r, "TablaSoluciones");
    EXPECT_FALSE(tabla->isVisible());
    pulsa(control<QPushButton>(r, "VerSoluciones"));
    EXPECT_TRUE(tabla->isVisible());
    EXPECT_EQ(tabla->cellText(0, 0), QStringLiteral("Valor de k"));
    EXPECT_EQ(tabla->cellText(1, 0), QStringLiteral("(x,y)="));
    EXPECT_EQ(tabla->cellText(0, 1), QStringLiteral("-2"));
    EXPECT_EQ(tabla->cellText(1, 1), QStringLiteral("(1,1)"));
    EXPECT_EQ(tabla->cellText(1, 5), QStringLiteral("(9,-11)"));
    EXPECT_EQ(tabla->model()->columnCount(), 5);

    acota(r, "0", nullptr, nullptr, nullptr);  // the unticked bound's field is emptied
    EXPECT_EQ(texto(r, "intervalo"), QStringLiteral("[-2,+inf["));
    EXPECT_TRUE(control<QLineEdit>(r, "txx1")->text().isEmpty());
    EXPECT_FALSE(r->findChild<QLabel*>(QStringLiteral("Muestra"))->isVisible());
    EXPECT_FALSE(tabla->isVisible());

    acota(r, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(texto(r, "intervalo"), QStringLiteral("]-inf,+inf["));

    pulsa(control<QPushButton>(r, "btsalir"));
    EXPECT_FALSE(r->isVisible());
    EXPECT_TRUE(btRestricciones()->isEnabled());
}

TEST_F(VentanaDiofanticas, MilSolucionesMuestraQuinientas) {
    resuelve("12", "8", "20");
    QWidget* r = abreRestricciones();
    acota(r, "-999", "999", nullptr, nullptr);  // x = 5 + 2k: k from −502 to 497
    EXPECT_EQ(texto(r, "Muestra"), QStringLiteral("Hay 1000 soluciones. Mostraremos sólo 500."));
    EXPECT_EQ(control<gui::Rejilla>(r, "TablaSoluciones")->model()->columnCount(), 500);
    acota(r, "7", "7", nullptr, nullptr);
    EXPECT_EQ(texto(r, "Muestra"), QStringLiteral("Hay 1 solución."));
}

TEST_F(VentanaDiofanticas, CotasNoValidasEnOrden) {
    resuelve("12", "8", "20");
    QWidget* r = abreRestricciones();
    esperaMensaje(QStringLiteral("La cota inferior para x ha de ser un valor numérico"));
    acota(r, "a", "b", nullptr, nullptr);
    esperaMensaje(
        QStringLiteral("La cota superior para x debe estar entre -2.147.483.647 y 2.147.483.647"));
    acota(r, "1", "2147483648", nullptr, nullptr);
    esperaMensaje(QStringLiteral("La cota inferior para y ha de ser un valor numérico"));
    acota(r, nullptr, nullptr, "", nullptr);
    esperaMensaje(
        QStringLiteral("La cota superior para y debe estar entre -2.147.483.647 y 2.147.483.647"));
    acota(r, nullptr, nullptr, nullptr, "-2147483648");
    esperaMensaje(QStringLiteral("No existe solución con estas restricciones"));
    acota(r, "6", "6", nullptr, nullptr);
}

TEST_F(VentanaDiofanticas, SinSolucionParticularNoHaySolucionConRestricciones) {
    esperaMensaje(
        QStringLiteral("No existe solución para la ecuación ya que el mcd(A,B) no divide a C"));
    resuelve("12", "8", "3");
    QWidget* r = abreRestricciones();
    esperaMensaje(QStringLiteral("No existe solución con estas restricciones"));
    acota(r, "0", nullptr, nullptr, nullptr);
    esperaMensaje(QStringLiteral("No existe solución con estas restricciones"));
    acota(r, nullptr, nullptr, nullptr, nullptr);
}

TEST_F(VentanaDiofanticas, CoeficienteCeroEnLasRestricciones) {
    resuelve("5", "0", "10");  // X = 2, Y free
    EXPECT_EQ(campo("txX"), QStringLiteral("2"));
    QWidget* r = abreRestricciones();
    acota(r, "0", "5", "0", "9");
    EXPECT_EQ(texto(r, "intervalo"), QStringLiteral("[-9,0]"));
    esperaMensaje(QStringLiteral("No existe solución con estas restricciones"));
    acota(r, "3", nullptr, nullptr, nullptr);
}

TEST_F(VentanaDiofanticas, ReabrirLasRestriccionesLasVacia) {
    resuelve("12", "8", "20");
    QWidget* r = abreRestricciones();
    acota(r, "0", "10", nullptr, nullptr);
    r->close();  // the frame does what "Salir" does
    EXPECT_TRUE(btRestricciones()->isEnabled());
    abreRestricciones();
    EXPECT_TRUE(control<QLineEdit>(r, "txx0")->text().isEmpty());
    EXPECT_FALSE(r->findChild<QLabel*>(QStringLiteral("intervalo"))->isVisible());
}

}  // namespace
}  // namespace zefra::pruebas
