// The practice windows driven by keys: each type of exercise filled with the program's own
// solution is checked right; a wrong or unreadable value gets the core's reason in its row; a hint
// is counted; "Ver solución" completes the sheet and offers the matching trace.
#include <map>

#include "core/practice/practica.hpp"
#include "gui/conductor.hpp"
#include "gui/practice/frm_practica.hpp"

namespace zefra::pruebas {
namespace {

using namespace practica;

struct Practica : Conductor {
    gui::Rejilla* pasos() { return control<gui::Rejilla>(w, "msflexPasos"); }
    // Types into the control with the focus (beyond ASCII inserted), then presses `tras`.
    void teclea(const QString& texto, Qt::Key tras = Qt::Key_Tab) {
        for (const QChar c : texto) {
            auto* linea = qobject_cast<QLineEdit*>(w->focusWidget());
            if (c.unicode() >= 0x80 && linea) linea->insert(QString(c));
            if (c.unicode() < 0x80) QTest::keyClicks(w->focusWidget(), QString(c));
        }
        if (tras) QTest::keyClick(w->focusWidget(), tras);
    }
    // From the grid's first cell to fill, every cell and answer by Tab; Enter checks.
    void rellena(const Hoja& h, const Trabajo& t) {
        QTest::keyClick(w, Qt::Key_P, Qt::AltModifier);
        for (std::size_t f = 0; f < h.dadas.size(); ++f)
            for (std::size_t c = 0; c < h.dadas[f].size(); ++c)
                if (h.dadas[f][c].empty()) teclea(QString::fromStdString(t.celdas[f][c]));
        for (std::size_t i = 0; i < t.respuestas.size(); ++i)
            teclea(QString::fromStdString(t.respuestas[i]),
                   i + 1 < t.respuestas.size() ? Qt::Key_Tab : Qt::Key_Return);
    }
    QString comprobacion(int fila) {
        return pasos()->cellText(fila + 1, pasos()->model()->columnCount() - 1);
    }
    // What a window shows, as its "Copiar todo" puts it on the clipboard.
    QString muestra(QWidget* v) {
        control<QAction>(v, "copiarTodo")->trigger();
        return QGuiApplication::clipboard()->text();
    }
};

TEST_F(Practica, CadaTipoSeRellenaPorTeclasSeCorrigeConPistaYSolucionYAdmiteUnEnunciadoPropio) {
    const std::map<TipoEjercicio, QString> trazas{
        {TipoEjercicio::Euclides, "frTrazaEuclides"}, {TipoEjercicio::Diofantica, "frmTrazaDiof"},
        {TipoEjercicio::Inverso, "frTrazaEuclides"},  {TipoEjercicio::Potencia, "frTrazaPotencia"},
        {TipoEjercicio::Euler, "frExplicaEuler"},     {TipoEjercicio::RSA, "frTrazaPotencia"}};
    std::map<QString, QString> vistas;  // what each trace window showed last
    int vez = 0;
    for (const gui::TipoPractica& tipo : gui::tiposPractica()) {
        SCOPED_TRACE(tipo.ventana);
        accion(tipo.entrada)->trigger();
        w = abierta(tipo.ventana);
        w->activateWindow();
        for (int i = 0; i < 100 && QApplication::activeWindow() != w; ++i)
            QTest::qWait(10);
        // Exercise nº 1729 at each level in turn, chosen by keys.
        const Nivel nivel = Nivel(vez++ % 3);
        QTest::keyClick(w, Qt::Key_V, Qt::AltModifier);
        QTest::keyClick(w->focusWidget(), Qt::Key_Home);
        for (int i = 0; i < int(nivel); ++i)
            QTest::keyClick(w->focusWidget(), Qt::Key_Down);
        QTest::keyClick(w, Qt::Key_N, Qt::AltModifier);
        teclea("1729", Qt::Key_Return);
        const Ejercicio e = generaEjercicio(tipo.tipo, nivel, 1729);
        EXPECT_EQ(campo("lbEnunciado"), QString::fromStdString(enunciado(e)));
        const Hoja h = hoja(e);
        ASSERT_FALSE(h.dadas.empty() || h.respuestas.empty());
        Trabajo t = solucion(e);
        rellena(h, t);
        const int total = comprueba(e, t).total;
        EXPECT_EQ(campo("lbAciertos"), QString("Pasos correctos: %1 de %1").arg(total));
        EXPECT_EQ(comprobacion(-1), "Comprobación");  // the heading
        for (std::size_t f = 0; f < h.dadas.size(); ++f)
            EXPECT_EQ(comprobacion(int(f)), "✔") << f;
        EXPECT_TRUE(campo("lbVeredicto(0)").startsWith("✔"));

        // The first cell to fill, one more than right, then unreadable: the core's reason.
        std::size_t f = 0, c = 0;
        while (f < h.dadas.size() && !h.dadas[f][c].empty())
            std::tie(f, c) =
                c + 1 < h.dadas[f].size() ? std::pair(f, c + 1) : std::pair(f + 1, 0ul);
        ASSERT_LT(f, h.dadas.size());
        const QString bien = QString::fromStdString(t.celdas[f][c]);
        for (const QString& mal : {QString::number(bien.toLongLong() + 1), QString("x"),
                                   QString("1,5"), QString(25, '9'), QString(" ")}) {
            // The cell typed anew by keys, then checked with Enter.
            pasos()->setCurrentIndex(pasos()->model()->index(int(f), int(c)));
            QTest::keyClick(w, Qt::Key_P, Qt::AltModifier);
            teclea(mal, Qt::Key_Return);
            t.celdas[f][c] = mal.toStdString();
            const std::string razon = comprueba(e, t).comprobacion[f];
            EXPECT_TRUE(comprobacion(int(f)) == QString::fromStdString(razon) && razon != "✔")
                << mal.toStdString();
        }
        pulsa(w, "btPista");
        EXPECT_EQ(campo("lbPista"), "Pista: " + QString::fromStdString(pista(e, t)));
        // What a teacher collects: the statement, the steps with their verdicts, the score.
        const QString copia = muestra(w);
        for (const QString& parte : {QString("Comprobación"), comprobacion(int(f)),
                                     campo("lbAciertos"), campo("lbVeredicto(0)")})
            EXPECT_TRUE(copia.contains(parte)) << parte.toStdString();
        // The solution puts back what is wrong or missing; the score is what the student had,
        // checked or not.
        escribe(control<QLineEdit>(w, "txRespuesta(0)"), "");
        QTest::keyClick(w, Qt::Key_L, Qt::AltModifier);
        QTest::qWait(150);  // a button pressed by its Alt letter clicks a moment later
        EXPECT_EQ(campo("txRespuesta(0)") + ' ' + pasos()->cellText(int(f) + 1, int(c)) + ' ' +
                      comprobacion(int(f)),
                  QString::fromStdString(t.respuestas[0]) + ' ' + bien + " ✔");
        EXPECT_EQ(campo("lbAciertos"), QString("Pasos correctos: %1 de %2 · Pistas usadas: 1 · "
                                               "Solución vista")
                                           .arg(total - 2)
                                           .arg(total));
        EXPECT_EQ(boton("btTraza")->isEnabled(), trazas.count(tipo.tipo) == 1);
        if (trazas.count(tipo.tipo)) {
            QTest::keyClick(w, Qt::Key_T, Qt::AltModifier);
            QTest::qWait(150);
            QWidget* traza = abierta(trazas.at(tipo.tipo));
            // The trace is this exercise's, not the one the window showed before.
            const QString ahora = muestra(traza);
            EXPECT_NE(std::exchange(vistas[traza->objectName()], ahora), ahora);
            QTest::keyClick(traza, Qt::Key_Escape);
        }
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_FALSE(w->isVisible());
    }

    // A statement of the student's own, and exercise numbers out of range.
    accion("nPracEuclides")->trigger();
    w = abierta("frmPracticaEuclides");
    // Refused data keep the prompt open with what was typed; good data set the exercise.
    for (const QStringList& datos : {QStringList{"x", "8"}, QStringList{"12", "8"}}) {
        esperaDialogo("frEnunciadoPropio", [datos](QWidget* d) {
            EXPECT_EQ(d->findChild<QAbstractButton*>("btCancelar")->text(), "&Cancelar");
            for (int i = 0; i < 2; ++i)
                escribe(d->findChild<QLineEdit*>(QString("txDato(%1)").arg(i)), datos[i]);
            pulsa(d->findChild<QAbstractButton*>("btAceptar"));
        });
        const auto propio = ejercicioPropio(TipoEjercicio::Euclides, {"x", "8"});
        if (datos[0] == "x") esperaMensaje(QString::fromStdString(propio.error));
    }
    pulsa(w, "btPropio");
    EXPECT_EQ(campo("lbEnunciado"),
              QString::fromStdString(
                  enunciado(*ejercicioPropio(TipoEjercicio::Euclides, {"12", "8"}).ejercicio)));
    EXPECT_EQ(campo("txEjercicio"), "");
    for (const char* mal : {"0", "-3", "1e3", "1000000000", "uno"}) {
        esperaMensaje("El número de ejercicio ha de ser un número entero entre 1 y 999999999.");
        escribe(control<QLineEdit>(w, "txEjercicio"), mal);
        pulsa(w, "btNuevo");
    }
    // Steps typed are lost only when the student says so: "No" keeps the sheet (and the level).
    pasos()->model()->setData(pasos()->model()->index(0, 2), "1", Qt::EditRole);
    const QString aviso = "Se perderán los pasos escritos en este ejercicio. ¿Desea continuar?";
    esperaPregunta(aviso, conserva);
    escribe(control<QLineEdit>(w, "txEjercicio"), "5");
    pulsa(w, "btNuevo");
    esperaPregunta(aviso, conserva);
    control<QComboBox>(w, "cbNivel")->setCurrentIndex(2);
    EXPECT_EQ(pasos()->cellText(1, 2) + control<QComboBox>(w, "cbNivel")->currentText(), "1Fácil");
    esperaPregunta(aviso, reemplaza);
    pulsa(w, "btNuevo");
    EXPECT_EQ(campo("txEjercicio"), "5");
}

}  // namespace
}  // namespace zefra::pruebas
