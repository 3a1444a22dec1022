// Every window as a screen reader meets it: the window has a window's role, every control Tab
// reaches has a name, every text a computation writes can be reached with Tab, and a grid
// reports the rows and columns it shows, not the ones it keeps hidden. And whatever a student
// types: every window the menu opens (and every window those open) gets each hostile text in
// every field it lets the student edit, then every button is pressed in order. Nothing may crash,
// hang past the time budget, or reach an error trap that a validation should have stopped.
#include <QAccessible>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTableView>
#include <set>

#include "gui/crypto/cifrado_prueba.hpp"
#include "gui/ui/accesibilidad.hpp"
#include "gui/ui/estilo_foco.hpp"

namespace zefra::pruebas {
namespace {

// The windows seen showing (modal ones too when `modales`), each once, in the order they first
// showed; `recoge` looks again.
struct Recorrido {
    std::vector<QWidget*> ventanas;
    bool modales = false;
    void recoge() {
        for (QWidget* v : QApplication::topLevelWidgets())
            if (v->isVisible() && (modales || !v->isModal()) &&
                std::ranges::find(ventanas, v) == ventanas.end())
                ventanas.push_back(v);
    }
};

// Writes `linea` in every field of `w` the student can edit (an editable list's too), and
// `plano` in every multi-line one.
void escribeEnTodo(QWidget* w, const QString& linea, const QString& plano) {
    for (QLineEdit* c : w->findChildren<QLineEdit*>())
        if (c->isVisible() && c->isEnabled() && !c->isReadOnly()) c->setText(linea);
    for (QPlainTextEdit* c : w->findChildren<QPlainTextEdit*>())
        if (c->isVisible() && c->isEnabled() && !c->isReadOnly()) c->setPlainText(plano);
}

class Accesibilidad : public PruebaCifrado {
  protected:
    void revisa(QWidget* v, const std::map<const QLabel*, QString>& antes) {
        SCOPED_TRACE(nombre(v).toStdString());
        const QAccessible::Role rol = QAccessible::queryAccessibleInterface(v)->role();
        EXPECT_TRUE(rol == QAccessible::Window || rol == QAccessible::Dialog) << rol;
        for (QWidget* c : v->findChildren<QWidget*>()) {
            if (!c->isVisibleTo(v) || c->window() != v) continue;
            QAccessibleInterface* i = QAccessible::queryAccessibleInterface(c);
            const auto* l = qobject_cast<QLabel*>(c);
            const bool tab = (c->focusPolicy() & Qt::TabFocus) && c->isEnabled() &&
                             !qobject_cast<QComboBox*>(c->parentWidget()) && !c->focusProxy() &&
                             !(l && l->text().isEmpty());
            EXPECT_TRUE(!tab || !i->text(QAccessible::Name).trimmed().isEmpty())
                << nombre(c).toStdString() << " has no name";
            const bool escrita = l && antes.contains(l) && antes.at(l) != l->text();
            EXPECT_TRUE(!escrita || l->text().isEmpty() || tab || l->buddy())
                << nombre(c).toStdString() << " cannot be reached";
            // A read-only text is read line by line: the arrows move a caret in it.
            const auto* t = qobject_cast<QPlainTextEdit*>(c);
            EXPECT_TRUE(!t || !t->isReadOnly() ||
                        (t->textInteractionFlags() & Qt::TextSelectableByKeyboard))
                << nombre(c).toStdString();
            if (auto* t = qobject_cast<QTableView*>(c)) {
                int filas = 0, columnas = 0;
                for (int f = 0; f < t->model()->rowCount(); ++f)
                    filas += !t->isRowHidden(f);
                for (int k = 0; k < t->model()->columnCount(); ++k)
                    columnas += !t->isColumnHidden(k);
                EXPECT_EQ(
                    std::pair(i->tableInterface()->rowCount(), i->tableInterface()->columnCount()),
                    std::pair(filas, columnas))
                    << nombre(t).toStdString();
            }
        }
    }
};

TEST_F(Accesibilidad, CadaVentanaSeOyeEntera) {
    aceptaTodo();
    abre("3", "1");  // the private-key window, and with it the key dialog
    Recorrido vistas{{principal.get()}};
    for (QAction* entrada : principal->findChildren<QAction*>()) {
        const QString n = entrada->objectName();
        if (entrada->menu() || n.isEmpty() || n.startsWith("nalfa") || n == "nSalir") continue;
        entrada->trigger();
        vistas.recoge();
    }
    // Each window gets 7 in its fields and its buttons pressed; the windows that opens are
    // walked too.
    for (std::size_t k = 0; k < vistas.ventanas.size(); ++k) {
        QWidget* v = vistas.ventanas[k];
        v->show();
        std::map<const QLabel*, QString> antes;  // to see which labels a computation writes
        for (const QLabel* l : v->findChildren<QLabel*>())
            antes[l] = l->text();
        escribeEnTodo(v, "7", "hola");
        for (QPushButton* b : v->findChildren<QPushButton*>()) {
            const QString t = b->text().remove('&');
            if (b->isVisible() && b->isEnabled() && t != "Salir" && t != "Cancelar" &&
                v->isVisible())
                b->click();
            vistas.recoge();
        }
        v->show();
        revisa(v, antes);
    }
    EXPECT_GE(vistas.ventanas.size(), 35u);
    // Formulas are read with their exponents; pictures are pictures.
    QStringList formulas;
    for (const QLabel* l : ventana("frmcalcupoten")->findChildren<QLabel*>())
        if (l->text().contains("<su")) formulas << l->accessibleName();
    EXPECT_EQ(formulas.join('|'), "[ a ] elevado a b|en Z sub n");
    QAccessibleInterface* emblema =
        QAccessible::queryAccessibleInterface(principal->findChild<QWidget*>("emblema"));
    EXPECT_TRUE(emblema->role() == QAccessible::Graphic &&
                emblema->text(QAccessible::Name) == "Emblema: el reloj de las clases de Z12");
    // The entries of a menu answer to Alt letters of their own; an entry has none only when
    // every letter of its caption is taken ("a-z, A-Z" after "a-z" and "A-Z").
    for (const QMenu* menu : principal->findChildren<QMenu*>()) {
        std::set<QChar> letras;
        QStringList sinLetra;
        for (const QAction* a : menu->actions()) {
            if (a->isSeparator() || !a->isVisible()) continue;
            const QString t = QString(a->text()).remove(QStringLiteral("&&"));
            const qsizetype i = t.indexOf('&');
            if (i < 0)
                sinLetra << t;
            else
                EXPECT_TRUE(letras.insert(t[i + 1].toLower()).second) << t.toStdString();
        }
        for (const QString& t : sinLetra)
            for (const QChar c : t)
                EXPECT_TRUE(!c.isLetterOrNumber() || letras.contains(c.toLower()))
                    << t.toStdString();
    }
}

// With a screen reader listening, the result takes the focus when it arrives, so that the
// reader speaks it; the list of primes and the grids are read line by line and cell by cell;
// the control with the focus shows it.
class Anuncio : public Conductor {
  protected:
    Anuncio() { gui::fijaLectorDePantalla(true); }
    ~Anuncio() override { gui::fijaLectorDePantalla(false); }
};

TEST_F(Anuncio, ElResultadoTomaElFocoYSeLeeEntero) {
    // The menu entry, window, button and fields; the values; the view that takes the focus.
    const char* const casos[] = {
        "nesprimo frmesprimo btesprimo txtesprimo|7|lbsolesprimo",
        "nfactorizacion frmfactoriza btfactoriza txnumf|12|txfactorizacion",
        "ncalcupoten frmcalcupoten btcalcupoten txn Txa Txb|7 3 5|txr",
        "n_baseb frmbaseb btcalculabaseb txelemzn txmodn2|987654321 7|txinver",
        "nListaprimos frmListaPrimos btaceptolista txttopeprimo|25|txtSolListaPrimos",
        "n_ejecucion frmEuclides btMcd txa txb|12 8|txmcd",  // the window the rest works on
    };
    for (const QString caso : casos) {
        const QStringList partes = caso.split('|');
        abre(partes[0]);
        calcula(partes[1].split(' '));
        QCoreApplication::processEvents();
        const QWidget* foco = QApplication::focusWidget();
        EXPECT_EQ(foco ? foco->objectName() : QString(), partes[2]) << caso.toStdString();
    }
    // The nine primes up to 25 as nine items, each its line.
    QAccessibleInterface* lista = QAccessible::queryAccessibleInterface(
        control<QWidget>(ventana("frmSolListaPrimos"), "txtSolListaPrimos"));
    ASSERT_EQ(lista->childCount(), 9);
    EXPECT_TRUE(lista->child(8)->text(QAccessible::Name) == "23" &&
                lista->child(8)->role() == QAccessible::ListItem &&
                lista->indexOfChild(lista->child(8)) == 8);
    // A cell of Euclid's table is read with its column's heading.
    // Enter on a focused button presses it, not the window's default button.
    boton("btTraza")->setFocus();
    QTest::keyClick(boton("btTraza"), Qt::Key_Return);
    // A cell's column heading, as a reader asks for it (Qt hands the headings over unowned).
    const auto cabecera = [](QWidget* rejilla, int columna) {
        QAccessibleInterface* tabla = QAccessible::queryAccessibleInterface(rejilla);
        const QList<QAccessibleInterface*> cabeceras =
            tabla->tableInterface()->cellAt(0, columna)->tableCellInterface()->columnHeaderCells();
        const QString texto =
            cabeceras.isEmpty() ? QString() : cabeceras[0]->text(QAccessible::Name);
        for (QAccessibleInterface* c : cabeceras)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(c));
        return texto;
    };
    EXPECT_EQ(cabecera(control<QWidget>(abierta("frTrazaEuclides"), "msflextrazaeuc"), 0),
              "Dividendo");
    // An alphabet's grid has no heading row, yet its cells are read as symbols and codes.
    accion("nCrearAlfa")->trigger();
    EXPECT_EQ(cabecera(control<QWidget>(ventana("frmDefineAlfabeto"), "Flexalfapropio"), 1),
              "Código");
    // The focus is seen: the control that has it, and only that one, shows the dark ring.
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    const auto anillo = [](QWidget* c) {
        const QImage imagen = c->grab().toImage();
        for (int i = 0; i < imagen.width() * imagen.height(); ++i)
            if (imagen.pixelColor(i % imagen.width(), i / imagen.width()) == gui::kColorFoco)
                return true;
        return false;
    };
    for (const char* nombre : {"btMcd", "txa", "btsalir"}) {
        control<QWidget>(w, nombre)->setFocus();
        EXPECT_TRUE(anillo(control<QWidget>(w, nombre)) && !anillo(control<QWidget>(w, "btTraza")))
            << nombre;
    }
}

// The budget of every computation during the sweep, and how far past it a click may run.
constexpr int kPresupuestoSegundos = 2;
constexpr qint64 kMargenMs = 2500;

// Empty, blank and sign-only texts, numbers at the edges of what the fields hold, symbols
// beyond ASCII, control characters and huge texts.
QStringList hostiles() {
    // clang-format off
    return QStringList{"", "   ", "-", "+", ",", ".", "1e308", "1e309", "-0", "0,5", "NaN", "inf", "2147483648", "-2147483648",
                       "9007199254740993", "ñ", "’", "😀", "\t", "\r\n", QString(QChar(0)), QString(10000, '7'), QString(10000, 'x')};
    // clang-format on
}

// Error traps the program reaches by design: values the fields accept that overflow the 32-bit
// steps, and the primality test's square root of a negative number.
bool trampaPrevista(const QString& mensaje) {
    const QString trampa = "%1:La operación ha producido el siguiente error:\n\n%2";
    return QStringList{trampa.arg("Diofántica", "Desbordamiento"),
                       trampa.arg("btCalcupoten", "Desbordamiento"),
                       trampa.arg("btListaPrimos", "Desbordamiento"),
                       trampa.arg("btesprimo", "Argumento o llamada a procedimiento no válida")}
        .contains(mensaje);
}

class BarridoHostil : public PruebaVentanas {
  protected:
    BarridoHostil() {
        reloj.real = true;
        estado.tiempo.fijaCampo(&Presupuesto::segundos, std::to_string(kPresupuestoSegundos));
        aceptaTodo();
        // A user alphabet whose codes leave gaps, loaded and chosen, so that the windows of
        // user alphabets are reached too.
        const Alfabeto huecos{"huecos", {{"a", "00"}, {"b", "01"}, {"c", "05"}, {"ñ", "07"}}};
        ocupaRanura(estado.ranuras[0], huecos, false);
        principal->contexto().seleccionAlfabeto->ranuraCargada(0);
        accion("nalfaus(1)")->trigger();
    }
};

TEST_F(BarridoHostil, NingunaEntradaRompeNiCuelgaNiLlegaAUnaTrampaEvitable) {
    // Every window seen showing is swept once, in the order it first showed.
    Recorrido vistas{{principal.get()}, true};
    std::function<void(QWidget*)> recorreMenu = [&](QWidget* contenedor) {
        for (QAction* a : contenedor->actions()) {
            if (a->menu()) {
                recorreMenu(a->menu());
            } else if (!a->isSeparator() && a->isEnabled() && a->isVisible() &&
                       a->objectName() != "nSalir") {
                a->trigger();
                vistas.recoge();
            }
        }
    };
    recorreMenu(principal->menuBar());

    const auto salir = [](const QPushButton* b) {
        return b->objectName() == "btsalir" || b->objectName() == "Command1";
    };
    for (std::size_t k = 1; k < vistas.ventanas.size(); ++k) {
        QWidget* v = vistas.ventanas[k];
        SCOPED_TRACE(v->objectName().toStdString());
        for (const QString& texto : hostiles()) {
            v->show();
            escribeEnTodo(v, texto, texto);
            for (QPushButton* b : v->findChildren<QPushButton*>()) {
                if (salir(b) || !b->isVisible() || !b->isEnabled() || !v->isVisible()) continue;
                QElapsedTimer cronometro;
                cronometro.start();
                b->click();
                EXPECT_LT(cronometro.elapsed(), kPresupuestoSegundos * 1000 + kMargenMs)
                    << b->objectName().toStdString() << " with " << texto.left(20).toStdString();
                vistas.recoge();
            }
        }
        for (QPushButton* b : v->findChildren<QPushButton*>())
            if (salir(b) && b->isVisible()) b->click();
    }

    for (const QString& m : mensajesVistos())
        EXPECT_TRUE(!m.contains("La operación ha producido el siguiente error") ||
                    trampaPrevista(m))
            << m.toStdString();
    EXPECT_GE(vistas.ventanas.size(), 25u);
}

}  // namespace
}  // namespace zefra::pruebas
