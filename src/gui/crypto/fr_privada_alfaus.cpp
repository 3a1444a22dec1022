#include "crypto/fr_privada_alfaus.hpp"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "alphabets/seleccion_alfabeto.hpp"
#include "arithmetic/euclides.hpp"
#include "crypto/afin.hpp"
#include "crypto/claves.hpp"
#include "crypto/digitos_mensaje.hpp"
#include "crypto/preparacion.hpp"
#include "crypto/transcripcion.hpp"
#include "files/frm_listdirec.hpp"
#include "ui/controles.hpp"
#include "ui/mensajes.hpp"
#include "ui/rejilla.hpp"
#include "ui/texto_exacto.hpp"
#include "ui/textos.hpp"
#include "ui/trampa.hpp"

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
    : Ventana(contexto.principal, QStringLiteral("frPrivadaAlfaus"),
              QStringLiteral("CRIPTOGRAFÍA DE CLAVE PRIVADA")),
      contexto_(contexto) {
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

    txmensaje_ = new TextoExacto(this, "txmensaje", false);
    txmensajenum_ = texto(this, "txmensajenum");
    txmensajecod_ = new TextoExacto(this, "txmensajecod", true);
    auto* etiquetaMensaje = new QLabel(QStringLiteral("&Mensaje:"), this);
    etiquetaMensaje->setBuddy(txmensaje_);

    direcciones_ = new QButtonGroup(this);
    const QString titulos[2] = {QStringLiteral("CODIFICAR"), QStringLiteral("DECODIFICAR")};
    auto* sentidos = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        opciones_[i] = new QRadioButton(titulos[i], this);
        opciones_[i]->setObjectName(QStringLiteral("opCodCpub(%1)").arg(i));
        direcciones_->addButton(opciones_[i], i);
        connect(opciones_[i], &QRadioButton::toggled, this, [this, i](bool marcada) {
            if (marcada) eligeDireccion(i);
        });
        sentidos->addWidget(opciones_[i]);
    }
    sentidos->addStretch();

    btpaso1_ = boton(this, "btpaso1", QStringLiteral("PASO &1"));
    btpaso2_ = boton(this, "btpaso2", QStringLiteral("PASO &2"));
    connect(btpaso1_, &QPushButton::clicked, this, &FrPrivadaAlfaus::paso1);
    connect(btpaso2_, &QPushButton::clicked, this, &FrPrivadaAlfaus::paso2);
    auto* pasos = new QGridLayout;
    const std::pair<QPushButton*, QPlainTextEdit*> filas[] = {{btpaso1_, txmensajenum_},
                                                              {btpaso2_, txmensajecod_}};
    for (int f = 0; f < 2; ++f) {
        pasos->addWidget(filas[f].first, f, 0, Qt::AlignTop);
        pasos->addWidget(filas[f].second, f, 1);
        filas[f].second->setMinimumHeight(fontMetrics().height() * 3);
    }

    auto* invertir = boton(this, "btInvertirCPrivUs", QStringLiteral("&Invertir proceso"));
    auto* inicializar = boton(this, "btinicializar", QStringLiteral("I&nicializar"));
    auto* abrir = boton(this, "btAbrirdeFicheroPublica", QStringLiteral("&Abrir de fichero"));
    auto* guardar = boton(this, "btGuardarEnFicheroPublica", QStringLiteral("&Guardar en fichero"));
    connect(invertir, &QPushButton::clicked, this, &FrPrivadaAlfaus::invertir);
    connect(inicializar, &QPushButton::clicked, this, &FrPrivadaAlfaus::inicializar);
    connect(abrir, &QPushButton::clicked, this, &FrPrivadaAlfaus::abrirDeFichero);
    connect(guardar, &QPushButton::clicked, this, &FrPrivadaAlfaus::guardarEnFichero);
    auto* botones = new QHBoxLayout;
    for (QPushButton* b : {invertir, inicializar, abrir, guardar})
        botones->addWidget(b);
    botones->addStretch();
    botones->addWidget(botonSalir(this));

    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(Frame1);
    izquierda->addWidget(etiquetaMensaje);
    izquierda->addWidget(txmensaje_, 1);
    izquierda->addLayout(sentidos);
    izquierda->addLayout(pasos, 2);
    auto* arriba = new QHBoxLayout;
    arriba->addLayout(izquierda, 1);
    arriba->addWidget(construyeMarcos());
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(arriba, 1);
    columna->addLayout(botones);

    reiniciaPrivadaUsuario();
    resize(860, 560);
}

void FrPrivadaAlfaus::fijaClaves(const QString& r, const QString& s) {
    lbclaver_->setText(r);
    lbclaves_->setText(s);
}

int FrPrivadaAlfaus::direccion() const {
    return direcciones_->checkedId();
}

void FrPrivadaAlfaus::desmarcaDirecciones() {
    direcciones_->setExclusive(false);  // an exclusive group keeps one option checked
    for (QRadioButton* o : opciones_)
        o->setChecked(false);
    direcciones_->setExclusive(true);
}

void FrPrivadaAlfaus::ocultaMarcos() {
    for (QGroupBox* m : {Frame2_, frmpaso2privadaus_, frmpaso2decoprivada_})
        m->hide();
}

void FrPrivadaAlfaus::reiniciaPrivadaUsuario() {
    txmensaje_->fijaTexto({});
    txmensajenum_->clear();
    txmensajecod_->fijaTexto({});
    desmarcaDirecciones();
    for (QRadioButton* o : opciones_)
        o->setEnabled(true);
    txmensaje_->setEnabled(true);
    btpaso1_->setEnabled(false);
    btpaso2_->setEnabled(false);
    ocultaMarcos();
}

void FrPrivadaAlfaus::eligeDireccion(int opcion) {
    if (txmensaje_->textoExacto().isEmpty()) {
        mensaje(this, "Ha de escribir al menos un símbolo del alfabeto.");
        desmarcaDirecciones();
        return;
    }
    opciones_[1 - opcion]->setEnabled(false);
    btpaso1_->setEnabled(true);
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
        const auto cargada = preparaPrivadaUsuario(estado, tabla_);
        Flexalfa1_->ocultaFilasVacias();
        if (!cargada) return mensaje(this, kMensajeAlfabetoNoCargado);
        n_ = cargada->modulo;
        ancho_ = cargada->ancho;
        const bool codifica = direccion() == 0;
        const std::string texto = aCore(txmensaje_->textoExacto());
        std::string resultado;
        if (codifica) {
            auto digitos = transcribeADigitos(texto, tabla_);
            if (digitos.rechazado) return mensaje(this, mensajeSimboloAjeno(*digitos.rechazado));
            resultado = std::move(digitos.texto);
        } else {
            const auto digitos = digitosDelMensaje(texto);
            if (!digitos) return mensaje(this, kMensajeSoloDigitos);
            const auto rs = claves();
            if (!rs) return;
            const auto descifrado = cifraAfin(estado, *digitos, ancho_, n_, rs->first, rs->second,
                                              Sentido::Decodificar);
            for (int k = 0; k < descifrado.fueraDeRango; ++k)
                mensaje(this, mensajeFueraDeRango(n_));
            if (descifrado.tiempoAgotado) {
                return mensaje(this, "Se ha superado el tiempo establecido.");
            }
            if (descifrado.fueraDeRango > 0) return;
            resultado = descifrado.digitos;
        }
        SeleccionAlfabeto::de(contexto_).habilitaSeleccion(false);
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
        txmensajenum_->setPlainText(exacto(resultado));
        txmensaje_->setEnabled(false);
    });
}

void FrPrivadaAlfaus::paso2() {
    auto& estado = contexto_.estado;
    estado.tiempo.reiniciaTiempo();
    atrapaErrores(this, "btpaso2", [&] {
        const std::string digitos = aCore(txmensajenum_->toPlainText());
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
            auto simbolos = transcribeASimbolos(digitos, ancho_, tabla_);
            if (simbolos.rechazado) return mensaje(this, mensajeCodigoAjeno(*simbolos.rechazado));
            frmpaso2decoprivada_->hide();
            muestraTabla(QStringLiteral("PASO 2"), kLineasPaso2);
            resultado = std::move(simbolos.texto);
        }
        btpaso2_->setEnabled(false);
        if (!error) txmensajecod_->fijaTexto(exacto(resultado));
    });
}

void FrPrivadaAlfaus::invertir() {
    const int elegida = direccion();
    const QString resultado = txmensajecod_->textoExacto();
    if (elegida < 0 || resultado.isEmpty() || btpaso1_->isEnabled() || btpaso2_->isEnabled()) {
        return;  // the process has not ended
    }
    txmensajenum_->clear();
    txmensaje_->fijaTexto(resultado);
    txmensajecod_->fijaTexto({});
    if (elegida == 0) {
        opciones_[0]->setChecked(false);
        opciones_[1]->setEnabled(true);
        opciones_[1]->setChecked(true);  // its handler disables the other option
    } else {
        opciones_[0]->setChecked(true);
        opciones_[0]->setEnabled(true);
        opciones_[1]->setChecked(false);
    }
    btpaso1_->setEnabled(true);
    btpaso2_->setEnabled(false);
    ocultaMarcos();
}

void FrPrivadaAlfaus::inicializar() {
    reiniciaPrivadaUsuario();
    SeleccionAlfabeto::de(contexto_).habilitaSeleccion(true);
}

void FrPrivadaAlfaus::salir() {
    reiniciaPrivadaUsuario();
    SeleccionAlfabeto::de(contexto_).habilitaSeleccion(true);
    Ventana::salir();
}

void FrPrivadaAlfaus::abrirDeFichero() {
    DestinoFichero destino;
    // A new message starts a new process in this window.
    destino.recibe = [this](const std::string& texto) {
        inicializar();
        txmensaje_->fijaTexto(exacto(texto));
        return true;
    };
    contexto_.ventana<FrmListDirec>().pide(
        {QStringLiteral("4"), QStringLiteral("Abrir de fichero"), false, false, destino});
}

void FrPrivadaAlfaus::guardarEnFichero() {
    DestinoFichero destino;
    destino.texto = [this] {
        return std::optional<std::string>(aCore(txmensajecod_->textoExacto()));
    };
    contexto_.ventana<FrmListDirec>().pide(
        {QStringLiteral("4"), QStringLiteral("Guardar en fichero"), true, false, destino});
}

}  // namespace zefra::gui
