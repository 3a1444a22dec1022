#include "gui/alphabets/fr_nombre_alfa.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/alphabets/nombres.hpp"
#include "gui/alphabets/fr_guardar_alfabeto.hpp"
#include "gui/alphabets/frm_define_alfabeto.hpp"
#include "gui/alphabets/gestion_alfabetos.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/teclado.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {

FrNombreAlfa::FrNombreAlfa(Contexto& contexto) : QDialog(contexto.principal), contexto_(contexto) {
    setObjectName(QStringLiteral("frnombrealfa"));
    setWindowTitle(QStringLiteral("Nombre del alfabeto"));
    nombre_ = campo(this, "txnombrealfa");
    auto* pregunta = etiqueta(this, "lbquenombrealfa",
                              QStringLiteral("&Por favor, escribe aquí el nombre del alfabeto:"));
    pregunta->setBuddy(nombre_);
    auto* aceptar = boton(this, "btaceptarnombre", QStringLiteral("&Aceptar"));
    auto* cancelar = boton(this, "btCancelaNombreAlfa", QStringLiteral("&Cancelar"));
    aceptar->setDefault(true);
    connect(aceptar, &QPushButton::clicked, this, &FrNombreAlfa::aceptar);
    connect(cancelar, &QPushButton::clicked, this, &FrNombreAlfa::reject);

    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(aceptar);
    botones->addWidget(cancelar);
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(pregunta);
    columna->addWidget(nombre_);
    columna->addSpacing(8);
    columna->addLayout(botones);
    setMinimumWidth(380);
}

void FrNombreAlfa::pide() {
    nombre_->setFocus();
    preparaModal(*this);
    exec();
}

std::string FrNombreAlfa::nombre() const {
    return textoDe(nombre_);
}

void FrNombreAlfa::aceptar() {
    const std::string n = nombre();
    auto& estado = contexto_.estado;
    if (const auto rechazo = rechazoNombreNuevo(estado.ranuras, n)) return mensaje(this, *rechazo);
    auto& aviso = contexto_.ventana<FrGuardarAlfabeto>();
    const auto& define = contexto_.ventana<FrmDefineAlfabeto>();
    if (!define.cargarEnMemoria()) {
        return aviso.pregunta(QStringLiteral("NO SE CARGÓ EN MEMORIA."), QStringLiteral("0"), -1,
                              true);
    }
    const auto libre = primeraRanuraLibre(estado.ranuras);
    if (!libre) return mensaje(this, "Lo siento, no se ha podido cargar en memoria.");
    contexto_.gestionAlfabetos->carga(*libre, Alfabeto{n, define.equivalencias()});
    aviso.pregunta(QStringLiteral("ALFABETO CARGADO EN MEMORIA."), QStringLiteral("0"), *libre,
                   true);
}

void FrNombreAlfa::reject() {
    nombre_->clear();
    QDialog::reject();
}

}  // namespace zefra::gui
