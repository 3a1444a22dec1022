#include "gui/crypto/frm_crip_publica.hpp"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/crypto/preparacion.hpp"
#include "core/crypto/rsa.hpp"
#include "core/crypto/transcripcion.hpp"
#include "core/modular/potencias.hpp"
#include "core/shell/numeros.hpp"
#include "gui/crypto/piezas_cifrado.hpp"
#include "gui/ui/avisos_zn.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/rejilla.hpp"
#include "gui/ui/texto_exacto.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/trampa.hpp"

namespace zefra::gui {

FrmCripPublica::FrmCripPublica(Contexto& contexto)
    : VentanaCifrado(contexto, QStringLiteral("frmCripPublica"),
                     QStringLiteral("CRIPTOSISTEMA DE CLAVE PÚBLICA"),
                     {"opCodCpub",
                      "btInvertirCPub",
                      "btAbrirdeFicheroPublica",
                      "btGuardarEnFicheroPublica",
                      "2",
                      false,
                      {"txmensajenum", "txmensajecod"},
                      "frdescRSA"}) {
    compone(construyeClaves(), construyeMarcos());
    reinicia();
    resize(860, 580);
}

void FrmCripPublica::entradas(Documento& documento) const {
    for (std::size_t i = 0; i < etiquetasClaves_.size(); ++i)
        documento.entradas.emplace_back(aCore(rotulosClaves_[i]),
                                        aCore(etiquetasClaves_[i]->text()));
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
    for (std::size_t i = 0; i < rotulosClaves_.size(); ++i)
        rotulosClaves_[i] = QString::fromUtf8(titulos[i]).chopped(2);
    for (int i = 0; i < 6; ++i) {
        QLabel*& clave = etiquetasClaves_[static_cast<std::size_t>(i)];
        clave = etiqueta(marco, nombres[i], {});
        clave->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QFont negrita = clave->font();
        negrita.setBold(true);
        clave->setFont(negrita);
        rejilla->addWidget(new QLabel(QString::fromUtf8(titulos[i]), marco), i / 3, 2 * (i % 3),
                           Qt::AlignRight);
        rejilla->addWidget(clave, i / 3, 2 * (i % 3) + 1);
    }
    return marco;
}

QWidget* FrmCripPublica::construyeMarcos() {
    auto* zona = zonaDePasos(this);
    zona->setMinimumWidth(fontMetrics().averageCharWidth() * 46);

    // The lines are written by the step that shows the table.
    marcoTabla_ = marcoDeTablaCompartida(zona, "Frame1", tabla_);

    const auto cifrado =
        marcoConFormula(zona, QStringLiteral("PASO 2"),
                        {.marco = "frmpaso2",
                         .campo = "txpaso2codPublica",
                         .lineas = {"Concretamente:", "Se realiza la codificación del ",
                                    "mensaje mediante la siguiente", "función de codificación:"},
                         .formula = "formulaCifradoRSA",
                         .html = QStringLiteral("C ( [ m ]<sub>n</sub> )  =   [ m ]<sup>t</sup>")});
    marcoCifrado_ = cifrado.marco;
    formulaCifrado_ = cifrado.campo;

    const auto descifrado = marcoConFormula(
        zona, QStringLiteral("PASO 2"),
        {.marco = "frmpaso2_deco",
         .campo = "txpaso2decodPublica",
         .lineas = {"Concretamente:", "Se realiza la decodificación del",
                    "mensaje mediante la función de", "descifrado siguiente:"},
         .rotulo = "Función decodificadora:",
         .formula = "formulaDescifradoRSA",
         .html = QStringLiteral("D ( [  m*  ]<sub>n</sub> )  =  [  m* ]<sup>s</sup>")});
    marcoDescifrado_ = descifrado.marco;
    formulaDescifrado_ = descifrado.campo;
    // Wide enough for the formulas of the largest keys, so the window does not grow later.
    anchoParaFormula(formulaCifrado_, aQt(formulaCifradoRSA(kMaximoModuloRSA, kMaximoModuloRSA)));
    anchoParaFormula(formulaDescifrado_,
                     aQt(formulaDescifradoRSA(kMaximoModuloRSA, kMaximoModuloRSA)));
    return zona;
}

void FrmCripPublica::fijaClaves(const ClavesRSA& claves) {
    claves_ = claves;
    const double valores[6] = {claves.p, claves.q, claves.n, claves.phi, claves.t, claves.s};
    for (std::size_t i = 0; i < etiquetasClaves_.size(); ++i)
        etiquetasClaves_[i]->setText(aQt(textoDecimal(valores[i])));
    reiniciaProceso();
}

ResultadoRSA FrmCripPublica::eleva(std::string_view digitos, int ancho, double exponente,
                                   int anchoSalida) {
    auto& estado = contexto_.estado;
    AvisosVentanas avisos(contexto_.avisos);
    auto r = potenciaPorBloques({estado.tiempo, estado.memoriaModulo, &avisos}, digitos, ancho,
                                claves_.n, exponente, anchoSalida);
    if (r.traza) contexto_.trazas.publica(Publicada<TrazaPotencia>{*r.traza, {}, windowTitle()});
    return r;
}

void FrmCripPublica::ocultaMarcos() {
    for (QGroupBox* m : {marcoTabla_.marco, marcoCifrado_, marcoDescifrado_})
        m->hide();
}

void FrmCripPublica::paso1() {
    auto& estado = contexto_.estado;
    estado.tiempo.reiniciaTiempo();
    atrapaErrores(this, "btpaso1", [&] {
        const auto cargada = preparaCripPublica(estado.ranuras, estado.alfabeto);
        if (!muestraAlfabeto(cargada, {{&tabla_, marcoTabla_.rejilla}})) return;
        alfabeto_ = cargada->alfabeto;
        ancho_ = cargada->ancho;
        const double n = claves_.n;
        std::string digitos;
        if (direccion() == Sentido::Codificar) {
            const auto t = transcribeADigitos(aCore(mensaje_->textoExacto()), alfabeto_);
            if (t.rechazado) return mensaje(this, mensajeSimboloAjeno(*t.rechazado));
            digitos = t.texto;
            muestraTabla(marcoTabla_, QStringLiteral("PASO 1"), kLineasADigitos);
        } else {
            const auto m =
                eleva(aCore(mensaje_->textoExacto()), anchoBloqueRSA(n), claves_.s, ancho_);
            if (m.mensaje) return mensaje(this, *m.mensaje);
            if (m.tiempoAgotado) return mensajeTiempoAgotado(this, contexto_.estado.tiempo);
            digitos = m.digitos;
            marcoTabla_.marco->hide();
            marcoCifrado_->hide();
            marcoDescifrado_->show();
            muestraFormula(formulaDescifrado_, aQt(formulaDescifradoRSA(n, claves_.s)));
        }
        cierraPaso(0);
        escribePaso(0, std::move(digitos), ancho_);
        mensaje_->setEnabled(false);
    });
}

void FrmCripPublica::paso2() {
    auto& estado = contexto_.estado;
    estado.tiempo.reiniciaTiempo();
    atrapaErrores(this, "btpaso2", [&] {
        const double n = claves_.n;
        const std::string& digitos = digitosPaso(0);
        std::string salida;
        if (direccion() == Sentido::Codificar) {
            marcoCifrado_->show();
            const auto c = eleva(digitos, ancho_, claves_.t, anchoBloqueRSA(n));
            if (c.mensaje) return mensaje(this, *c.mensaje);
            if (c.tiempoAgotado) return mensajeTiempoAgotado(this, contexto_.estado.tiempo);
            salida = c.digitos;
            marcoTabla_.marco->hide();
            muestraFormula(formulaCifrado_, aQt(formulaCifradoRSA(n, claves_.t)));
        } else {
            const auto t = transcribeASimbolos(digitos, ancho_, alfabeto_);
            if (t.rechazado) return mensaje(this, mensajeCodigoAjeno(*t.rechazado));
            salida = t.texto;
            marcoDescifrado_->hide();
            muestraTabla(marcoTabla_, QStringLiteral("PASO 2"), kLineasASimbolos);
        }
        cierraPaso(1);
        resultado()->fijaTexto(exacto(salida));
    });
}

}  // namespace zefra::gui
