#include "gui/primes/frm_es_primo.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/primes/es_primo.hpp"
#include "core/primes/valor_exacto.hpp"
#include "core/shell/numeros.hpp"
#include "gui/ui/accesibilidad.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/resultado.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/trampa.hpp"

namespace zefra::gui {

FrmEsPrimo::FrmEsPrimo(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmesprimo"),
              QStringLiteral("¿Es número primo?")),
      contexto_(contexto) {
    numero_ = new QLineEdit(this);
    numero_->setObjectName(QStringLiteral("txtesprimo"));
    auto* etiqueta =
        new QLabel(QStringLiteral("&Escribe el número del que deseas saber si es primo:"), this);
    etiqueta->setObjectName(QStringLiteral("Label1"));
    etiqueta->setBuddy(numero_);

    veredicto_ = new QLabel(this);
    veredicto_->setObjectName(QStringLiteral("lbsolesprimo"));
    etiquetaLegible(veredicto_);
    veredicto_->setAlignment(Qt::AlignCenter);
    QFont grande = veredicto_->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.5);
    grande.setBold(true);
    veredicto_->setFont(grande);
    veredicto_->setMinimumHeight(veredicto_->fontMetrics().height() * 2);

    auto* acepto = new QPushButton(QStringLiteral("&ACEPTAR"), this);
    acepto->setObjectName(QStringLiteral("btesprimo"));
    acepto->setDefault(true);
    connect(acepto, &QPushButton::clicked, this, &FrmEsPrimo::compruebaPrimo);

    auto* botones = filaDeBotones(this, {acepto});
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(etiqueta);
    columna->addWidget(numero_);
    columna->addWidget(veredicto_);
    columna->addStretch();
    columna->addLayout(botones);

    // Verdicts reached by other windows (a power, the RSA set-up) show here too.
    connect(&contexto_.avisos, &Avisos::veredictoEsPrimo, veredicto_, &QLabel::setText);
}

void FrmEsPrimo::vaciaVeredicto() {
    veredicto_->clear();
}

void FrmEsPrimo::compruebaPrimo() {
    vaciaResultado({veredicto_});
    atrapaErrores(this, "btesprimo", [this] {
        const std::string texto = textoDe(numero_);
        if (!esNumerico(texto)) return mensaje(this, "Ha de ser un valor numérico");
        // Above 2^53 a double cannot hold every whole number: the verdict would be about
        // another number than the one typed.
        if (comparaConEntero(texto, kMayorPrimoComprobable) > 0) {
            return mensaje(this,
                           "No puede exceder el valor: 9007199254740992 porque el resultado no "
                           "sería fiable, gracias.");
        }
        Tiempo& tiempo = contexto_.estado.tiempo;
        tiempo.marcaInicio();
        const auto primo = esPrimo(tiempo, texto);
        if (!primo) return mensajeTiempoAgotado(this, contexto_.estado.tiempo);
        veredicto_->setText(aQt(textoVeredicto(*primo)));
    });
}

}  // namespace zefra::gui
