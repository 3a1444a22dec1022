// The factorization window, driven through the menu and its real widgets.
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/entorno.hpp"
#include "primes/factorizacion.hpp"

namespace zefra::pruebas {
namespace {

// One result line as shown: the prime, a given number of blanks, the exponent.
QString linea(const char* primo, int blancos, const char* exponente) {
    return QString::fromUtf8(primo) + QString(blancos, QLatin1Char(' ')) +
           QString::fromUtf8(exponente) + QLatin1Char('\n');
}

class VentanaFactoriza : public PruebaVentanas {
  protected:
    VentanaFactoriza() {
        accion("nfactorizacion")->trigger();
        w = ventana("frmfactoriza");
    }

    void factoriza(const QString& numero) {
        escribe(control<QLineEdit>(w, "txnumf"), numero);
        pulsa(control<QPushButton>(w, "btfactoriza"));
    }
    QPlainTextEdit* campo() const { return control<QPlainTextEdit>(w, "txfactorizacion"); }
    QString resultado() const { return campo()->toPlainText(); }

    QWidget* w = nullptr;
};

TEST_F(VentanaFactoriza, SeAbreConSusControles) {
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Factorización de un número"));
    const std::pair<const char*, const char*> etiquetas[] = {
        {"Label1", "número entero:"},
        {"Label2", "FACTORES :"},
        {"lbprimof", "Primo"},
        {"lbexpf", "Exponente"},
    };
    for (const auto& [nombre, texto] : etiquetas)
        EXPECT_EQ(control<QLabel>(w, nombre)->text().remove('&'), QString::fromUtf8(texto));
    EXPECT_EQ(control<QPushButton>(w, "btfactoriza")->text().remove('&'),
              QStringLiteral("Factoriza"));
    EXPECT_TRUE(campo()->isReadOnly());
}

TEST_F(VentanaFactoriza, LineasDelResultado) {
    const std::pair<const char*, QString> casos[] = {
        {"360", linea("2", 24, "3") + linea("3", 24, "2") + linea("5", 24, "1")},
        {"12.5", linea("2", 24, "2") + linea("3", 24, "1")},
        {"2147483647", linea("2147483647", 6, "1")},  // a prime: at once, no timeout
        {"-5", QString()},
    };
    for (const auto& [numero, esperado] : casos) {
        factoriza(QString::fromUtf8(numero));
        EXPECT_EQ(resultado(), esperado) << numero;
    }
}

TEST_F(VentanaFactoriza, ValidacionesEnOrdenSinTocarElResultado) {
    factoriza(QStringLiteral("12"));
    const QString anterior = resultado();
    struct Caso {
        const char *numero, *mensaje;
    };
    const char* kNoNumerico = "Ha de ser un valor numérico inferior a 2.147.483.648";
    const char* kLargo = "El valor numérico ha de ser inferior a 2.147.483.648";
    const Caso casos[] = {
        {"", kNoNumerico},           {"doce", kNoNumerico},
        {"2147483648", kNoNumerico}, {"2147483647,5", kNoNumerico},
        {"1e10", kNoNumerico},       {"-1234567890", kLargo},
        {"00000000012", kLargo},     {"12,00000000", kLargo},
    };
    for (const auto& c : casos) {
        esperaMensaje(QString::fromUtf8(c.mensaje));
        factoriza(QString::fromUtf8(c.numero));
        EXPECT_EQ(resultado(), anterior) << c.numero;
    }
}

TEST_F(VentanaFactoriza, UnNegativoQueDesbordaVaALaTrampa) {
    esperaMensaje(
        QStringLiteral("btfactorizaPrimos:La operación ha producido el siguiente error:\n\n"
                       "Desbordamiento"));
    factoriza(QStringLiteral("-1e10"));
}

TEST_F(VentanaFactoriza, TiempoAgotadoConservaElResultadoAnterior) {
    factoriza(QStringLiteral("360"));
    const QString anterior = resultado();
    estado.tiempo.presupuesto.segundos = "0";
    reloj.paso = 0.001;
    esperaMensaje(QStringLiteral("Se ha excedido del tiempo establecido."));
    factoriza(QStringLiteral("1024"));
    EXPECT_EQ(resultado(), anterior);
}

TEST_F(VentanaFactoriza, LosExponentesQuedanAlineados) {
    // 2147483646 = 2 · 3² · 7 · 11 · 31 · 151 · 331: primes of one, two and three digits.
    factoriza(QStringLiteral("2147483646"));
    QStringList lineas = resultado().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    factoriza(QStringLiteral("2147483647"));
    lineas << resultado().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lineas.size(), 8);
    const QFontMetricsF medidas(campo()->font());
    const double ancho = medidas.horizontalAdvance(lineas[0].left(lineas[0].lastIndexOf(' ') + 1));
    for (const QString& l : lineas) {
        const QString hastaElExponente = l.left(l.lastIndexOf(' ') + 1);
        EXPECT_NEAR(medidas.horizontalAdvance(hastaElExponente), ancho, 0.5) << l.toStdString();
    }
}

TEST_F(VentanaFactoriza, OtraRutinaQueFactorizaEscribeElResultado) {
    ASSERT_TRUE(factorizaPrimos(estado, 10));
    EXPECT_EQ(resultado(), linea("2", 24, "1") + linea("5", 24, "1"));
}

}  // namespace
}  // namespace zefra::pruebas
