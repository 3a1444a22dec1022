// Euler's function and powers in Zn, with their explanation and trace windows.
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/entorno.hpp"

namespace zefra::pruebas {
namespace {

class VentanaEuler : public PruebaVentanas {
  protected:
    VentanaEuler() {
        accion("nfuneuler")->trigger();
        w = ventana("frmfuneuler");
    }
    void calcula(const QString& n) {
        escribe(control<QLineEdit>(w, "txmodn3"), n);
        pulsa(control<QPushButton>(w, "btcalcueuler"));
    }
    QWidget* explicacion() {
        pulsa(control<QPushButton>(w, "btexplicainver"));
        return ventana("frExplicaEuler");
    }
    QWidget* w = nullptr;
};

TEST_F(VentanaEuler, DoceConSuExplicacion) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("FUNCIÓN DE EULER"));
    calcula(QStringLiteral("12"));
    EXPECT_EQ(control<QLineEdit>(w, "txsoleuler")->text(), QStringLiteral("4"));
    QWidget* e = explicacion();
    ASSERT_TRUE(e && e->isVisible());
    EXPECT_EQ(e->windowTitle(), QStringLiteral("Razonamiento de la solución: Función de Euler"));
    EXPECT_EQ(control<QPlainTextEdit>(e, "txPrimosEuler")->toPlainText(),
              QStringLiteral("1, 5, 7, 11"));
    EXPECT_EQ(control<QLineEdit>(e, "txDescomEuler")->text(), QStringLiteral("2^2 * 3^1"));
    EXPECT_EQ(control<QLineEdit>(e, "txFormulaEuler")->text(),
              QStringLiteral("12 * (1 - 1/2) * (1 - 1/3)"));
    EXPECT_EQ(control<QLabel>(e, "lbExplicaEuler")->text(),
              QStringLiteral("Además hay 4 enteros positivos menores \nque 12 y primos de 12."));
    EXPECT_EQ(control<QLabel>(e, "lbn")->text(), QStringLiteral("12 ="));
    EXPECT_EQ(control<QLabel>(e, "lbFEulern")->text(), QStringLiteral("F.E.( 12 ) ="));
}

TEST_F(VentanaEuler, PrimoUnoYGrande) {
    calcula(QStringLiteral("7"));
    EXPECT_EQ(control<QLineEdit>(w, "txsoleuler")->text(), QStringLiteral("6"));
    EXPECT_EQ(control<QPlainTextEdit>(ventana("frExplicaEuler"), "txPrimosEuler")->toPlainText(),
              QStringLiteral("1 -- 6"));
    calcula(QStringLiteral("1"));
    EXPECT_EQ(control<QLineEdit>(w, "txsoleuler")->text(), QStringLiteral("1"));
    calcula(QStringLiteral("10001"));
    EXPECT_EQ(control<QPlainTextEdit>(ventana("frExplicaEuler"), "txPrimosEuler")->toPlainText(),
              QStringLiteral("Demasiados números."));
    calcula(QStringLiteral("2146654199"));
    EXPECT_EQ(control<QLineEdit>(w, "txsoleuler")->text(), QStringLiteral("2146561536"));
}

TEST_F(VentanaEuler, ValidacionesEnOrden) {
    const struct {
        const char *n, *mensaje;
    } casos[] = {
        {"", "El módulo ha de ser un número >0"},
        {"0", "El módulo ha de ser un número >0"},
        {"-12", "El módulo ha de ser un número >0"},
        {"12345678901", "No puede superar los once dígitos"},
        {"12,5", "El módulo ha de ser un número entero."},
        {"2147483648", "El módulo ha de ser inferior a 2.147.483.648"},
    };
    for (const auto& c : casos) {
        esperaMensaje(QString::fromUtf8(c.mensaje));
        calcula(QString::fromUtf8(c.n));
        EXPECT_TRUE(control<QLineEdit>(w, "txsoleuler")->text().isEmpty());
    }
}

class VentanaPotencias : public PruebaVentanas {
  protected:
    VentanaPotencias() {
        accion("ncalcupoten")->trigger();
        w = ventana("frmcalcupoten");
    }
    void calcula(const QString& n, const QString& a, const QString& b) {
        escribe(control<QLineEdit>(w, "txn"), n);
        escribe(control<QLineEdit>(w, "Txa"), a);
        escribe(control<QLineEdit>(w, "Txb"), b);
        pulsa(control<QPushButton>(w, "btcalcupoten"));
    }
    QString resultado() const { return control<QLineEdit>(w, "txr")->text(); }
    QWidget* w = nullptr;
};

TEST_F(VentanaPotencias, ResultadoYTraza) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Cálculo de potencias en Zn"));
    EXPECT_FALSE(control<QPushButton>(w, "btTrazaPotencia")->isEnabled());
    calcula(QStringLiteral("7"), QStringLiteral("3"), QStringLiteral("100"));
    EXPECT_EQ(resultado(), QStringLiteral("4"));
    pulsa(control<QPushButton>(w, "btTrazaPotencia"));
    QWidget* t = ventana("frTrazaPotencia");
    ASSERT_TRUE(t && t->isVisible());
    EXPECT_TRUE(
        control<QLabel>(t, "lbTrazaPotencia")
            ->text()
            .endsWith(QStringLiteral("b = b mod F.E.(n) = 100 mod F.E.( 7 ) = 100 mod 6 = 4")));
    EXPECT_TRUE(control<QPlainTextEdit>(t, "txTrazaPotencia")
                    ->toPlainText()
                    .endsWith(QStringLiteral("[ 3 ]^4 = [ 3 ]^4 = [ 4 ] = [ 4 ]")));

    // The open trace follows the next power.
    calcula(QStringLiteral("1000"), QStringLiteral("2"), QStringLiteral("10"));
    EXPECT_EQ(resultado(), QStringLiteral("24"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(control<QLabel>(t, "lbTrazaPotencia")->text().isEmpty());
    EXPECT_TRUE(control<QPlainTextEdit>(t, "txTrazaPotencia")
                    ->toPlainText()
                    .endsWith(QStringLiteral("[ 256 ] * [ 4 ] = [ 24 ]")));
}

TEST_F(VentanaPotencias, AtajosYValidaciones) {
    calcula(QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("99"));
    EXPECT_EQ(resultado(), QStringLiteral("1"));
    calcula(QStringLiteral("10"), QStringLiteral("0"), QStringLiteral("5"));
    EXPECT_EQ(resultado(), QStringLiteral("0"));
    calcula(QStringLiteral("10"), QStringLiteral("5"), QStringLiteral("0"));
    EXPECT_EQ(resultado(), QStringLiteral("1"));
    const struct {
        const char *n, *a, *b, *mensaje;
    } casos[] = {
        {"abc", "2", "3", "Han de introducirse valores numéricos positivos."},
        {"7", "2", "", "Han de introducirse valores numéricos positivos."},
        {"0", "2", "3", "Los valores han de ser positivos (>0)"},
        {"7", "-2", "3", "Los valores han de ser positivos (>0)"},
        {"7", "00000000002", "3", "No puede superar los once dígitos"},
        {"7", "2,5", "3", "Los valores han de ser números enteros."},
        {"7", "2", "3e10",
         "btCalcupoten:La operación ha producido el siguiente error:\n\nDesbordamiento"},
    };
    for (const auto& c : casos) {
        esperaMensaje(QString::fromUtf8(c.mensaje));
        calcula(QString::fromUtf8(c.n), QString::fromUtf8(c.a), QString::fromUtf8(c.b));
    }
    EXPECT_TRUE(resultado().isEmpty());  // only the run that overflowed emptied the result
}

TEST_F(VentanaPotencias, TiempoAgotado) {
    estado.tiempo.presupuesto.segundos = "1";
    reloj.paso = 0.2;
    esperaMensaje(QStringLiteral("Se ha superado el tiempo establecido."));
    calcula(QStringLiteral("1000003000"), QStringLiteral("3"), QStringLiteral("1000000"));
    EXPECT_TRUE(resultado().isEmpty());
}

}  // namespace
}  // namespace zefra::pruebas
