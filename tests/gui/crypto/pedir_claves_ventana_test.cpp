// The key window of the private-key system through its widgets: the search, the checks of
// "Continuar", and the window it hands the keys to.
#include <QTest>

#include "gui/crypto/cifrado_prueba.hpp"

namespace zefra::pruebas {
namespace {

class VentanaClaves : public PruebaCifrado {
  protected:
    VentanaClaves() { accion("ncripprivada")->trigger(); }
    QWidget* k() const { return ventana("frmpedirclaves"); }
    QComboBox* r() const { return control<QComboBox>(k(), "Dpopcionesclave"); }
    // The texts of r, s and the minimum, and the keys listed.
    QString campos() const {
        QStringList l = {r()->currentText(), control<QLineEdit>(k(), "txclave_s")->text(),
                         control<QLineEdit>(k(), "txclavemin_r")->text()};
        for (int i = 0; i < r()->count() && i < 4; ++i)
            l << r()->itemText(i);
        return l.join('|') + (r()->count() > 4 ? "… " + QString::number(r()->count()) : "");
    }
    void busca(const QString& desde) {
        escribe(control<QLineEdit>(k(), "txclavemin_r"), desde);
        pulsa(control<QPushButton>(k(), "btbusquedacp_r"));
    }
    void continua(const QString& claveR, const QString& claveS) {
        r()->setEditText(claveR);
        escribe(control<QLineEdit>(k(), "txclave_s"), claveS);
        pulsa(control<QPushButton>(k(), "btseguircprivada"));
    }
    bool abierta(const char* nombre) const {
        return ventana(nombre) && ventana(nombre)->isVisible();
    }
};

TEST_F(VentanaClaves, BuscarClaves) {
    r()->setEditText("99");
    busca("1");
    EXPECT_EQ(campos(), "||1|1|3|5|9… 101");  // the search empties the text it replaces
    busca("2147483547");
    EXPECT_EQ(campos(), "||2147483547|2147483547");
    const std::pair<const char*, const char*> rechazos[] = {
        {"uno", "El valor de 'clave mínima' ha de ser numérico."},
        {"2147483548", "El valor de clave mínima queda limitado a 2147483547"},
        {"-1e300", "El valor de clave mínima no puede ser menor que -2147483547"},
    };
    for (const auto& [desde, aviso] : rechazos) {
        esperaMensaje(aviso);
        busca(desde);
        EXPECT_EQ(r()->count(), 1);  // a refused search changes nothing
    }
    busca("-2147483547");
    EXPECT_EQ(r()->itemText(0), "-2147483547");
    estado.tiempo.presupuesto.segundos = "1";
    reloj.paso = 0.01;
    esperaMensaje("Se ha superado el tiempo establecido.");
    busca("1");
    EXPECT_GT(r()->count(), 0);  // the keys found so far are listed
    reloj.paso = 0;

    // The menu and "Salir" empty the list, not the texts.
    r()->setEditText("3");
    accion("ncripprivada")->trigger();
    EXPECT_EQ(campos(), "3||1");
    busca("1");
    pulsa(control<QPushButton>(k(), "btsalir"));
    EXPECT_FALSE(k()->isVisible());
    EXPECT_EQ(campos(), "||1");
}

TEST_F(VentanaClaves, ContinuarRechazaClavesNoValidas) {
    const std::tuple<const char*, const char*, const char*> casos[] = {
        {"", "5", "Se le ha de poner un valor numérico a las dos claves"},
        {"3", "cinco", "Se le ha de poner un valor numérico a las dos claves"},
        {"3", "1e-2", "Las dos claves han de ser números enteros"},
        {"3,5", "5", "Las dos claves han de ser números enteros"},
    };
    for (const auto& [claveR, claveS, aviso] : casos) {
        esperaMensaje(aviso);
        continua(claveR, claveS);
        EXPECT_EQ(campos(), QString("%1|%2|").arg(claveR, claveS));  // the fields keep them
    }
    // A key typed after a search is the key typed, not the first key of the list it begins.
    busca("1");
    k()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(k()));  // completion works in the active window only
    r()->lineEdit()->setFocus();
    QTest::keyClicks(r()->lineEdit(), "2");
    esperaMensaje("Clave r no válida ya que mcd(r,28) ha de ser 1");
    pulsa(control<QPushButton>(k(), "btseguircprivada"));
    EXPECT_EQ(r()->currentText(), "2");
    accion("nalfa_ASCII")->trigger();
    esperaMensaje("Clave r no válida ya que mcd(r,195) ha de ser 1");
    continua("13", "5");
    EXPECT_FALSE(abierta("frmcripprivada"));
}

// Over a user alphabet, consecutive codes go to the three-step window, codes with gaps (or no
// time to tell) to the two-step one; both get the keys as typed, and the key window empties.
TEST_F(VentanaClaves, ContinuarAbreLaVentanaDelAlfabeto) {
    const std::tuple<const char*, const char*, const char*, const char*> casos[] = {
        {"", "frmcripprivada", "txclave_cpr", "txclave_cps"},  // a-z
        {"03 01 00 02", "frmcripprivada", "txclave_cpr", "txclave_cps"},
        {"00 01 02 03", "frPrivadaAlfaus", "lbclaver", "lbclaves"},  // no time to tell
        {"00 01 02 04", "frPrivadaAlfaus", "lbclaver", "lbclaves"},
    };
    int i = 0;
    for (const auto& [codigos, destino, claveR, claveS] : casos) {
        if (*codigos) {
            carga(i, "propio" + std::to_string(i), codigos);
            selecciona(++i);
        }
        accion("ncripprivada")->trigger();
        busca("1");
        if (i == 2) {
            estado.tiempo.presupuesto.segundos = "3";  // the gcd of the key, not more
            reloj.paso = 1;
            esperaMensaje("Se ha excedido del tiempo especificado.");
        }
        continua(" -23 ", "123456789012345678901234567890");
        reloj.paso = 0;
        for (const char* v : {"frmcripprivada", "frPrivadaAlfaus"})
            EXPECT_EQ(abierta(v), v == std::string(destino)) << codigos << ' ' << v;
        w = ventana(destino);
        EXPECT_EQ(texto(claveR) + " " + texto(claveS), "-23 123456789012345678901234567890");
        EXPECT_EQ(campos(), "||");
        w->close();
    }
}

}  // namespace
}  // namespace zefra::pruebas
