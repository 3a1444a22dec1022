// The menu "Practicar": each entry opens the practice window of its type of exercise.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "gui/practice/frm_practica.hpp"

namespace zefra::gui {

void anadeMenuPracticar(QMenuBar* barra, Contexto& contexto) {
    QMenu* menu = barra->addMenu(QStringLiteral("P&racticar"));
    menu->setObjectName(QStringLiteral("nPracticar"));
    for (const TipoPractica& tipo : tiposPractica()) {
        QAction* entrada = menu->addAction(QString::fromUtf8(tipo.titulo));
        entrada->setObjectName(QString::fromLatin1(tipo.entrada));
        const QString ventana = QString::fromLatin1(tipo.ventana);
        QObject::connect(entrada, &QAction::triggered, menu,
                         [&contexto, ventana] { contexto.abre<FrmPractica>(ventana); });
    }
}

}  // namespace zefra::gui
