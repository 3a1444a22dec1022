// The representative and inverse windows and their reasoning, through the real widgets.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/entorno.hpp"

namespace zefra::pruebas {
namespace {

class VentanasZn : public PruebaVentanas {
  protected:
    QWidget* abre(const char* entrada, const char* nombre) {
        accion(entrada)->trigger();
        return ventana(nombre);
    }
    void calcula(QWidget* w, const char* modulo, const char* elemento, const QString& n,
                 const QString& a, const char* boton) {
        escribe(control<QLineEdit>(w, modulo), n);
        escribe(control<QLineEdit>(w, elemento), a);
        pulsa(control<QPushButton>(w, boton));
    }
    QString razonamiento(QWidget* w, const char* ventanaRazonamiento, const char* etiqueta) {
        pulsa(control<QPushButton>(w, "btexplicainver"));
        QWidget* r = ventana(ventanaRazonamiento);
        EXPECT_TRUE(r && r->isVisible());
        return control<QLabel>(r, etiqueta)->text();
    }
};

TEST_F(VentanasZn, RepresentanteConSuRazonamiento) {
    QWidget* w = abre("nrepres", "frmrepresZn");
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Representante de clase"));
    calcula(w, "txmodn", "txclase", "10", "-33", "btcalcurepres");
    EXPECT_EQ(control<QLineEdit>(w, "txsolrepres")->text(), QStringLiteral("7"));
    EXPECT_EQ(control<QLineEdit>(w, "txRestoRepres")->text(), QStringLiteral("-3"));
    EXPECT_EQ(control<QLineEdit>(w, "txcociente")->text(), QStringLiteral("-3"));
    EXPECT_EQ(razonamiento(w, "frExplicaRepres", "lbExplicaRepres"),
              QStringLiteral(" -33 = -3 * 10 + -3\n\n  [-3] = [7 - 10] = [ 7 ]"));
    EXPECT_EQ(ventana("frExplicaRepres")->windowTitle(),
              QStringLiteral("Razonamiento del resultado. Representante Zn."));
    calcula(w, "txmodn", "txclase", "10", "37", "btcalcurepres");
    EXPECT_EQ(control<QLabel>(ventana("frExplicaRepres"), "lbExplicaRepres")->text(),
              QStringLiteral(" 37 = 3 * 10 + 7"));
}

TEST_F(VentanasZn, RepresentanteValidaEnOrden) {
    QWidget* w = abre("nrepres", "frmrepresZn");
    const struct {
        const char *n, *a, *mensaje;
    } casos[] = {
        {"", "5", "El módulo ha de ser un número >0"},
        {"0", "5", "El módulo ha de ser un número >0"},
        {"-4", "5", "El módulo ha de ser un número >0"},
        {"2147483648", "5", "El valor numérico ha de ser inferior a 2.147.483.647"},
        {"7,5", "5", "El módulo ha de ser un número entero."},
        {"10", "x", "El número de clase ha de ser numérico"},
        {"10", "-2147483648",
         "El valor numérico ha de estar comprendido entre  -2.147.483.647 y 2.147.483.647"},
        {"10", "3,5", "El número de clase ha de ser un número entero."},
        {"0000000010", "5", nullptr},
        {"00000000010", "5", "No puede superar los once dígitos"},
    };
    for (const auto& c : casos) {
        if (c.mensaje) esperaMensaje(QString::fromUtf8(c.mensaje));
        calcula(w, "txmodn", "txclase", QString::fromUtf8(c.n), QString::fromUtf8(c.a),
                "btcalcurepres");
    }
}

TEST_F(VentanasZn, InversoExisteYNoExiste) {
    QWidget* w = abre("nInvZn", "frmcalinver");
    EXPECT_EQ(w->windowTitle(), QStringLiteral("INVERSO DE UN ELEMENTO DE Zn"));
    calcula(w, "txmodn2", "txelemzn", "26", "7", "btcalcuinver");
    EXPECT_EQ(control<QLineEdit>(w, "txinver")->text(), QStringLiteral("15"));
    EXPECT_EQ(control<QLineEdit>(w, "txmcd")->text(), QStringLiteral("1"));
    EXPECT_EQ(control<QLineEdit>(w, "txInverSinConvertir")->text(), QStringLiteral("-11"));
    EXPECT_EQ(control<QLineEdit>(w, "txKentero")->text(), QStringLiteral("3"));
    EXPECT_TRUE(razonamiento(w, "frexplicainver", "lbExplicaInverso")
                    .endsWith(QStringLiteral("7 * -11 = 1 + -3 * 26\n\n"
                                             "  siendo:        [ -11 ] =  [ 15 - 26 ] =  [ 15 ]")));

    calcula(w, "txmodn2", "txelemzn", "26", "13", "btcalcuinver");
    EXPECT_EQ(control<QLineEdit>(w, "txinver")->text(), QStringLiteral("No existe."));
    EXPECT_EQ(control<QLabel>(ventana("frexplicainver"), "lbExplicaInverso")->text(),
              QStringLiteral(
                  " No existe inverso ya que: \n\n      m.c.d.( 26, 13) = 13,    que es  <> 1"));

    calcula(w, "txmodn2", "txelemzn", "10", "-3", "btcalcuinver");
    EXPECT_EQ(control<QLineEdit>(w, "txinver")->text(), QStringLiteral("3"));
}

TEST_F(VentanasZn, InversoValidaEnOrden) {
    QWidget* w = abre("nInvZn", "frmcalinver");
    const struct {
        const char *n, *a, *mensaje;
    } casos[] = {
        {"n", "5", "El módulo ha de ser un valor numérico."},
        {"0", "5", "El módulo ha de ser un valor positivo (>0)."},
        {"2147483648", "5", "El número está limitado al valor 2.147.483.647"},
        {"26,5", "5", "El módulo ha de ser un número entero."},
        {"26", "", "El número de clase ha de ser numérico"},
        {"26", "2147483648",
         "El valor númerico está limitado entre -2.147.483.647 y 2.147.483.647"},
        {"26", "0,5", "El número de clase ha de ser un número entero."},
        {"00000000026", "5", "No puede superar los once dígitos"},
    };
    for (const auto& c : casos) {
        esperaMensaje(QString::fromUtf8(c.mensaje));
        calcula(w, "txmodn2", "txelemzn", QString::fromUtf8(c.n), QString::fromUtf8(c.a),
                "btcalcuinver");
        EXPECT_TRUE(control<QLineEdit>(w, "txinver")->text().isEmpty());
    }
}

TEST_F(VentanasZn, TiempoAgotadoSegunElSignoDelElemento) {
    QWidget* w = abre("nInvZn", "frmcalinver");
    estado.tiempo.presupuesto.segundos = "1";
    reloj.paso = 0.4;
    esperaMensaje(QStringLiteral("Se ha superado el tiempo establecido."));
    calcula(w, "txmodn2", "txelemzn", "317811", "196418", "btcalcuinver");
    esperaMensaje(QStringLiteral("Se ha superado el tiempo establecido"));
    calcula(w, "txmodn2", "txelemzn", "317811", "-121393", "btcalcuinver");
    EXPECT_TRUE(control<QLineEdit>(w, "txinver")->text().isEmpty());
}

}  // namespace
}  // namespace zefra::pruebas
