#include "gui/alphabets/frm_modificar_alfabeto.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/alphabets/activo.hpp"
#include "core/alphabets/edicion.hpp"
#include "core/alphabets/nombres.hpp"
#include "gui/alphabets/fr_cambia_alfa_nombre.hpp"
#include "gui/alphabets/fr_guardar_alfabeto.hpp"
#include "gui/alphabets/frm_agregar_equi.hpp"
#include "gui/alphabets/frm_borra_equi_modi.hpp"
#include "gui/alphabets/gestion_alfabetos.hpp"
#include "gui/alphabets/seleccion_alfabeto.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/rejilla.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {

FrmModificarAlfabeto::FrmModificarAlfabeto(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmModificarAlfabeto"),
              QStringLiteral("Modificar Alfabeto seleccionado")),
      contexto_(contexto) {
    FlexAlfaSelec_ = rejillaDeAlfabeto(trabajo_, "FlexAlfaSelec", this);
    txSeCambio_ = campo(this, "txSeCambio", true);
    txSeCambio_->hide();
    auto* agregar = boton(this, "btAgregarEqui", QStringLiteral("A&gregar equivalencia"));
    auto* borrar = boton(this, "btBorrarEqui", QStringLiteral("&Borrar equivalencia"));
    auto* ordenar = boton(this, "btOrdenar", QStringLiteral("&Ordenar"));
    auto* nombre = boton(this, "btCambiaNomAlfa", QStringLiteral("¿&Cambiar nombre?"));
    auto* aceptar = boton(this, "btaceptarmodi", QStringLiteral("&Aceptar"));
    auto* salir = boton(this, "btCancelaModif", QStringLiteral("&Salir"));
    connect(agregar, &QPushButton::clicked, this,
            [this] { contexto_.ventana<FrmAgregarEqui>().pide(); });
    connect(borrar, &QPushButton::clicked, this,
            [this] { contexto_.ventana<FrmBorraEquiModi>().pide(); });
    connect(ordenar, &QPushButton::clicked, this, &FrmModificarAlfabeto::ordenar);
    connect(nombre, &QPushButton::clicked, this, [this] { contexto_.abre<FrCambiaAlfaNombre>(); });
    connect(aceptar, &QPushButton::clicked, this, &FrmModificarAlfabeto::aceptar);
    connect(salir, &QPushButton::clicked, this, &FrmModificarAlfabeto::salir);

    auto* tabla = new QVBoxLayout;
    auto* titulo = etiqueta(this, "Label1", QStringLiteral("&Tabla de equivalencia"));
    titulo->setBuddy(FlexAlfaSelec_);
    tabla->addWidget(titulo);
    tabla->addWidget(FlexAlfaSelec_, 1);
    auto* botones = new QVBoxLayout;
    for (QPushButton* b : {agregar, borrar, ordenar, nombre})
        botones->addWidget(b);
    botones->addStretch();
    botones->addWidget(aceptar);
    botones->addWidget(salir);
    auto* fila = new QHBoxLayout(this);
    fila->addLayout(tabla);
    fila->addLayout(botones, 1);
    resize(460, 460);
}

void FrmModificarAlfabeto::abreSobre(int ranura) {
    const auto& r = contexto_.estado.ranuras[static_cast<std::size_t>(ranura)];
    ranura_ = ranura;
    nombre_ = r.nombre;
    // A name left pending by an earlier opening that ended in "Salir" is not applied now.
    fijaNombrePendiente(std::nullopt);
    copiaTabla(r.tabla, trabajo_);
    Contexto::muestra(*this);
}

void FrmModificarAlfabeto::fijaNombrePendiente(std::optional<std::string> nombre) {
    nombrePendiente_ = std::move(nombre);
    txSeCambio_->setText(nombrePendiente_ ? aQt(*nombrePendiente_) : QStringLiteral("0"));
}

void FrmModificarAlfabeto::ordenar() {
    ordenaPorCodigo(trabajo_);
}

void FrmModificarAlfabeto::cambiaNombreAlfabeto() {
    auto& estado = contexto_.estado;
    if (*nombrePendiente_ == nombre_) return;  // the same name: nothing changes
    if (const auto rechazo = rechazoCambioNombre(estado.ranuras, ranura_, *nombrePendiente_)) {
        return mensaje(this, *rechazo);
    }
    renombraAlfabeto(estado, ranura_, *nombrePendiente_);
    nombre_ = *nombrePendiente_;
    SeleccionAlfabeto::de(contexto_).ranuraRenombrada(ranura_);
    contexto_.ventana<FrCambiaAlfaNombre>().vacia();
}

void FrmModificarAlfabeto::aceptar() {
    auto& estado = contexto_.estado;
    if (!GestionAlfabetos::de(contexto_).sigueCargado(ranura_, nombre_)) {
        mensaje(this, "El alfabeto que se estaba modificando ya no está cargado.");
        return salir();
    }
    auto& r = estado.ranuras[static_cast<std::size_t>(ranura_)];
    // The slot holds every code at the common width; a changed table is no longer the saved one.
    Tabla nueva = tablaAlfabeto();
    copiaTabla(trabajo_, nueva);
    igualaAnchos(nueva);
    const bool cambiada = equivalenciasDe(nueva) != equivalenciasDe(r.tabla);
    ocupaRanura(r, r.nombre, nueva, r.guardado && !cambiada);
    copiaTabla(r.tabla, trabajo_);
    if (nombrePendiente_) {
        cambiaNombreAlfabeto();
        fijaNombrePendiente(std::nullopt);
    }
    // The largest code may have changed: the active alphabet's modulus follows.
    if (esActivo(estado, ranura_)) fijaModulo(estado);
    contexto_.ventana<FrGuardarAlfabeto>().pregunta(QStringLiteral("Alfabeto modificado."),
                                                    QStringLiteral("6"), ranura_, true);
}

}  // namespace zefra::gui
