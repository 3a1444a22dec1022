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
    aviso_ = new QLabel(this);
    aviso_->setObjectName(QStringLiteral("lbAvisoAlfabetos"));
    aviso_->setTextFormat(Qt::PlainText);  // names are never markup
    QFont negrita = aviso_->font();
    negrita.setBold(true);
    aviso_->setFont(negrita);

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
    columna->addWidget(aviso_);
    columna->addStretch();
    columna->addLayout(botones);
    setMinimumWidth(420);
}

void FrmAvisoSalir::anadeAlfabeto(const QString& nombre) {
    aviso_->setText(aviso_->text() + nombre + QLatin1Char('\n'));
}

void FrmAvisoSalir::reject() {
    aviso_->clear();
    QDialog::reject();
}

}  // namespace zefra::gui
