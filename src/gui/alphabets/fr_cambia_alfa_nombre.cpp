#include "gui/alphabets/fr_cambia_alfa_nombre.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/alphabets/nombres.hpp"
#include "gui/alphabets/frm_modificar_alfabeto.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {

FrCambiaAlfaNombre::FrCambiaAlfaNombre(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frCambiaAlfaNombre"),
              QStringLiteral("Cambiar nombre del alfabeto")),
      contexto_(contexto) {
    nombreNuevo_ = campo(this, "txNuevoNomAlfa");
    auto* etiquetaNombre = new QLabel(QStringLiteral("&Nuevo nombre:"), this);
    etiquetaNombre->setBuddy(nombreNuevo_);
    auto* aceptar = boton(this, "btAceptaNombre", QStringLiteral("&Aceptar"));
    auto* cancelar = boton(this, "btCancelaNombre", QStringLiteral("&Cancelar"));
    aceptar->setDefault(true);
    connect(nombreNuevo_, &QLineEdit::returnPressed, this, &FrCambiaAlfaNombre::aceptar);
    connect(aceptar, &QPushButton::clicked, this, &FrCambiaAlfaNombre::aceptar);
    connect(cancelar, &QPushButton::clicked, this, &FrCambiaAlfaNombre::salir);

    auto* nombre = new QHBoxLayout;
    nombre->addWidget(etiquetaNombre);
    nombre->addWidget(nombreNuevo_, 1);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(aceptar);
    botones->addWidget(cancelar);
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(nombre);
    columna->addLayout(botones);
    resize(380, 100);
}

void FrCambiaAlfaNombre::vacia() {
    nombreNuevo_->clear();
}

void FrCambiaAlfaNombre::aceptar() {
    contexto_.estado.tiempo.reiniciaTiempo();
    auto& modificar = contexto_.ventana<FrmModificarAlfabeto>();
    const std::string nombre = textoDe(nombreNuevo_);
    if (const auto rechazo =
            rechazoCambioNombre(contexto_.estado.ranuras, modificar.ranura(), nombre)) {
        return mensaje(this, *rechazo);
    }
    modificar.fijaNombrePendiente(nombre);
    Ventana::salir();
}

void FrCambiaAlfaNombre::salir() {
    contexto_.estado.tiempo.reiniciaTiempo();
    contexto_.ventana<FrmModificarAlfabeto>().fijaNombrePendiente(std::nullopt);
    Ventana::salir();
}

}  // namespace zefra::gui
