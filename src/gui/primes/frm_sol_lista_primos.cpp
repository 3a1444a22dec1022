#include "gui/primes/frm_sol_lista_primos.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>
#include <utility>

#include "core/shell/numeros.hpp"
#include "gui/graficas/graficas.hpp"
#include "gui/primes/modelo_primos.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/exportacion.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/vista_lineas.hpp"

namespace zefra::gui {

FrmSolListaPrimos::FrmSolListaPrimos(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmSolListaPrimos"),
              QStringLiteral("LISTA DE NUMEROS PRIMOS")),
      contexto_(contexto) {
    modelo_ = new ModeloPrimos(tabla_, this);
    lista_ = new VistaLineas(this);
    lista_->setObjectName(QStringLiteral("txtSolListaPrimos"));
    lista_->setAccessibleName(QStringLiteral("Lista de primos"));
    lista_->setModel(modelo_);

    cuenta_ = new QLineEdit(this);
    cuenta_->setObjectName(QStringLiteral("txnumprimos"));
    cuenta_->setReadOnly(true);
    cuenta_->setMaximumWidth(110);
    auto* etiqueta = new QLabel(QStringLiteral("Número total de primos:"), this);
    etiqueta->setObjectName(QStringLiteral("lbSolListaPrimos"));
    etiqueta->setBuddy(cuenta_);

    grafica_ = boton(this, "btGrafica", QStringLiteral("&Gráfica"));
    grafica_->setEnabled(false);
    connect(grafica_, &QPushButton::clicked, this,
            [this] { dibujaGrafica<FrGraficaPrimos>(contexto_, true, tabla_.primos(), cota_); });

    auto* pie = new QHBoxLayout;
    pie->addWidget(etiqueta);
    pie->addWidget(cuenta_);
    pie->addStretch();
    pie->addWidget(grafica_);
    pie->addWidget(botonSalir(this));
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(lista_, 1);
    columna->addLayout(pie);
    resize(380, 460);

    // The rows shown, streamed from the table when saved.
    equipaExportacion(*this, contexto,
                      [this] {
                          Documento d{aCore(windowTitle()),
                                      {{"Números primos hasta", cota_},
                                       {"Número total de primos", textoDe(cuenta_)}},
                                      {},
                                      {}};
                          d.bloques.emplace_back(BloqueTabla{
                              modelo_->rowCount(), 1, false, false, [this](int fila, int) {
                                  return std::to_string(tabla_.primo(fila + 1));
                              }});
                          return d;
                      },
                      {lista_});
}

void FrmSolListaPrimos::empieza(std::string cota) {
    cota_ = std::move(cota);
    modelo_->vacia();
    grafica_->setEnabled(false);
    cuenta_->clear();
}

void FrmSolListaPrimos::muestraHasta(int cuenta) {
    modelo_->muestraHasta(cuenta);
}

void FrmSolListaPrimos::fijaCuenta(int cuenta) {
    cuenta_->setText(aQt(textoDecimal(cuenta)));
    // The run has ended: its list can be drawn, and an open chart follows it.
    grafica_->setEnabled(cuenta > 0);
    if (cuenta > 0) dibujaGrafica<FrGraficaPrimos>(contexto_, false, tabla_.primos(), cota_);
}

}  // namespace zefra::gui
