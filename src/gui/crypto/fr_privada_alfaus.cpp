#include "gui/crypto/fr_privada_alfaus.hpp"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/arithmetic/euclides.hpp"
#include "core/crypto/afin.hpp"
#include "core/crypto/claves.hpp"
#include "core/crypto/digitos_mensaje.hpp"
#include "core/crypto/preparacion.hpp"
#include "core/crypto/transcripcion.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/rejilla.hpp"
#include "gui/ui/texto_exacto.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/trampa.hpp"

namespace zefra::gui {
FrPrivadaAlfaus::FrPrivadaAlfaus(Contexto& contexto)
    : VentanaCifrado(contexto, QStringLiteral("frPrivadaAlfaus"),
                     QStringLiteral("CRIPTOGRAFÍA DE CLAVE PRIVADA"),
                     {"opCodCpub",
                      "btInvertirCPrivUs",
                      "btAbrirdeFicheroPublica",
                      "btGuardarEnFicheroPublica",
                      "4",
                      true,
                      {"txmensajenum", "txmensajecod"},
                      "frdescafin"}) {
    auto* marcoClaves = new QGroupBox(QStringLiteral("Claves"), this);
    marcoClaves->setObjectName(QStringLiteral("Frame1"));
    claveR_ = etiqueta(marcoClaves, "lbclaver", {});
    claveS_ = etiqueta(marcoClaves, "lbclaves", {});
    auto* claves = new QHBoxLayout(marcoClaves);
    for (auto [titulo, clave] :
         {std::pair{QStringLiteral("r :"), claveR_}, std::pair{QStringLiteral("s :"), claveS_}}) {
        clave->setTextFormat(Qt::PlainText);
        clave->setTextInteractionFlags(Qt::TextSelectableByMouse);
        claves->addWidget(new QLabel(titulo, marcoClaves));
        claves->addWidget(clave);
        claves->addSpacing(24);
    }
    claves->addStretch();
    compone(marcoClaves, construyeMarcos());
    reinicia();
    resize(860, 560);
}

void FrPrivadaAlfaus::entradas(Documento& documento) const {
    documento.entradas.emplace_back("r", aCore(claveR_->text()));
    documento.entradas.emplace_back("s", aCore(claveS_->text()));
}

void FrPrivadaAlfaus::paso(int k) {
    if (k == 0) {
        paso1();
    } else {
        paso2();
    }
}

void FrPrivadaAlfaus::fijaClaves(const ClavesAfines& claves) {
    claves_ = claves;
    claveR_->setText(exacto(claves_.r));
    claveS_->setText(exacto(claves_.s));
}

void FrPrivadaAlfaus::ocultaMarcos() {
    for (QGroupBox* m : {marcoTabla_.marco, marcoCifrado_, marcoDescifrado_})
        m->hide();
}

std::optional<ClasesAfines> FrPrivadaAlfaus::clases() {
    auto& estado = contexto_.estado;
    const auto c = clasesDeClaves(claves_, n_);
    if (!c) {
        mensaje(this, kMensajeClavesEnteras);
        return std::nullopt;
    }
    // The alphabet may have changed since the key window accepted r: r must be prime to this n.
    const auto g = mcd(estado.tiempo, c->r, n_);
    if (!g || *g != 1) {
        mensaje(this, mensajeClaveNoValida(n_));
        return std::nullopt;
    }
    return c;
}

void FrPrivadaAlfaus::paso1() {
    auto& estado = contexto_.estado;
    estado.tiempo.reiniciaTiempo();
    atrapaErrores(this, "btpaso1", [&] {
        const auto cargada = preparaPrivadaUsuario(estado.ranuras, estado.alfabeto);
        if (!muestraAlfabeto(cargada, {{&tabla_, marcoTabla_.rejilla}})) return;
        alfabeto_ = cargada->alfabeto;
        n_ = cargada->modulo;
        ancho_ = cargada->ancho;
        const bool codifica = direccion() == Sentido::Codificar;
        const std::string texto = aCore(mensaje_->textoExacto());
        std::string salida;
        if (codifica) {
            auto digitos = transcribeADigitos(texto, alfabeto_);
            if (digitos.rechazado) return mensaje(this, mensajeSimboloAjeno(*digitos.rechazado));
            salida = std::move(digitos.texto);
        } else {
            const auto digitos = digitosDelMensaje(texto, ancho_);
            if (digitos.rechazo) return mensaje(this, *digitos.rechazo);
            const auto rs = clases();
            if (!rs) return;
            const auto descifrado = cifraAfin(estado.tiempo, digitos.digitos, ancho_, n_, rs->r,
                                              rs->s, Sentido::Decodificar);
            publicaEuclides(descifrado, n_, rs->r);
            for (int k = 0; k < descifrado.fueraDeRango; ++k)
                mensaje(this, mensajeFueraDeRango(n_));
            if (descifrado.tiempoAgotado) return mensajeTiempoAgotado(this, estado.tiempo);
            if (descifrado.fueraDeRango > 0) return;
            salida = descifrado.digitos;
        }
        bloqueaAlfabeto();
        if (codifica) {
            muestraTabla(marcoTabla_, QStringLiteral("PASO 1"), kLineasADigitos);
        } else {
            marcoTabla_.marco->hide();
            marcoCifrado_->hide();
            marcoDescifrado_->show();
            formulaDescifrado_->setText(exacto(formulaDescifradoUsuario(claves_.r, claves_.s)));
        }
        cierraPaso(0);
        escribePaso(0, std::move(salida), ancho_);
        mensaje_->setEnabled(false);
    });
}

void FrPrivadaAlfaus::paso2() {
    auto& estado = contexto_.estado;
    estado.tiempo.reiniciaTiempo();
    atrapaErrores(this, "btpaso2", [&] {
        const std::string& digitos = digitosPaso(0);
        std::string salida;
        bool error = false;
        if (direccion() == Sentido::Codificar) {
            const auto rs = clases();
            if (!rs) return;
            marcoCifrado_->show();
            const auto cifrado =
                cifraAfin(estado.tiempo, digitos, ancho_, n_, rs->r, rs->s, Sentido::Codificar);
            for (int k = 0; k < cifrado.fueraDeRango; ++k)
                mensaje(this, mensajeFueraDeRango(n_));
            error = cifrado.fueraDeRango > 0;
            formulaCifrado_->setText(exacto(formulasAfines(claves_.r, claves_.s).cifrado));
            marcoTabla_.marco->hide();
            salida = cifrado.digitos;
        } else {
            auto simbolos = transcribeASimbolos(digitos, ancho_, alfabeto_);
            if (simbolos.rechazado) return mensaje(this, mensajeCodigoAjeno(*simbolos.rechazado));
            marcoDescifrado_->hide();
            muestraTabla(marcoTabla_, QStringLiteral("PASO 2"), kLineasASimbolos);
            salida = std::move(simbolos.texto);
        }
        cierraPaso(1);
        if (!error) resultado()->fijaTexto(exacto(salida));
    });
}

}  // namespace zefra::gui
