// The key window of the private-key system through its widgets: the search, the checks of
// "Continuar", and the window it hands the keys to.
#include <QTest>

#include "gui/crypto/cifrado_prueba.hpp"

namespace zefra::pruebas {
namespace {

class VentanaClaves : public PruebaCifrado {
  protected:
    VentanaClaves() {
        accion("ncripprivada")->trigger();
        k = ventana("frmpedirclaves");
    }
    QComboBox* r() const { return control<QComboBox>(k, "Dpopcionesclave"); }
    QLineEdit* s() const { return control<QLineEdit>(k, "txclave_s"); }
    QLineEdit* minimo() const { return control<QLineEdit>(k, "txclavemin_r"); }
    QStringList lista() const {
        QStringList l;
        for (int i = 0; i < r()->count(); ++i)
            l << r()->itemText(i);
        return l;
    }
    void busca(const QString& desde) {
        escribe(minimo(), desde);
        pulsa(control<QPushButton>(k, "btbusquedacp_r"));
    }
    void continua(const QString& claveR, const QString& claveS) {
        r()->setEditText(claveR);
        escribe(s(), claveS);
        pulsa(control<QPushButton>(k, "btseguircprivada"));
    }
    // What "Continuar" leaves behind when it hands the keys on.
    void vacia() const {
        EXPECT_TRUE(r()->currentText().isEmpty());
        EXPECT_TRUE(s()->text().isEmpty());
        EXPECT_TRUE(minimo()->text().isEmpty());
        EXPECT_EQ(r()->count(), 0);
    }
    // A user alphabet with these codes in slot i, active.
    void activa(int i, const std::vector<const char*>& codigos) {
        auto& ranura = estado.ranuras[static_cast<std::size_t>(i)];
        ranura.libre = false;
        ranura.nombre = "propio" + std::to_string(i);
        for (std::size_t c = 0; c < codigos.size(); ++c) {
            ranura.tabla.fija(static_cast<int>(c), 0, std::string(1, static_cast<char>('a' + c)));
            ranura.tabla.fija(static_cast<int>(c), 1, codigos[c]);
        }
        QAction* entrada = accion(QStringLiteral("nalfaus(%1)").arg(i + 1));
        entrada->setVisible(true);  // as loading an alphabet shows its entry
        entrada->trigger();
    }
    bool abierta(const char* nombre) const {
        QWidget* v = ventana(QString::fromLatin1(nombre));
        return v && v->isVisible();
    }

    QWidget* k = nullptr;
};

TEST_F(VentanaClaves, BuscaClavesPrimasConN) {
    EXPECT_EQ(k->windowTitle(), QStringLiteral("Solicitud de claves r,s"));
    r()->setEditText(QStringLiteral("99"));
    busca(QStringLiteral("1"));
    ASSERT_EQ(lista().size(), 101);
    EXPECT_EQ(lista().mid(0, 4), QStringList({"1", "3", "5", "9"}));
    EXPECT_TRUE(r()->currentText().isEmpty());  // the search empties the text it replaces
    busca(QStringLiteral("2147483547"));
    EXPECT_EQ(lista(), QStringList({"2147483547"}));

    const std::pair<const char*, const char*> rechazos[] = {
        {"uno", "El valor de 'clave mínima' ha de ser numérico."},
        {"2147483548", "El valor de clave mínima queda limitado a 2147483547"},
        {"-1e300", "El valor de clave mínima no puede ser menor que -2147483547"},
    };
    for (const auto& [desde, aviso] : rechazos) {
        esperaMensaje(QString::fromUtf8(aviso));
        busca(QString::fromLatin1(desde));
        EXPECT_EQ(lista().size(), 1);  // a refused search changes nothing
    }
    busca(QStringLiteral("-2147483547"));
    EXPECT_EQ(lista().front(), QStringLiteral("-2147483547"));

    estado.tiempo.presupuesto.segundos = "1";
    reloj.paso = 0.01;
    esperaMensaje(QStringLiteral("Se ha superado el tiempo establecido."));
    busca(QStringLiteral("1"));
    EXPECT_GT(lista().size(), 0);  // the keys found so far are listed
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
    pulsa(control<QPushButton>(k, "btsalir"));
    EXPECT_FALSE(k->isVisible());
    EXPECT_EQ(r()->count(), 0);
    EXPECT_EQ(r()->currentText(), QStringLiteral("3"));
    EXPECT_EQ(s()->text(), QStringLiteral("5"));
    EXPECT_EQ(minimo()->text(), QStringLiteral("1"));
}

TEST_F(VentanaClaves, ContinuarRechazaClavesNoValidas) {
    const std::tuple<const char*, const char*, const char*> casos[] = {
        {"", "5", "Se le ha de poner un valor numérico a las dos claves"},
        {"3", "cinco", "Se le ha de poner un valor numérico a las dos claves"},
        {"3,5", "5", "Las dos claves han de ser números enteros"},
        {"3", "1e-2", "Las dos claves han de ser números enteros"},
        {"2", "5", "Clave r no válida ya que mcd(r,28) ha de ser 1"},
        {"100000000000000000000000000002", "5", "Clave r no válida ya que mcd(r,28) ha de ser 1"},
    };
    for (const auto& [claveR, claveS, aviso] : casos) {
        esperaMensaje(QString::fromUtf8(aviso));
        continua(QString::fromUtf8(claveR), QString::fromUtf8(claveS));
        EXPECT_EQ(r()->currentText(), QString::fromUtf8(claveR));  // the fields keep them
        EXPECT_EQ(s()->text(), QString::fromUtf8(claveS));
    }
    EXPECT_FALSE(abierta("frmcripprivada"));
    accion("nalfa_ASCII")->trigger();
    esperaMensaje(QStringLiteral("Clave r no válida ya que mcd(r,195) ha de ser 1"));
    continua(QStringLiteral("13"), QStringLiteral("5"));
}

// A key typed after a search is the key typed, not the first key of the list it begins.
TEST_F(VentanaClaves, LaClaveTecleadaNoSeCompleta) {
    busca(QStringLiteral("1"));
    k->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(k));  // completion works in the active window only
    r()->lineEdit()->setFocus();
    QTest::keyClicks(r()->lineEdit(), QStringLiteral("2"));
    escribe(s(), QStringLiteral("5"));
    esperaMensaje(QStringLiteral("Clave r no válida ya que mcd(r,28) ha de ser 1"));
    pulsa(control<QPushButton>(k, "btseguircprivada"));
    EXPECT_EQ(r()->currentText(), QStringLiteral("2"));
}

TEST_F(VentanaClaves, ContinuarPasaLasClavesALaVentanaDeCifrado) {
    busca(QStringLiteral("1"));
    continua(QStringLiteral(" -25 "), QStringLiteral("123456789012345678901234567890"));
    ASSERT_TRUE(abierta("frmcripprivada"));
    w = ventana("frmcripprivada");
    EXPECT_EQ(linea("txclave_cpr"), QStringLiteral("-25"));
    EXPECT_EQ(linea("txclave_cps"), QStringLiteral("123456789012345678901234567890"));
    vacia();
}

// Over a user alphabet, consecutive codes go to the three-step window, codes with gaps (or no
// time to tell) to the two-step one.
TEST_F(VentanaClaves, AlfabetoDeUsuarioEligeLaVentana) {
    activa(0, {"03", "01", "00", "02"});
    EXPECT_EQ(estado.alfabeto.modulo, 4);
    continua(QStringLiteral("3"), QStringLiteral("1"));
    EXPECT_TRUE(abierta("frmcripprivada"));
    ventana("frmcripprivada")->close();

    estado.tiempo.presupuesto.segundos = "3";  // enough for the gcd of the key, not more
    reloj.paso = 1;
    esperaMensaje(QStringLiteral("Se ha excedido del tiempo especificado."));
    accion("ncripprivada")->trigger();
    continua(QStringLiteral("3"), QStringLiteral("1"));
    EXPECT_FALSE(abierta("frmcripprivada"));
    ASSERT_TRUE(abierta("frPrivadaAlfaus"));
    ventana("frPrivadaAlfaus")->close();

    reloj.paso = 0;
    activa(1, {"00", "01", "02", "04"});
    accion("ncripprivada")->trigger();
    busca(QStringLiteral("1"));
    continua(QStringLiteral("3"), QStringLiteral("-1"));
    EXPECT_FALSE(abierta("frmcripprivada"));
    ASSERT_TRUE(abierta("frPrivadaAlfaus"));
    w = ventana("frPrivadaAlfaus");
    EXPECT_EQ(etiqueta("lbclaver"), QStringLiteral("3"));
    EXPECT_EQ(etiqueta("lbclaves"), QStringLiteral("-1"));
    vacia();
}

}  // namespace
}  // namespace zefra::pruebas
