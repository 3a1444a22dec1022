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
#include "gui/ui/resultado.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/trampa.hpp"

namespace zefra::gui {

FrmDiofanticas::FrmDiofanticas(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmDiofanticas"),
              QStringLiteral("ECUACIONES DIOFÁNTICAS LINEALES DE 2 INCÓGNITAS")),
      contexto_(contexto) {
    coeficienteA_ = campo(this, "txCoefa");
    coeficienteB_ = campo(this, "txCoefB");
    terminoC_ = campo(this, "txindepc");
    x_ = campo(this, "txX", true);
    y_ = campo(this, "txY", true);
    solucionGeneral_ = texto(this, "txsolgen");
    alpha_ = campo(this, "alpha", true);
    beta_ = campo(this, "beta", true);
    alpha_->hide();
    beta_->hide();

    auto* resolver = boton(this, "btDiofantica", QStringLiteral("&Resolver ecuación"));
    resolver->setDefault(true);
    botonTraza_ = boton(this, "btTrazaDiof", QStringLiteral("Ver &Traza"));
    botonRestricciones_ = boton(this, "btRestriccionesDiof", QStringLiteral("R&estricciones"));
    botonTraza_->setEnabled(false);
    botonRestricciones_->setEnabled(false);
    connect(resolver, &QPushButton::clicked, this, &FrmDiofanticas::resuelve);
    connect(botonTraza_, &QPushButton::clicked, this, &FrmDiofanticas::verTraza);
    connect(botonRestricciones_, &QPushButton::clicked, this, &FrmDiofanticas::abreRestricciones);

    auto* ecuacion = new QGridLayout;
    fila(ecuacion, 0, QStringLiteral("&A :"), coeficienteA_);
    fila(ecuacion, 1, QStringLiteral("&B :"), coeficienteB_);
    fila(ecuacion, 2, QStringLiteral("&C :"), terminoC_);

    auto* particular = new QGroupBox(QStringLiteral("SOLUCIÓN PARTICULAR"), this);
    particular->setObjectName(QStringLiteral("lbsolpar"));
    auto* xy = new QGridLayout(particular);
    fila(xy, 0, QStringLiteral("X :"), x_);
    fila(xy, 1, QStringLiteral("Y :"), y_);

    auto* general = new QGroupBox(QStringLiteral("SOLUCIÓN GENERAL"), this);
    general->setObjectName(QStringLiteral("Label6"));
    auto* cajaGeneral = new QVBoxLayout(general);
    cajaGeneral->addWidget(solucionGeneral_);
    solucionGeneral_->setMinimumHeight(fontMetrics().height() * 6);

    auto* botones = filaDeBotones(this, {resolver, botonTraza_, botonRestricciones_});

    auto* columna = new QVBoxLayout(this);
    columna->addLayout(ecuacion);
    columna->addWidget(particular);
    columna->addWidget(general, 1);
    columna->addLayout(botones);
    resize(520, 460);
}

void FrmDiofanticas::resuelve() {
    // Neither the trace nor the bounds are offered until a run ends without error or timeout.
    vaciaResultado({x_, y_, solucionGeneral_, alpha_, beta_}, {botonTraza_, botonRestricciones_});
    solucion_.reset();
    atrapaErrores(this, "btDiofantica", [this] {
        const QLineEdit* campos[] = {coeficienteA_, coeficienteB_, terminoC_};
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
        auto [resultado, euclides, pasos] =
            Diofantica(estado.tiempo, valores[0], valores[1], valores[2]);
        entradas_ = {{"a", textoDe(coeficienteA_)},
                     {"b", textoDe(coeficienteB_)},
                     {"c", textoDe(terminoC_)}};
        contexto_.trazas.publica(
            Publicada<TrazaEuclides>{std::move(euclides), entradas_, windowTitle()});
        contexto_.trazas.publica(
            Publicada<std::vector<PasoDiofantica>>{std::move(pasos), entradas_, windowTitle()});
        if (!resultado) {
            return mensajeTiempoAgotado(this, estado.tiempo,
                                        "Se ha excedido del tiempo especificado.");
        }
        if (const auto* motivo = std::get_if<SinSolucion>(&*resultado)) {
            mensaje(this, std::string(textoSinSolucion(*motivo)));
        } else {
            const auto& s = std::get<SolucionDiofantica>(*resultado);
            x_->setText(aQt(textoDecimal(s.x0)));
            y_->setText(aQt(textoDecimal(s.y0)));
            solucionGeneral_->setPlainText(aQt(s.general));
            alpha_->setText(aQt(textoDecimal(s.alpha)));
            beta_->setText(aQt(textoDecimal(s.beta)));
            solucion_ = Parametrizacion{s.x0, s.y0, s.beta, s.alpha};
        }
        coeficientes_ = {valores[0], valores[1], valores[2]};
        botonTraza_->setEnabled(true);
        botonRestricciones_->setEnabled(true);
    });
}

void FrmDiofanticas::verTraza() {
    contexto_.abre<FrmTrazaDiof>();
    botonTraza_->setEnabled(false);
}

void FrmDiofanticas::abreRestricciones() {
    contexto_.abre<FrmRestriccionesDiof>().prepara();
    botonRestricciones_->setEnabled(false);
}

void FrmDiofanticas::habilitaRestricciones() const {
    botonRestricciones_->setEnabled(true);
}

}  // namespace zefra::gui
