#include "gui/alphabets/frm_define_alfabeto.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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
    DpSimboloalfa_ = listaEditable(this, "DpSimboloalfa", simbolosOfrecidos());
    DpCodAsoc_ = listaEditable(this, "DpCodAsoc", codigosOfrecidos());
    Flexalfapropio_ = rejillaDeAlfabeto(propia_, "Flexalfapropio", this);
    txnumdig_ = campo(this, "txnumdig", true);
    txnumdig_->hide();
    ChCargarEnMemoria_ = new QCheckBox(QStringLiteral("Cargarlo en &memoria"), this);
    ChCargarEnMemoria_->setObjectName(QStringLiteral("ChCargarEnMemoria"));

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
    titulo->setBuddy(Flexalfapropio_);
    tabla->addWidget(titulo);
    tabla->addWidget(Flexalfapropio_, 1);

    auto* campos = new QGridLayout;
    fila(campos, 0, QStringLiteral("Sím&bolo del alfabeto"), DpSimboloalfa_);
    fila(campos, 1, QStringLiteral("&Código asociado:"), DpCodAsoc_);
    auto* derecha = new QVBoxLayout;
    // The fields start level with the table, so Tab goes from the symbol to its code.
    derecha->addSpacing(titulo->sizeHint().height() + tabla->spacing());
    derecha->addLayout(campos);
    derecha->addWidget(asociar);
    derecha->addWidget(borraAsocia);
    derecha->addWidget(borraTabla);
    derecha->addStretch();
    derecha->addWidget(ChCargarEnMemoria_);
    derecha->addWidget(aceptar);
    derecha->addWidget(salir);

    auto* fila = new QHBoxLayout(this);
    fila->addLayout(tabla);
    fila->addLayout(derecha, 1);
    resize(560, 460);
}

bool FrmDefineAlfabeto::cargarEnMemoria() const {
    return ChCargarEnMemoria_->isChecked();
}

void FrmDefineAlfabeto::fijaAncho(int ancho) {
    ancho_ = ancho;
    txnumdig_->setText(QString::number(ancho));
}

void FrmDefineAlfabeto::abre() {
    // The width comes from the codes the table kept, so that new codes get the same width.
    fijaAncho(anchoDeCodigos(propia_));
    Contexto::muestra(*this);
    copiaTabla(propia_, copia_);
    const bool hayLibre = primeraRanuraLibre(contexto_.estado.ranuras).has_value();
    ChCargarEnMemoria_->setChecked(false);
    ChCargarEnMemoria_->setEnabled(hayLibre);
}

void FrmDefineAlfabeto::asociar() {
    int ancho = ancho_;
    const auto rechazo = asocia(propia_, ancho, aCore(DpSimboloalfa_->currentText()),
                                aCore(DpCodAsoc_->currentText()));
    if (rechazo) return mensaje(this, *rechazo);
    fijaAncho(ancho);
}

void FrmDefineAlfabeto::borrarEquivalencia() {
    if (!borraEquivalencia(propia_, aCore(DpSimboloalfa_->currentText()),
                           aCore(DpCodAsoc_->currentText()))) {
        mensaje(this, kMensajeNoSeEncuentra);
    }
}

void FrmDefineAlfabeto::borrarTabla() {
    limpiaTabla(propia_);
}

void FrmDefineAlfabeto::aceptar() {
    if (propia_.texto(0, 1).empty()) {
        return mensaje(this,
                       "Debes de poner al menos un símbolo del alfabeto. Inténtalo de nuevo.");
    }
    contexto_.ventana<FrNombreAlfa>().pide();
}

void FrmDefineAlfabeto::salir() {
    copiaTabla(copia_, propia_);
    Ventana::salir();
}

}  // namespace zefra::gui
