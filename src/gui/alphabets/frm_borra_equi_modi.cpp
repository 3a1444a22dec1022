#include "gui/alphabets/frm_borra_equi_modi.hpp"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/alphabets/edicion.hpp"
#include "gui/alphabets/frm_modificar_alfabeto.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/teclado.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {

FrmBorraEquiModi::FrmBorraEquiModi(Contexto& contexto)
    : QDialog(contexto.principal), contexto_(contexto) {
    setObjectName(QStringLiteral("frmBorraEquiModi"));
    setWindowTitle(QStringLiteral("Borrar equivalencia"));
    simbolo_ = listaEditable(this, "dpsimborrar", {});
    codigo_ = listaEditable(this, "dpcodborrar", {});
    auto* campos = new QGridLayout;
    fila(campos, 0, QStringLiteral("Sím&bolo a borrar:"), simbolo_);
    fila(campos, 1, QStringLiteral("&Código a borrar:"), codigo_);
    auto* aceptar = boton(this, "btaceptar", QStringLiteral("&Aceptar"));
    auto* salir = boton(this, "btcancelar", QStringLiteral("&Salir"));
    aceptar->setDefault(true);
    connect(aceptar, &QPushButton::clicked, this, &FrmBorraEquiModi::aceptar);
    connect(salir, &QPushButton::clicked, this, &FrmBorraEquiModi::reject);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(aceptar);
    botones->addWidget(salir);
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(campos);
    columna->addLayout(botones);
    setMinimumWidth(320);
}

void FrmBorraEquiModi::llenaListas() {
    std::vector<std::string> simbolos;
    std::vector<std::string> codigos;
    for (const auto& e : contexto_.ventana<FrmModificarAlfabeto>().trabajo()) {
        simbolos.push_back(e.simbolo);
        codigos.push_back(e.codigo);
    }
    llenaLista(simbolo_, simbolos);
    llenaLista(codigo_, codigos);
}

void FrmBorraEquiModi::pide() {
    llenaListas();
    preparaModal(*this);
    exec();
}

void FrmBorraEquiModi::aceptar() {
    if (!contexto_.ventana<FrmModificarAlfabeto>().borra(aCore(simbolo_->currentText()),
                                                         aCore(codigo_->currentText()))) {
        return mensaje(this, kMensajeNoSeEncuentra);
    }
    llenaListas();  // the entry deleted is no longer offered
}

void FrmBorraEquiModi::reject() {
    simbolo_->setEditText({});
    codigo_->setEditText({});
    QDialog::reject();
}

}  // namespace zefra::gui
