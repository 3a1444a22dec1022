#include "gui/crypto/fr_privada_alfaus.hpp"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/arithmetic/euclides.hpp"
#include "core/crypto/afin.hpp"
#include "core/crypto/claves.hpp"
#include "core/crypto/digitos_mensaje.hpp"
#include "core/crypto/preparacion.hpp"
#include "core/crypto/transcripcion.hpp"
#include "gui/alphabets/seleccion_alfabeto.hpp"
#include "gui/files/frm_listdirec.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/rejilla.hpp"
#include "gui/ui/texto_exacto.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/trampa.hpp"

namespace zefra::gui {
namespace {

QString exacto(std::string_view texto) {
    return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
}

constexpr std::array<const char*, 4> kLineasPaso1 = {
    "Transcripción inmediata del texto", "llano a una sucesión de dígitos",
    "según se indica en la tabla de", "conversión:"};
constexpr std::array<const char*, 4> kLineasPaso2 = {
    "En este último paso, se realiza", "la transcripción inmediata a los",
    "símbolos del alfabeto mediante", "la tabla de conversión:"};

}  // namespace

FrPrivadaAlfaus::FrPrivadaAlfaus(Contexto& contexto)
    : VentanaCifrado(contexto, QStringLiteral("frPrivadaAlfaus"),
                     QStringLiteral("CRIPTOGRAFÍA DE CLAVE PRIVADA"),
                     {"opCodCpub",
                      "btInvertirCPrivUs",
                      "btAbrirdeFicheroPublica",
                      "btGuardarEnFicheroPublica",
                      "4",
                      true,
                      {"txmensajenum", "txmensajecod"}}),
      txmensajenum_(salida(0)),
      txmensajecod_(resultado()),
      btpaso1_(botonPaso(0)),
      btpaso2_(botonPaso(1)) {
    auto* Frame1 = new QGroupBox(QStringLiteral("Claves"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    lbclaver_ = etiqueta(Frame1, "lbclaver", {});
    lbclaves_ = etiqueta(Frame1, "lbclaves", {});
    auto* claves = new QHBoxLayout(Frame1);
    for (auto [titulo, clave] : {std::pair{QStringLiteral("r :"), lbclaver_},
                                 std::pair{QStringLiteral("s :"), lbclaves_}}) {
        clave->setTextFormat(Qt::PlainText);
        clave->setTextInteractionFlags(Qt::TextSelectableByMouse);
        claves->addWidget(new QLabel(titulo, Frame1));
        claves->addWidget(clave);
        claves->addSpacing(24);
    }
    claves->addStretch();
    compone(Frame1, construyeMarcos());
    reinicia();
    resize(860, 560);
}

void FrPrivadaAlfaus::paso(int k) {
    if (k == 0) {
        paso1();
    } else {
        paso2();
    }
}

void FrPrivadaAlfaus::fijaClaves(const QString& r, const QString& s) {
    lbclaver_->setText(r);
    lbclaves_->setText(s);
}

void FrPrivadaAlfaus::ocultaMarcos() {
    for (QGroupBox* m : {Frame2_, frmpaso2privadaus_, frmpaso2decoprivada_})
        m->hide();
}

std::optional<std::pair<double, double>> FrPrivadaAlfaus::claves() {
    auto& estado = contexto_.estado;
    const auto r = claseDeClave(aCore(lbclaver_->text()), n_);
    const auto s = claseDeClave(aCore(lbclaves_->text()), n_);
    if (!r || !s) {
        mensaje(this, kMensajeClavesEnteras);
        return std::nullopt;
    }
    // The alphabet may have changed since the key window accepted r: r must be prime to this n.
    const auto g = mcd(estado.tiempo, *r, n_);
    if (!g || *g != 1) {
        mensaje(this, mensajeClaveNoValida(n_));
        return std::nullopt;
    }
    return std::pair{*r, *s};
}

void FrPrivadaAlfaus::muestraTabla(const QString& titulo,
                                   const std::array<const char*, 4>& textos) {
    Frame2_->setTitle(titulo);
    for (std::size_t k = 0; k < textos.size(); ++k)
        lineasTabla_[k]->setText(QString::fromUtf8(textos[k]));
    Frame2_->show();
}

void FrPrivadaAlfaus::paso1() {
    auto& estado = contexto_.estado;
    estado.tiempo.reiniciaTiempo();
    atrapaErrores(this, "btpaso1", [&] {
        const auto cargada = preparaPrivadaUsuario(estado.ranuras, estado.alfabeto);
        muestraCargado(contexto_, cargada, {&tabla_});
        Flexalfa1_->ocultaFilasVacias();
        if (!cargada) return mensaje(this, kMensajeAlfabetoNoCargado);
        alfabeto_ = cargada->alfabeto;
        n_ = cargada->modulo;
        ancho_ = cargada->ancho;
        const bool codifica = direccion() == 0;
        const std::string texto = aCore(txmensaje_->textoExacto());
        std::string resultado;
        if (codifica) {
            auto digitos = transcribeADigitos(texto, alfabeto_);
            if (digitos.rechazado) return mensaje(this, mensajeSimboloAjeno(*digitos.rechazado));
            resultado = std::move(digitos.texto);
        } else {
            const auto digitos = digitosDelMensaje(texto, ancho_);
            if (digitos.rechazo) return mensaje(this, *digitos.rechazo);
            const auto rs = claves();
            if (!rs) return;
            const auto descifrado = cifraAfin(estado, digitos.digitos, ancho_, n_, rs->first,
                                              rs->second, Sentido::Decodificar);
            for (int k = 0; k < descifrado.fueraDeRango; ++k)
                mensaje(this, mensajeFueraDeRango(n_));
            if (descifrado.tiempoAgotado) {
                return mensajeTiempoAgotado(this);
            }
            if (descifrado.fueraDeRango > 0) return;
            resultado = descifrado.digitos;
        }
        bloqueaAlfabeto();
        if (codifica) {
            muestraTabla(QStringLiteral("PASO 1"), kLineasPaso1);
        } else {
            Frame2_->hide();
            frmpaso2privadaus_->hide();
            frmpaso2decoprivada_->show();
            txpaso2decodPublica_->setText(exacto(
                formulaDescifradoUsuario(aCore(lbclaver_->text()), aCore(lbclaves_->text()))));
        }
        btpaso1_->setEnabled(false);
        btpaso2_->setEnabled(true);
        porDefecto(btpaso2_);
        escribePaso(0, std::move(resultado), ancho_);
        txmensaje_->setEnabled(false);
    });
}

void FrPrivadaAlfaus::paso2() {
    auto& estado = contexto_.estado;
    estado.tiempo.reiniciaTiempo();
    atrapaErrores(this, "btpaso2", [&] {
        const std::string& digitos = digitosPaso(0);
        std::string resultado;
        bool error = false;
        if (direccion() == 0) {
            const auto rs = claves();
            if (!rs) return;
            frmpaso2privadaus_->show();
            const auto cifrado =
                cifraAfin(estado, digitos, ancho_, n_, rs->first, rs->second, Sentido::Codificar);
            for (int k = 0; k < cifrado.fueraDeRango; ++k)
                mensaje(this, mensajeFueraDeRango(n_));
            error = cifrado.fueraDeRango > 0;
            txpaso2codPublica_->setText(
                exacto(formulasAfines(aCore(lbclaver_->text()), aCore(lbclaves_->text())).cifrado));
            Frame2_->hide();
            resultado = cifrado.digitos;
        } else {
            auto simbolos = transcribeASimbolos(digitos, ancho_, alfabeto_);
            if (simbolos.rechazado) return mensaje(this, mensajeCodigoAjeno(*simbolos.rechazado));
            frmpaso2decoprivada_->hide();
            muestraTabla(QStringLiteral("PASO 2"), kLineasPaso2);
            resultado = std::move(simbolos.texto);
        }
        btpaso2_->setEnabled(false);
        porDefecto(nullptr);
        if (!error) txmensajecod_->fijaTexto(exacto(resultado));
    });
}

}  // namespace zefra::gui
