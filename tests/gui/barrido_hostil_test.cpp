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
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <deque>
#include <iostream>
#include <set>

#include "alphabets/ranuras.hpp"
#include "alphabets/seleccion_alfabeto.hpp"
#include "gui/entorno.hpp"

namespace zefra::pruebas {
namespace {

// The budget of every computation during the sweep, and how far past it a click may run.
constexpr int kPresupuestoSegundos = 2;
constexpr qint64 kMargenMs = 2500;

QStringList textosHostiles() {
    return {QString(),
            QStringLiteral("   "),
            QStringLiteral("-"),
            QStringLiteral("+"),
            QStringLiteral(","),
            QStringLiteral("."),
            QStringLiteral("1e308"),
            QStringLiteral("1e309"),
            QStringLiteral("-0"),
            QStringLiteral("0,5"),
            QStringLiteral("2147483648"),
            QStringLiteral("-2147483648"),
            QStringLiteral("9007199254740993"),
            QStringLiteral("NaN"),
            QStringLiteral("inf"),
            QString(10000, QLatin1Char('7')),
            QString(10000, QLatin1Char('x')),
            QStringLiteral("ñ"),
            QStringLiteral("’"),
            QStringLiteral("😀"),
            QStringLiteral("\t"),
            QStringLiteral("\r\n"),
            QString(QChar(0))};
}

// Error traps the program reaches by design: values the fields accept that overflow the 32-bit
// steps, and the primality test's square root of a negative number.
bool trampaPrevista(const QString& mensaje) {
    static const QStringList previstas = {
        QStringLiteral(
            "Diofántica:La operación ha producido el siguiente error:\n\nDesbordamiento"),
        QStringLiteral(
            "btCalcupoten:La operación ha producido el siguiente error:\n\nDesbordamiento"),
        QStringLiteral(
            "btListaPrimos:La operación ha producido el siguiente error:\n\nDesbordamiento"),
        QStringLiteral("btesprimo:La operación ha producido el siguiente error:\n\nArgumento o "
                       "llamada a procedimiento no válida"),
    };
    return previstas.contains(mensaje);
}

class BarridoHostil : public PruebaVentanas {
  protected:
    BarridoHostil() {
        reloj.real = true;
        estado.tiempo.presupuesto.segundos = std::to_string(kPresupuestoSegundos);
        aceptaTodo();
        // A user alphabet whose codes leave gaps, loaded and chosen, so that the windows of
        // user alphabets are reached too.
        const Alfabeto huecos{"huecos", {{"a", "00"}, {"b", "01"}, {"c", "05"}, {"ñ", "07"}}};
        ocupaRanura(estado.ranuras[0], huecos, false);
        gui::SeleccionAlfabeto::de(principal->contexto()).ranuraCargada(0);
        accion("nalfaus(1)")->trigger();
    }

    static std::set<QWidget*> visibles() {
        std::set<QWidget*> v;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible()) v.insert(w);
        }
        return v;
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

    static bool esSalir(const QPushButton* b) {
        return b->objectName() == QStringLiteral("btsalir") ||
               b->objectName() == QStringLiteral("Command1");
    }
};

TEST_F(BarridoHostil, NingunaEntradaRompeNiCuelgaNiLlegaAUnaTrampaEvitable) {
    std::deque<QWidget*> pendientes;
    std::set<QWidget*> vistas{principal.get()};
    const auto recoge = [&](const std::set<QWidget*>& antes) {
        for (QWidget* w : visibles()) {
            if (!antes.count(w) && !vistas.count(w)) {
                vistas.insert(w);
                pendientes.push_back(w);
            }
        }
    };
    std::function<void(QWidget*)> recorreMenu = [&](QWidget* contenedor) {
        for (QAction* a : contenedor->actions()) {
            if (a->menu()) {
                recorreMenu(a->menu());
            } else if (!a->isSeparator() && a->isEnabled() && a->isVisible() &&
                       a->objectName() != QStringLiteral("nSalir")) {
                const auto antes = visibles();
                a->trigger();
                recoge(antes);
            }
        }
    };
    recorreMenu(principal->menuBar());

    int pulsaciones = 0;
    while (!pendientes.empty()) {
        QWidget* w = pendientes.front();
        pendientes.pop_front();
        SCOPED_TRACE(w->objectName().toStdString());
        for (const QString& texto : textosHostiles()) {
            w->show();
            escribeEnTodo(w, texto);
            for (QPushButton* b : w->findChildren<QPushButton*>()) {
                if (esSalir(b) || !b->isVisible() || !b->isEnabled() || !w->isVisible()) continue;
                const auto antes = visibles();
                QElapsedTimer reloj;
                reloj.start();
                b->click();
                ++pulsaciones;
                EXPECT_LT(reloj.elapsed(), kPresupuestoSegundos * 1000 + kMargenMs)
                    << b->objectName().toStdString() << " with " << texto.left(20).toStdString();
                recoge(antes);
            }
        }
        for (QPushButton* b : w->findChildren<QPushButton*>()) {
            if (esSalir(b) && b->isVisible()) b->click();
        }
    }

    QMap<QString, int> recuento;
    for (const QString& m : mensajesVistos()) {
        ++recuento[m];
        if (m.contains(QStringLiteral("La operación ha producido el siguiente error"))) {
            EXPECT_TRUE(trampaPrevista(m)) << m.toStdString();
        }
    }
    std::cout << vistas.size() - 1 << " windows, " << pulsaciones << " clicks, "
              << mensajesVistos().size() << " messages:\n";
    for (auto it = recuento.cbegin(); it != recuento.cend(); ++it) {
        std::cout << "  " << it.value() << " × " << it.key().left(90).toStdString() << '\n';
    }
    EXPECT_GE(vistas.size(), 25u);
}

}  // namespace
}  // namespace zefra::pruebas
