#include "gui/crypto/frm_crip_publica.hpp"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/arithmetic/numeros.hpp"
#include "core/crypto/preparacion.hpp"
#include "core/crypto/rsa.hpp"
#include "core/crypto/transcripcion.hpp"
#include "gui/crypto/piezas_cifrado.hpp"
#include "gui/files/frm_listdirec.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/rejilla.hpp"
#include "gui/ui/texto_exacto.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/trampa.hpp"

namespace zefra::gui {
namespace {

QString exacto(const std::string& texto) {
    return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
}

enum Clave { kP, kQ, kN, kPhi, kT, kS };

}  // namespace

FrmCripPublica::FrmCripPublica(Contexto& contexto)
    : VentanaCifrado(contexto, QStringLiteral("frmCripPublica"),
                     QStringLiteral("CRIPTOSISTEMA DE CLAVE PÚBLICA"),
                     {"opCodCpub",
                      "btInvertirCPub",
                      "btAbrirdeFicheroPublica",
                      "btGuardarEnFicheroPublica",
                      "2",
                      false,
                      {"txmensajenum", "txmensajecod"}}),
      txmensajenum_(salida(0)),
      txmensajecod_(resultado()),
      btpaso1_(botonPaso(0)),
      btpaso2_(botonPaso(1)) {
    compone(construyeClaves(), construyeMarcos());
    reinicia();
    resize(860, 580);
}

void FrmCripPublica::paso(int k) {
    if (k == 0) {
        paso1();
    } else {
        paso2();
    }
}

QWidget* FrmCripPublica::construyeClaves() {
    auto* marco = new QGroupBox(QStringLiteral("Claves"), this);
    marco->setObjectName(QStringLiteral("Frame2"));
    auto* rejilla = new QGridLayout(marco);
    const char* nombres[6] = {"lbpRSA", "lbqRSA", "lbnRSA", "lbfenRSA", "lbtRSA", "lbsRSA"};
    const char* titulos[6] = {"p :", "q :", "n :", "F.E.(n) :", "t :", "s :"};
    for (int i = 0; i < 6; ++i) {
        claves_[i] = etiqueta(marco, nombres[i], {});
        claves_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QFont negrita = claves_[i]->font();
        negrita.setBold(true);
        claves_[i]->setFont(negrita);
        rejilla->addWidget(new QLabel(QString::fromUtf8(titulos[i]), marco), i / 3, 2 * (i % 3),
                           Qt::AlignRight);
        rejilla->addWidget(claves_[i], i / 3, 2 * (i % 3) + 1);
    }
    return marco;
}

QWidget* FrmCripPublica::construyeMarcos() {
    auto* zona = new QWidget(this);
    auto* rejilla = new QGridLayout(zona);
    rejilla->setContentsMargins(0, 0, 0, 0);
    zona->setMinimumWidth(fontMetrics().averageCharWidth() * 46);

    Frame1_ = marcoDePaso(zona, "Frame1", QStringLiteral("PASO 1"));
    auto* tabla = new QVBoxLayout(Frame1_);
    Flexalfa1_ = tablaDeConversion(tabla, Frame1_, tabla_, "Flexalfa1");
    lineasDePaso(tabla, Frame1_, {"", "", "", ""}, lineasTabla_);
    const char* nombres[4] = {"Label45", "Label47", "Label48", "Label49"};
    for (int i = 0; i < 4; ++i)
        lineasTabla_[i]->setObjectName(QString::fromLatin1(nombres[i]));

    frmpaso2_ = marcoDePaso(zona, "frmpaso2", QStringLiteral("PASO 2"));
    auto* paso2 = new QVBoxLayout(frmpaso2_);
    txpaso2codPublica_ = campo(frmpaso2_, "txpaso2codPublica", true);
    paso2->addWidget(txpaso2codPublica_);
    lineasDePaso(paso2, frmpaso2_,
                 {"Concretamente:", "Se realiza la codificación del ",
                  "mensaje mediante la siguiente", "función de codificación:"});
    paso2->addSpacing(12);
    paso2->addWidget(formula(frmpaso2_, "formulaCifradoRSA",
                             QStringLiteral("C ( [ m ]<sub>n</sub> )  =   [ m ]<sup>t</sup>")));
    paso2->addStretch();

    frmpaso2_deco_ = marcoDePaso(zona, "frmpaso2_deco", QStringLiteral("PASO 2"));
    auto* deco = new QVBoxLayout(frmpaso2_deco_);
    txpaso2decodPublica_ = campo(frmpaso2_deco_, "txpaso2decodPublica", true);
    deco->addWidget(txpaso2decodPublica_);
    // Wide enough for the formulas of the largest keys, so the window does not grow later.
    anchoParaFormula(txpaso2codPublica_,
                     aQt(formulaCifradoRSA(kMaximoModuloRSA, kMaximoModuloRSA)));
    anchoParaFormula(txpaso2decodPublica_,
                     aQt(formulaDescifradoRSA(kMaximoModuloRSA, kMaximoModuloRSA)));
    lineasDePaso(deco, frmpaso2_deco_,
                 {"Concretamente:", "Se realiza la decodificación del",
                  "mensaje mediante la función de", "descifrado siguiente:"});
    deco->addSpacing(12);
    deco->addWidget(new QLabel(QStringLiteral("Función decodificadora:"), frmpaso2_deco_));
    deco->addWidget(formula(frmpaso2_deco_, "formulaDescifradoRSA",
                            QStringLiteral("D ( [  m*  ]<sub>n</sub> )  =  [  m* ]<sup>s</sup>")));
    deco->addStretch();

    for (QGroupBox* m : {Frame1_, frmpaso2_, frmpaso2_deco_})
        rejilla->addWidget(m, 0, 0);
    return zona;
}

void FrmCripPublica::fijaClaves(const ClavesRSA& claves) {
    const QString valores[6] = {claves.p, claves.q, claves.n, claves.phi, claves.t, claves.s};
    for (int i = 0; i < 6; ++i)
        claves_[i]->setText(valores[i]);
    reiniciaProceso();
}

double FrmCripPublica::valor(const QLabel* etiqueta) const {
    return leeNumero(aCore(etiqueta->text())).value_or(0);
}

void FrmCripPublica::ocultaMarcos() {
    for (QGroupBox* m : {Frame1_, frmpaso2_, frmpaso2_deco_})
        m->hide();
}

void FrmCripPublica::muestraTabla(const QString& paso, std::initializer_list<const char*> lineas) {
    Frame1_->setTitle(paso);
    int i = 0;
    for (const char* l : lineas)
        lineasTabla_[i++]->setText(QString::fromUtf8(l));
    Frame1_->show();
}

void FrmCripPublica::paso1() {
    auto& estado = contexto_.estado;
    estado.tiempo.reiniciaTiempo();
    atrapaErrores(this, "btpaso1", [&] {
        const auto cargada = preparaCripPublica(estado.ranuras, estado.alfabeto);
        muestraCargado(contexto_, cargada, {&tabla_});
        Flexalfa1_->ocultaFilasVacias();
        if (!cargada) return mensaje(this, kMensajeAlfabetoNoCargado);
        alfabeto_ = cargada->alfabeto;
        ancho_ = cargada->ancho;
        const double n = valor(claves_[kN]);
        std::string digitos;
        if (direccion() == 0) {
            const auto t = transcribeADigitos(aCore(txmensaje_->textoExacto()), alfabeto_);
            if (t.rechazado) return mensaje(this, mensajeSimboloAjeno(*t.rechazado));
            digitos = t.texto;
            muestraTabla(QStringLiteral("PASO 1"),
                         {"Transcripción inmediata del texto", "llano a una sucesión de dígitos",
                          "según se indica en la tabla de", "conversión:"});
        } else {
            const auto m = potenciaPorBloques(estado, aCore(txmensaje_->textoExacto()),
                                              anchoBloqueRSA(n), n, valor(claves_[kS]), ancho_);
            if (m.mensaje) return mensaje(this, *m.mensaje);
            if (m.tiempoAgotado) return mensajeTiempoAgotado(this);
            digitos = m.digitos;
            Frame1_->hide();
            frmpaso2_->hide();
            frmpaso2_deco_->show();
            muestraFormula(txpaso2decodPublica_, aQt(formulaDescifradoRSA(n, valor(claves_[kS]))));
        }
        btpaso1_->setEnabled(false);
        btpaso2_->setEnabled(true);
        porDefecto(btpaso2_);
        escribePaso(0, std::move(digitos), ancho_);
        txmensaje_->setEnabled(false);
    });
}

void FrmCripPublica::paso2() {
    auto& estado = contexto_.estado;
    estado.tiempo.reiniciaTiempo();
    atrapaErrores(this, "btpaso2", [&] {
        const double n = valor(claves_[kN]);
        const std::string& digitos = digitosPaso(0);
        std::string resultado;
        if (direccion() == 0) {
            frmpaso2_->show();
            const auto c = potenciaPorBloques(estado, digitos, ancho_, n, valor(claves_[kT]),
                                              anchoBloqueRSA(n));
            if (c.mensaje) return mensaje(this, *c.mensaje);
            if (c.tiempoAgotado) return mensajeTiempoAgotado(this);
            resultado = c.digitos;
            Frame1_->hide();
            muestraFormula(txpaso2codPublica_, aQt(formulaCifradoRSA(n, valor(claves_[kT]))));
        } else {
            const auto t = transcribeASimbolos(digitos, ancho_, alfabeto_);
            if (t.rechazado) return mensaje(this, mensajeCodigoAjeno(*t.rechazado));
            resultado = t.texto;
            frmpaso2_deco_->hide();
            muestraTabla(QStringLiteral("PASO 2"),
                         {"En este último paso, se realiza", "la transcripción inmediata a los",
                          "símbolos del alfabeto mediante", "la tabla de conversión:"});
        }
        btpaso2_->setEnabled(false);
        porDefecto(nullptr);
        txmensajecod_->fijaTexto(exacto(resultado));
    });
}

}  // namespace zefra::gui
