#include "gui/crypto/frm_sistema_rsa.hpp"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/arithmetic/numeros.hpp"
#include "core/crypto/rsa.hpp"
#include "core/modular/euler.hpp"
#include "core/modular/inverso.hpp"
#include "gui/crypto/frm_crip_publica.hpp"
#include "gui/modular/avisos_ventanas.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/trampa.hpp"

namespace zefra::gui {
namespace {

QGroupBox* marco(QWidget* padre, const char* nombre, const QString& titulo) {
    auto* m = new QGroupBox(titulo, padre);
    m->setObjectName(QString::fromLatin1(nombre));
    return m;
}

QLabel* resultado(QWidget* padre, const char* nombre) {
    auto* l = etiqueta(padre, nombre, {});
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setMinimumWidth(120);
    QFont negrita = l->font();
    negrita.setBold(true);
    l->setFont(negrita);
    return l;
}

QString texto(double x) {
    return aQt(textoDecimal(x));
}

}  // namespace

FrmSistemaRSA::FrmSistemaRSA(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmSistemaRSA"),
              QStringLiteral("Establecer sistema RSA")),
      contexto_(contexto) {
    txprimop_ = campo(this, "txprimop");
    txprimoq_ = campo(this, "txprimoq");
    txAsignat_ = campo(this, "txAsignat");
    lbp_por_q_ = resultado(this, "lbp_por_q");
    lbFeulerp_por_q_ = resultado(this, "lbFeulerp_por_q");
    lbResul_s_ = resultado(this, "lbResul_s");
    btBuscarCercanoPyQ_ = boton(this, "btBuscarCercanoPyQ", QStringLiteral("&Buscar más cercano"));
    btAceptarPyQ_ = boton(this, "btAceptarPyQ", QStringLiteral("&Aceptar"));
    btBuscaMCDmascerca_ = boton(this, "btBuscaMCDmascerca", QStringLiteral("B&uscar más cercano"));
    btAceptart_ = boton(this, "btAceptart", QStringLiteral("A&ceptar"));
    btContinuarRSA_ = boton(this, "btContinuarRSA", QStringLiteral("C&ontinuar"));
    auto* inicializar = boton(this, "btIniciarRSA", QStringLiteral("&Inicializar"));
    connect(btBuscarCercanoPyQ_, &QPushButton::clicked, this, &FrmSistemaRSA::buscaPrimos);
    connect(btAceptarPyQ_, &QPushButton::clicked, this, &FrmSistemaRSA::aceptaPrimos);
    connect(btBuscaMCDmascerca_, &QPushButton::clicked, this, &FrmSistemaRSA::buscaExponente);
    connect(btAceptart_, &QPushButton::clicked, this, &FrmSistemaRSA::aceptaExponente);
    connect(btContinuarRSA_, &QPushButton::clicked, this, &FrmSistemaRSA::continua);
    connect(inicializar, &QPushButton::clicked, this, &FrmSistemaRSA::reiniciaSistemaRSA);

    auto* pyq =
        marco(this, "frEstablecePyQ", QStringLiteral(" Asignación de valores a los primos p y q "));
    auto* rejillaPyQ = new QGridLayout(pyq);
    fila(rejillaPyQ, 0, QStringLiteral("&p ="), txprimop_);
    fila(rejillaPyQ, 1, QStringLiteral("&q ="), txprimoq_);
    rejillaPyQ->addWidget(btBuscarCercanoPyQ_, 0, 2);
    rejillaPyQ->addWidget(btAceptarPyQ_, 1, 2);

    auto* nyfen = marco(this, "frResulnyfen", {});
    auto* rejillaN = new QGridLayout(nyfen);
    rejillaN->addWidget(new QLabel(QStringLiteral("n ="), nyfen), 0, 0, Qt::AlignRight);
    rejillaN->addWidget(lbp_por_q_, 0, 1);
    rejillaN->addWidget(new QLabel(QStringLiteral("F.E. ( n ) ="), nyfen), 1, 0, Qt::AlignRight);
    rejillaN->addWidget(lbFeulerp_por_q_, 1, 1);

    auto* t = marco(this, "frEstablecert", QStringLiteral(" Asignación de valor a t "));
    auto* rejillaT = new QGridLayout(t);
    rejillaT->addWidget(
        new QLabel(QStringLiteral("t debe de cumplir que m.c.d. (t, F.E. (n) ) = 1"), t), 0, 0, 1,
        3);
    fila(rejillaT, 1, QStringLiteral("&t ="), txAsignat_);
    rejillaT->addWidget(btBuscaMCDmascerca_, 1, 2);
    rejillaT->addWidget(btAceptart_, 2, 2);

    auto* s = marco(this, "frResul_s", {});
    auto* rejillaS = new QGridLayout(s);
    rejillaS->addWidget(new QLabel(QStringLiteral("s ="), s), 0, 0, Qt::AlignRight);
    rejillaS->addWidget(lbResul_s_, 0, 1);
    rejillaS->addWidget(
        new QLabel(QStringLiteral("s  será la inversa de  t  calculada con módulo F.E. (n)"), s), 1,
        0, 1, 2);

    auto* botones = filaDeBotones(this, {btContinuarRSA_, inicializar});
    auto* columna = new QVBoxLayout(this);
    for (QGroupBox* m : {pyq, nyfen, t, s})
        columna->addWidget(m);
    columna->addStretch();
    columna->addLayout(botones);
    reiniciaSistemaRSA();
}

void FrmSistemaRSA::reiniciaSistemaRSA() {
    for (QWidget* w : std::initializer_list<QWidget*>{btBuscarCercanoPyQ_, txprimop_, txprimoq_}) {
        w->setEnabled(true);
    }
    txprimop_->clear();
    txprimoq_->clear();
    for (QWidget* w : std::initializer_list<QWidget*>{btAceptarPyQ_, btBuscaMCDmascerca_,
                                                      btAceptart_, btContinuarRSA_, txAsignat_}) {
        w->setEnabled(false);
    }
    txAsignat_->clear();
    for (QLabel* l : {lbp_por_q_, lbFeulerp_por_q_, lbResul_s_})
        l->clear();
    porDefecto(btBuscarCercanoPyQ_);
    txprimop_->setFocus();
}

void FrmSistemaRSA::salir() {
    reiniciaSistemaRSA();
    Ventana::salir();
}

std::optional<double> FrmSistemaRSA::leeEntero(QLineEdit* campo, const char* noEntero,
                                               double minimo) {
    const auto v = leeNumero(textoDe(campo));
    if (!v || *v != std::floor(*v) || *v < minimo) {
        mensaje(this, noEntero);
        return std::nullopt;
    }
    if (*v > kMaximoModuloRSA) {
        mensaje(this,
                "Los valores no pueden superar 2.147.483.647, el mayor módulo con el que "
                "se calculan las potencias.");
        return std::nullopt;
    }
    return v;
}

void FrmSistemaRSA::buscaPrimos() {
    atrapaErrores(this, "btBuscarCercanoPyQ", [this] {
        for (QLineEdit* c : {txprimop_, txprimoq_}) {
            if (c->text().trimmed().isEmpty()) c->setText(QStringLiteral("2"));
        }
        constexpr const char* kNoEntero = "p y q han de ser números enteros.";
        const auto p = leeEntero(txprimop_, kNoEntero, -kMaximoModuloRSA);
        if (!p) return;
        const auto q = leeEntero(txprimoq_, kNoEntero, -kMaximoModuloRSA);
        if (!q) return;
        contexto_.estado.tiempo.marcaInicio();
        AvisosVentanas avisos(contexto_.avisos);
        const auto primoP = primoSiguiente(contexto_.estado, *p, &avisos);
        if (!primoP) return mensajeTiempoAgotado(this);
        const auto primoQ = primoSiguiente(contexto_.estado, *q, &avisos);
        if (!primoQ) return mensajeTiempoAgotado(this);
        txprimop_->setText(texto(*primoP));
        txprimoq_->setText(texto(*primoQ));
        txprimop_->setEnabled(false);
        txprimoq_->setEnabled(false);
        btAceptarPyQ_->setEnabled(true);
        porDefecto(btAceptarPyQ_);
    });
}

void FrmSistemaRSA::aceptaPrimos() {
    atrapaErrores(this, "btAceptarPyQ", [this] {
        const double p = *leeNumero(textoDe(txprimop_));
        const double q = *leeNumero(textoDe(txprimoq_));
        const double n = p * q;
        if (n > kMaximoModuloRSA) {
            return mensaje(this,
                           "El producto n = p · q no puede superar 2.147.483.647: las "
                           "potencias se calculan con módulos de 32 bits. Elija primos "
                           "menores.");
        }
        contexto_.estado.tiempo.marcaInicio();
        AvisosVentanas avisos(contexto_.avisos);
        auto& estado = contexto_.estado;
        const auto phi = funcionEuler(estado.tiempo, estado.memoriaModulo, n, &avisos);
        if (!phi) return mensajeTiempoAgotado(this);
        n_ = n;
        phi_ = *phi;
        lbFeulerp_por_q_->setText(texto(phi_));
        lbp_por_q_->setText(texto(n_));
        for (QWidget* w : std::initializer_list<QWidget*>{btBuscarCercanoPyQ_, btAceptarPyQ_,
                                                          txprimop_, txprimoq_}) {
            w->setEnabled(false);
        }
        btBuscaMCDmascerca_->setEnabled(true);
        txAsignat_->setEnabled(true);
        porDefecto(btBuscaMCDmascerca_);
    });
}

void FrmSistemaRSA::buscaExponente() {
    atrapaErrores(this, "btBuscaMCDmascerca", [this] {
        if (txAsignat_->text().trimmed().isEmpty()) txAsignat_->setText(QStringLiteral("2"));
        const auto t = leeEntero(txAsignat_, "t ha de ser un número entero positivo.", 1);
        if (!t) return;
        contexto_.estado.tiempo.marcaInicio();
        const auto x = exponenteCoprimo(contexto_.estado, *t, phi_);
        if (!x) return mensajeTiempoAgotado(this);
        txAsignat_->setText(texto(*x));
        txAsignat_->setEnabled(false);
        btAceptart_->setEnabled(true);
        porDefecto(btAceptart_);
    });
}

void FrmSistemaRSA::aceptaExponente() {
    atrapaErrores(this, "btAceptart", [this] {
        const double t = *leeNumero(textoDe(txAsignat_));
        contexto_.estado.tiempo.marcaInicio();
        const auto s = inversoZn(contexto_.estado.tiempo, contexto_.estado.trazaEuclides, phi_, t);
        if (!s) return mensajeTiempoAgotado(this);
        lbResul_s_->setText(texto(s->inverso));
        for (QWidget* w :
             std::initializer_list<QWidget*>{txAsignat_, btBuscaMCDmascerca_, btAceptart_}) {
            w->setEnabled(false);
        }
        btContinuarRSA_->setEnabled(true);
        porDefecto(btContinuarRSA_);
    });
}

void FrmSistemaRSA::continua() {
    contexto_.estado.tiempo.reiniciaTiempo();
    auto& publica = contexto_.abre<FrmCripPublica>();
    publica.fijaClaves({txprimop_->text(), txprimoq_->text(), lbp_por_q_->text(),
                        lbFeulerp_por_q_->text(), txAsignat_->text(), lbResul_s_->text()});
}

}  // namespace zefra::gui
