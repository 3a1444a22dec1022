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

#include "core/primes/factorizacion.hpp"
#include "core/shell/numeros.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/exportacion.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/resultado.hpp"
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

// The lines under their headings in a fixed-width font: the blanks that line the exponents up on
// screen do not in such a font, so each line is laid out again in two columns.
std::string textoAlineado(const QString& lineas) {
    QString texto = QStringLiteral("Primo").leftJustified(kDigitosColumnaPrimo) + "Exponente\n";
    for (const QString& linea : lineas.split('\n', Qt::SkipEmptyParts)) {
        const QStringList partes = linea.simplified().split(' ');
        texto += partes.value(0).leftJustified(kDigitosColumnaPrimo) + partes.value(1) + '\n';
    }
    return aCore(texto);
}

}  // namespace

FrmFactoriza::FrmFactoriza(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmfactoriza"),
              QStringLiteral("Factorización de un número")),
      contexto_(contexto) {
    numero_ = new QLineEdit(this);
    numero_->setObjectName(QStringLiteral("txnumf"));
    auto* etiqueta = new QLabel(QStringLiteral("&número entero:"), this);
    etiqueta->setObjectName(QStringLiteral("Label1"));
    etiqueta->setBuddy(numero_);
    auto* btfactoriza = new QPushButton(QStringLiteral("&Factoriza"), this);
    btfactoriza->setObjectName(QStringLiteral("btfactoriza"));
    btfactoriza->setDefault(true);
    connect(btfactoriza, &QPushButton::clicked, this, &FrmFactoriza::factoriza);

    factores_ = texto(this, "txfactorizacion");
    factores_->setLineWrapMode(QPlainTextEdit::NoWrap);
    factores_->setFont(fuenteAlineada(factores_->font()));

    auto* factores = new QLabel(QStringLiteral("FACTORES :"), this);
    factores->setBuddy(factores_);
    factores->setObjectName(QStringLiteral("Label2"));
    auto* lbprimof = new QLabel(QStringLiteral("Primo"), this);
    lbprimof->setObjectName(QStringLiteral("lbprimof"));
    auto* lbexpf = new QLabel(QStringLiteral("Exponente"), this);
    lbexpf->setObjectName(QStringLiteral("lbexpf"));
    // The headings stand over their columns: "Exponente" where the exponents start.
    const QFontMetricsF medidas(factores_->font());
    const double margen = factores_->frameWidth() + factores_->document()->documentMargin();
    lbprimof->setIndent(static_cast<int>(margen));
    lbprimof->setFixedWidth(static_cast<int>(
        std::ceil(margen + kDigitosColumnaPrimo * medidas.horizontalAdvance(QLatin1Char('0')))));

    auto* entrada = new QHBoxLayout;
    entrada->addWidget(etiqueta);
    entrada->addWidget(numero_, 1);
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
    columna->addWidget(factores_, 1);
    columna->addLayout(botones);
    resize(std::max(sizeHint().width(), lbprimof->width() + 160), 340);

    // The factorization Euler's window works out is shown here too.
    connect(&contexto_.avisos, &Avisos::factorizacion, this,
            [this](const QString& numero, const QString& lineas) {
                numeroFactorizado_ = aCore(numero);
                factores_->setPlainText(lineas);
            });

    // The number factorized and its lines, prime and exponent, as shown.
    equipaExportacion(
        *this, contexto,
        [this] {
            Documento d{aCore(windowTitle()), {}, {}, {}};
            if (numeroFactorizado_.empty()) return d;
            d.entradas = {{"número entero", numeroFactorizado_}};
            d.bloques.emplace_back(BloqueTraza{textoAlineado(factores_->toPlainText())});
            return d;
        },
        {factores_});
}

void FrmFactoriza::factoriza() {
    vaciaResultado({factores_});
    numeroFactorizado_.clear();
    atrapaErrores(this, "btfactorizaPrimos", [this] {
        const auto n = leeNumero(textoDe(numero_));
        if (!n || *n > kMayorEntero32) {
            return mensaje(this, "Ha de ser un valor numérico inferior a 2.147.483.648");
        }
        if (!longitudAdmitida(this, numero_,
                              "El valor numérico ha de ser inferior a 2.147.483.648")) {
            return;
        }
        auto& estado = contexto_.estado;
        estado.tiempo.marcaInicio();
        const auto lineas = factorizaPrimos(estado.tiempo, estado.factores, *n);
        if (!lineas)
            return mensajeTiempoAgotado(this, estado.tiempo,
                                        "Se ha excedido del tiempo establecido.");
        emit contexto_.avisos.factorizacion(numero_->text(), aQt(*lineas));
    });
}

}  // namespace zefra::gui
