#include "gui/primes/frm_factoriza.hpp"

#include <QFontMetricsF>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/arithmetic/numeros.hpp"
#include "core/primes/factorizacion.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/trampa.hpp"

namespace zefra::gui {
namespace {

// The prime column of a result line is as wide as this many digits: ten digits' room, then six
// blanks.
constexpr int kDigitosColumnaPrimo = 13;

// The result lines pad a prime with two blanks per missing digit, so the exponents line up
// when a digit is exactly as wide as two blanks: the blanks are widened or narrowed to that.
QFont fuenteAlineada(QFont fuente) {
    fuente.setWordSpacing(0);
    const QFontMetricsF medidas(fuente);
    fuente.setWordSpacing(medidas.horizontalAdvance(QLatin1Char('0')) / 2 -
                          medidas.horizontalAdvance(QLatin1Char(' ')));
    return fuente;
}

}  // namespace

FrmFactoriza::FrmFactoriza(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmfactoriza"),
              QStringLiteral("Factorización de un número")),
      contexto_(contexto) {
    txnumf_ = new QLineEdit(this);
    txnumf_->setObjectName(QStringLiteral("txnumf"));
    auto* etiqueta = new QLabel(QStringLiteral("&número entero:"), this);
    etiqueta->setObjectName(QStringLiteral("Label1"));
    etiqueta->setBuddy(txnumf_);
    auto* btfactoriza = new QPushButton(QStringLiteral("&Factoriza"), this);
    btfactoriza->setObjectName(QStringLiteral("btfactoriza"));
    btfactoriza->setDefault(true);
    connect(btfactoriza, &QPushButton::clicked, this, &FrmFactoriza::factoriza);

    txfactorizacion_ = new QPlainTextEdit(this);
    txfactorizacion_->setObjectName(QStringLiteral("txfactorizacion"));
    txfactorizacion_->setReadOnly(true);
    txfactorizacion_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txfactorizacion_->setFont(fuenteAlineada(txfactorizacion_->font()));

    auto* factores = new QLabel(QStringLiteral("FACTORES :"), this);
    factores->setObjectName(QStringLiteral("Label2"));
    auto* lbprimof = new QLabel(QStringLiteral("Primo"), this);
    lbprimof->setObjectName(QStringLiteral("lbprimof"));
    auto* lbexpf = new QLabel(QStringLiteral("Exponente"), this);
    lbexpf->setObjectName(QStringLiteral("lbexpf"));
    // The headings stand over their columns: "Exponente" where the exponents start.
    const QFontMetricsF medidas(txfactorizacion_->font());
    const double margen =
        txfactorizacion_->frameWidth() + txfactorizacion_->document()->documentMargin();
    lbprimof->setIndent(static_cast<int>(margen));
    lbprimof->setFixedWidth(static_cast<int>(
        std::ceil(margen + kDigitosColumnaPrimo * medidas.horizontalAdvance(QLatin1Char('0')))));

    auto* entrada = new QHBoxLayout;
    entrada->addWidget(etiqueta);
    entrada->addWidget(txnumf_, 1);
    entrada->addWidget(btfactoriza);
    auto* cabeceras = new QHBoxLayout;
    cabeceras->setSpacing(0);
    cabeceras->addWidget(lbprimof);
    cabeceras->addWidget(lbexpf);
    cabeceras->addStretch();
    auto* botones = filaDeBotones(this, {});
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(entrada);
    columna->addSpacing(8);
    columna->addWidget(factores);
    columna->addLayout(cabeceras);
    columna->addWidget(txfactorizacion_, 1);
    columna->addLayout(botones);
    resize(std::max(sizeHint().width(), lbprimof->width() + 160), 340);

    contexto_.estado.observadores.factorizacion = [this](std::string_view texto) {
        txfactorizacion_->setPlainText(aQt(texto));
    };
}

FrmFactoriza::~FrmFactoriza() {
    contexto_.estado.observadores.factorizacion = nullptr;
}

void FrmFactoriza::factoriza() {
    atrapaErrores(this, "btfactorizaPrimos", [this] {
        const auto n = leeNumero(textoDe(txnumf_));
        if (!n || *n > kMayorEntero32) {
            return mensaje(this, "Ha de ser un valor numérico inferior a 2.147.483.648");
        }
        if (!longitudAdmitida(this, txnumf_,
                              "El valor numérico ha de ser inferior a 2.147.483.648")) {
            return;
        }
        auto& estado = contexto_.estado;
        estado.tiempo.marcaInicio();
        if (!factorizaPrimos(estado, *n)) mensaje(this, "Se ha excedido del tiempo establecido.");
    });
}

}  // namespace zefra::gui
