#include "gui/crypto/frm_crip_privada.hpp"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/arithmetic/euclides.hpp"
#include "core/crypto/afin.hpp"
#include "core/crypto/claves.hpp"
#include "core/crypto/preparacion.hpp"
#include "core/crypto/transcripcion.hpp"
#include "gui/crypto/piezas_cifrado.hpp"
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

}  // namespace

FrmCripPrivada::FrmCripPrivada(Contexto& contexto)
    : VentanaCifrado(contexto, QStringLiteral("frmcripprivada"),
                     QStringLiteral("CRIPTOSISTEMA DE CLAVE PRIVADA"),
                     {"Option1",
                      "btinvertir",
                      "btabrirdeFicheroPrivada",
                      "btGuardarEnFicheroPrivada",
                      "1",
                      true,
                      {"txmensajenum", "txmensajecod", "txmensajefinal"}}),
      txmensajenum_(salida(0)),
      txmensajecod_(salida(1)),
      txmensajefinal_(resultado()),
      btpaso1_(botonPaso(0)),
      btpaso2_(botonPaso(1)),
      btpaso3_(botonPaso(2)) {
    txclave_cpr_ = campo(this, "txclave_cpr", true);
    txclave_cps_ = campo(this, "txclave_cps", true);
    auto* cabecera = new QWidget(this);
    auto* claves = new QHBoxLayout(cabecera);
    claves->setContentsMargins(0, 0, 0, 0);
    for (auto [titulo, campoClave] : {std::pair{QStringLiteral("Clave r :"), txclave_cpr_},
                                      std::pair{QStringLiteral("Clave s :"), txclave_cps_}}) {
        auto* l = new QLabel(titulo, cabecera);
        l->setBuddy(campoClave);
        claves->addWidget(l);
        claves->addWidget(campoClave, 1);
    }
    compone(cabecera, construyeMarcos());
    reinicia();
    resize(820, 560);
}

void FrmCripPrivada::fijaClaves(const QString& r, const QString& s) {
    txclave_cpr_->setText(r);
    txclave_cps_->setText(s);
}

void FrmCripPrivada::paso(int k) {
    switch (k) {
        case 0:
            return paso1();
        case 1:
            return paso2();
        default:
            return paso3();
    }
}

void FrmCripPrivada::ocultaMarcos() {
    for (QGroupBox* m : {Frame1_, frmpaso2_, frmpaso2_deco_, frmpaso3_})
        m->hide();
}

void FrmCripPrivada::paso1() {
    atrapaErrores(this, "btpaso1", [this] {
        const auto cargada =
            preparaCripPrivada(contexto_.estado.ranuras, contexto_.estado.alfabeto);
        muestraCargado(contexto_, cargada, {&tablaPaso1_, &tablaPaso3_});
        Flexalfa1_->ocultaFilasVacias();
        FlexAlfa3_->ocultaFilasVacias();
        if (!cargada) return mensaje(this, kMensajeAlfabetoNoCargado);
        alfabeto_ = cargada->alfabeto;
        n_ = cargada->modulo;
        ancho_ = cargada->ancho;
        const auto digitos = transcribeADigitos(aCore(txmensaje_->textoExacto()), alfabeto_);
        if (digitos.rechazado) return mensaje(this, mensajeSimboloAjeno(*digitos.rechazado));
        Frame1_->show();
        btpaso1_->setEnabled(false);
        btpaso2_->setEnabled(true);
        porDefecto(btpaso2_);
        escribePaso(0, digitos.texto, ancho_);
        txmensaje_->setEnabled(false);
        bloqueaAlfabeto();
    });
}

void FrmCripPrivada::paso2() {
    auto& estado = contexto_.estado;
    estado.tiempo.reiniciaTiempo();
    atrapaErrores(this, "btpaso2", [&] {
        const std::string r = aCore(txclave_cpr_->text().trimmed());
        const std::string s = aCore(txclave_cps_->text().trimmed());
        // The cipher works on the classes of the keys, so a key of any size gives exactly the
        // classes the formulas name.
        const auto claseR = claseDeClave(r, n_);
        const auto claseS = claseDeClave(s, n_);
        if (!claseR || !claseS) return mensaje(this, kMensajeClavesEnteras);
        const auto g = mcd(estado.tiempo, *claseR, n_);
        if (!g || *g != 1) return mensaje(this, mensajeClaveNoValida(n_));

        Frame1_->hide();
        const auto formulas = formulasAfines(r, s);
        muestraFormula(txpaso2cod_, exacto(formulas.cifrado));
        muestraFormula(txpaso2decod_, exacto(formulas.descifrado));
        lbrsexplica_->setText(exacto(formulas.explicacion));
        const bool codifica = direccion() == 0;
        if (codifica) {
            frmpaso2_->show();
        } else {
            frmpaso2_->hide();
            frmpaso2_deco_->show();
        }
        btpaso2_->setEnabled(false);
        btpaso3_->setEnabled(true);
        porDefecto(btpaso3_);

        const auto resultado = cifraAfin(estado, digitosPaso(0), ancho_, n_, *claseR, *claseS,
                                         codifica ? Sentido::Codificar : Sentido::Decodificar);
        for (int k = 0; k < resultado.fueraDeRango; ++k)
            mensaje(this, mensajeFueraDeRango(n_));
        if (resultado.tiempoAgotado) return mensajeTiempoAgotado(this);
        if (resultado.fueraDeRango == 0) escribePaso(1, resultado.digitos, ancho_);
    });
}

void FrmCripPrivada::paso3() {
    frmpaso2_deco_->hide();
    frmpaso2_->hide();
    frmpaso3_->show();
    btpaso3_->setEnabled(false);
    porDefecto(nullptr);
    atrapaErrores(this, "btpaso3", [this] {
        const auto texto = transcribeASimbolos(digitosPaso(1), ancho_, alfabeto_);
        if (texto.rechazado) return mensaje(this, mensajeCodigoAjeno(*texto.rechazado));
        txmensajefinal_->fijaTexto(exacto(texto.texto));
    });
}

}  // namespace zefra::gui
