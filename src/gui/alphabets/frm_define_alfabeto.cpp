#include "gui/alphabets/frm_define_alfabeto.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/alphabets/edicion.hpp"
#include "gui/alphabets/fr_nombre_alfa.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/rejilla.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {

FrmDefineAlfabeto::FrmDefineAlfabeto(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmDefineAlfabeto"),
              QStringLiteral("Definir el alfabeto")),
      contexto_(contexto) {
    simbolo_ = listaEditable(this, "DpSimboloalfa", simbolosOfrecidos());
    codigo_ = listaEditable(this, "DpCodAsoc", codigosOfrecidos());
    rejilla_ = rejillaDeAlfabeto(tabla_, "Flexalfapropio", this);
    cargarEnMemoria_ = new QCheckBox(QStringLiteral("Cargarlo en &memoria"), this);
    cargarEnMemoria_->setObjectName(QStringLiteral("ChCargarEnMemoria"));

    auto* asociar = boton(this, "BtAsociar", QStringLiteral("A&SOCIAR"));
    auto* borraAsocia = boton(this, "btBorraAsocia", QStringLiteral("BORRAR &EQUIVALENCIA"));
    auto* borraTabla = boton(this, "btBorrarTabla", QStringLiteral("BORRAR &TABLA"));
    auto* aceptar = boton(this, "btAceptarDefAlfa", QStringLiteral("&ACEPTAR"));
    auto* salir = boton(this, "btCancelaDefAlfa", QStringLiteral("SA&LIR"));
    asociar->setDefault(true);
    connect(asociar, &QPushButton::clicked, this, &FrmDefineAlfabeto::asociar);
    connect(borraAsocia, &QPushButton::clicked, this, &FrmDefineAlfabeto::borrarEquivalencia);
    connect(borraTabla, &QPushButton::clicked, this, &FrmDefineAlfabeto::borrarTabla);
    connect(aceptar, &QPushButton::clicked, this, &FrmDefineAlfabeto::aceptar);
    connect(salir, &QPushButton::clicked, this, &FrmDefineAlfabeto::salir);

    auto* tabla = new QVBoxLayout;
    auto* titulo = new QLabel(QStringLiteral("TABLA DE EQUIVALENCIA"), this);
    titulo->setBuddy(rejilla_);
    tabla->addWidget(titulo);
    tabla->addWidget(rejilla_, 1);

    auto* campos = new QGridLayout;
    fila(campos, 0, QStringLiteral("Sím&bolo del alfabeto"), simbolo_);
    fila(campos, 1, QStringLiteral("&Código asociado:"), codigo_);
    auto* derecha = new QVBoxLayout;
    // The fields start level with the table, so Tab goes from the symbol to its code.
    derecha->addSpacing(titulo->sizeHint().height() + tabla->spacing());
    derecha->addLayout(campos);
    derecha->addWidget(asociar);
    derecha->addWidget(borraAsocia);
    derecha->addWidget(borraTabla);
    derecha->addStretch();
    derecha->addWidget(cargarEnMemoria_);
    derecha->addWidget(aceptar);
    derecha->addWidget(salir);

    auto* fila = new QHBoxLayout(this);
    fila->addLayout(tabla);
    fila->addLayout(derecha, 1);
    resize(560, 460);
}

bool FrmDefineAlfabeto::cargarEnMemoria() const {
    return cargarEnMemoria_->isChecked();
}

void FrmDefineAlfabeto::muestra() {
    muestraAlfabeto(Alfabeto{{}, propias_}, tabla_);
}

void FrmDefineAlfabeto::abre() {
    // The width comes from the codes the table kept, so that new codes get the same width.
    ancho_ = anchoDeCodigos(propias_);
    Contexto::muestra(*this);
    copia_ = propias_;
    const bool hayLibre = primeraRanuraLibre(contexto_.estado.ranuras).has_value();
    cargarEnMemoria_->setChecked(false);
    cargarEnMemoria_->setEnabled(hayLibre);
}

void FrmDefineAlfabeto::asociar() {
    const auto rechazo =
        asocia(propias_, ancho_, aCore(simbolo_->currentText()), aCore(codigo_->currentText()));
    if (rechazo) return mensaje(this, *rechazo);
    muestra();
}

void FrmDefineAlfabeto::borrarEquivalencia() {
    if (!borraEquivalencia(propias_, aCore(simbolo_->currentText()),
                           aCore(codigo_->currentText()))) {
        return mensaje(this, kMensajeNoSeEncuentra);
    }
    muestra();
}

void FrmDefineAlfabeto::borrarTabla() {
    propias_.clear();
    muestra();
}

void FrmDefineAlfabeto::aceptar() {
    if (propias_.empty()) {
        return mensaje(this,
                       "Debes de poner al menos un símbolo del alfabeto. Inténtalo de nuevo.");
    }
    contexto_.ventana<FrNombreAlfa>().pide();
}

void FrmDefineAlfabeto::salir() {
    propias_ = copia_;
    muestra();
    Ventana::salir();
}

}  // namespace zefra::gui
