// Whatever a student types: every window the menu opens (and every window those open) gets each
// hostile text in every field it lets the student edit, then every button is pressed in order.
// Nothing may crash, hang past the time budget, or reach an error trap that a validation should
// have stopped.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <deque>
#include <iostream>
#include <set>

#include "core/alphabets/ranuras.hpp"
#include "gui/alphabets/seleccion_alfabeto.hpp"
#include "gui/entorno.hpp"

namespace zefra::pruebas {
namespace {

// The budget of every computation during the sweep, and how far past it a click may run.
constexpr int kPresupuestoSegundos = 2;
constexpr qint64 kMargenMs = 2500;

// Empty, blank and sign-only texts, numbers at the edges of what the fields hold, symbols
// beyond ASCII, control characters and huge texts.
QStringList hostiles() {
    return QStringList{"",    "   ",   "-",          "+",           ",",
                       ".",   "1e308", "1e309",      "-0",          "0,5",
                       "NaN", "inf",   "2147483648", "-2147483648", "9007199254740993",
                       "ñ",   "’",     "😀",          "\t",          "\r\n"}
           << QString(QChar(0)) << QString(10000, '7') << QString(10000, 'x');
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

    static void escribeEnTodo(QWidget* w, const QString& texto) {
        for (QLineEdit* c : w->findChildren<QLineEdit*>()) {
            if (c->isVisible() && c->isEnabled() && !c->isReadOnly() &&
                !qobject_cast<QComboBox*>(c->parentWidget())) {
                c->setText(texto);
            }
        }
        for (QPlainTextEdit* c : w->findChildren<QPlainTextEdit*>()) {
            if (c->isVisible() && c->isEnabled() && !c->isReadOnly()) c->setPlainText(texto);
        }
        for (QComboBox* c : w->findChildren<QComboBox*>()) {
            if (c->isVisible() && c->isEnabled() && c->isEditable()) c->setEditText(texto);
        }
    }
};

TEST_F(BarridoHostil, NingunaEntradaRompeNiCuelgaNiLlegaAUnaTrampaEvitable) {
    // Every window seen showing is swept once, in the order it first showed.
    std::deque<QWidget*> pendientes;
    std::set<QWidget*> vistas{principal.get()};
    const auto recoge = [&] {
        for (QWidget* v : QApplication::topLevelWidgets()) {
            if (v->isVisible() && vistas.insert(v).second) pendientes.push_back(v);
        }
    };
    std::function<void(QWidget*)> recorreMenu = [&](QWidget* contenedor) {
        for (QAction* a : contenedor->actions()) {
            if (a->menu()) {
                recorreMenu(a->menu());
            } else if (!a->isSeparator() && a->isEnabled() && a->isVisible() &&
                       a->objectName() != "nSalir") {
                a->trigger();
                recoge();
            }
        }
    };
    recorreMenu(principal->menuBar());

    const auto salir = [](const QPushButton* b) {
        return b->objectName() == "btsalir" || b->objectName() == "Command1";
    };
    int pulsaciones = 0;
    while (!pendientes.empty()) {
        QWidget* v = pendientes.front();
        pendientes.pop_front();
        SCOPED_TRACE(v->objectName().toStdString());
        for (const QString& texto : hostiles()) {
            v->show();
            escribeEnTodo(v, texto);
            for (QPushButton* b : v->findChildren<QPushButton*>()) {
                if (salir(b) || !b->isVisible() || !b->isEnabled() || !v->isVisible()) continue;
                QElapsedTimer cronometro;
                cronometro.start();
                b->click();
                ++pulsaciones;
                EXPECT_LT(cronometro.elapsed(), kPresupuestoSegundos * 1000 + kMargenMs)
                    << b->objectName().toStdString() << " with " << texto.left(20).toStdString();
                recoge();
            }
        }
        for (QPushButton* b : v->findChildren<QPushButton*>()) {
            if (salir(b) && b->isVisible()) b->click();
        }
    }

    for (const QString& m : mensajesVistos()) {
        EXPECT_TRUE(!m.contains("La operación ha producido el siguiente error") ||
                    trampaPrevista(m))
            << m.toStdString();
    }
    std::cout << vistas.size() - 1 << " windows, " << pulsaciones << " clicks, "
              << mensajesVistos().size() << " messages\n";
    EXPECT_GE(vistas.size(), 25u);
}

}  // namespace
}  // namespace zefra::pruebas
