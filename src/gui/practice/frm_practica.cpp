#include "gui/practice/frm_practica.hpp"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalBlocker>
#include <QTextDocumentFragment>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/practice/enunciado_propio.hpp"
#include "gui/practice/trazas_practica.hpp"
#include "gui/ui/accesibilidad.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/exportacion.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/rejilla.hpp"
#include "gui/ui/teclado.hpp"
#include "gui/ui/textos.hpp"
#include "gui/ui/trampa.hpp"

namespace zefra::gui {

using practica::Estado;
using practica::TipoEjercicio;

namespace {

// Exercise numbers a teacher can hand out; a new exercise draws one of the first million.
constexpr std::uint64_t kMayorNumero = 999999999;
constexpr std::uint32_t kMayorSorteado = 1000000;

const practica::Nivel kNiveles[] = {practica::Nivel::Facil, practica::Nivel::Medio,
                                    practica::Nivel::Dificil};

const TipoPractica& tipoDe(const QString& nombre) {
    for (const TipoPractica& t : tiposPractica()) {
        if (nombre == QLatin1String(t.ventana)) return t;
    }
    return tiposPractica().front();
}

QString textoVeredicto(const practica::Veredicto& v) {
    if (v.estado == Estado::Correcto) {
        return v.nota.empty() ? QStringLiteral("✔") : QStringLiteral("✔ ") + aQt(v.nota);
    }
    return v.estado == Estado::Incorrecto ? aQt(v.nota) : QString();
}

}  // namespace

const std::vector<TipoPractica>& tiposPractica() {
    static const std::vector<TipoPractica> tipos{
        {TipoEjercicio::Euclides, "frmPracticaEuclides", "nPracEuclides", "Algoritmo de &Euclides"},
        {TipoEjercicio::Diofantica, "frmPracticaDiofantica", "nPracDiofantica",
         "Ecuación &diofántica"},
        {TipoEjercicio::Inverso, "frmPracticaInverso", "nPracInverso", "&Inverso en Zn"},
        {TipoEjercicio::Potencia, "frmPracticaPotencia", "nPracPotencia", "&Potencia en Zn"},
        {TipoEjercicio::Euler, "frmPracticaEuler", "nPracEuler", "&Función de Euler"},
        {TipoEjercicio::Afin, "frmPracticaAfin", "nPracAfin", "&Cifrado afín"},
        {TipoEjercicio::RSA, "frmPracticaRSA", "nPracRSA", "&RSA"},
    };
    return tipos;
}

FrmPractica::FrmPractica(Contexto& contexto, const QString& nombre)
    : Ventana(contexto.principal, nombre,
              QStringLiteral("Practicar: ") + QString::fromUtf8(tipoDe(nombre).titulo).remove('&')),
      contexto_(contexto),
      tipo_(tipoDe(nombre).tipo) {
    nivel_ = new QComboBox(this);
    nivel_->setObjectName(QStringLiteral("cbNivel"));
    nivel_->addItems({QStringLiteral("Fácil"), QStringLiteral("Medio"), QStringLiteral("Difícil")});
    numero_ = campo(this, "txEjercicio");
    numero_->setMaximumWidth(pixelesDePuntos(this, 80));
    numero_->installEventFilter(this);
    auto* botonNuevo = boton(this, "btNuevo", QStringLiteral("Nuevo &ejercicio"));
    auto* botonPropio = boton(this, "btPropio", QStringLiteral("Escribir el en&unciado"));

    enunciado_ = etiqueta(this, "lbEnunciado", {});
    enunciado_->setTextFormat(Qt::RichText);
    enunciado_->setWordWrap(true);
    etiquetaLegible(enunciado_);

    pasos_ = new Rejilla(tabla_, 1, 0, this);
    pasos_->setObjectName(QStringLiteral("msflexPasos"));
    pasos_->setAccessibleName(QStringLiteral("Pasos del ejercicio"));
    pasos_->setAlternatingRowColors(false);
    pasos_->horizontalHeader()->setStretchLastSection(true);
    pasos_->permiteEdicion(
        [this](int f, int c) {
            return f >= 1 && f - 1 < static_cast<int>(origen_.size()) &&
                   c < static_cast<int>(origen_[f - 1].size()) &&
                   origen_[f - 1][c] == Origen::Alumno;
        },
        [this](int f, int c, int rol) { return aspecto(f, c, rol); });
    auto* etiquetaPasos = new QLabel(QStringLiteral("&Pasos:"), this);
    etiquetaPasos->setBuddy(pasos_);

    rejillaRespuestas_ = new QGridLayout;
    rejillaRespuestas_->setColumnStretch(2, 1);
    rejillaRespuestas_->setColumnStretch(5, 1);
    pista_ = etiqueta(this, "lbPista", {});
    pista_->setWordWrap(true);
    etiquetaLegible(pista_);
    aciertos_ = etiquetaLegible(etiqueta(this, "lbAciertos", {}));

    comprobar_ = boton(this, "btComprobar", QStringLiteral("&Comprobar"));
    botonPista_ = boton(this, "btPista", QStringLiteral("P&ista"));
    botonSolucion_ = boton(this, "btSolucion", QStringLiteral("Ver so&lución"));
    traza_ = boton(this, "btTraza", QStringLiteral("Ver &traza"));
    traza_->setEnabled(false);
    porDefecto(comprobar_);

    connect(botonNuevo, &QPushButton::clicked, this, &FrmPractica::nuevo);
    connect(botonPropio, &QPushButton::clicked, this, &FrmPractica::propio);
    connect(comprobar_, &QPushButton::clicked, this, &FrmPractica::comprueba);
    connect(botonPista_, &QPushButton::clicked, this, &FrmPractica::pista);
    connect(botonSolucion_, &QPushButton::clicked, this, &FrmPractica::solucion);
    connect(traza_, &QPushButton::clicked, this, [this] { abreTraza(contexto_, tipo_); });
    connect(nivel_, &QComboBox::currentIndexChanged, this, [this] {
        if (!puedeDescartar()) {
            const QSignalBlocker bloqueo(nivel_);
            nivel_->setCurrentIndex(nivelAnterior_);
            return;
        }
        nivelAnterior_ = nivel_->currentIndex();
        // The same exercise number at the new level; a typed statement gives way to a new one.
        const auto n = ejercicio_.numero ? ejercicio_.numero
                                         : 1 + QRandomGenerator::global()->bounded(kMayorSorteado);
        plantea(practica::generaEjercicio(tipo_, kNiveles[nivel_->currentIndex()], n));
    });

    auto* datos = new QHBoxLayout;
    auto* etiquetaNivel = new QLabel(QStringLiteral("Ni&vel:"), this);
    etiquetaNivel->setBuddy(nivel_);
    auto* etiquetaNumero = new QLabel(QStringLiteral("Ejercicio &nº:"), this);
    etiquetaNumero->setBuddy(numero_);
    for (QWidget* w : std::initializer_list<QWidget*>{etiquetaNivel, nivel_, etiquetaNumero,
                                                      numero_, botonNuevo, botonPropio})
        datos->addWidget(w);
    datos->addStretch();
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(datos);
    columna->addWidget(enunciado_);
    columna->addWidget(etiquetaPasos);
    columna->addWidget(pasos_, 1);
    columna->addLayout(rejillaRespuestas_);
    columna->addWidget(pista_);
    columna->addWidget(aciertos_);
    columna->addLayout(filaDeBotones(this, {comprobar_, botonPista_, botonSolucion_, traza_}));

    equipaExportacion(*this, contexto, [this] { return documento(); }, {pasos_, enunciado_});
    resize(pixelesDePuntos(this, 520), pixelesDePuntos(this, 400));
    plantea(practica::generaEjercicio(tipo_, practica::Nivel::Facil,
                                      1 + QRandomGenerator::global()->bounded(kMayorSorteado)));
}

bool FrmPractica::eventFilter(QObject* objeto, QEvent* evento) {
    // Enter in "Ejercicio nº" brings that exercise, not a check of the one shown.
    if (objeto == numero_ && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            nuevo();
            return true;
        }
    }
    return Ventana::eventFilter(objeto, evento);
}

void FrmPractica::showEvent(QShowEvent* evento) {
    Ventana::showEvent(evento);
    // Ready for the first step to fill in.
    if (!evento->spontaneous() && !resuelto_) pasos_->setFocus(Qt::TabFocusReason);
}

bool FrmPractica::puedeDescartar() {
    if (resuelto_) return true;
    const practica::Trabajo t = trabajo();
    const auto escrito = [](const std::string& s) { return !s.empty(); };
    bool hayTrabajo = std::any_of(t.respuestas.begin(), t.respuestas.end(), escrito);
    for (std::size_t f = 0; f < t.celdas.size(); ++f) {
        for (std::size_t c = 0; c < t.celdas[f].size(); ++c)
            hayTrabajo = hayTrabajo || (origen_[f][c] != Origen::Dada && escrito(t.celdas[f][c]));
    }
    return !hayTrabajo ||
           pregunta(this,
                    QStringLiteral("Se perderán los pasos escritos en este ejercicio. ¿Desea "
                                   "continuar?"),
                    "preguntaDescartar");
}

void FrmPractica::nuevo() {
    // The number typed, unless it is the exercise shown (or none): then another one.
    const QString texto = numero_->text().trimmed();
    std::uint64_t n = 1 + QRandomGenerator::global()->bounded(kMayorSorteado);
    if (!texto.isEmpty() &&
        (ejercicio_.numero == 0 || texto != QString::number(ejercicio_.numero))) {
        bool numerico = false;
        n = texto.toULongLong(&numerico);
        if (!numerico || n < 1 || n > kMayorNumero) {
            return mensaje(this,
                           "El número de ejercicio ha de ser un número entero entre 1 y "
                           "999999999.");
        }
    }
    if (!puedeDescartar()) return;
    plantea(practica::generaEjercicio(tipo_, kNiveles[nivel_->currentIndex()], n));
    pasos_->setFocus(Qt::TabFocusReason);
}

void FrmPractica::propio() {
    if (!puedeDescartar()) return;
    EnunciadoPropio dialogo(this, practica::nombresDatos(tipo_));
    preparaModal(dialogo);
    while (dialogo.exec() == QDialog::Accepted) {
        const auto propio = practica::ejercicioPropio(tipo_, dialogo.textos());
        if (propio.ejercicio) {
            plantea(*propio.ejercicio);
            pasos_->setFocus(Qt::TabFocusReason);
            return;
        }
        mensaje(this, propio.error);
    }
}

void FrmPractica::plantea(const practica::Ejercicio& ejercicio) {
    ejercicio_ = ejercicio;
    hoja_ = practica::hoja(ejercicio_);
    numero_->setText(ejercicio_.numero ? QString::number(ejercicio_.numero) : QString());
    enunciado_->setText(aQt(practica::enunciado(ejercicio_)));
    const int columnas = static_cast<int>(hoja_.columnas.size());
    const int filas = static_cast<int>(hoja_.dadas.size());
    origen_.assign(filas, std::vector<Origen>(columnas, Origen::Alumno));
    tabla_.redimensiona(0, 0);
    tabla_.redimensiona(filas + 1, columnas + 1);
    for (int c = 0; c < columnas; ++c)
        tabla_.fija(0, c, hoja_.columnas[c]);
    tabla_.fija(0, columnas, "Comprobación");
    for (int f = 0; f < filas; ++f) {
        for (int c = 0; c < columnas && c < static_cast<int>(hoja_.dadas[f].size()); ++c) {
            if (hoja_.dadas[f][c].empty()) continue;
            tabla_.fija(f + 1, c, hoja_.dadas[f][c]);
            origen_[f][c] = Origen::Dada;
        }
    }
    construyeRespuestas();
    correccion_.reset();
    marcador_.reset();
    pistas_ = 0;
    resuelto_ = false;
    for (QPushButton* b : {comprobar_, botonPista_, botonSolucion_})
        b->setEnabled(true);
    traza_->setEnabled(false);
    pista_->clear();
    pasos_->resizeColumnsToContents();
    for (int c = 0; c < columnas; ++c)
        pasos_->setColumnWidth(c, std::max(pasos_->columnWidth(c), pixelesDePuntos(this, 50)));
    actualizaAciertos();
}

void FrmPractica::construyeRespuestas() {
    while (QLayoutItem* item = rejillaRespuestas_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    respuestas_.clear();
    veredictos_.clear();
    origenRespuestas_.assign(hoja_.respuestas.size(), Origen::Alumno);
    for (std::size_t i = 0; i < hoja_.respuestas.size(); ++i) {
        const QString indice = QStringLiteral("(%1)").arg(i);
        auto* campoRespuesta = campo(this, "txRespuesta");
        campoRespuesta->setObjectName(QStringLiteral("txRespuesta") + indice);
        auto* veredicto = etiqueta(this, "lbVeredicto", {});
        veredicto->setObjectName(QStringLiteral("lbVeredicto") + indice);
        const QString titulo = aQt(hoja_.respuestas[i]);
        veredicto->setAccessibleName(QStringLiteral("Comprobación de ") + titulo);
        etiquetaLegible(veredicto);
        veredicto->setWordWrap(true);
        // Many answers go two to a line, so that the grid keeps its room on a small screen.
        const int porFila = hoja_.respuestas.size() > 2 ? 2 : 1;
        const int linea = static_cast<int>(i) / porFila;
        const int columna = 3 * (static_cast<int>(i) % porFila);
        auto* nombre = new QLabel(titulo + QLatin1Char(':'), this);
        nombre->setBuddy(campoRespuesta);
        rejillaRespuestas_->addWidget(nombre, linea, columna);
        rejillaRespuestas_->addWidget(campoRespuesta, linea, columna + 1);
        rejillaRespuestas_->addWidget(veredicto, linea, columna + 2);
        // Shown now, not when the layout next runs: Tab from the grid goes on to them at once.
        for (QWidget* nuevo : std::initializer_list<QWidget*>{nombre, campoRespuesta, veredicto}) {
            if (isVisible()) nuevo->show();
        }
        respuestas_.push_back(campoRespuesta);
        veredictos_.push_back(veredicto);
    }
}

practica::Trabajo FrmPractica::trabajo() const {
    practica::Trabajo t;
    for (std::size_t f = 0; f < origen_.size(); ++f) {
        auto& fila = t.celdas.emplace_back();
        for (std::size_t c = 0; c < origen_[f].size(); ++c)
            fila.push_back(tabla_.texto(static_cast<int>(f) + 1, static_cast<int>(c)));
    }
    for (const QLineEdit* r : respuestas_)
        t.respuestas.push_back(textoDe(r));
    return t;
}

void FrmPractica::muestra(const practica::Correccion& correccion) {
    correccion_ = correccion;
    const int columnas = static_cast<int>(hoja_.columnas.size());
    for (std::size_t f = 0; f < correccion.comprobacion.size() && f < origen_.size(); ++f)
        tabla_.fija(static_cast<int>(f) + 1, columnas, correccion.comprobacion[f]);
    for (std::size_t i = 0; i < veredictos_.size() && i < correccion.respuestas.size(); ++i)
        veredictos_[i]->setText(textoVeredicto(correccion.respuestas[i]));
    pasos_->viewport()->update();
}

void FrmPractica::comprueba() {
    if (resuelto_) return;
    pasos_->confirmaEdicion();
    atrapaErrores(this, "btComprobar", [this] {
        muestra(practica::comprueba(ejercicio_, trabajo()));
        marcador_ = {correccion_->correctos, correccion_->total};
        actualizaAciertos();
        anuncia(aciertos_);  // a screen reader speaks the score; Shift+Tab goes back
    });
}

void FrmPractica::pista() {
    pasos_->confirmaEdicion();
    atrapaErrores(this, "btPista", [this] {
        const std::string texto = practica::pista(ejercicio_, trabajo());
        if (texto.empty()) {
            pista_->setText(QStringLiteral("No falta ningún paso: pulse «Comprobar»."));
            return;
        }
        ++pistas_;
        pista_->setText(QStringLiteral("Pista: ") + aQt(texto));
        actualizaAciertos();
        anuncia(pista_);
    });
}

void FrmPractica::solucion() {
    pasos_->confirmaEdicion();
    atrapaErrores(this, "btSolucion", [this] {
        // The score is what the student had done before the solution came.
        const practica::Trabajo propio = trabajo();
        const auto antes = practica::comprueba(ejercicio_, propio);
        marcador_ = {antes.correctos, antes.total};
        const practica::Trabajo s = practica::solucion(ejercicio_);
        // What is missing or wrong is replaced by the program's value, marked as given.
        for (std::size_t f = 0; f < origen_.size() && f < s.celdas.size(); ++f) {
            for (std::size_t c = 0; c < origen_[f].size() && c < s.celdas[f].size(); ++c) {
                if (origen_[f][c] != Origen::Alumno ||
                    (f < antes.celdas.size() && c < antes.celdas[f].size() &&
                     antes.celdas[f][c].estado == Estado::Correcto)) {
                    continue;
                }
                origen_[f][c] = Origen::Solucion;
                tabla_.fija(static_cast<int>(f) + 1, static_cast<int>(c), s.celdas[f][c]);
            }
        }
        for (std::size_t i = 0; i < respuestas_.size() && i < s.respuestas.size(); ++i) {
            if (i >= antes.respuestas.size() || antes.respuestas[i].estado != Estado::Correcto) {
                respuestas_[i]->setText(aQt(s.respuestas[i]));
                origenRespuestas_[i] = Origen::Solucion;
            }
            respuestas_[i]->setReadOnly(true);
        }
        muestra(practica::comprueba(ejercicio_, trabajo()));
        resuelto_ = true;
        for (QPushButton* b : {comprobar_, botonPista_, botonSolucion_})
            b->setEnabled(false);
        const bool conTraza = publicaTraza(contexto_, ejercicio_, windowTitle());
        traza_->setEnabled(conTraza);
        pista_->setText(
            QStringLiteral("Los valores en cursiva sobre fondo amarillo son de la solución.") +
            (conTraza ? QStringLiteral(" «Ver traza» muestra la traza del programa con estos "
                                       "números.")
                      : QString()));
        actualizaAciertos();
        if (conTraza) traza_->setFocus();
    });
}

void FrmPractica::actualizaAciertos() {
    QStringList partes;
    if (marcador_) {
        partes << QStringLiteral("Pasos correctos: %1 de %2")
                      .arg(marcador_->first)
                      .arg(marcador_->second);
    }
    if (pistas_ > 0) partes << QStringLiteral("Pistas usadas: %1").arg(pistas_);
    if (resuelto_) partes << QStringLiteral("Solución vista");
    aciertos_->setText(partes.join(QStringLiteral(" · ")));
}

QVariant FrmPractica::aspecto(int fila, int columna, int rol) const {
    if (fila < 1 || fila - 1 >= static_cast<int>(origen_.size())) return {};
    const auto& filaOrigen = origen_[fila - 1];
    if (columna >= static_cast<int>(filaOrigen.size())) {
        // The "Comprobación" column: read from the left, green for a right row, red for a reason.
        if (rol == Qt::TextAlignmentRole) return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        if (rol != Qt::ForegroundRole) return {};
        const std::string& t = tabla_.texto(fila, columna);
        if (t.empty()) return {};
        return QColor(t.rfind("✔", 0) == 0 ? QColor(0x1b, 0x6e, 0x1b) : QColor(0xa0, 0, 0));
    }
    const Origen origen = filaOrigen[columna];
    if (rol == Qt::FontRole && origen != Origen::Alumno) {
        QFont letra = font();
        letra.setItalic(true);
        return letra;
    }
    if (rol != Qt::BackgroundRole) return {};
    if (origen == Origen::Dada) return palette().brush(QPalette::Window);
    if (origen == Origen::Solucion) return QColor(0xff, 0xf3, 0xc0);
    if (!correccion_ || fila - 1 >= static_cast<int>(correccion_->celdas.size()) ||
        columna >= static_cast<int>(correccion_->celdas[fila - 1].size())) {
        return {};
    }
    switch (correccion_->celdas[fila - 1][columna].estado) {
        case Estado::Correcto:
            return QColor(0xdf, 0xf3, 0xdf);
        case Estado::Incorrecto:
            return QColor(0xfb, 0xdc, 0xdc);
        default:
            return {};
    }
}

Documento FrmPractica::documento() const {
    Documento d;
    d.titulo = aCore(windowTitle());
    // A typed statement has no level: its data are the student's.
    if (ejercicio_.numero) {
        d.entradas.emplace_back("Nivel", aCore(nivel_->currentText()));
        d.entradas.emplace_back("Ejercicio nº", std::to_string(ejercicio_.numero));
    } else {
        d.entradas.emplace_back("Ejercicio nº", "escrito por el alumno");
    }
    const QString html = enunciado_->text();
    d.bloques.emplace_back(
        BloqueRico{aCore(html), aCore(QTextDocumentFragment::fromHtml(html).toPlainText())});
    d.bloques.emplace_back(pasos_->bloque());
    // The answers with their verdicts, then the score.
    std::vector<std::vector<std::string>> filas{{"Respuesta", "Valor", "Comprobación"}};
    for (std::size_t i = 0; i < respuestas_.size(); ++i) {
        filas.push_back(
            {hoja_.respuestas[i], textoDe(respuestas_[i]), aCore(veredictos_[i]->text())});
    }
    d.bloques.emplace_back(BloqueTabla{static_cast<int>(filas.size()), 3, true, false,
                                       [filas](int f, int c) { return filas[f][c]; }});
    QString marcador = aciertos_->text();
    if (!pista_->text().isEmpty()) marcador += QLatin1Char('\n') + pista_->text();
    d.bloques.emplace_back(bloquePlano(marcador));
    return d;
}

}  // namespace zefra::gui
