#include "shell/frm_traza.hpp"

#include "ui/controles.hpp"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zefra::gui {

FrmTraza::FrmTraza(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmTraza"),
              QStringLiteral("TRAZA DEL ALGORITMO DE EUCLIDES")) {
    txTraza_ = new QPlainTextEdit(this);
    txTraza_->setObjectName(QStringLiteral("txTraza"));
    txTraza_->setReadOnly(true);
    txTraza_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* resto = new QLabel(QStringLiteral("RESTO"), this);
    resto->setBuddy(txTraza_);

    auto* botones = filaDeBotones(this, {});
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(resto);
    columna->addWidget(txTraza_, 1);
    columna->addLayout(botones);
    resize(320, 400);
}

}  // namespace zefra::gui
