#include "crypto/frm_crip_privada.hpp"

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

#include "alphabets/seleccion_alfabeto.hpp"
#include "arithmetic/euclides.hpp"
#include "crypto/afin.hpp"
#include "crypto/claves.hpp"
#include "crypto/piezas_cifrado.hpp"
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

QString exacto(const std::string& texto) {
    return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
}

}  // namespace

FrmCripPrivada::FrmCripPrivada(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmcripprivada"),
              QStringLiteral("CRIPTOSISTEMA DE CLAVE PRIVADA")),
      contexto_(contexto) {
    txclave_cpr_ = campo(this, "txclave_cpr", true);
    txclave_cps_ = campo(this, "txclave_cps", true);
    auto* claves = new QHBoxLayout;
    for (auto [titulo, campoClave] : {std::pair{QStringLiteral("Clave r :"), txclave_cpr_},
                                      std::pair{QStringLiteral("Clave s :"), txclave_cps_}}) {
        auto* l = new QLabel(titulo, this);
        l->setBuddy(campoClave);
        claves->addWidget(l);
        claves->addWidget(campoClave, 1);
    }

    txmensaje_ = new TextoExacto(this, "txmensaje", false);
    txmensajenum_ = texto(this, "txmensajenum");
    txmensajecod_ = texto(this, "txmensajecod");
    txmensajefinal_ = new TextoExacto(this, "txmensajefinal", true);
    auto* etiquetaMensaje = new QLabel(QStringLiteral("&Mensaje:"), this);
    etiquetaMensaje->setBuddy(txmensaje_);

    direcciones_ = new QButtonGroup(this);
    const QString titulos[2] = {QStringLiteral("CODIFICAR"), QStringLiteral("DECODIFICAR")};
    auto* sentidos = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        opciones_[i] = new QRadioButton(titulos[i], this);
        opciones_[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        direcciones_->addButton(opciones_[i], i);
        connect(opciones_[i], &QRadioButton::toggled, this, [this, i](bool marcada) {
            if (marcada) eligeDireccion(i);
        });
        sentidos->addWidget(opciones_[i]);
    }
    sentidos->addStretch();

    btpaso1_ = boton(this, "btpaso1", QStringLiteral("PASO &1"));
    btpaso2_ = boton(this, "btpaso2", QStringLiteral("PASO &2"));
    btpaso3_ = boton(this, "btpaso3", QStringLiteral("PASO &3"));
    connect(btpaso1_, &QPushButton::clicked, this, &FrmCripPrivada::paso1);
    connect(btpaso2_, &QPushButton::clicked, this, &FrmCripPrivada::paso2);
    connect(btpaso3_, &QPushButton::clicked, this, &FrmCripPrivada::paso3);
    auto* pasos = new QGridLayout;
    const std::pair<QPushButton*, QPlainTextEdit*> filas[] = {
        {btpaso1_, txmensajenum_}, {btpaso2_, txmensajecod_}, {btpaso3_, txmensajefinal_}};
    for (int f = 0; f < 3; ++f) {
        pasos->addWidget(filas[f].first, f, 0, Qt::AlignTop);
        pasos->addWidget(filas[f].second, f, 1);
        filas[f].second->setMinimumHeight(fontMetrics().height() * 3);
    }

    auto* invertir = boton(this, "btinvertir", QStringLiteral("&Invertir proceso"));
    auto* inicializar = boton(this, "btinicializar", QStringLiteral("I&nicializar"));
    connect(invertir, &QPushButton::clicked, this, &FrmCripPrivada::invertir);
    connect(inicializar, &QPushButton::clicked, this, &FrmCripPrivada::inicializar);
    auto* abrir = boton(this, "btabrirdeFicheroPrivada", QStringLiteral("&Abrir de fichero"));
    auto* guardar = boton(this, "btGuardarEnFicheroPrivada", QStringLiteral("&Guardar en fichero"));
    connect(abrir, &QPushButton::clicked, this, &FrmCripPrivada::abrirDeFichero);
    connect(guardar, &QPushButton::clicked, this, &FrmCripPrivada::guardarEnFichero);
    auto* botones = new QHBoxLayout;
    for (QPushButton* b : {invertir, inicializar, abrir, guardar})
        botones->addWidget(b);
    botones->addStretch();
    botones->addWidget(botonSalir(this));

    auto* izquierda = new QVBoxLayout;
    izquierda->addLayout(claves);
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

    reiniciaCripPrivada();
    resize(820, 560);
}

void FrmCripPrivada::fijaClaves(const QString& r, const QString& s) {
    txclave_cpr_->setText(r);
    txclave_cps_->setText(s);
}

int FrmCripPrivada::direccion() const {
    return direcciones_->checkedId();
}

void FrmCripPrivada::desmarcaDirecciones() {
    direcciones_->setExclusive(false);  // an exclusive group keeps one option checked
    for (QRadioButton* o : opciones_)
        o->setChecked(false);
    direcciones_->setExclusive(true);
}

void FrmCripPrivada::ocultaMarcos() {
    for (QGroupBox* m : {Frame1_, frmpaso2_, frmpaso2_deco_, frmpaso3_})
        m->hide();
}

void FrmCripPrivada::reiniciaCripPrivada() {
    txmensaje_->fijaTexto({});
    txmensajenum_->clear();
    txmensajecod_->clear();
    txmensajefinal_->fijaTexto({});
    desmarcaDirecciones();
    for (QRadioButton* o : opciones_)
        o->setEnabled(true);
    txmensaje_->setEnabled(true);
    for (QPushButton* b : {btpaso1_, btpaso2_, btpaso3_})
        b->setEnabled(false);
    ocultaMarcos();
}

void FrmCripPrivada::eligeDireccion(int opcion) {
    if (txmensaje_->textoExacto().isEmpty()) {
        mensaje(this, "Ha de escribir al menos un símbolo del alfabeto.");
        desmarcaDirecciones();
        return;
    }
    opciones_[1 - opcion]->setEnabled(false);
    btpaso1_->setEnabled(true);
}

void FrmCripPrivada::paso1() {
    atrapaErrores(this, "btpaso1", [this] {
        const auto cargada = preparaCripPrivada(contexto_.estado, tablaPaso1_, tablaPaso3_);
        Flexalfa1_->ocultaFilasVacias();
        FlexAlfa3_->ocultaFilasVacias();
        if (!cargada) return mensaje(this, kMensajeAlfabetoNoCargado);
        n_ = cargada->modulo;
        ancho_ = cargada->ancho;
        const auto digitos = transcribeADigitos(aCore(txmensaje_->textoExacto()), tablaPaso1_);
        if (digitos.rechazado) return mensaje(this, mensajeSimboloAjeno(*digitos.rechazado));
        Frame1_->show();
        btpaso1_->setEnabled(false);
        btpaso2_->setEnabled(true);
        txmensajenum_->setPlainText(exacto(digitos.texto));
        txmensaje_->setEnabled(false);
        SeleccionAlfabeto::de(contexto_).habilitaSeleccion(false);
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

        const auto resultado =
            cifraAfin(estado, aCore(txmensajenum_->toPlainText()), ancho_, n_, *claseR, *claseS,
                      codifica ? Sentido::Codificar : Sentido::Decodificar);
        for (int k = 0; k < resultado.fueraDeRango; ++k)
            mensaje(this, mensajeFueraDeRango(n_));
        if (resultado.tiempoAgotado) return mensaje(this, "Se ha superado el tiempo establecido.");
        if (resultado.fueraDeRango == 0) txmensajecod_->setPlainText(exacto(resultado.digitos));
    });
}

void FrmCripPrivada::paso3() {
    frmpaso2_deco_->hide();
    frmpaso2_->hide();
    frmpaso3_->show();
    btpaso3_->setEnabled(false);
    atrapaErrores(this, "btpaso3", [this] {
        const auto texto =
            transcribeASimbolos(aCore(txmensajecod_->toPlainText()), ancho_, tablaPaso3_);
        if (texto.rechazado) return mensaje(this, mensajeCodigoAjeno(*texto.rechazado));
        txmensajefinal_->fijaTexto(exacto(texto.texto));
    });
}

void FrmCripPrivada::invertir() {
    const int elegida = direccion();
    const QString resultado = txmensajefinal_->textoExacto();
    if (elegida < 0 || resultado.isEmpty() || btpaso1_->isEnabled() || btpaso2_->isEnabled() ||
        btpaso3_->isEnabled()) {
        return;  // the process has not ended
    }
    txmensaje_->fijaTexto(resultado);
    txmensajenum_->clear();
    txmensajecod_->clear();
    txmensajefinal_->fijaTexto({});
    if (elegida == 0) {
        opciones_[0]->setChecked(false);
        opciones_[1]->setEnabled(true);
        opciones_[1]->setChecked(true);  // its handler disables the other option
    } else {
        opciones_[0]->setChecked(true);
        opciones_[0]->setEnabled(true);
        opciones_[1]->setChecked(false);
    }
    btpaso2_->setEnabled(false);
    btpaso3_->setEnabled(false);
    btpaso1_->setEnabled(true);
    ocultaMarcos();
}

void FrmCripPrivada::inicializar() {
    SeleccionAlfabeto::de(contexto_).habilitaSeleccion(true);
    reiniciaCripPrivada();
}

void FrmCripPrivada::abrirDeFichero() {
    DestinoFichero destino;
    // A new message starts a new process: the window is reset, the alphabet may change again.
    destino.recibe = [this](const std::string& texto) {
        inicializar();
        txmensaje_->fijaTexto(exacto(texto));
        return true;
    };
    contexto_.ventana<FrmListDirec>().pide(
        {QStringLiteral("1"), QStringLiteral("Abrir de fichero"), false, false, destino});
}

void FrmCripPrivada::guardarEnFichero() {
    DestinoFichero destino;
    destino.texto = [this] {
        return std::optional<std::string>(aCore(txmensajefinal_->textoExacto()));
    };
    contexto_.ventana<FrmListDirec>().pide(
        {QStringLiteral("1"), QStringLiteral("Guardar en fichero"), true, false, destino});
}

void FrmCripPrivada::salir() {
    reiniciaCripPrivada();
    SeleccionAlfabeto::de(contexto_).habilitaSeleccion(true);
    Ventana::salir();
}

}  // namespace zefra::gui
