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
    // The texts of r, s and the minimum, and how many keys are listed.
    QString campos() const {
        return r()->currentText() + "|" + s()->text() + "|" + minimo()->text() + "|" +
               QString::number(r()->count());
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
    bool abierta(const char* nombre) const {
        QWidget* v = ventana(nombre);
        return v && v->isVisible();
    }

    QWidget* k = nullptr;
};

TEST_F(VentanaClaves, BuscaClavesPrimasConN) {
    r()->setEditText("99");
    busca("1");
    EXPECT_EQ(lista().size(), 101);
    EXPECT_EQ(lista().mid(0, 4), QStringList({"1", "3", "5", "9"}));
    EXPECT_TRUE(r()->currentText().isEmpty());  // the search empties the text it replaces
    busca("2147483547");
    EXPECT_EQ(lista(), QStringList({"2147483547"}));
    const std::pair<const char*, const char*> rechazos[] = {
        {"uno", "El valor de 'clave mínima' ha de ser numérico."},
        {"2147483548", "El valor de clave mínima queda limitado a 2147483547"},
        {"-1e300", "El valor de clave mínima no puede ser menor que -2147483547"},
    };
    for (const auto& [desde, aviso] : rechazos) {
        esperaMensaje(aviso);
        busca(desde);
        EXPECT_EQ(lista().size(), 1);  // a refused search changes nothing
    }
    busca("-2147483547");
    EXPECT_EQ(lista().front(), "-2147483547");

    estado.tiempo.presupuesto.segundos = "1";
    reloj.paso = 0.01;
    esperaMensaje("Se ha superado el tiempo establecido.");
    busca("1");
    EXPECT_GT(lista().size(), 0);  // the keys found so far are listed
}

TEST_F(VentanaClaves, ElMenuYSalirVacianLaListaPeroNoLosTextos) {
    busca("1");
    r()->setEditText("3");
    escribe(s(), "5");
    accion("ncripprivada")->trigger();
    EXPECT_EQ(campos(), "3|5|1|0");
    busca("1");
    r()->setEditText("3");
    pulsa(control<QPushButton>(k, "btsalir"));
    EXPECT_FALSE(k->isVisible());
    EXPECT_EQ(campos(), "3|5|1|0");
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
        esperaMensaje(aviso);
        continua(claveR, claveS);
        EXPECT_EQ(campos(), QString("%1|%2||0").arg(claveR, claveS));  // the fields keep them
    }
    EXPECT_FALSE(abierta("frmcripprivada"));
    accion("nalfa_ASCII")->trigger();
    esperaMensaje("Clave r no válida ya que mcd(r,195) ha de ser 1");
    continua("13", "5");
}

// A key typed after a search is the key typed, not the first key of the list it begins.
TEST_F(VentanaClaves, LaClaveTecleadaNoSeCompleta) {
    busca("1");
    k->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(k));  // completion works in the active window only
    r()->lineEdit()->setFocus();
    QTest::keyClicks(r()->lineEdit(), "2");
    escribe(s(), "5");
    esperaMensaje("Clave r no válida ya que mcd(r,28) ha de ser 1");
    pulsa(control<QPushButton>(k, "btseguircprivada"));
    EXPECT_EQ(r()->currentText(), "2");
}

TEST_F(VentanaClaves, ContinuarPasaLasClavesALaVentanaDeCifrado) {
    busca("1");
    continua(" -25 ", "123456789012345678901234567890");
    ASSERT_TRUE(abierta("frmcripprivada"));
    w = ventana("frmcripprivada");
    EXPECT_EQ(linea("txclave_cpr") + " " + linea("txclave_cps"),
              "-25 123456789012345678901234567890");
    EXPECT_EQ(campos(), "|||0");
}

// Over a user alphabet, consecutive codes go to the three-step window, codes with gaps (or no
// time to tell) to the two-step one.
TEST_F(VentanaClaves, AlfabetoDeUsuarioEligeLaVentana) {
    const std::tuple<const char*, const char*, const char*> casos[] = {
        {"03 01 00 02", "1000", "frmcripprivada"},
        {"00 01 02 03", "3", "frPrivadaAlfaus"},  // enough for the gcd of the key, not more
        {"00 01 02 04", "1000", "frPrivadaAlfaus"},
    };
    reloj.paso = 1;
    int i = 0;
    for (const auto& [codigos, segundos, destino] : casos) {
        auto& ranura = estado.ranuras[static_cast<std::size_t>(i)];
        ranura.libre = false;
        ranura.nombre = "propio" + std::to_string(i);
        const QStringList lista = QString(codigos).split(' ');
        for (int c = 0; c < lista.size(); ++c) {
            ranura.tabla.fija(c, 0, std::string(1, static_cast<char>('a' + c)));
            ranura.tabla.fija(c, 1, lista[c].toStdString());
        }
        QAction* entrada = accion(QStringLiteral("nalfaus(%1)").arg(++i));
        entrada->setVisible(true);  // as loading an alphabet shows its entry
        entrada->trigger();
        estado.tiempo.presupuesto.segundos = segundos;
        if (std::string(segundos) == "3") esperaMensaje("Se ha excedido del tiempo especificado.");
        accion("ncripprivada")->trigger();
        continua("3", "-1");
        ASSERT_TRUE(abierta(destino)) << codigos;
        w = ventana(destino);
        EXPECT_FALSE(abierta(std::string(destino) == "frmcripprivada" ? "frPrivadaAlfaus"
                                                                      : "frmcripprivada"));
        w->close();
    }
    EXPECT_EQ(etiqueta("lbclaver") + " " + etiqueta("lbclaves"), "3 -1");
    EXPECT_EQ(estado.alfabeto.modulo, 5);
}

}  // namespace
}  // namespace zefra::pruebas
