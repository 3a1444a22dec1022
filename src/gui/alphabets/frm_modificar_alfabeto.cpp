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
    rejilla_ = rejillaDeAlfabeto(tabla_, "FlexAlfaSelec", this);
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
    titulo->setBuddy(rejilla_);
    tabla->addWidget(titulo);
    tabla->addWidget(rejilla_, 1);
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
    nombre_ = r.alfabeto.nombre;
    // A name left pending by an earlier opening that ended in "Salir" is not applied now.
    fijaNombrePendiente(std::nullopt);
    trabajo_ = r.alfabeto.equivalencias;
    muestra();
    Contexto::muestra(*this);
}

void FrmModificarAlfabeto::muestra() {
    muestraAlfabeto(Alfabeto{{}, trabajo_}, tabla_);
}

std::optional<std::string> FrmModificarAlfabeto::agrega(std::string_view simbolo,
                                                        std::string_view codigo,
                                                        std::string_view despuesDe) {
    auto rechazo = agregaEquivalencia(trabajo_, simbolo, codigo, despuesDe);
    if (!rechazo) muestra();
    return rechazo;
}

bool FrmModificarAlfabeto::borra(std::string_view simbolo, std::string_view codigo) {
    const bool borrada = borraEquivalencia(trabajo_, simbolo, codigo);
    if (borrada) muestra();
    return borrada;
}

void FrmModificarAlfabeto::ordenar() {
    ordenaPorCodigo(trabajo_);
    muestra();
}

void FrmModificarAlfabeto::cambiaNombreAlfabeto() {
    auto& estado = contexto_.estado;
    if (*nombrePendiente_ == nombre_) return;  // the same name: nothing changes
    if (const auto rechazo = rechazoCambioNombre(estado.ranuras, ranura_, *nombrePendiente_)) {
        return mensaje(this, *rechazo);
    }
    renombraAlfabeto(estado.ranuras, estado.alfabeto, ranura_, *nombrePendiente_);
    nombre_ = *nombrePendiente_;
    contexto_.seleccionAlfabeto->ranuraRenombrada(ranura_);
    contexto_.ventana<FrCambiaAlfaNombre>().vacia();
}

void FrmModificarAlfabeto::aceptar() {
    auto& estado = contexto_.estado;
    if (!contexto_.gestionAlfabetos->sigueCargado(ranura_, nombre_)) {
        mensaje(this, "El alfabeto que se estaba modificando ya no está cargado.");
        return salir();
    }
    auto& r = estado.ranuras[static_cast<std::size_t>(ranura_)];
    // The slot holds every code at the common width; a changed table is no longer the saved one.
    Alfabeto nuevo{r.alfabeto.nombre, trabajo_};
    igualaAnchos(nuevo.equivalencias);
    const bool cambiada = nuevo.equivalencias != r.alfabeto.equivalencias;
    ocupaRanura(r, std::move(nuevo), r.guardado && !cambiada);
    trabajo_ = r.alfabeto.equivalencias;
    muestra();
    if (nombrePendiente_) {
        cambiaNombreAlfabeto();
        fijaNombrePendiente(std::nullopt);
    }
    // The largest code may have changed: the active alphabet's modulus follows.
    if (esActivo(estado.ranuras, estado.alfabeto, ranura_) &&
        fijaModulo(estado.ranuras, estado.alfabeto)) {
        emit contexto_.avisos.moduloAlfabeto(estado.alfabeto.modulo);
    }
    contexto_.ventana<FrGuardarAlfabeto>().pregunta(QStringLiteral("Alfabeto modificado."),
                                                    QStringLiteral("6"), ranura_, true);
}

}  // namespace zefra::gui
