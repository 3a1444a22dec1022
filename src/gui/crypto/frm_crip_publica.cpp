#include "crypto/frm_crip_publica.hpp"

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

#include "arithmetic/numeros.hpp"
#include "crypto/piezas_cifrado.hpp"
#include "crypto/preparacion.hpp"
#include "crypto/rsa.hpp"
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

enum Clave { kP, kQ, kN, kPhi, kT, kS };

}  // namespace

FrmCripPublica::FrmCripPublica(Contexto& contexto)
    : Ventana(contexto.principal, QStringLiteral("frmCripPublica"),
              QStringLiteral("CRIPTOSISTEMA DE CLAVE PÚBLICA")),
      contexto_(contexto) {
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
    connect(btpaso1_, &QPushButton::clicked, this, &FrmCripPublica::paso1);
    connect(btpaso2_, &QPushButton::clicked, this, &FrmCripPublica::paso2);
    auto* pasos = new QGridLayout;
    const std::pair<QPushButton*, QPlainTextEdit*> filas[] = {{btpaso1_, txmensajenum_},
                                                              {btpaso2_, txmensajecod_}};
    for (int f = 0; f < 2; ++f) {
        pasos->addWidget(filas[f].first, f, 0, Qt::AlignTop);
        pasos->addWidget(filas[f].second, f, 1);
        filas[f].second->setMinimumHeight(fontMetrics().height() * 3);
    }

    auto* invertir = boton(this, "btInvertirCPub", QStringLiteral("&Invertir proceso"));
    auto* inicializar = boton(this, "btinicializar", QStringLiteral("I&nicializar"));
    auto* abrir = boton(this, "btAbrirdeFicheroPublica", QStringLiteral("&Abrir de fichero"));
    auto* guardar = boton(this, "btGuardarEnFicheroPublica", QStringLiteral("&Guardar en fichero"));
    connect(invertir, &QPushButton::clicked, this, &FrmCripPublica::invertir);
    connect(inicializar, &QPushButton::clicked, this, &FrmCripPublica::reiniciaCripPublica);
    connect(abrir, &QPushButton::clicked, this, &FrmCripPublica::abreFichero);
    connect(guardar, &QPushButton::clicked, this, &FrmCripPublica::guardaFichero);
    auto* botones = new QHBoxLayout;
    for (QPushButton* b : {invertir, inicializar, abrir, guardar})
        botones->addWidget(b);
    botones->addStretch();
    botones->addWidget(botonSalir(this));

    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(construyeClaves());
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
    reiniciaCripPublica();
    resize(860, 580);
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
    desmarcaDirecciones();
}

double FrmCripPublica::valor(const QLabel* etiqueta) const {
    return leeNumero(aCore(etiqueta->text())).value_or(0);
}

int FrmCripPublica::direccion() const {
    return direcciones_->checkedId();
}

void FrmCripPublica::desmarcaDirecciones() {
    direcciones_->setExclusive(false);  // an exclusive group keeps one option checked
    for (QRadioButton* o : opciones_)
        o->setChecked(false);
    direcciones_->setExclusive(true);
}

void FrmCripPublica::ocultaMarcos() {
    for (QGroupBox* m : {Frame1_, frmpaso2_, frmpaso2_deco_})
        m->hide();
}

void FrmCripPublica::reiniciaCripPublica() {
    txmensaje_->fijaTexto({});
    txmensajenum_->clear();
    txmensajecod_->fijaTexto({});
    desmarcaDirecciones();
    for (QRadioButton* o : opciones_)
        o->setEnabled(true);
    txmensaje_->setEnabled(true);
    btpaso1_->setEnabled(false);
    btpaso2_->setEnabled(false);
    porDefecto(nullptr);
    ocultaMarcos();
}

void FrmCripPublica::salir() {
    reiniciaCripPublica();
    Ventana::salir();
}

void FrmCripPublica::eligeDireccion(int opcion) {
    if (txmensaje_->textoExacto().isEmpty()) {
        mensaje(this, "Ha de escribir al menos un símbolo del alfabeto.");
        desmarcaDirecciones();
        return;
    }
    opciones_[1 - opcion]->setEnabled(false);
    btpaso1_->setEnabled(true);
    porDefecto(btpaso1_);
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
        const auto cargada = preparaCripPublica(estado, tabla_);
        Flexalfa1_->ocultaFilasVacias();
        if (!cargada) return mensaje(this, kMensajeAlfabetoNoCargado);
        ancho_ = cargada->ancho;
        const double n = valor(claves_[kN]);
        std::string digitos;
        if (direccion() == 0) {
            const auto t = transcribeADigitos(aCore(txmensaje_->textoExacto()), tabla_);
            if (t.rechazado) return mensaje(this, mensajeSimboloAjeno(*t.rechazado));
            digitos = t.texto;
            muestraTabla(QStringLiteral("PASO 1"),
                         {"Transcripción inmediata del texto", "llano a una sucesión de dígitos",
                          "según se indica en la tabla de", "conversión:"});
        } else {
            const auto m = potenciaPorBloques(estado, aCore(txmensaje_->textoExacto()),
                                              anchoBloqueRSA(n), n, valor(claves_[kS]), ancho_);
            if (m.mensaje) return mensaje(this, *m.mensaje);
            if (m.tiempoAgotado) return mensaje(this, "Se ha superado el tiempo establecido.");
            digitos = m.digitos;
            Frame1_->hide();
            frmpaso2_->hide();
            frmpaso2_deco_->show();
            muestraFormula(txpaso2decodPublica_, aQt(formulaDescifradoRSA(n, valor(claves_[kS]))));
        }
        btpaso1_->setEnabled(false);
        btpaso2_->setEnabled(true);
        porDefecto(btpaso2_);
        txmensajenum_->setPlainText(exacto(digitos));
        txmensaje_->setEnabled(false);
    });
}

void FrmCripPublica::paso2() {
    auto& estado = contexto_.estado;
    estado.tiempo.reiniciaTiempo();
    atrapaErrores(this, "btpaso2", [&] {
        const double n = valor(claves_[kN]);
        const std::string digitos = aCore(txmensajenum_->toPlainText());
        std::string resultado;
        if (direccion() == 0) {
            frmpaso2_->show();
            const auto c = potenciaPorBloques(estado, digitos, ancho_, n, valor(claves_[kT]),
                                              anchoBloqueRSA(n));
            if (c.mensaje) return mensaje(this, *c.mensaje);
            if (c.tiempoAgotado) return mensaje(this, "Se ha superado el tiempo establecido.");
            resultado = c.digitos;
            Frame1_->hide();
            muestraFormula(txpaso2codPublica_, aQt(formulaCifradoRSA(n, valor(claves_[kT]))));
        } else {
            const auto t = transcribeASimbolos(digitos, ancho_, tabla_);
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

void FrmCripPublica::invertir() {
    const int elegida = direccion();
    const QString resultado = txmensajecod_->textoExacto();
    if (elegida < 0 || resultado.isEmpty() || btpaso1_->isEnabled() || btpaso2_->isEnabled()) {
        return;  // the process has not ended
    }
    txmensajenum_->clear();
    txmensaje_->fijaTexto(resultado);
    txmensajecod_->fijaTexto({});
    opciones_[elegida]->setChecked(false);
    opciones_[1 - elegida]->setEnabled(true);
    opciones_[1 - elegida]->setChecked(true);  // its handler disables the other option
    btpaso1_->setEnabled(true);
    btpaso2_->setEnabled(false);
    porDefecto(btpaso1_);
    ocultaMarcos();
}

void FrmCripPublica::abreFichero() {
    DestinoFichero destino;
    destino.recibe = [this](const std::string& texto) {
        reiniciaCripPublica();
        txmensaje_->fijaTexto(exacto(texto));
        return true;
    };
    contexto_.ventana<FrmListDirec>().pide(
        {QStringLiteral("2"), QStringLiteral("Abrir de fichero"), false, false, destino});
}

void FrmCripPublica::guardaFichero() {
    DestinoFichero destino;
    destino.texto = [this] {
        return std::optional<std::string>(aCore(txmensajecod_->textoExacto()));
    };
    contexto_.ventana<FrmListDirec>().pide(
        {QStringLiteral("2"), QStringLiteral("Guardar en fichero"), true, false, destino});
}

}  // namespace zefra::gui
