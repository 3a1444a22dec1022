// The key window of the private-key system through its widgets: the search, the checks of
// "Continuar", and what it hands to the encryption window.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "gui/entorno.hpp"

namespace zefra::pruebas {
namespace {

class VentanaClaves : public PruebaVentanas {
  protected:
    VentanaClaves() {
        accion("ncripprivada")->trigger();
        w = ventana("frmpedirclaves");
    }

    QComboBox* r() const { return control<QComboBox>(w, "Dpopcionesclave"); }
    QLineEdit* s() const { return control<QLineEdit>(w, "txclave_s"); }
    QLineEdit* minimo() const { return control<QLineEdit>(w, "txclavemin_r"); }
    QStringList lista() const {
        QStringList l;
        for (int i = 0; i < r()->count(); ++i)
            l << r()->itemText(i);
        return l;
    }
    void busca(const QString& desde) {
        escribe(minimo(), desde);
        pulsa(control<QPushButton>(w, "btbusquedacp_r"));
    }
    void continua(const QString& claveR, const QString& claveS) {
        r()->setEditText(claveR);
        escribe(s(), claveS);
        pulsa(control<QPushButton>(w, "btseguircprivada"));
    }
    QWidget* cifrado() const { return ventana("frmcripprivada"); }

    QWidget* w = nullptr;
};

TEST_F(VentanaClaves, BuscaClavesPrimasConN) {
    ASSERT_TRUE(w && w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Solicitud de claves r,s"));
    r()->setEditText(QStringLiteral("99"));
    busca(QStringLiteral("1"));
    const QStringList l = lista();
    ASSERT_EQ(l.size(), 101);
    EXPECT_EQ(l.mid(0, 12),
              QStringList({"1", "3", "5", "9", "11", "13", "15", "17", "19", "23", "25", "27"}));
    EXPECT_TRUE(r()->currentText().isEmpty());  // the search empties the text it replaces

    busca(QStringLiteral("2147483547"));
    EXPECT_EQ(lista(), QStringList({"2147483547"}));
    busca(QStringLiteral("150000"));
    EXPECT_EQ(lista().size(), 20);
}

TEST_F(VentanaClaves, BusquedaRechazada) {
    busca(QStringLiteral("1"));
    esperaMensaje(QStringLiteral("El valor de 'clave mínima' ha de ser numérico."));
    busca(QStringLiteral("uno"));
    esperaMensaje(QStringLiteral("El valor de clave mínima queda limitado a 2147483547"));
    busca(QStringLiteral("2147483548"));
    esperaMensaje(QStringLiteral("El valor de clave mínima no puede ser menor que -2147483547"));
    busca(QStringLiteral("-1e300"));
    EXPECT_EQ(lista().size(), 101);  // a refused search changes nothing
    busca(QStringLiteral("-2147483547"));
    EXPECT_EQ(lista().front(), QStringLiteral("-2147483547"));
}

TEST_F(VentanaClaves, BusquedaSinTiempoConservaLasHalladas) {
    estado.tiempo.presupuesto.segundos = "1";
    reloj.paso = 0.01;
    esperaMensaje(QStringLiteral("Se ha superado el tiempo establecido."));
    busca(QStringLiteral("1"));
    EXPECT_GT(lista().size(), 0);
    EXPECT_LT(lista().size(), 101);
    EXPECT_EQ(lista().front(), QStringLiteral("1"));
}

TEST_F(VentanaClaves, ElMenuYSalirVacianLaListaPeroNoLosTextos) {
    busca(QStringLiteral("1"));
    r()->setEditText(QStringLiteral("3"));
    escribe(s(), QStringLiteral("5"));
    accion("ncripprivada")->trigger();
    EXPECT_EQ(r()->count(), 0);
    EXPECT_EQ(r()->currentText(), QStringLiteral("3"));

    busca(QStringLiteral("1"));
    r()->setEditText(QStringLiteral("3"));
    pulsa(control<QPushButton>(w, "btsalir"));
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(r()->count(), 0);
    EXPECT_EQ(r()->currentText(), QStringLiteral("3"));
    EXPECT_EQ(s()->text(), QStringLiteral("5"));
    EXPECT_EQ(minimo()->text(), QStringLiteral("1"));
}

TEST_F(VentanaClaves, ContinuarRechazaClavesNoValidas) {
    const struct {
        const char *r, *s, *mensaje;
    } casos[] = {
        {"", "5", "Se le ha de poner un valor numérico a las dos claves"},
        {"3", "cinco", "Se le ha de poner un valor numérico a las dos claves"},
        {"3,5", "5", "Las dos claves han de ser números enteros"},
        {"3", "1e-2", "Las dos claves han de ser números enteros"},
        {"2", "5", "Clave r no válida ya que mcd(r,28) ha de ser 1"},
        {"0", "5", "Clave r no válida ya que mcd(r,28) ha de ser 1"},
        {"100000000000000000000000000002", "5", "Clave r no válida ya que mcd(r,28) ha de ser 1"},
    };
    for (const auto& c : casos) {
        esperaMensaje(QString::fromUtf8(c.mensaje));
        continua(QString::fromUtf8(c.r), QString::fromUtf8(c.s));
        EXPECT_EQ(r()->currentText(), QString::fromUtf8(c.r));  // the fields keep their values
        EXPECT_EQ(s()->text(), QString::fromUtf8(c.s));
    }
    EXPECT_EQ(cifrado(), nullptr);

    accion("nalfa_ASCII")->trigger();
    esperaMensaje(QStringLiteral("Clave r no válida ya que mcd(r,195) ha de ser 1"));
    continua(QStringLiteral("13"), QStringLiteral("5"));
}

// A key typed after a search is the key typed, not the first key of the list it begins.
TEST_F(VentanaClaves, LaClaveTecleadaNoSeCompleta) {
    busca(QStringLiteral("1"));
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));  // completion works in the active window only
    r()->lineEdit()->setFocus();
    QTest::keyClicks(r()->lineEdit(), QStringLiteral("2"));
    escribe(s(), QStringLiteral("5"));
    esperaMensaje(QStringLiteral("Clave r no válida ya que mcd(r,28) ha de ser 1"));
    pulsa(control<QPushButton>(w, "btseguircprivada"));
    EXPECT_EQ(r()->currentText(), QStringLiteral("2"));
}

TEST_F(VentanaClaves, ContinuarPasaLasClavesALaVentanaDeCifrado) {
    busca(QStringLiteral("1"));
    escribe(minimo(), QStringLiteral("1"));
    continua(QStringLiteral(" -25 "), QStringLiteral("123456789012345678901234567890"));
    ASSERT_NE(cifrado(), nullptr);
    EXPECT_TRUE(cifrado()->isVisible());
    EXPECT_EQ(control<QLineEdit>(cifrado(), "txclave_cpr")->text(), QStringLiteral("-25"));
    EXPECT_EQ(control<QLineEdit>(cifrado(), "txclave_cps")->text(),
              QStringLiteral("123456789012345678901234567890"));
    EXPECT_TRUE(r()->currentText().isEmpty());
    EXPECT_TRUE(s()->text().isEmpty());
    EXPECT_TRUE(minimo()->text().isEmpty());
    EXPECT_EQ(r()->count(), 0);
}

class VentanaClavesUsuario : public VentanaClaves {
  protected:
    // Loads a user alphabet with these codes into slot 0 and makes it active.
    void activa(const std::vector<const char*>& codigos) {
        auto& ranura = estado.ranuras[0];
        ranura.libre = false;
        ranura.nombre = "propio";
        for (std::size_t k = 0; k < codigos.size(); ++k) {
            ranura.tabla.fija(static_cast<int>(k), 0, std::string(1, static_cast<char>('a' + k)));
            ranura.tabla.fija(static_cast<int>(k), 1, codigos[k]);
        }
        accion("nalfaus(1)")->setVisible(true);  // as loading an alphabet shows its entry
        accion("nalfaus(1)")->trigger();
        ASSERT_EQ(estado.alfabeto.nombre, "propio");
    }
};

TEST_F(VentanaClavesUsuario, CodigosConsecutivosVanALaVentanaDeTresPasos) {
    activa({"03", "01", "00", "02"});
    EXPECT_EQ(estado.alfabeto.modulo, 4);
    continua(QStringLiteral("3"), QStringLiteral("1"));
    ASSERT_NE(cifrado(), nullptr);
    EXPECT_TRUE(cifrado()->isVisible());
}

TEST_F(VentanaClavesUsuario, CodigosConHuecosVanALaVentanaDeDosPasos) {
    activa({"00", "01", "02", "04"});
    busca(QStringLiteral("1"));
    escribe(minimo(), QStringLiteral("1"));
    continua(QStringLiteral("3"), QStringLiteral("-1"));
    EXPECT_EQ(cifrado(), nullptr);
    QWidget* dosPasos = ventana("frPrivadaAlfaus");
    ASSERT_NE(dosPasos, nullptr);
    EXPECT_TRUE(dosPasos->isVisible());
    EXPECT_EQ(control<QLabel>(dosPasos, "lbclaver")->text(), QStringLiteral("3"));
    EXPECT_EQ(control<QLabel>(dosPasos, "lbclaves")->text(), QStringLiteral("-1"));
    EXPECT_TRUE(r()->currentText().isEmpty());
    EXPECT_TRUE(s()->text().isEmpty());
    EXPECT_TRUE(minimo()->text().isEmpty());
    EXPECT_EQ(r()->count(), 0);
}

TEST_F(VentanaClavesUsuario, SinTiempoParaVerLosCodigosVaALaDeDosPasos) {
    activa({"00", "01", "02", "03"});
    estado.tiempo.presupuesto.segundos = "3";  // enough for the gcd of the key, not more
    reloj.paso = 1;
    esperaMensaje(QStringLiteral("Se ha excedido del tiempo especificado."));
    continua(QStringLiteral("3"), QStringLiteral("1"));
    EXPECT_EQ(cifrado(), nullptr);
    ASSERT_NE(ventana("frPrivadaAlfaus"), nullptr);
}

}  // namespace
}  // namespace zefra::pruebas
