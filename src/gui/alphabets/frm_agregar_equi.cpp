#include "gui/alphabets/frm_agregar_equi.hpp"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/alphabets/edicion.hpp"
#include "gui/alphabets/frm_modificar_alfabeto.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/teclado.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {

FrmAgregarEqui::FrmAgregarEqui(Contexto& contexto)
    : QDialog(contexto.principal), contexto_(contexto) {
    setObjectName(QStringLiteral("frmAgregarEqui"));
    setWindowTitle(QStringLiteral("Agregar Equivalencia"));
    simbolo_ = listaEditable(this, "DpAgregaSim", {});
    codigo_ = listaEditable(this, "DpCodAsoc", {});
    despuesDe_ = listaEditable(this, "DpSimboloalfa", {});

    auto* nueva = new QGroupBox(this);
    auto* campos = new QGridLayout(nueva);
    fila(campos, 0, QStringLiteral("Sím&bolo a agregar:"), simbolo_);
    fila(campos, 1, QStringLiteral("&Código asociado:"), codigo_);
    auto* lugar = new QGroupBox(this);
    auto* columnaLugar = new QVBoxLayout(lugar);
    columnaLugar->addWidget(new QLabel(
        QStringLiteral("Indica a continuación de qué símbolo lo quieres agregar:"), lugar));
    auto* despues = new QGridLayout;
    fila(despues, 0, QStringLiteral("&Símbolo:"), despuesDe_);
    columnaLugar->addLayout(despues);

    auto* aceptar = boton(this, "btAceptaAgregar", QStringLiteral("&Aceptar"));
    auto* cancelar = boton(this, "btCancelaAgregar", QStringLiteral("Ca&ncelar"));
    aceptar->setDefault(true);
    connect(aceptar, &QPushButton::clicked, this, &FrmAgregarEqui::aceptar);
    connect(cancelar, &QPushButton::clicked, this, &FrmAgregarEqui::reject);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(aceptar);
    botones->addWidget(cancelar);
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(nueva);
    columna->addWidget(lugar);
    columna->addLayout(botones);
}

void FrmAgregarEqui::llenaSimbolosDeLaTabla() {
    std::vector<std::string> simbolos;
    for (const auto& e : contexto_.ventana<FrmModificarAlfabeto>().trabajo())
        simbolos.push_back(e.simbolo);
    llenaLista(despuesDe_, simbolos);
}

void FrmAgregarEqui::pide() {
    llenaLista(simbolo_, simbolosOfrecidos());
    llenaLista(codigo_, codigosOfrecidos());
    llenaSimbolosDeLaTabla();
    preparaModal(*this);
    exec();
}

void FrmAgregarEqui::aceptar() {
    const QString despuesDe = despuesDe_->currentText();
    const auto rechazo = contexto_.ventana<FrmModificarAlfabeto>().agrega(
        aCore(simbolo_->currentText()), aCore(codigo_->currentText()), aCore(despuesDe));
    if (rechazo) return mensaje(this, *rechazo);
    // Ready for the next symbol.
    codigo_->setEditText({});
    llenaSimbolosDeLaTabla();
    despuesDe_->setEditText(despuesDe);
}

}  // namespace zefra::gui
