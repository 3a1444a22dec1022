#include "gui/crypto/frm_sistema_rsa.hpp"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/crypto/rsa.hpp"
#include "core/modular/euler.hpp"
#include "core/modular/inverso.hpp"
#include "core/shell/numeros.hpp"
#include "gui/crypto/frm_crip_publica.hpp"
#include "gui/shell/fr_descripcion.hpp"
#include "gui/ui/accesibilidad.hpp"
#include "gui/ui/avisos_zn.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/exportacion.hpp"
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
    etiquetaLegible(l);
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
    campoP_ = campo(this, "txprimop");
    campoQ_ = campo(this, "txprimoq");
    campoT_ = campo(this, "txAsignat");
    etiquetaN_ = resultado(this, "lbp_por_q");
    etiquetaPhi_ = resultado(this, "lbFeulerp_por_q");
    etiquetaS_ = resultado(this, "lbResul_s");
    // A label is read by its text, the value; what it is goes in its description.
    etiquetaN_->setAccessibleDescription(QStringLiteral("n"));
    etiquetaPhi_->setAccessibleDescription(QStringLiteral("φ(n)"));
    etiquetaS_->setAccessibleDescription(QStringLiteral("s"));
    botonBuscaPrimos_ = boton(this, "btBuscarCercanoPyQ", QStringLiteral("&Buscar más cercano"));
    botonAceptaPrimos_ = boton(this, "btAceptarPyQ", QStringLiteral("&Aceptar"));
    botonBuscaExponente_ = boton(this, "btBuscaMCDmascerca", QStringLiteral("B&uscar más cercano"));
    botonAceptaExponente_ = boton(this, "btAceptart", QStringLiteral("A&ceptar"));
    botonContinuar_ = boton(this, "btContinuarRSA", QStringLiteral("C&ontinuar"));
    auto* inicializar = boton(this, "btIniciarRSA", QStringLiteral("&Inicializar"));
    connect(botonBuscaPrimos_, &QPushButton::clicked, this, &FrmSistemaRSA::buscaPrimos);
    connect(botonAceptaPrimos_, &QPushButton::clicked, this, &FrmSistemaRSA::aceptaPrimos);
    connect(botonBuscaExponente_, &QPushButton::clicked, this, &FrmSistemaRSA::buscaExponente);
    connect(botonAceptaExponente_, &QPushButton::clicked, this, &FrmSistemaRSA::aceptaExponente);
    connect(botonContinuar_, &QPushButton::clicked, this, &FrmSistemaRSA::continua);
    connect(inicializar, &QPushButton::clicked, this, &FrmSistemaRSA::reiniciaSistemaRSA);

    auto* pyq =
        marco(this, "frEstablecePyQ", QStringLiteral(" Asignación de valores a los primos p y q "));
    auto* rejillaPyQ = new QGridLayout(pyq);
    fila(rejillaPyQ, 0, QStringLiteral("&p ="), campoP_);
    fila(rejillaPyQ, 1, QStringLiteral("&q ="), campoQ_);
    // The buttons under the fields, so that Tab goes from p to q.
    auto* botonesPyQ = new QHBoxLayout;
    botonesPyQ->addWidget(botonBuscaPrimos_);
    botonesPyQ->addWidget(botonAceptaPrimos_);
    rejillaPyQ->addLayout(botonesPyQ, 2, 1);

    auto* nyfen = marco(this, "frResulnyfen", {});
    auto* rejillaN = new QGridLayout(nyfen);
    rejillaN->addWidget(new QLabel(QStringLiteral("n ="), nyfen), 0, 0, Qt::AlignRight);
    rejillaN->addWidget(etiquetaN_, 0, 1);
    rejillaN->addWidget(new QLabel(QStringLiteral("F.E. ( n ) ="), nyfen), 1, 0, Qt::AlignRight);
    rejillaN->addWidget(etiquetaPhi_, 1, 1);

    auto* t = marco(this, "frEstablecert", QStringLiteral(" Asignación de valor a t "));
    auto* rejillaT = new QGridLayout(t);
    rejillaT->addWidget(
        new QLabel(QStringLiteral("t debe de cumplir que m.c.d. (t, F.E. (n) ) = 1"), t), 0, 0, 1,
        3);
    fila(rejillaT, 1, QStringLiteral("&t ="), campoT_);
    rejillaT->addWidget(botonBuscaExponente_, 1, 2);
    rejillaT->addWidget(botonAceptaExponente_, 2, 2);

    auto* s = marco(this, "frResul_s", {});
    auto* rejillaS = new QGridLayout(s);
    rejillaS->addWidget(new QLabel(QStringLiteral("s ="), s), 0, 0, Qt::AlignRight);
    rejillaS->addWidget(etiquetaS_, 0, 1);
    rejillaS->addWidget(
        new QLabel(QStringLiteral("s  será la inversa de  t  calculada con módulo F.E. (n)"), s), 1,
        0, 1, 2);

    auto* botones = filaDeBotones(
        this, {botonContinuar_, inicializar, botonDescripcion(this, contexto, "frdescRSA")});
    auto* columna = new QVBoxLayout(this);
    for (QGroupBox* m : {pyq, nyfen, t, s})
        columna->addWidget(m);
    columna->addStretch();
    columna->addLayout(botones);
    reiniciaSistemaRSA();
    equipaExportacion(*this, contexto, [this] { return documento(); },
                      {etiquetaN_, etiquetaPhi_, etiquetaS_});
}

Documento FrmSistemaRSA::documento() const {
    Documento d{aCore(windowTitle()), {}, {}, {}};
    // p and q are set by their search (never 0 after it), t by its own.
    if (claves_.p != 0) {
        d.entradas.emplace_back("p", textoDecimal(claves_.p));
        d.entradas.emplace_back("q", textoDecimal(claves_.q));
    }
    if (claves_.t != 0) d.entradas.emplace_back("t", textoDecimal(claves_.t));
    std::string resultados;
    for (const auto& [rotulo, valor] :
         {std::pair{"n = ", etiquetaN_}, std::pair{"F.E. ( n ) = ", etiquetaPhi_},
          std::pair{"s = ", etiquetaS_}}) {
        if (!valor->text().isEmpty()) resultados += rotulo + aCore(valor->text()) + '\n';
    }
    if (!resultados.empty()) d.bloques.emplace_back(BloqueTraza{resultados});
    return d;
}

void FrmSistemaRSA::reiniciaSistemaRSA() {
    for (QWidget* w : std::initializer_list<QWidget*>{botonBuscaPrimos_, campoP_, campoQ_}) {
        w->setEnabled(true);
    }
    campoP_->clear();
    campoQ_->clear();
    for (QWidget* w :
         std::initializer_list<QWidget*>{botonAceptaPrimos_, botonBuscaExponente_,
                                         botonAceptaExponente_, botonContinuar_, campoT_}) {
        w->setEnabled(false);
    }
    campoT_->clear();
    for (QLabel* l : {etiquetaN_, etiquetaPhi_, etiquetaS_})
        l->clear();
    claves_ = {};
    porDefecto(botonBuscaPrimos_);
    campoP_->setFocus();
}

void FrmSistemaRSA::salir() {
    reiniciaSistemaRSA();
    Ventana::salir();
}

std::optional<double> FrmSistemaRSA::leeEntero(QLineEdit* campo, const char* noEntero,
                                               double minimo) {
    // An empty field starts the search at 2, the least prime and the least exponent.
    if (campo->text().trimmed().isEmpty()) return 2;
    const auto v = leeNumero(textoDe(campo));
    if (!v || !esEntero(*v) || *v < minimo) {
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
        constexpr const char* kNoEntero = "p y q han de ser números enteros.";
        const auto p = leeEntero(campoP_, kNoEntero, -kMaximoModuloRSA);
        if (!p) return;
        const auto q = leeEntero(campoQ_, kNoEntero, -kMaximoModuloRSA);
        if (!q) return;
        Tiempo& tiempo = contexto_.estado.tiempo;
        tiempo.marcaInicio();
        AvisosVentanas avisos(contexto_.avisos);
        const auto primoP = primoSiguiente(tiempo, *p, &avisos);
        if (!primoP) return mensajeTiempoAgotado(this, contexto_.estado.tiempo);
        const auto primoQ = primoSiguiente(tiempo, *q, &avisos);
        if (!primoQ) return mensajeTiempoAgotado(this, contexto_.estado.tiempo);
        claves_.p = *primoP;
        claves_.q = *primoQ;
        campoP_->setText(texto(claves_.p));
        campoQ_->setText(texto(claves_.q));
        campoP_->setEnabled(false);
        campoQ_->setEnabled(false);
        botonAceptaPrimos_->setEnabled(true);
        porDefecto(botonAceptaPrimos_);
        botonAceptaPrimos_->setFocus();
    });
}

void FrmSistemaRSA::aceptaPrimos() {
    atrapaErrores(this, "btAceptarPyQ", [this] {
        const double n = claves_.p * claves_.q;
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
        if (!phi) return mensajeTiempoAgotado(this, contexto_.estado.tiempo);
        claves_.n = n;
        claves_.phi = *phi;
        etiquetaPhi_->setText(texto(claves_.phi));
        etiquetaN_->setText(texto(claves_.n));
        for (QWidget* w : std::initializer_list<QWidget*>{botonBuscaPrimos_, botonAceptaPrimos_,
                                                          campoP_, campoQ_}) {
            w->setEnabled(false);
        }
        botonBuscaExponente_->setEnabled(true);
        campoT_->setEnabled(true);
        porDefecto(botonBuscaExponente_);
        campoT_->setFocus();
        anuncia(etiquetaN_);  // a screen reader reads n, then φ(n) and t with Tab
    });
}

void FrmSistemaRSA::buscaExponente() {
    atrapaErrores(this, "btBuscaMCDmascerca", [this] {
        const auto t = leeEntero(campoT_, "t ha de ser un número entero positivo.", 1);
        if (!t) return;
        contexto_.estado.tiempo.marcaInicio();
        const auto x = exponenteCoprimo(contexto_.estado.tiempo, *t, claves_.phi);
        if (!x) return mensajeTiempoAgotado(this, contexto_.estado.tiempo);
        claves_.t = *x;
        campoT_->setText(texto(claves_.t));
        campoT_->setEnabled(false);
        botonAceptaExponente_->setEnabled(true);
        porDefecto(botonAceptaExponente_);
        botonAceptaExponente_->setFocus();
    });
}

void FrmSistemaRSA::aceptaExponente() {
    atrapaErrores(this, "btAceptart", [this] {
        contexto_.estado.tiempo.marcaInicio();
        const auto [s, euclides] = inversoZn(contexto_.estado.tiempo, claves_.phi, claves_.t);
        contexto_.trazas.publica(Publicada<TrazaEuclides>{
            euclides,
            {{"φ(n)", textoDecimal(claves_.phi)}, {"t", textoDecimal(claves_.t)}},
            windowTitle()});
        if (!s) return mensajeTiempoAgotado(this, contexto_.estado.tiempo);
        claves_.s = s->inverso;
        etiquetaS_->setText(texto(claves_.s));
        for (QWidget* w : std::initializer_list<QWidget*>{campoT_, botonBuscaExponente_,
                                                          botonAceptaExponente_}) {
            w->setEnabled(false);
        }
        botonContinuar_->setEnabled(true);
        porDefecto(botonContinuar_);
        botonContinuar_->setFocus();
        anuncia(etiquetaS_);
    });
}

void FrmSistemaRSA::keyPressEvent(QKeyEvent* evento) {
    // Enter in p with q still empty goes on to q, instead of searching with q = 2.
    const bool intro = evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter;
    if (intro && focusWidget() == campoP_ && campoQ_->isEnabled() &&
        campoQ_->text().trimmed().isEmpty()) {
        return campoQ_->setFocus(Qt::TabFocusReason);
    }
    Ventana::keyPressEvent(evento);
}

void FrmSistemaRSA::continua() {
    contexto_.estado.tiempo.reiniciaTiempo();
    contexto_.abre<FrmCripPublica>().fijaClaves(claves_);
}

}  // namespace zefra::gui
