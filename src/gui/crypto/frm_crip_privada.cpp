#include "gui/crypto/frm_crip_privada.hpp"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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

FrmCripPrivada::FrmCripPrivada(Contexto& contexto)
    : VentanaCifrado(contexto, QStringLiteral("frmcripprivada"),
                     QStringLiteral("CRIPTOSISTEMA DE CLAVE PRIVADA"),
                     {"Option1",
                      "btinvertir",
                      "btabrirdeFicheroPrivada",
                      "btGuardarEnFicheroPrivada",
                      "1",
                      true,
                      {"txmensajenum", "txmensajecod", "txmensajefinal"},
                      "frdescafin"}) {
    claveR_ = campo(this, "txclave_cpr", true);
    claveS_ = campo(this, "txclave_cps", true);
    auto* cabecera = new QWidget(this);
    auto* claves = new QHBoxLayout(cabecera);
    claves->setContentsMargins(0, 0, 0, 0);
    for (auto [titulo, campoClave] : {std::pair{QStringLiteral("Clave r :"), claveR_},
                                      std::pair{QStringLiteral("Clave s :"), claveS_}}) {
        auto* l = new QLabel(titulo, cabecera);
        l->setBuddy(campoClave);
        claves->addWidget(l);
        claves->addWidget(campoClave, 1);
    }
    compone(cabecera, construyeMarcos());
    reinicia();
    resize(820, 560);
}

void FrmCripPrivada::fijaClaves(const ClavesAfines& claves) {
    claves_ = claves;
    claveR_->setText(exacto(claves_.r));
    claveS_->setText(exacto(claves_.s));
}

void FrmCripPrivada::entradas(Documento& documento) const {
    documento.entradas.emplace_back("Clave r", aCore(claveR_->text()));
    documento.entradas.emplace_back("Clave s", aCore(claveS_->text()));
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
    for (QGroupBox* m : {marcoTranscripcion_, marcoCifrado_, marcoDescifrado_, marcoVuelta_})
        m->hide();
}

void FrmCripPrivada::paso1() {
    atrapaErrores(this, "btpaso1", [this] {
        const auto cargada =
            preparaCripPrivada(contexto_.estado.ranuras, contexto_.estado.alfabeto);
        if (!muestraAlfabeto(cargada,
                             {{&tablaPaso1_, tablaTranscripcion_}, {&tablaPaso3_, tablaVuelta_}})) {
            return;
        }
        alfabeto_ = cargada->alfabeto;
        n_ = cargada->modulo;
        ancho_ = cargada->ancho;
        const auto digitos = transcribeADigitos(aCore(mensaje_->textoExacto()), alfabeto_);
        if (digitos.rechazado) return mensaje(this, mensajeSimboloAjeno(*digitos.rechazado));
        marcoTranscripcion_->show();
        cierraPaso(0);
        escribePaso(0, digitos.texto, ancho_);
        mensaje_->setEnabled(false);
        bloqueaAlfabeto();
    });
}

void FrmCripPrivada::paso2() {
    auto& estado = contexto_.estado;
    estado.tiempo.reiniciaTiempo();
    atrapaErrores(this, "btpaso2", [&] {
        // The cipher works on the classes of the keys, so a key of any size gives exactly the
        // classes the formulas name.
        const auto clases = clasesDeClaves(claves_, n_);
        if (!clases) return mensaje(this, kMensajeClavesEnteras);
        const auto g = mcd(estado.tiempo, clases->r, n_);
        if (!g || *g != 1) return mensaje(this, mensajeClaveNoValida(n_));

        marcoTranscripcion_->hide();
        const auto formulas = formulasAfines(claves_.r, claves_.s);
        muestraFormula(formulaCifrado_, exacto(formulas.cifrado));
        muestraFormula(formulaDescifrado_, exacto(formulas.descifrado));
        explicacionClaves_->setText(exacto(formulas.explicacion));
        const Sentido sentido = direccion().value_or(Sentido::Decodificar);
        if (sentido == Sentido::Codificar) {
            marcoCifrado_->show();
        } else {
            marcoCifrado_->hide();
            marcoDescifrado_->show();
        }
        cierraPaso(1);

        const auto cifrado =
            cifraAfin(estado.tiempo, digitosPaso(0), ancho_, n_, clases->r, clases->s, sentido);
        publicaEuclides(cifrado, n_, clases->r);
        for (int k = 0; k < cifrado.fueraDeRango; ++k)
            mensaje(this, mensajeFueraDeRango(n_));
        if (cifrado.tiempoAgotado) return mensajeTiempoAgotado(this, contexto_.estado.tiempo);
        if (cifrado.fueraDeRango == 0) escribePaso(1, cifrado.digitos, ancho_);
    });
}

void FrmCripPrivada::paso3() {
    marcoDescifrado_->hide();
    marcoCifrado_->hide();
    marcoVuelta_->show();
    cierraPaso(2);
    atrapaErrores(this, "btpaso3", [this] {
        const auto texto = transcribeASimbolos(digitosPaso(1), ancho_, alfabeto_);
        if (texto.rechazado) return mensaje(this, mensajeCodigoAjeno(*texto.rechazado));
        resultado()->fijaTexto(exacto(texto.texto));
    });
}

}  // namespace zefra::gui
