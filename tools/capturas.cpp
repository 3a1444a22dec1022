// Renders the program's windows to PNG files, for the README and for checking them by eye:
//   zefra-capturas <folder>
// It drives the real windows through the menu, as a student would.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTimer>
#include <functional>

#include "arithmetic/numeros.hpp"
#include "shell/estado.hpp"
#include "shell/frm_principal.hpp"
#include "ui/reloj_sistema.hpp"

namespace {

using zefra::gui::FrmPrincipal;

QWidget* ventana(FrmPrincipal& principal, const QString& nombre) {
    for (QWidget* w : principal.findChildren<QWidget*>(nombre)) {
        if (w->isWindow()) return w;
    }
    return nullptr;
}

void escribe(QWidget* w, const char* campo, const QString& texto) {
    w->findChild<QLineEdit*>(QString::fromLatin1(campo))->setText(texto);
}

void pulsa(QWidget* w, const char* boton) {
    w->findChild<QAbstractButton*>(QString::fromLatin1(boton))->click();
}

void guarda(QWidget* w, const QDir& carpeta) {
    QApplication::processEvents();
    w->grab().save(carpeta.filePath(w->objectName() + QStringLiteral(".png")));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication aplicacion(argc, argv);
    const QDir carpeta(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    zefra::fijaSeparadorDecimal(',');
    const zefra::gui::RelojSistema reloj;
    zefra::Estado estado(reloj);
    FrmPrincipal principal(estado);
    principal.show();

    QTimer::singleShot(300, [&] {
        guarda(&principal, carpeta);

        principal.findChild<QAction*>(QStringLiteral("n_ejecucion"))->trigger();
        QWidget* euclides = ventana(principal, QStringLiteral("frmEuclides"));
        escribe(euclides, "txa", QStringLiteral("308061521170129"));
        escribe(euclides, "txb", QStringLiteral("190392490709135"));
        pulsa(euclides, "btMcd");
        guarda(euclides, carpeta);
        pulsa(euclides, "btTraza");
        guarda(ventana(principal, QStringLiteral("frTrazaEuclides")), carpeta);

        principal.findChild<QAction*>(QStringLiteral("nListaprimos"))->trigger();
        QWidget* lista = ventana(principal, QStringLiteral("frmListaPrimos"));
        escribe(lista, "txttopeprimo", QStringLiteral("100000"));
        guarda(lista, carpeta);
        pulsa(lista, "btaceptolista");
        guarda(ventana(principal, QStringLiteral("frmSolListaPrimos")), carpeta);

        principal.findChild<QAction*>(QStringLiteral("nesprimo"))->trigger();
        QWidget* esPrimo = ventana(principal, QStringLiteral("frmesprimo"));
        escribe(esPrimo, "txtesprimo", QStringLiteral("9007199254740881"));
        pulsa(esPrimo, "btesprimo");
        guarda(esPrimo, carpeta);

        principal.findChild<QAction*>(QStringLiteral("nfactorizacion"))->trigger();
        QWidget* factoriza = ventana(principal, QStringLiteral("frmfactoriza"));
        escribe(factoriza, "txnumf", QStringLiteral("2147483646"));
        pulsa(factoriza, "btfactoriza");
        guarda(factoriza, carpeta);

        principal.findChild<QAction*>(QStringLiteral("nAcercaDe"))->trigger();
        guarda(ventana(principal, QStringLiteral("frAcercaDe")), carpeta);
        QApplication::quit();
    });
    return QApplication::exec();
}
