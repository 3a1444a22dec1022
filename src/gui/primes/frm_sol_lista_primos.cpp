#include "gui/primes/frm_sol_lista_primos.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>
#include <utility>

#include "core/shell/numeros.hpp"
#include "gui/primes/modelo_primos.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/exportacion.hpp"
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

    // The rows shown, streamed from the table when saved.
    equipaExportacion(*this, contexto,
                      [this] {
                          Documento d{aCore(windowTitle()),
                                      {{"Números primos hasta", cota_},
                                       {"Número total de primos", textoDe(txnumprimos_)}},
                                      {},
                                      {}};
                          d.bloques.emplace_back(BloqueTabla{
                              modelo_->rowCount(), 1, false, false, [this](int fila, int) {
                                  return std::to_string(tabla_.primo(fila + 1));
                              }});
                          return d;
                      },
                      {txtSolListaPrimos_});
}

void FrmSolListaPrimos::empieza(std::string cota) {
    cota_ = std::move(cota);
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
