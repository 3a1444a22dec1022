// The list of primes through its input and result windows, driven through the menu.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <set>

#include "gui/entorno.hpp"
#include "ui/vista_lineas.hpp"

namespace zefra::pruebas {
namespace {

const QString kPrimosHasta25 = QStringLiteral("2\n3\n5\n7\n11\n13\n17\n19\n23\n");

class VentanaListaPrimos : public PruebaVentanas {
  protected:
    VentanaListaPrimos() {
        accion("nListaprimos")->trigger();
        w = ventana("frmListaPrimos");
    }

    void calcula(const QString& tope) {
        escribe(control<QLineEdit>(w, "txttopeprimo"), tope);
        pulsa(control<QPushButton>(w, "btaceptolista"));
    }
    QWidget* resultado() const { return ventana("frmSolListaPrimos"); }
    bool resultadoVisible() const { return resultado() && resultado()->isVisible(); }
    gui::VistaLineas* vista() const {
        return control<gui::VistaLineas>(resultado(), "txtSolListaPrimos");
    }
    // Read through the widget's text property, as for any other field.
    QString lista() const { return vista()->property("text").toString(); }
    QString cuenta() const { return control<QLineEdit>(resultado(), "txnumprimos")->text(); }

    QWidget* w = nullptr;
};

TEST_F(VentanaListaPrimos, SeAbreConSusControles) {
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("LISTA DE NUMEROS PRIMOS"));
    EXPECT_EQ(control<QLabel>(w, "Label1")->text().remove('&'),
              QStringLiteral("Especifica hasta qué número quieres que busque números primos:"));
    EXPECT_EQ(control<QPushButton>(w, "btaceptolista")->text().remove('&'),
              QStringLiteral("ACEPTAR"));
    EXPECT_EQ(control<QPushButton>(w, "btsalir")->text().remove('&'), QStringLiteral("Salir"));
    EXPECT_FALSE(resultadoVisible());
}

TEST_F(VentanaListaPrimos, ListaYCuentaEnLaVentanaDeResultado) {
    struct Caso {
        const char* tope;
        QString lista;
        const char* cuenta;
    };
    const Caso casos[] = {
        {"25", kPrimosHasta25, "9"},
        {"5.5", QStringLiteral("2\n3\n5\n"), "3"},
        {"0000000025", kPrimosHasta25, "9"},  // ten characters pass
        {"1", QString(), "0"},
    };
    for (const auto& c : casos) {
        calcula(QString::fromUtf8(c.tope));
        ASSERT_TRUE(resultadoVisible()) << c.tope;
        EXPECT_EQ(lista(), c.lista) << c.tope;
        EXPECT_EQ(cuenta(), QString::fromUtf8(c.cuenta)) << c.tope;
    }
    QWidget* r = resultado();
    EXPECT_EQ(r->windowTitle(), QStringLiteral("LISTA DE NUMEROS PRIMOS"));
    EXPECT_EQ(control<QLabel>(r, "lbSolListaPrimos")->text(),
              QStringLiteral("Número total de primos:"));
    EXPECT_TRUE(control<QLineEdit>(r, "txnumprimos")->isReadOnly());
}

TEST_F(VentanaListaPrimos, ValidacionesEnOrden) {
    struct Caso {
        const char *tope, *mensaje;
    };
    const Caso casos[] = {
        {"", "Ha de ser un valor numérico"},
        {"veinte", "Ha de ser un valor numérico"},
        {"abcdefghijkl", "Ha de ser un valor numérico"},
        {"12345678901", "El número no puede superar los once dígitos"},
        {"00000000025", "El número no puede superar los once dígitos"},
    };
    for (const auto& c : casos) {
        esperaMensaje(QString::fromUtf8(c.mensaje));
        calcula(QString::fromUtf8(c.tope));
        EXPECT_FALSE(resultadoVisible()) << c.tope;
    }
    EXPECT_EQ(mensajesVistos().size(), static_cast<qsizetype>(std::size(casos)));
}

TEST_F(VentanaListaPrimos, UnTopeQueDesbordaVaALaTrampaSinMostrarElResultado) {
    calcula(QStringLiteral("25"));
    pulsa(control<QPushButton>(resultado(), "btsalir"));
    ASSERT_FALSE(resultadoVisible());
    esperaMensaje(
        QStringLiteral("btListaPrimos:La operación ha producido el siguiente error:\n\n"
                       "Desbordamiento"));
    calcula(QStringLiteral("9999999999"));
    EXPECT_FALSE(resultadoVisible());
    // The run had emptied the list before the bound overflowed; the count says so.
    EXPECT_EQ(lista(), QString());
    EXPECT_EQ(cuenta(), QStringLiteral("0"));
}

TEST_F(VentanaListaPrimos, PresupuestoCeroNoNombraNingunNumero) {
    estado.tiempo.presupuesto.segundos = "0";
    reloj.paso = 0.001;
    esperaMensaje(QStringLiteral("Se ha excedido del tiempo del resultado."));
    esperaMensaje(
        QStringLiteral("Se ha llegado en el tiempo especificado hasta el número primo: "));
    calcula(QStringLiteral("100"));
    ASSERT_TRUE(resultadoVisible());
    EXPECT_EQ(lista(), QStringLiteral("2\n3\n"));
    EXPECT_EQ(cuenta(), QStringLiteral("2"));
}

TEST_F(VentanaListaPrimos, TiempoAgotadoNombraElUltimoCandidatoYMuestraLoHallado) {
    // Every reading of the clock is 0.4 s after the previous one, so the clock is read at every
    // check: the start, then a check per block and per candidate, the eighth past 3 s.
    estado.tiempo.presupuesto.segundos = "3";
    reloj.paso = 0.4;
    esperaMensaje(QStringLiteral("Se ha excedido del tiempo del resultado."));
    esperaMensaje(
        QStringLiteral("Se ha llegado en el tiempo especificado hasta el número primo: 13"));
    calcula(QStringLiteral("1000"));
    ASSERT_TRUE(resultadoVisible());
    EXPECT_EQ(lista(), QStringLiteral("2\n3\n5\n7\n11\n13\n"));
    EXPECT_EQ(cuenta(), QStringLiteral("6"));
}

TEST_F(VentanaListaPrimos, LaListaCreceAVecesDuranteUnaEjecucionLarga) {
    // The clock moves 1 ms per reading and is read at every check, so the heartbeat comes every
    // hundred checks: it records what the result window shows at that moment.
    estado.tiempo.presupuesto.horas = "1000";
    reloj.paso = 0.001;
    std::vector<int> filasVistas;
    bool visibleDurante = false;
    QWidget* r = nullptr;
    const QAbstractItemModel* modelo = nullptr;
    estado.tiempo.fijaLatido([&] {
        if (!r) {
            r = resultado();
            modelo = vista()->model();
        }
        visibleDurante |= r->isVisible();
        filasVistas.push_back(modelo->rowCount());
    });
    calcula(QStringLiteral("50000000"));
    ASSERT_TRUE(resultadoVisible());
    EXPECT_EQ(cuenta(), QStringLiteral("3001134"));
    EXPECT_EQ(vista()->model()->rowCount(), 3001134);
    const std::set<int> distintas(filasVistas.begin(), filasVistas.end());
    // The list was shown partly filled during the run, and refreshed a few times, not per prime.
    EXPECT_TRUE(visibleDurante);
    ASSERT_GE(distintas.size(), 2u);
    EXPECT_GT(*distintas.rbegin(), 0);
    EXPECT_LT(*distintas.rbegin(), 3001134);
    EXPECT_LE(distintas.size(), 60u);
}

TEST_F(VentanaListaPrimos, SeSeleccionaYSeCopia) {
    calcula(QStringLiteral("30"));
    gui::VistaLineas* v = vista();
    v->setFocus();
    QTest::keyClick(v, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(v, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), kPrimosHasta25 + QStringLiteral("29\n"));

    const auto centro = [v](int fila) {
        return v->visualRect(v->model()->index(fila, 0)).center();
    };
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, centro(2));
    QTest::mouseClick(v->viewport(), Qt::LeftButton, Qt::ShiftModifier, centro(4));
    EXPECT_EQ(v->textoSeleccionado(), QStringLiteral("5\n7\n11\n"));
    QTest::keyClick(v, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("5\n7\n11\n"));
    QTest::keyClick(v, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(v->textoSeleccionado(), QStringLiteral("5\n7\n11\n13\n"));
}

TEST_F(VentanaListaPrimos, SalirOcultaYReabrirConservaLosCampos) {
    calcula(QStringLiteral("25"));
    pulsa(control<QPushButton>(resultado(), "btsalir"));
    EXPECT_FALSE(resultadoVisible());
    pulsa(control<QPushButton>(w, "btsalir"));
    EXPECT_FALSE(w->isVisible());
    accion("nListaprimos")->trigger();
    EXPECT_EQ(ventana("frmListaPrimos"), w);
    EXPECT_EQ(control<QLineEdit>(w, "txttopeprimo")->text(), QStringLiteral("25"));
    EXPECT_EQ(lista(), kPrimosHasta25);  // the result window keeps its list while hidden
}

}  // namespace
}  // namespace zefra::pruebas
