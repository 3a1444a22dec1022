#include "gui/crypto/ventana_cifrado.hpp"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/crypto/transcripcion.hpp"
#include "core/shell/numeros.hpp"
#include "gui/alphabets/seleccion_alfabeto.hpp"
#include "gui/alphabets/tabla_alfabeto.hpp"
#include "gui/crypto/piezas_cifrado.hpp"
#include "gui/files/frm_listdirec.hpp"
#include "gui/shell/fr_descripcion.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/exportacion.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/rejilla.hpp"
#include "gui/ui/texto_exacto.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {

VentanaCifrado::VentanaCifrado(Contexto& contexto, const QString& nombre, const QString& titulo,
                               Forma forma)
    : Ventana(contexto.principal, nombre, titulo), contexto_(contexto), forma_(std::move(forma)) {
    mensaje_ = new TextoExacto(this, "txmensaje", false);
    const std::size_t ultima = forma_.salidas.size() - 1;
    digitos_.resize(ultima);
    anchos_.resize(ultima, 1);
    for (std::size_t k = 0; k < forma_.salidas.size(); ++k) {
        if (k == ultima) {
            resultado_ = new TextoExacto(this, forma_.salidas[k], true);
            salidas_.push_back(resultado_);
        } else {
            salidas_.push_back(texto(this, forma_.salidas[k]));
        }
        auto* boton = zefra::gui::boton(this, ("btpaso" + std::to_string(k + 1)).c_str(),
                                        QStringLiteral("PASO &%1").arg(k + 1));
        connect(boton, &QPushButton::clicked, this, [this, k] { paso(static_cast<int>(k)); });
        salidas_.back()->setAccessibleName(QStringLiteral("Resultado del paso %1").arg(k + 1));
        pasos_.push_back(boton);
    }

    direcciones_ = new QButtonGroup(this);
    const QString titulos[2] = {QStringLiteral("CODIFICAR"), QStringLiteral("DECODIFICAR")};
    for (int i = 0; i < 2; ++i) {
        opciones_[i] = new QRadioButton(titulos[i], this);
        opciones_[i]->setObjectName(
            QStringLiteral("%1(%2)").arg(QString::fromLatin1(forma_.opciones)).arg(i));
        direcciones_->addButton(opciones_[i], i);
        connect(opciones_[i], &QRadioButton::toggled, this, [this, i](bool marcada) {
            if (marcada) eligeDireccion(i);
        });
    }

    invertir_ = boton(this, forma_.invertir, QStringLiteral("&Invertir proceso"));
    inicializar_ = boton(this, "btinicializar", QStringLiteral("I&nicializar"));
    abrir_ = boton(this, forma_.abrir, QStringLiteral("&Abrir de fichero"));
    guardar_ = boton(this, forma_.guardar, QStringLiteral("&Guardar en fichero"));
    connect(invertir_, &QPushButton::clicked, this, &VentanaCifrado::invierte);
    connect(inicializar_, &QPushButton::clicked, this, &VentanaCifrado::inicializa);
    connect(abrir_, &QPushButton::clicked, this, &VentanaCifrado::abreFichero);
    connect(guardar_, &QPushButton::clicked, this, &VentanaCifrado::guardaFichero);
}

void VentanaCifrado::compone(QWidget* cabecera, QWidget* marcos) {
    auto* etiquetaMensaje = new QLabel(QStringLiteral("&Mensaje:"), this);
    etiquetaMensaje->setBuddy(mensaje_);
    auto* sentidos = new QHBoxLayout;
    for (QRadioButton* o : opciones_)
        sentidos->addWidget(o);
    sentidos->addStretch();
    auto* pasos = new QGridLayout;
    for (std::size_t k = 0; k < pasos_.size(); ++k) {
        const int fila = static_cast<int>(k);
        pasos->addWidget(pasos_[k], fila, 0, Qt::AlignTop);
        pasos->addWidget(salidas_[k], fila, 1);
        salidas_[k]->setMinimumHeight(fontMetrics().height() * 3);
    }
    auto* botones = new QHBoxLayout;
    for (QPushButton* b : {invertir_, inicializar_, abrir_, guardar_})
        botones->addWidget(b);
    botones->addStretch();
    if (forma_.descripcion)
        botones->addWidget(botonDescripcion(this, contexto_, forma_.descripcion));
    botones->addWidget(botonSalir(this));

    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(cabecera);
    izquierda->addWidget(etiquetaMensaje);
    izquierda->addWidget(mensaje_, 1);
    izquierda->addLayout(sentidos);
    izquierda->addLayout(pasos, 2);
    auto* arriba = new QHBoxLayout;
    arriba->addLayout(izquierda, 1);
    arriba->addWidget(marcos);
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(arriba, 1);
    columna->addLayout(botones);

    // Every window has one or two conversion grids and two or three step fields; a widget
    // listed twice gets its menu once.
    marcos_ = marcos;
    const auto rejillas = marcos->findChildren<Rejilla*>();
    equipaExportacion(
        *this, contexto_, [this] { return documento(); },
        {salidas_.front(), salidas_[1], salidas_.back(), rejillas.front(), rejillas.back()});
}

Documento VentanaCifrado::documento() const {
    Documento d{aCore(windowTitle()), {}, {}, {}};
    entradas(d);
    if (const auto sentido = direccion()) {
        d.entradas.emplace_back("Sentido",
                                *sentido == Sentido::Codificar ? "CODIFICAR" : "DECODIFICAR");
    }
    d.bloques.emplace_back(BloqueTraza{"Mensaje:\n" + aCore(mensaje_->textoExacto())});
    for (std::size_t k = 0; k < digitos_.size(); ++k) {
        if (digitos_[k].empty()) continue;
        d.bloques.emplace_back(BloqueTraza{"PASO " + std::to_string(k + 1) + ":\n" +
                                           digitosEnLineas(digitos_[k], anchos_[k])});
    }
    const std::string final = aCore(resultado_->textoExacto());
    if (!final.empty()) {
        d.bloques.emplace_back(
            BloqueTraza{"PASO " + std::to_string(salidas_.size()) + ":\n" + final});
    }
    for (const QGroupBox* marco : marcos_->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
        if (!marco->isHidden()) bloquesDeMarco(*marco, d.bloques);
    }
    return d;
}

std::optional<Sentido> VentanaCifrado::direccion() const {
    switch (direcciones_->checkedId()) {
        case 0:
            return Sentido::Codificar;
        case 1:
            return Sentido::Decodificar;
        default:
            return std::nullopt;
    }
}

void VentanaCifrado::desmarcaDirecciones() {
    direcciones_->setExclusive(false);  // an exclusive group keeps one option checked
    for (QRadioButton* o : opciones_)
        o->setChecked(false);
    direcciones_->setExclusive(true);
}

void VentanaCifrado::reinicia() {
    mensaje_->fijaTexto({});
    reiniciaProceso();
}

void VentanaCifrado::reiniciaProceso() {
    vaciaPasos();
    resultado_->fijaTexto({});
    desmarcaDirecciones();
    for (QRadioButton* o : opciones_)
        o->setEnabled(true);
    mensaje_->setEnabled(true);
    for (QPushButton* b : pasos_)
        b->setEnabled(false);
    porDefecto(nullptr);
    ocultaMarcos();
}

void VentanaCifrado::cierraPaso(int k) {
    const auto i = static_cast<std::size_t>(k);
    pasos_[i]->setEnabled(false);
    QPushButton* siguiente = i + 1 < pasos_.size() ? pasos_[i + 1] : nullptr;
    if (siguiente) siguiente->setEnabled(true);
    porDefecto(siguiente);
}

void VentanaCifrado::escribePaso(int k, std::string digitos, int ancho) {
    const auto i = static_cast<std::size_t>(k);
    salidas_[i]->setPlainText(aQt(resumenDeBloques(digitos, ancho)));
    digitos_[i] = std::move(digitos);
    anchos_[i] = ancho;
}

void VentanaCifrado::vaciaPasos() {
    for (std::size_t k = 0; k < digitos_.size(); ++k) {
        salidas_[k]->clear();
        digitos_[k].clear();
    }
}

void VentanaCifrado::inicializa() {
    reinicia();
    if (forma_.bloqueaAlfabeto) contexto_.seleccionAlfabeto->habilitaSeleccion(true);
}

void VentanaCifrado::bloqueaAlfabeto() {
    if (forma_.bloqueaAlfabeto) contexto_.seleccionAlfabeto->habilitaSeleccion(false);
}

void VentanaCifrado::salir() {
    inicializa();
    Ventana::salir();
}

void VentanaCifrado::eligeDireccion(int opcion) {
    if (mensaje_->textoExacto().isEmpty()) {
        mensaje(this, "Ha de escribir al menos un símbolo del alfabeto.");
        desmarcaDirecciones();
        return;
    }
    opciones_[1 - opcion]->setEnabled(false);
    pasos_.front()->setEnabled(true);
    porDefecto(pasos_.front());
}

// Acts only once the whole process has run: the result becomes the new message, to be taken
// the other way.
void VentanaCifrado::invierte() {
    const auto elegida = direccion();
    const QString texto = resultado_->textoExacto();
    const bool terminado = std::none_of(pasos_.begin(), pasos_.end(),
                                        [](const QPushButton* b) { return b->isEnabled(); });
    if (!elegida || texto.isEmpty() || !terminado) return;
    mensaje_->fijaTexto(texto);
    vaciaPasos();
    resultado_->fijaTexto({});
    QRadioButton* hecha = opciones_[*elegida == Sentido::Codificar ? 0 : 1];
    QRadioButton* contraria = opciones_[*elegida == Sentido::Codificar ? 1 : 0];
    hecha->setChecked(false);
    contraria->setEnabled(true);
    contraria->setChecked(true);  // its handler disables the other option
    for (QPushButton* b : pasos_)
        b->setEnabled(b == pasos_.front());
    porDefecto(pasos_.front());
    ocultaMarcos();
}

void VentanaCifrado::abreFichero() {
    DestinoFichero destino;
    // A new message starts a new process: the window is reset, the alphabet may change again.
    destino.recibe = [this](const std::string& texto) {
        inicializa();
        mensaje_->fijaTexto(exacto(texto));
        return true;
    };
    contexto_.ventana<FrmListDirec>().pide({QString::fromLatin1(forma_.codigoFichero),
                                            QStringLiteral("Abrir de fichero"), false, false,
                                            destino});
}

void VentanaCifrado::guardaFichero() {
    DestinoFichero destino;
    destino.texto = [this] { return std::optional<std::string>(aCore(resultado_->textoExacto())); };
    contexto_.ventana<FrmListDirec>().pide({QString::fromLatin1(forma_.codigoFichero),
                                            QStringLiteral("Guardar en fichero"), true, false,
                                            destino});
}

bool VentanaCifrado::muestraAlfabeto(const std::optional<AlfabetoCargado>& cargada,
                                     std::initializer_list<std::pair<Tabla*, Rejilla*>> tablas) {
    for (const auto& [tabla, rejilla] : tablas) {
        muestraCargado(contexto_, cargada, {tabla});
        rejilla->ocultaFilasVacias();
    }
    if (!cargada) mensaje(this, kMensajeAlfabetoNoCargado);
    return cargada.has_value();
}

void VentanaCifrado::publicaEuclides(const ResultadoAfin& cifrado, double n, double r) {
    if (!cifrado.euclides) return;
    contexto_.trazas.publica(
        Publicada<TrazaEuclides>{*cifrado.euclides,
                                 {{"Módulo n", textoDecimal(n)}, {"Clave r", textoDecimal(r)}},
                                 windowTitle()});
}

}  // namespace zefra::gui
