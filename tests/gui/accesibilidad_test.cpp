// Every window as a screen reader meets it: the window has a window's role, every control Tab
// reaches has a name, every text a computation writes can be reached with Tab, and a grid
// reports the rows and columns it shows, not the ones it keeps hidden.
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <map>
#include <set>

#include "gui/conductor.hpp"
#include "gui/crypto/cifrado_prueba.hpp"
#include "gui/ui/accesibilidad.hpp"
#include "gui/ui/estilo_foco.hpp"

namespace zefra::pruebas {
namespace {

QString nombre(const QWidget* w) {
    return w->objectName().isEmpty() ? QString(w->metaObject()->className()) : w->objectName();
}

class Accesibilidad : public PruebaCifrado {
  protected:
    // The texts of a window's labels, to see which ones a computation writes.
    static std::map<const QLabel*, QString> etiquetas(const QWidget* v) {
        std::map<const QLabel*, QString> textos;
        for (const QLabel* l : v->findChildren<QLabel*>())
            textos[l] = l->text();
        return textos;
    }

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
            if (tab) {
                EXPECT_FALSE(i->text(QAccessible::Name).trimmed().isEmpty())
                    << nombre(c).toStdString() << " has no name";
            }
            if (l && antes.contains(l) && antes.at(l) != l->text() && !l->text().isEmpty()) {
                EXPECT_TRUE(tab || l->buddy()) << nombre(l).toStdString() << " cannot be reached";
            }
            // A read-only text is read line by line: the arrows move a caret in it.
            if (auto* t = qobject_cast<QPlainTextEdit*>(c); t && t->isReadOnly()) {
                EXPECT_TRUE(t->textInteractionFlags() & Qt::TextSelectableByKeyboard)
                    << nombre(t).toStdString();
            }
            if (auto* t = qobject_cast<QTableView*>(c)) {
                int filas = 0, columnas = 0;
                for (int f = 0; f < t->model()->rowCount(); ++f)
                    filas += !t->isRowHidden(f);
                for (int k = 0; k < t->model()->columnCount(); ++k)
                    columnas += !t->isColumnHidden(k);
                EXPECT_EQ(i->tableInterface()->rowCount(), filas) << nombre(t).toStdString();
                EXPECT_EQ(i->tableInterface()->columnCount(), columnas) << nombre(t).toStdString();
            }
        }
    }
};

TEST_F(Accesibilidad, CadaVentanaSeOyeEntera) {
    aceptaTodo();
    abre("3", "1");  // the private-key window, and with it the key dialog
    std::vector<QWidget*> vistas{principal.get()};
    const auto recoge = [&] {
        for (QWidget* v : QApplication::topLevelWidgets()) {
            if (v->isVisible() && !v->isModal() &&
                std::find(vistas.begin(), vistas.end(), v) == vistas.end())
                vistas.push_back(v);
        }
    };
    for (QAction* entrada : principal->findChildren<QAction*>()) {
        const QString n = entrada->objectName();
        if (entrada->menu() || n.isEmpty() || n.startsWith("nalfa") || n == "nSalir") continue;
        entrada->trigger();
        recoge();
    }
    // Each window gets 7 in its fields and its buttons pressed; the windows that opens are
    // walked too.
    for (std::size_t k = 0; k < vistas.size(); ++k) {
        QWidget* v = vistas[k];
        v->show();
        const auto antes = etiquetas(v);
        for (QLineEdit* c : v->findChildren<QLineEdit*>()) {
            if (c->isVisible() && c->isEnabled() && !c->isReadOnly()) c->setText("7");
        }
        for (QPlainTextEdit* c : v->findChildren<QPlainTextEdit*>()) {
            if (c->isVisible() && c->isEnabled() && !c->isReadOnly()) c->setPlainText("hola");
        }
        for (QPushButton* b : v->findChildren<QPushButton*>()) {
            const QString t = b->text().remove('&');
            if (b->isVisible() && b->isEnabled() && t != "Salir" && t != "Cancelar" &&
                v->isVisible())
                b->click();
            recoge();
        }
        v->show();
        revisa(v, antes);
    }
    EXPECT_GE(vistas.size(), 35u);
    // Formulas are read with their exponents; pictures are pictures.
    QStringList formulas;
    for (const QLabel* l : ventana("frmcalcupoten")->findChildren<QLabel*>()) {
        if (l->text().contains("<su")) formulas << l->accessibleName();
    }
    EXPECT_EQ(formulas.join('|'), "[ a ] elevado a b|en Z sub n");
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(principal->findChild<QWidget*>("emblema"))->role(),
        QAccessible::Graphic);
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
        for (const QString& t : sinLetra) {
            for (const QChar c : t)
                EXPECT_TRUE(!c.isLetterOrNumber() || letras.contains(c.toLower()))
                    << t.toStdString();
        }
    }
}

// With a screen reader listening, the result takes the focus when it arrives, so that the
// reader speaks it; the list of primes and the grids are read line by line and cell by cell.
class Anuncio : public Conductor {
  protected:
    Anuncio() { gui::fijaLectorDePantalla(true); }
    ~Anuncio() override { gui::fijaLectorDePantalla(false); }
};

TEST_F(Anuncio, ElResultadoTomaElFocoYSeLeeEntero) {
    // The menu entry, window, button and fields; the values; the view that takes the focus.
    const char* const casos[] = {
        "n_ejecucion frmEuclides btMcd txa txb|12 8|txmcd",
        "nesprimo frmesprimo btesprimo txtesprimo|7|lbsolesprimo",
        "nfactorizacion frmfactoriza btfactoriza txnumf|12|txfactorizacion",
        "ncalcupoten frmcalcupoten btcalcupoten txn Txa Txb|7 3 5|txr",
        "n_baseb frmbaseb btcalculabaseb txelemzn txmodn2|987654321 7|txinver",
        "nListaprimos frmListaPrimos btaceptolista txttopeprimo|25|txtSolListaPrimos",
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
    EXPECT_EQ(lista->child(8)->text(QAccessible::Name), "23");
    EXPECT_EQ(lista->child(8)->role(), QAccessible::ListItem);
    EXPECT_EQ(lista->indexOfChild(lista->child(8)), 8);
    // A cell of Euclid's table is read with its column's heading.
    abre("n_ejecucion frmEuclides btMcd txa txb");
    calcula({"12", "8"});
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
}

// The focus is seen: the control that has it, and only that one, shows the dark ring.
TEST_F(Anuncio, ElFocoSeVe) {
    abre("n_ejecucion frmEuclides btMcd txa txb");
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    const auto anillo = [](QWidget* c) {
        const QImage imagen = c->grab().toImage();
        for (int y = 0; y < imagen.height(); ++y) {
            for (int x = 0; x < imagen.width(); ++x)
                if (imagen.pixelColor(x, y) == gui::kColorFoco) return true;
        }
        return false;
    };
    for (const char* nombre : {"btMcd", "txa", "btsalir"}) {
        control<QWidget>(w, nombre)->setFocus();
        EXPECT_TRUE(anillo(control<QWidget>(w, nombre))) << nombre;
        EXPECT_FALSE(anillo(control<QWidget>(w, "btTraza"))) << nombre;
    }
}

}  // namespace
}  // namespace zefra::pruebas
