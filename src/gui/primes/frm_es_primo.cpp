#include "gui/primes/frm_es_primo.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/arithmetic/numeros.hpp"
#include "core/primes/es_primo.hpp"
#include "core/primes/valor_exacto.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/trampa.hpp"

namespace zefra::gui {

FrmEsPrimo::FrmEsPrimo(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmesprimo"),
              QStringLiteral("¿Es número primo?")),
      contexto_(contexto) {
    txtesprimo_ = new QLineEdit(this);
    txtesprimo_->setObjectName(QStringLiteral("txtesprimo"));
    auto* etiqueta =
        new QLabel(QStringLiteral("&Escribe el número del que deseas saber si es primo:"), this);
    etiqueta->setObjectName(QStringLiteral("Label1"));
    etiqueta->setBuddy(txtesprimo_);

    lbsolesprimo_ = new QLabel(this);
    lbsolesprimo_->setObjectName(QStringLiteral("lbsolesprimo"));
    lbsolesprimo_->setAlignment(Qt::AlignCenter);
    lbsolesprimo_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont grande = lbsolesprimo_->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.5);
    grande.setBold(true);
    lbsolesprimo_->setFont(grande);
    lbsolesprimo_->setMinimumHeight(lbsolesprimo_->fontMetrics().height() * 2);

    auto* acepto = new QPushButton(QStringLiteral("&ACEPTAR"), this);
    acepto->setObjectName(QStringLiteral("btesprimo"));
    acepto->setDefault(true);
    connect(acepto, &QPushButton::clicked, this, &FrmEsPrimo::compruebaPrimo);

    auto* botones = filaDeBotones(this, {acepto});
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(etiqueta);
    columna->addWidget(txtesprimo_);
    columna->addWidget(lbsolesprimo_);
    columna->addStretch();
    columna->addLayout(botones);

    contexto_.estado.observadores.veredictoEsPrimo = [this](std::string_view veredicto) {
        lbsolesprimo_->setText(aQt(veredicto));
    };
}

FrmEsPrimo::~FrmEsPrimo() {
    contexto_.estado.observadores.veredictoEsPrimo = nullptr;
}

void FrmEsPrimo::vaciaVeredicto() {
    lbsolesprimo_->clear();
}

void FrmEsPrimo::compruebaPrimo() {
    atrapaErrores(this, "btesprimo", [this] {
        const std::string texto = textoDe(txtesprimo_);
        if (!esNumerico(texto)) return mensaje(this, "Ha de ser un valor numérico");
        // Above 2^53 a double cannot hold every whole number: the verdict would be about
        // another number than the one typed.
        if (comparaConEntero(texto, kMayorPrimoComprobable) > 0) {
            return mensaje(this,
                           "No puede exceder el valor: 9007199254740992 porque el resultado no "
                           "sería fiable, gracias.");
        }
        lbsolesprimo_->clear();
        auto& estado = contexto_.estado;
        estado.tiempo.marcaInicio();
        if (!esPrimo(estado, texto)) mensajeTiempoAgotado(this);
    });
}

}  // namespace zefra::gui
