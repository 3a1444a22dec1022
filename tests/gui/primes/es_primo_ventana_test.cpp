// The primality window, driven through the menu and its real widgets.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/entorno.hpp"
#include "primes/es_primo.hpp"

namespace zefra::pruebas {
namespace {

const QString kEs = QStringLiteral("¡ES PRIMO!.");
const QString kNoEs = QStringLiteral("NO ES PRIMO.");

class VentanaEsPrimo : public PruebaVentanas {
  protected:
    VentanaEsPrimo() {
        accion("nesprimo")->trigger();
        w = ventana("frmesprimo");
    }

    void prueba(const QString& numero) {
        escribe(control<QLineEdit>(w, "txtesprimo"), numero);
        pulsa(control<QPushButton>(w, "btesprimo"));
    }
    QString veredicto() const { return control<QLabel>(w, "lbsolesprimo")->text(); }

    QWidget* w = nullptr;
};

TEST_F(VentanaEsPrimo, SeAbreConSusControles) {
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("¿Es número primo?"));
    EXPECT_EQ(control<QLabel>(w, "Label1")->text().remove('&'),
              QStringLiteral("Escribe el número del que deseas saber si es primo:"));
    EXPECT_EQ(control<QPushButton>(w, "btesprimo")->text().remove('&'), QStringLiteral("ACEPTAR"));
    EXPECT_EQ(control<QPushButton>(w, "btsalir")->text().remove('&'), QStringLiteral("Salir"));
    EXPECT_TRUE(veredicto().isEmpty());
}

TEST_F(VentanaEsPrimo, Veredictos) {
    const std::pair<const char*, QString> casos[] = {
        {"7", kEs},
        {"1", kNoEs},
        {"2,5", kNoEs},
        {"5,00000000000000001", kNoEs},  // not whole, though its double is 5
        {"9007199254740881", kEs},
        {"9,007199254740992e15", kNoEs},  // 2^53 itself is accepted
    };
    for (const auto& [numero, esperado] : casos) {
        prueba(QString::fromUtf8(numero));
        EXPECT_EQ(veredicto(), esperado) << numero;
    }
}

TEST_F(VentanaEsPrimo, ValidacionesEnOrdenSinTocarElVeredicto) {
    prueba(QStringLiteral("7"));
    struct Caso {
        const char *numero, *mensaje;
    };
    const char* kLimite =
        "No puede exceder el valor: 9007199254740992 porque el resultado no sería fiable, "
        "gracias.";
    const Caso casos[] = {
        {"", "Ha de ser un valor numérico"},
        {"siete", "Ha de ser un valor numérico"},
        {"1e400", "Ha de ser un valor numérico"},
        {"9007199254740993", kLimite},  // reads as 2^53, but is not the number typed
        {"9007199254740992,5", kLimite},
        {"1e16", kLimite},
    };
    for (const auto& c : casos) {
        esperaMensaje(QString::fromUtf8(c.mensaje));
        prueba(QString::fromUtf8(c.numero));
        EXPECT_EQ(veredicto(), kEs) << c.numero;
    }
}

TEST_F(VentanaEsPrimo, UnNegativoVaALaTrampaConElVeredictoVacio) {
    prueba(QStringLiteral("7"));
    esperaMensaje(
        QStringLiteral("btesprimo:La operación ha producido el siguiente error:\n\n"
                       "Argumento o llamada a procedimiento no válida"));
    prueba(QStringLiteral("-7"));
    EXPECT_TRUE(veredicto().isEmpty());
}

TEST_F(VentanaEsPrimo, TiempoAgotadoDejaElVeredictoVacio) {
    prueba(QStringLiteral("7"));
    estado.tiempo.presupuesto.segundos = "0";
    reloj.paso = 0.001;
    esperaMensaje(QStringLiteral("Se ha superado el tiempo establecido."));
    prueba(QStringLiteral("9007199254740881"));
    EXPECT_TRUE(veredicto().isEmpty());
}

TEST_F(VentanaEsPrimo, ElMenuVaciaElVeredictoYOtraRutinaLoEscribe) {
    prueba(QStringLiteral("7"));
    pulsa(control<QPushButton>(w, "btsalir"));
    EXPECT_FALSE(w->isVisible());
    // Another routine runs the test while the window is hidden: its verdict lands there.
    EXPECT_EQ(esPrimo(estado, 9.0), 0);
    EXPECT_EQ(veredicto(), kNoEs);
    accion("nesprimo")->trigger();
    EXPECT_EQ(ventana("frmesprimo"), w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(veredicto().isEmpty());
    EXPECT_EQ(control<QLineEdit>(w, "txtesprimo")->text(), QStringLiteral("7"));
}

}  // namespace
}  // namespace zefra::pruebas
