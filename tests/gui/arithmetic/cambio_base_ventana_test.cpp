// The two base-conversion windows, through the real widgets.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/entorno.hpp"

namespace zefra::pruebas {
namespace {

class CambioDeBase : public PruebaVentanas {
  protected:
    QWidget* abre(const char* entrada, const char* nombre) {
        accion(entrada)->trigger();
        return ventana(nombre);
    }
    void convierte(QWidget* w, const char* boton, const QString& valor, const QString& base) {
        escribe(control<QLineEdit>(w, "txelemzn"), valor);
        escribe(control<QLineEdit>(w, "txmodn2"), base);
        pulsa(control<QPushButton>(w, boton));
    }
    QString resultado(QWidget* w) const { return control<QLineEdit>(w, "txinver")->text(); }
    QString desarrollo(QWidget* w) const {
        return control<QPlainTextEdit>(w, "txq")->toPlainText();
    }
};

TEST_F(CambioDeBase, DeDiezABaseB) {
    QWidget* w = abre("n_baseb", "frmbaseb");
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Base 10 --> Base b"));
    convierte(w, "btcalculabaseb", "10", "2");
    EXPECT_EQ(resultado(w), QStringLiteral("1010"));
    EXPECT_EQ(desarrollo(w), QStringLiteral("1·2^(3) + 0·2^(2) + 1·2^(1) + 0·2^(0) = 10"));
    convierte(w, "btcalculabaseb", "2147483647", "2");
    EXPECT_EQ(resultado(w), QString(31, QLatin1Char('1')));
    convierte(w, "btcalculabaseb", "0", "7");
    EXPECT_EQ(desarrollo(w), QStringLiteral("0·7^(0) = 0"));
}

TEST_F(CambioDeBase, DeBaseBADiez) {
    QWidget* w = abre("n_base10", "frmbase10");
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Base b --> Base 10"));
    convierte(w, "btcalculabase10", "1010", "2");
    EXPECT_EQ(resultado(w), QStringLiteral("10"));
    EXPECT_EQ(desarrollo(w), QStringLiteral("1·2^(3) + 0·2^(2) + 1·2^(1) + 0·2^(0) = 10"));
    convierte(w, "btcalculabase10", "1010", "10");
    EXPECT_EQ(resultado(w), QStringLiteral("1010"));
}

TEST_F(CambioDeBase, ComprobacionesDeLaBaseEnAmbasVentanas) {
    const struct {
        const char* base;
        const char* mensaje;
    } casos[] = {
        {"dos", "La base ha de ser un valor numérico."},
        {"1", "La base ha de un valor mayor que 1 (>1)."},
        {"-3", "La base ha de un valor mayor que 1 (>1)."},
        {"11", "La base está limitada al valor 10"},
        {"2,5", "La base ha de ser un número entero."},
    };
    const struct {
        const char *entrada, *nombre, *boton;
    } ventanas[] = {{"n_baseb", "frmbaseb", "btcalculabaseb"},
                    {"n_base10", "frmbase10", "btcalculabase10"}};
    for (const auto& [entrada, nombre, boton] : ventanas) {
        QWidget* w = abre(entrada, nombre);
        for (const auto& c : casos) {
            esperaMensaje(QString::fromUtf8(c.mensaje));
            convierte(w, boton, "101", QString::fromUtf8(c.base));
            EXPECT_TRUE(resultado(w).isEmpty());
        }
    }
}

TEST_F(CambioDeBase, ComprobacionesDelValor) {
    QWidget* b = abre("n_baseb", "frmbaseb");
    const struct {
        const char *valor, *base, *mensaje;
    } haciaB[] = {
        {"", "2", "El valor ha de ser numérico"},
        {"-1", "2", "El valor númerico está limitado entre 0 y 2.147.483.647"},
        {"2147483648", "2", "El valor númerico está limitado entre 0 y 2.147.483.647"},
        {"10,6", "2", "El valor ha de ser un número entero."},
        {"10", "00000000002", "No puede superar los once dígitos"},
    };
    for (const auto& c : haciaB) {
        esperaMensaje(QString::fromUtf8(c.mensaje));
        convierte(b, "btcalculabaseb", QString::fromUtf8(c.valor), QString::fromUtf8(c.base));
    }

    QWidget* d = abre("n_base10", "frmbase10");
    const struct {
        const char *valor, *base, *mensaje;
    } haciaDiez[] = {
        {"uno", "2", "El valor ha de ser numérico"},
        {"-101", "2", "El valor númerico está limitado entre 0 y 2.147.483.647"},
        {"101", "00000000002", "No puede superar los once dígitos"},
        {"19", "9", "Los digitos deben ser menores que la base"},
        {"1,5", "9", "Los dígitos han de ser cifras del 0 al 9."},
        {" 101", "2", "Los dígitos han de ser cifras del 0 al 9."},
    };
    convierte(d, "btcalculabase10", "11", "2");
    for (const auto& c : haciaDiez) {
        esperaMensaje(QString::fromUtf8(c.mensaje));
        convierte(d, "btcalculabase10", QString::fromUtf8(c.valor), QString::fromUtf8(c.base));
    }
    EXPECT_TRUE(resultado(d).isEmpty());  // emptied before the digit checks
}

}  // namespace
}  // namespace zefra::pruebas
