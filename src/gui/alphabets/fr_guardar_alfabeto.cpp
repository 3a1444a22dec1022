#include "gui/alphabets/fr_guardar_alfabeto.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/alphabets/activo.hpp"
#include "gui/alphabets/fr_nombre_alfa.hpp"
#include "gui/alphabets/frm_modificar_alfabeto.hpp"
#include "gui/alphabets/gestion_alfabetos.hpp"
#include "gui/alphabets/seleccion_alfabeto.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/teclado.hpp"

namespace zefra::gui {

FrGuardarAlfabeto::FrGuardarAlfabeto(Contexto& contexto)
    : QDialog(contexto.principal), contexto_(contexto) {
    setObjectName(QStringLiteral("frguardaralfabeto"));
    setWindowTitle(QStringLiteral("Guardar alfabeto"));
    linea_ = etiqueta(this, "lbsecargara", QStringLiteral("NO SE CARGARÁ EN MEMORIA."));
    QFont negrita = linea_->font();
    negrita.setBold(true);
    linea_->setFont(negrita);
    auto* pregunta =
        etiqueta(this, "lbguardaralfa", QStringLiteral("¿ Quieres guardarlo en archivo, ahora ?"));

    auto* si = boton(this, "btsiguardaralfa", QStringLiteral("&SÍ"));
    auto* no = boton(this, "btnoguardaralfa", QStringLiteral("&NO"));
    auto* cancelar = boton(this, "btCancelarGuardaralfa", QStringLiteral("&Cancelar"));
    si->setDefault(true);
    connect(si, &QPushButton::clicked, this, &FrGuardarAlfabeto::si);
    connect(no, &QPushButton::clicked, this, &FrGuardarAlfabeto::no);
    connect(cancelar, &QPushButton::clicked, this, &FrGuardarAlfabeto::reject);

    auto* botones = new QHBoxLayout;
    botones->addWidget(si);
    botones->addWidget(no);
    botones->addWidget(cancelar);
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(linea_, 0, Qt::AlignHCenter);
    columna->addSpacing(8);
    columna->addWidget(pregunta, 0, Qt::AlignHCenter);
    columna->addSpacing(8);
    columna->addLayout(botones);
}

void FrGuardarAlfabeto::pregunta(const QString& linea, const QString& codigo, int ranura,
                                 bool modal) {
    linea_->setText(linea);
    codigo_ = codigo;
    ranura_ = ranura;
    nombre_ = ranura >= 0
                  ? contexto_.estado.ranuras[static_cast<std::size_t>(ranura)].alfabeto.nombre
                  : std::string();
    hide();  // a question still open while closing gives way to this one
    if (modal) {
        preparaModal(*this);
        exec();
    } else {
        setModal(false);
        Contexto::muestra(*this);
    }
}

void FrGuardarAlfabeto::terminaPeticion() {
    hide();
    if (codigo() == QStringLiteral("0")) contexto_.ventana<FrNombreAlfa>().hide();
    if (codigo() == QStringLiteral("6")) contexto_.ventana<FrmModificarAlfabeto>().hide();
}

void FrGuardarAlfabeto::si() {
    auto& gestion = *contexto_.gestionAlfabetos;
    if (codigo() == QStringLiteral("0")) {
        gestion.guardaDefinido(ranura_, [this] { terminaPeticion(); });
        return;
    }
    // The alphabet asked about may have gone while a question from closing was open.
    if (!gestion.sigueCargado(ranura_, nombre_)) return hide();
    gestion.guardaRanura(
        codigo() == QStringLiteral("1") ? QStringLiteral("5") : QStringLiteral("6"), ranura_,
        QStringLiteral("Guardar alfabeto."), [this] { terminaPeticion(); });
}

void FrGuardarAlfabeto::no() {
    if (codigo() != QStringLiteral("1")) return terminaPeticion();
    auto& gestion = *contexto_.gestionAlfabetos;
    if (gestion.sigueCargado(ranura_, nombre_)) gestion.cierraRanura(ranura_);
    hide();
}

void FrGuardarAlfabeto::reject() {
    // An alphabet that stays loaded and active after all can be modified, closed and saved.
    if (codigo() == QStringLiteral("1") &&
        contexto_.gestionAlfabetos->sigueCargado(ranura_, nombre_) &&
        esActivo(contexto_.estado.ranuras, contexto_.estado.alfabeto, ranura_)) {
        contexto_.seleccionAlfabeto->habilitaDeUsuario(true);
    }
    QDialog::reject();
}

}  // namespace zefra::gui
