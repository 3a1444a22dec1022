#include "gui/arithmetic/frm_diofanticas.hpp"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/arithmetic/diofantica.hpp"
#include "core/arithmetic/primitivas.hpp"
#include "core/shell/numeros.hpp"
#include "gui/arithmetic/frm_restricciones_diof.hpp"
#include "gui/arithmetic/frm_traza_diof.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/trampa.hpp"

namespace zefra::gui {

FrmDiofanticas::FrmDiofanticas(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmDiofanticas"),
              QStringLiteral("ECUACIONES DIOFÁNTICAS LINEALES DE 2 INCÓGNITAS")),
      contexto_(contexto) {
    txCoefa_ = campo(this, "txCoefa");
    txCoefB_ = campo(this, "txCoefB");
    txindepc_ = campo(this, "txindepc");
    txX_ = campo(this, "txX", true);
    txY_ = campo(this, "txY", true);
    txsolgen_ = texto(this, "txsolgen");
    alpha_ = campo(this, "alpha", true);
    beta_ = campo(this, "beta", true);
    alpha_->hide();
    beta_->hide();

    auto* resolver = boton(this, "btDiofantica", QStringLiteral("&Resolver ecuación"));
    resolver->setDefault(true);
    btTrazaDiof_ = boton(this, "btTrazaDiof", QStringLiteral("Ver &Traza"));
    btRestriccionesDiof_ = boton(this, "btRestriccionesDiof", QStringLiteral("R&estricciones"));
    btTrazaDiof_->setEnabled(false);
    btRestriccionesDiof_->setEnabled(false);
    connect(resolver, &QPushButton::clicked, this, &FrmDiofanticas::resuelve);
    connect(btTrazaDiof_, &QPushButton::clicked, this, &FrmDiofanticas::verTraza);
    connect(btRestriccionesDiof_, &QPushButton::clicked, this, &FrmDiofanticas::abreRestricciones);

    auto* ecuacion = new QGridLayout;
    fila(ecuacion, 0, QStringLiteral("&A :"), txCoefa_);
    fila(ecuacion, 1, QStringLiteral("&B :"), txCoefB_);
    fila(ecuacion, 2, QStringLiteral("&C :"), txindepc_);

    auto* particular = new QGroupBox(QStringLiteral("SOLUCIÓN PARTICULAR"), this);
    particular->setObjectName(QStringLiteral("lbsolpar"));
    auto* xy = new QGridLayout(particular);
    fila(xy, 0, QStringLiteral("X :"), txX_);
    fila(xy, 1, QStringLiteral("Y :"), txY_);

    auto* general = new QGroupBox(QStringLiteral("SOLUCIÓN GENERAL"), this);
    general->setObjectName(QStringLiteral("Label6"));
    auto* cajaGeneral = new QVBoxLayout(general);
    cajaGeneral->addWidget(txsolgen_);
    txsolgen_->setMinimumHeight(fontMetrics().height() * 6);

    auto* botones = filaDeBotones(this, {resolver, btTrazaDiof_, btRestriccionesDiof_});

    auto* columna = new QVBoxLayout(this);
    columna->addLayout(ecuacion);
    columna->addWidget(particular);
    columna->addWidget(general, 1);
    columna->addLayout(botones);
    resize(520, 460);
}

void FrmDiofanticas::limpiaSolucion() {
    txX_->clear();
    txY_->clear();
    txsolgen_->clear();
    alpha_->clear();
    beta_->clear();
}

void FrmDiofanticas::resuelve() {
    limpiaSolucion();
    const bool completo = atrapaErrores(this, "btDiofantica", [this] {
        const QLineEdit* campos[] = {txCoefa_, txCoefB_, txindepc_};
        double valores[3];
        for (int i = 0; i < 3; ++i) {
            const auto v = leeNumero(textoDe(campos[i]));
            if (!v) return mensaje(this, "a, b y c han de ser valores numéricos");
            valores[i] = *v;
        }
        for (const QLineEdit* c : campos) {
            if (!longitudAdmitida(
                    this, c,
                    "a, b y c han de tener una longitud inferior o igual a diez dígitos")) {
                return;
            }
        }
        // The equation is over the integers: a fraction would be rounded in the middle of the
        // computation and give a "solution" that does not satisfy it.
        for (const QLineEdit* c : campos) {
            if (noEsEntero(textoDe(c)) == 1)
                return mensaje(this, "a, b y c han de ser números enteros");
        }
        if (valores[0] == 0 && valores[1] == 0 && valores[2] == 0) {
            return mensaje(this, "Todo par de enteros (X, Y) es solución de 0·X + 0·Y = 0.");
        }
        auto& estado = contexto_.estado;
        estado.tiempo.marcaInicio();
        const auto resultado =
            Diofantica(estado.tiempo, estado.trazaEuclides, estado.trazaDiofantica, valores[0],
                       valores[1], valores[2]);
        if (!resultado) {
            // An earlier run's trace and bounds would no longer match the empty fields, and
            // the bounds would report "no solution" for an equation that may have one.
            btTrazaDiof_->setEnabled(false);
            btRestriccionesDiof_->setEnabled(false);
            return mensaje(this, "Se ha excedido del tiempo especificado.");
        }
        if (const auto* motivo = std::get_if<SinSolucion>(&*resultado)) {
            mensaje(this, std::string(textoSinSolucion(*motivo)));
        } else {
            const auto& s = std::get<SolucionDiofantica>(*resultado);
            txX_->setText(aQt(textoDecimal(s.x0)));
            txY_->setText(aQt(textoDecimal(s.y0)));
            txsolgen_->setPlainText(aQt(s.general));
            alpha_->setText(aQt(textoDecimal(s.alpha)));
            beta_->setText(aQt(textoDecimal(s.beta)));
        }
        entradas_ = {{"a", textoDe(txCoefa_)}, {"b", textoDe(txCoefB_)}, {"c", textoDe(txindepc_)}};
        btTrazaDiof_->setEnabled(true);
        btRestriccionesDiof_->setEnabled(true);
    });
    // After an error the window offers neither the trace nor the bounds of that run.
    if (!completo) {
        limpiaSolucion();
        btTrazaDiof_->setEnabled(false);
        btRestriccionesDiof_->setEnabled(false);
    }
}

void FrmDiofanticas::verTraza() {
    contexto_.abre<FrmTrazaDiof>().fijaEntradas(entradas_);
    btTrazaDiof_->setEnabled(false);
}

void FrmDiofanticas::abreRestricciones() {
    contexto_.abre<FrmRestriccionesDiof>().prepara();
    btRestriccionesDiof_->setEnabled(false);
}

void FrmDiofanticas::habilitaRestricciones() const {
    btRestriccionesDiof_->setEnabled(true);
}

std::optional<Parametrizacion> FrmDiofanticas::parametrizacion() const {
    const auto x0 = leeNumero(textoDe(txX_));
    const auto y0 = leeNumero(textoDe(txY_));
    const auto beta = leeNumero(textoDe(beta_));
    const auto alpha = leeNumero(textoDe(alpha_));
    if (!x0 || !y0 || !beta || !alpha) return std::nullopt;
    return Parametrizacion{*x0, *y0, *beta, *alpha};
}

}  // namespace zefra::gui
