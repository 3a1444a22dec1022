// Every window the menu opens, used from the keyboard: Tab follows the reading order of the
// controls, no two visible captions share an Alt letter, Enter never runs an exit button, the
// window fits the screen with nothing clipped, and Escape closes it.
#include <QAbstractItemView>
#include <QKeyEvent>
#include <QScreen>
#include <map>

#include "gui/crypto/cifrado_prueba.hpp"
#include "gui/ui/teclado.hpp"

namespace zefra::pruebas {
namespace {

QRect sitio(const QWidget* w) {
    return {w->mapTo(w->window(), QPoint(0, 0)), w->size()};
}

// The Alt letter of a caption ("" without one; "&&" is a plain "&").
QString letraAlt(QString texto) {
    texto.replace(QStringLiteral("&&"), QString());
    const qsizetype i = texto.indexOf('&');
    return i < 0 || i + 1 >= texto.size() ? QString() : texto.mid(i + 1, 1).toLower();
}

// The captions of a window that answer to Alt: buttons, frames, labels of a field and, in the
// main window, the menu bar's titles.
QStringList titulos(const QWidget* v) {
    QStringList t;
    for (const QWidget* w : v->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != v) continue;
        if (auto* b = qobject_cast<const QAbstractButton*>(w)) t << b->text();
        if (auto* g = qobject_cast<const QGroupBox*>(w)) t << g->title();
        if (auto* l = qobject_cast<const QLabel*>(w); l && l->buddy()) t << l->text();
    }
    if (auto* barra = v->findChild<QMenuBar*>())
        for (const QAction* a : barra->actions())
            t << a->text();
    return t;
}

bool esSalida(const QPushButton* b) {
    const QString t = b->text().remove('&').trimmed().toLower();
    return t == "salir" || b->objectName() == "btsalir";
}

class TecladoVentanas : public PruebaCifrado {
  protected:
    // The control with the focus; a cell being typed in stands for its grid.
    static QWidget* enfocado(const QWidget* v) {
        for (QWidget* p = v->focusWidget(); p && p != v; p = p->parentWidget()) {
            if (auto* vista = qobject_cast<QAbstractItemView*>(p)) return vista;
        }
        return v->focusWidget();
    }
    // Tab from the window's first control round to it again, by real key presses; a grid the
    // student fills in counts once, however many of its cells Tab walks.
    static QList<QWidget*> cadenaDeTab(QWidget* v) {
        QList<QWidget*> cadena;
        QTest::keyClick(v->focusWidget() ? v->focusWidget() : v, Qt::Key_Tab);
        for (QWidget* f = enfocado(v); f && !cadena.contains(f) && cadena.size() < 200;
             f = enfocado(v)) {
            cadena << f;
            for (int i = 0; i < 200 && enfocado(v) == f; ++i)
                QTest::keyClick(v->focusWidget(), Qt::Key_Tab);
        }
        return cadena;
    }

    // The four keyboard checks of one showing window.
    void compruebaVentana(QWidget* v) {
        SCOPED_TRACE(nombre(v).toStdString());
        v->activateWindow();
        QCoreApplication::processEvents();

        // Tab visits every control once, and round the cycle only the step from the last
        // control back to the first goes against the reading order.
        const QList<QWidget*> cadena = cadenaDeTab(v);
        EXPECT_EQ(cadena.size(), gui::ordenDeLectura(v).size());
        QStringList atras;
        for (qsizetype i = 0; i < cadena.size(); ++i) {
            const QWidget* siguiente = cadena[(i + 1) % cadena.size()];
            if (gui::seLeeAntes(sitio(siguiente), sitio(cadena[i])))
                atras << nombre(cadena[i]) + " -> " + nombre(siguiente);
        }
        EXPECT_LE(atras.size(), 1) << atras.join(", ").toStdString();
        // Shift+Tab walks it back.
        if (cadena.size() > 2) {
            QTest::keyClick(v->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
            EXPECT_EQ(v->focusWidget(), cadena.back());
        }

        std::map<QString, QString> letras;
        for (const QString& t : titulos(v)) {
            const QString letra = letraAlt(t);
            if (letra.isEmpty()) continue;
            const auto [sitioLetra, nueva] = letras.emplace(letra, t);
            EXPECT_TRUE(nueva) << "Alt+" << letra.toStdString() << ": "
                               << sitioLetra->second.toStdString() << " and " << t.toStdString();
        }

        for (const QPushButton* b : v->findChildren<QPushButton*>())
            EXPECT_FALSE(b->isDefault() && esSalida(b)) << nombre(b).toStdString();

        // Inside the screen, and within 1366×768 should the test screen ever be larger.
        EXPECT_TRUE(v->screen()->availableGeometry().contains(v->frameGeometry()))
            << "outside the screen";
        EXPECT_LE(v->frameGeometry().width(), 1366);
        const QFont negrita(v->font().family(), v->font().pointSize(), QFont::Bold);  // the title
        EXPECT_GE(v->width(), QFontMetrics(negrita).horizontalAdvance(v->windowTitle()) + 80);
        EXPECT_LE(v->frameGeometry().height(), 768);
        for (const QWidget* hijo : v->findChildren<QWidget*>())
            EXPECT_TRUE(!hijo->isVisible() || hijo->isWindow() ||
                        !hijo->parentWidget()->isVisible() ||
                        v->rect().contains(QRect(hijo->mapTo(v, QPoint()), hijo->size())))
                << nombre(hijo).toStdString() << " lies outside the window";
    }
};

TEST_F(TecladoVentanas, CadaVentanaYLasQueAbreSeUsanBienConElTeclado) {
    // Every window the menu opens is checked and closed with Escape. Then each gets 7 in every
    // field and its buttons pressed in order; the windows that appear so (traces, reasonings,
    // lists, the cipher steps) are checked too.
    compruebaVentana(principal.get());
    aceptaTodo();  // "Abrir" shows the file chooser modally: it is closed at once
    QList<QWidget*> vistas{principal.get()};
    const auto nueva = [&vistas](QWidget* v) {
        if (!vistas.contains(v)) vistas << v;
    };
    for (QAction* entrada : principal->findChildren<QAction*>()) {
        // Every menu entry that opens a window (not the alphabet choices, nor "Salir ").
        const QString n = entrada->objectName();
        if (entrada->menu() || entrada->isSeparator() || !entrada->isEnabled() ||
            !entrada->isVisible() || n.isEmpty() || n.startsWith("nalfa") || n == "nSalir") {
            continue;
        }
        entrada->trigger();
        QCoreApplication::processEvents();
        for (QWidget* v : QApplication::topLevelWidgets()) {
            if (!v->isVisible() || v == principal.get()) continue;
            nueva(v);
            compruebaVentana(v);
            QTest::keyClick(v, Qt::Key_Escape);
            EXPECT_FALSE(v->isVisible()) << nombre(v).toStdString() << ": Escape left it open";
        }
    }
    const qsizetype delMenu = vistas.size();
    EXPECT_GE(delMenu, 21);
    const auto recoge = [&] {
        for (QWidget* v : QApplication::topLevelWidgets())
            if (v->isVisible() && !v->isModal()) nueva(v);
    };
    abre("3", "1");  // the private-key and public-key windows, from their key windows
    sistemaRSA("61", "53", "17");
    recoge();
    for (qsizetype i = 1; i < vistas.size(); ++i) {
        QWidget* v = vistas[i];
        v->show();
        for (QLineEdit* c : v->findChildren<QLineEdit*>())
            if (c->isVisible() && c->isEnabled() && !c->isReadOnly()) c->setText("7");
        for (QPlainTextEdit* c : v->findChildren<QPlainTextEdit*>())
            if (c->isVisible() && c->isEnabled() && !c->isReadOnly()) c->setPlainText("hola");
        for (QPushButton* b : v->findChildren<QPushButton*>()) {
            if (b->isVisible() && b->isEnabled() && !esSalida(b) && v->isVisible()) b->click();
            recoge();
        }
    }
    EXPECT_GE(vistas.size() - delMenu, 8);
    for (qsizetype i = delMenu; i < vistas.size(); ++i) {
        vistas[i]->show();
        compruebaVentana(vistas[i]);
        vistas[i]->hide();
    }
}

// A field with the bindings a line edit has on an X11 desktop: Ctrl+E "end of line" and Ctrl+D
// "delete" (the offscreen platform gives it neither).
class CampoDeEscritorio : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    bool event(QEvent* evento) override {
        const auto* tecla = dynamic_cast<const QKeyEvent*>(evento);
        const bool suya = evento->type() == QEvent::ShortcutOverride && tecla &&
                          tecla->modifiers() == Qt::ControlModifier &&
                          (tecla->key() == Qt::Key_E || tecla->key() == Qt::Key_D);
        return suya ? (evento->accept(), true) : QLineEdit::event(evento);
    }
};

TEST_F(TecladoVentanas, LosAtajosDelMenuGananALasTeclasDeLosCampos) {
    const auto pulsaEn = [](QWidget* v, Qt::Key tecla) {
        auto* campo = new CampoDeEscritorio(v);
        campo->show();
        // The desktop asks the field first whether it keeps the key: it must not.
        QKeyEvent pregunta(QEvent::ShortcutOverride, tecla, Qt::ControlModifier);
        pregunta.ignore();
        QApplication::sendEvent(campo, &pregunta);
        EXPECT_FALSE(pregunta.isAccepted());
        v->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(v));
        campo->setFocus();
        QTest::keyClick(campo, tecla, Qt::ControlModifier);
        delete campo;
    };
    pulsaEn(principal.get(), Qt::Key_E);
    ASSERT_TRUE(abierta("frmEuclides"));
    // From a field of another window as well.
    pulsaEn(ventana("frmEuclides"), Qt::Key_D);
    EXPECT_TRUE(abierta("frmDiofanticas"));
}

TEST_F(TecladoVentanas, IntroLlevaElSistemaRSADeUnPasoAlSiguienteSinPerderPyQ) {
    accion("ncrippublica")->trigger();
    QWidget* rsa = abierta("frmSistemaRSA");
    ASSERT_TRUE(rsa);
    auto* p = control<QLineEdit>(rsa, "txprimop");
    EXPECT_EQ(rsa->focusWidget(), p);
    auto* q = control<QLineEdit>(rsa, "txprimoq");
    const auto intro = [rsa] { QTest::keyClick(rsa->focusWidget(), Qt::Key_Return); };
    QTest::keyClicks(p, "60");
    for (const Qt::Key tecla : {Qt::Key_Return, Qt::Key_Tab}) {  // on to q while it is empty
        QTest::keyClick(p, tecla);
        EXPECT_TRUE(rsa->focusWidget() == q && p->isEnabled()) << tecla;
        p->setFocus();
    }
    QTest::keyClicks(q, "50");
    intro();  // the nearest primes (61 and 53, read at the end)
    intro();  // accepted: n and φ(n), and t is next
    EXPECT_EQ(nombre(rsa->focusWidget()), "txAsignat");
    QTest::keyClick(rsa->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);  // p and q are done
    EXPECT_EQ(nombre(rsa->focusWidget()), "lbFeulerp_por_q") << "back to the result φ(n)";
    escribe(control<QLineEdit>(rsa, "txAsignat"), "16");
    intro();  // the nearest t prime to φ(n); 16 itself would be refused
    intro();  // accepted: s, without which "Continuar" stays disabled
    intro();  // "Continuar"
    EXPECT_TRUE(abierta("frmCripPublica") && rsa->isVisible());
    EXPECT_EQ(p->text() + ' ' + q->text(), "61 53");

    // Opened again, it starts over with the cursor in p and Enter on the first step.
    QTest::keyClick(rsa, Qt::Key_Escape);
    accion("ncrippublica")->trigger();
    EXPECT_EQ(rsa->focusWidget(), p);
    EXPECT_TRUE(control<QPushButton>(rsa, "btBuscarCercanoPyQ")->isDefault());
}

TEST_F(TecladoVentanas, LasVentanasSeAbrenJuntoALaQueLasPideYDentroDeLaPantalla) {
    const QRect pantalla(0, 0, 1600, 1000);
    // Beside it on the right, or on the left when the right has no room; never off the screen.
    for (const auto& [tam, origen, sitio] :
         {std::tuple{QSize(400, 300), QRect(100, 100, 500, 400), QRect(600, 100, 400, 300)},
          {QSize(400, 300), QRect(1000, 100, 500, 400), QRect(600, 100, 400, 300)},
          {QSize(700, 900), QRect(300, 600, 1000, 380), QRect(300, 100, 700, 900)},
          {QSize(2000, 1200), QRect(0, 0, 10, 10), pantalla}})
        EXPECT_EQ(gui::junto(QRect(QPoint(), tam), origen, pantalla), sitio);
    // Placed the first time only: a window the student moved stays where it was left.
    accion("n_ejecucion")->trigger();
    QWidget* euclides = abierta("frmEuclides");
    euclides->move(euclides->pos() + QPoint(-37, 23));
    const QPoint dejada = euclides->pos();
    accion("nfuneuler")->trigger();
    accion("n_ejecucion")->trigger();  // and comes to the front, with the keyboard
    EXPECT_EQ(euclides->pos(), dejada);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == euclides; }, 500));

    // The naming prompt belongs to the window it was asked from, and stands in front of it.
    accion("nCrearAlfa")->trigger();
    QWidget* define = abierta("frmDefineAlfabeto");
    ASSERT_TRUE(define);
    define->activateWindow();
    QCoreApplication::processEvents();
    // Symbol, Tab, code, Enter: "ASOCIAR".
    auto* simbolo = control<QComboBox>(define, "DpSimboloalfa");
    simbolo->setFocus();
    QTest::keyClicks(simbolo, "a");
    QTest::keyClick(simbolo, Qt::Key_Tab);
    QTest::keyClicks(define->focusWidget(), "0");
    QTest::keyClick(define->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(control<gui::Rejilla>(define, "Flexalfapropio")->cellText(0, 0), "a");
    bool preguntado = false;
    esperaDialogo("frnombrealfa", [&](QWidget* d) {
        preguntado = true;
        EXPECT_EQ(d->parentWidget(), define);
        EXPECT_TRUE(define->frameGeometry().contains(d->frameGeometry().center()));
        boton(d, "btCancelaNombreAlfa")->click();
    });
    pulsa(define, "btAceptarDefAlfa");
    EXPECT_TRUE(preguntado);
}

}  // namespace
}  // namespace zefra::pruebas
