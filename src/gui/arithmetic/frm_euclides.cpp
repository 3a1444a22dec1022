#include "gui/arithmetic/frm_euclides.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/arithmetic/euclides.hpp"
#include "core/arithmetic/primitivas.hpp"
#include "core/shell/numeros.hpp"
#include "gui/arithmetic/fr_traza_euclides.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/resultado.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/trampa.hpp"

namespace zefra::gui {
namespace {

// Largest operand whose gcd and lcm the window reports as reliable.
constexpr double kMaximoOperando = 494065645841247;
// Operands typed with more characters than this get the wide trace columns.
constexpr int kLongitudCorta = 9;

}  // namespace

FrmEuclides::FrmEuclides(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmEuclides"),
              QStringLiteral("ALGORITMO DE EUCLIDES")),
      contexto_(contexto) {
    a_ = campo(this, "txa");
    b_ = campo(this, "txb");
    mcd_ = campo(this, "txmcd", true);
    mcm_ = campo(this, "txmcm", true);
    a_->setMinimumWidth(190);

    auto* btMcd = boton(this, "btMcd", QStringLiteral("&M.C.D."));
    btMcd->setDefault(true);
    botonTraza_ = boton(this, "btTraza", QStringLiteral("Ver &Traza"));
    botonTraza_->setEnabled(false);
    connect(btMcd, &QPushButton::clicked, this, &FrmEuclides::calculaMcd);
    connect(botonTraza_, &QPushButton::clicked, this, &FrmEuclides::verTraza);

    auto* rejilla = new QGridLayout;
    fila(rejilla, 0, QStringLiteral("&a:"), a_);
    fila(rejilla, 1, QStringLiteral("&b:"), b_);
    rejilla->setRowMinimumHeight(2, 12);
    fila(rejilla, 3, QStringLiteral("m.c.&d.(a,b):"), mcd_);
    fila(rejilla, 4, QStringLiteral("m.c.m.(a,b):"), mcm_);

    auto* botones = filaDeBotones(this, {btMcd, botonTraza_});
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(rejilla);
    columna->addStretch();
    columna->addLayout(botones);
}

void FrmEuclides::calculaMcd() {
    vaciaResultado({mcd_, mcm_}, {botonTraza_});
    atrapaErrores(this, "btMCD", [this] {
        const std::string textoA = textoDe(a_);
        const std::string textoB = textoDe(b_);
        const auto a = leeNumero(textoA);
        const auto b = leeNumero(textoB);
        if (!a || !b) return mensaje(this, "a y b han de ser valores numéricos");
        if (std::fabs(*a) > kMaximoOperando || std::fabs(*b) > kMaximoOperando) {
            return mensaje(this,
                           "No puede exceder el valor: 494065645841247 porque los resultados no "
                           "serían fiables, gracias.");
        }
        if (noEsEntero(textoA) == 1 || noEsEntero(textoB) == 1) {
            return mensaje(this, "a y b han de ser números enteros");
        }
        auto& estado = contexto_.estado;
        estado.tiempo.marcaInicio();
        auto [g, traza] = Euclides(estado.tiempo, *a, *b);
        contexto_.trazas.publica(Publicada<TrazaEuclides>{
            std::move(traza), {{"a", textoA}, {"b", textoB}}, windowTitle()});
        if (!g) {
            return mensajeTiempoAgotado(this, estado.tiempo,
                                        "Se ha excedido el tiempo establecido.");
        }
        if (*g == 0) {
            mcd_->setText(QStringLiteral("0"));
            mcm_->setText(QStringLiteral("0"));
            return;
        }
        const double m = mcm(*a, *b, *g);
        mcd_->setText(aQt(textoDecimal(*g)));
        // Past 10^15 the decimal text would no longer show every digit.
        mcm_->setText(m >= kMenorConExponente ? QStringLiteral("Capacidad entera excedida.")
                                              : aQt(textoDecimal(m)));
        botonTraza_->setEnabled(true);
    });
}

void FrmEuclides::verTraza() {
    auto& traza = contexto_.abre<FrTrazaEuclides>();
    traza.ajustaAnchos(a_->text().size() > kLongitudCorta || b_->text().size() > kLongitudCorta);
    botonTraza_->setEnabled(false);
}

}  // namespace zefra::gui
