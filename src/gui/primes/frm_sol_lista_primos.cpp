#include "gui/primes/frm_sol_lista_primos.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/shell/numeros.hpp"
#include "gui/primes/modelo_primos.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/vista_lineas.hpp"

namespace zefra::gui {

FrmSolListaPrimos::FrmSolListaPrimos(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmSolListaPrimos"),
              QStringLiteral("LISTA DE NUMEROS PRIMOS")) {
    modelo_ = new ModeloPrimos(tabla_, this);
    txtSolListaPrimos_ = new VistaLineas(this);
    txtSolListaPrimos_->setObjectName(QStringLiteral("txtSolListaPrimos"));
    txtSolListaPrimos_->setModel(modelo_);

    txnumprimos_ = new QLineEdit(this);
    txnumprimos_->setObjectName(QStringLiteral("txnumprimos"));
    txnumprimos_->setReadOnly(true);
    txnumprimos_->setMaximumWidth(110);
    auto* etiqueta = new QLabel(QStringLiteral("Número total de primos:"), this);
    etiqueta->setObjectName(QStringLiteral("lbSolListaPrimos"));
    etiqueta->setBuddy(txnumprimos_);

    auto* pie = new QHBoxLayout;
    pie->addWidget(etiqueta);
    pie->addWidget(txnumprimos_);
    pie->addStretch();
    pie->addWidget(botonSalir(this));
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(txtSolListaPrimos_, 1);
    columna->addLayout(pie);
    resize(380, 460);
}

void FrmSolListaPrimos::empieza() {
    modelo_->vacia();
    txnumprimos_->clear();
}

void FrmSolListaPrimos::muestraHasta(int cuenta) {
    modelo_->muestraHasta(cuenta);
}

void FrmSolListaPrimos::fijaCuenta(int cuenta) {
    txnumprimos_->setText(aQt(textoDecimal(cuenta)));
}

}  // namespace zefra::gui
