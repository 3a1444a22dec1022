#include "gui/shell/frm_aviso_salir.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zefra::gui {

FrmAvisoSalir::FrmAvisoSalir(Contexto& contexto) : QDialog(contexto.principal) {
    setObjectName(QStringLiteral("frmAvisoSalir"));
    setWindowTitle(QStringLiteral("AVISO"));
    setModal(true);

    auto* aviso = new QLabel(
        QStringLiteral(
            "Si cierras la aplicación los alfabetos mostrados a continuación se perderán:"),
        this);
    aviso->setObjectName(QStringLiteral("Label1"));
    aviso->setWordWrap(true);
    lbAvisoAlfabetos_ = new QLabel(this);
    lbAvisoAlfabetos_->setObjectName(QStringLiteral("lbAvisoAlfabetos"));
    lbAvisoAlfabetos_->setTextFormat(Qt::PlainText);  // names are never markup
    QFont negrita = lbAvisoAlfabetos_->font();
    negrita.setBold(true);
    lbAvisoAlfabetos_->setFont(negrita);

    auto* aceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
    aceptar->setObjectName(QStringLiteral("btAceptarAviso"));
    auto* cancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    cancelar->setObjectName(QStringLiteral("btCancelarAviso"));
    cancelar->setDefault(true);
    connect(aceptar, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelar, &QPushButton::clicked, this, &FrmAvisoSalir::reject);

    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(aceptar);
    botones->addWidget(cancelar);
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(aviso);
    columna->addWidget(lbAvisoAlfabetos_);
    columna->addStretch();
    columna->addLayout(botones);
    setMinimumWidth(420);
}

void FrmAvisoSalir::anadeAlfabeto(const QString& nombre) {
    lbAvisoAlfabetos_->setText(lbAvisoAlfabetos_->text() + nombre + QLatin1Char('\n'));
}

void FrmAvisoSalir::reject() {
    lbAvisoAlfabetos_->clear();
    QDialog::reject();
}

}  // namespace zefra::gui
