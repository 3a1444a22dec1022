#include "gui/shell/frm_principal.hpp"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include "gui/alphabets/seleccion_alfabeto.hpp"
#include "gui/shell/emblema.hpp"
#include "gui/shell/frm_aviso_salir.hpp"
#include "gui/ui/accesibilidad.hpp"
#include "gui/ui/letras_alt.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/teclado.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {

FrmPrincipal::FrmPrincipal(Estado& estado)
    : contexto_(estado, this),
      terminar_([] { QCoreApplication::exit(0); }),
      alfabetoActivo_(new QLabel(QStringLiteral("a-z"), this)) {
    instalaAccesibilidad();
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QStringLiteral("Zefra: Aritmética entera y modular y su uso en criptografía"));
    construyeMenu();
    for (QAction* titulo : menuBar()->actions()) {
        if (titulo->menu()) ponLetrasAlt(titulo->menu());
    }
    // The menu's shortcuts and Tab in reading order hold in every window of the program.
    auto* teclado = new Teclado(this);
    for (QAction* accion : findChildren<QAction*>()) {
        if (!accion->shortcut().isEmpty()) teclado->anadeAtajo(accion);
    }
    QApplication::instance()->installEventFilter(teclado);
    // During a long computation the windows keep painting and show the busy cursor; what is
    // typed waits until it ends.
    estado.tiempo.fijaLatido([this, ocupado = ocupado_, entrada = entrada_] {
        if (!*ocupado) {
            *ocupado = true;
            QApplication::setOverrideCursor(Qt::WaitCursor);
            setProperty(kCalculoEnCurso, true);
        }
        entrada->atiende();
    });
    // Escape stops the computation as a time-out would, with a message that says so.
    entrada_->fijaDetener([&tiempo = estado.tiempo] { tiempo.detiene(); });
    // "Salir " on the menu bar can be clicked during a run, so the program can be closed then.
    entrada_->permite([ventana = QPointer<FrmPrincipal>(this),
                       salida = QPointer<QAction>(findChild<QAction*>(QStringLiteral("nSalir")))](
                          QObject* destino, QEvent* evento) {
        if (!ventana || !salida ||
            (evento->type() != QEvent::MouseButtonPress &&
             evento->type() != QEvent::MouseButtonRelease)) {
            return false;
        }
        if (destino == static_cast<QObject*>(ventana->windowHandle())) return true;  // passed on
        const QPoint sitio = static_cast<QMouseEvent*>(evento)->position().toPoint();
        return destino == ventana->menuBar() && ventana->menuBar()->actionAt(sitio) == salida;
    });
    estado.tiempo.fijaFin([this, ocupado = ocupado_, entrada = entrada_] {
        if (*ocupado) {
            *ocupado = false;
            QApplication::restoreOverrideCursor();
            setProperty(kCalculoEnCurso, false);
            Contexto::activaLosAbiertosDurante(*this);
        }
        entrada->entrega();
    });

    auto* central = new QWidget(this);
    auto* columna = new QVBoxLayout(central);
    columna->addWidget(construyeCabecera(), 1);
    columna->addWidget(construyeEstado());
    setCentralWidget(central);
    // Inside the screen also when it is small or scaled up (room left for the frame).
    const QRect disponible = screen()->availableGeometry();
    resize(QSize(860, 480).boundedTo(disponible.size() - QSize(20, 60)));
    move(disponible.topLeft() +
         QPoint((disponible.width() - width()) / 2, (disponible.height() - height() - 40) / 2));
}

QWidget* FrmPrincipal::construyeCabecera() {
    auto* cabecera = new QWidget(this);
    auto* fila = new QHBoxLayout(cabecera);
    fila->addWidget(new Emblema(cabecera));

    auto* textos = new QVBoxLayout;
    auto* nombre = new QLabel(QStringLiteral("Zefra"), cabecera);
    QFont grande = nombre->font();
    grande.setPointSizeF(grande.pointSizeF() * 3);
    grande.setBold(true);
    nombre->setFont(grande);
    auto* lema = new QLabel(
        QStringLiteral("Aritmética entera y modular, y su aplicación a la criptografía"), cabecera);
    QFont mediana = lema->font();
    mediana.setPointSizeF(mediana.pointSizeF() * 1.3);
    lema->setFont(mediana);
    lema->setWordWrap(true);
    auto* ayuda = new QLabel(
        QStringLiteral("Elige una operación en el menú. Cada ventana muestra el resultado y, en la "
                       "mayoría de los casos, la traza paso a paso del algoritmo."),
        cabecera);
    ayuda->setWordWrap(true);
    textos->addStretch();
    textos->addWidget(nombre);
    textos->addWidget(lema);
    textos->addSpacing(12);
    textos->addWidget(ayuda);
    textos->addStretch();
    fila->addLayout(textos, 1);
    return cabecera;
}

QLineEdit* FrmPrincipal::campoPresupuesto(const char* nombre, std::string Presupuesto::*campo) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(nombre));
    edit->setMaximumWidth(90);
    connect(edit, &QLineEdit::textChanged, this, [this, campo](const QString& texto) {
        contexto_.estado.tiempo.fijaCampo(campo, aCore(texto));
    });
    return edit;
}

QWidget* FrmPrincipal::construyeEstado() {
    auto* marco = new QGroupBox(QStringLiteral("Estado actual"), this);
    marco->setObjectName(QStringLiteral("frEstadoActual"));
    auto* rejilla = new QGridLayout(marco);

    const auto etiqueta = [marco](const char* nombre, const QString& texto, QWidget* campo) {
        auto* label = new QLabel(texto, marco);
        label->setObjectName(QString::fromLatin1(nombre));
        if (campo) label->setBuddy(campo);
        return label;
    };
    auto* horas = campoPresupuesto("txhoras", &Presupuesto::horas);
    auto* minutos = campoPresupuesto("txminutos", &Presupuesto::minutos);
    auto* segundos = campoPresupuesto("txsegundos", &Presupuesto::segundos);
    rejilla->addWidget(etiqueta("lbhoras", QStringLiteral("&Horas :"), horas), 0, 0);
    rejilla->addWidget(horas, 0, 1);
    rejilla->addWidget(etiqueta("Label1", QStringLiteral("Mi&nutos:"), minutos), 0, 2);
    rejilla->addWidget(minutos, 0, 3);
    rejilla->addWidget(etiqueta("Label2", QStringLiteral("Se&gundos:"), segundos), 0, 4);
    rejilla->addWidget(segundos, 0, 5);
    rejilla->setColumnStretch(6, 1);
    rejilla->addWidget(
        etiqueta("Label3",
                 QStringLiteral("Tiempo máximo establecido para el cálculo de los algoritmos."),
                 nullptr),
        1, 0, 1, 7);

    alfabetoActivo_->setObjectName(QStringLiteral("lbalfabetoactivo"));
    QFont negrita = alfabetoActivo_->font();
    negrita.setBold(true);
    alfabetoActivo_->setFont(negrita);
    rejilla->addWidget(etiqueta("Label4", QStringLiteral("Alfabeto activo:"), nullptr), 2, 0, 1, 2);
    rejilla->addWidget(alfabetoActivo_, 2, 2, 1, 5);
    return marco;
}

void FrmPrincipal::salir() {
    const auto enPeligro = alfabetosEnPeligro(contexto_.estado.ranuras);
    if (enPeligro.empty()) {
        termina();
        return;
    }
    auto& aviso = contexto_.ventana<FrmAvisoSalir>();
    for (const int ranura : enPeligro)
        aviso.anadeAlfabeto(contexto_.seleccionAlfabeto->nombreEnMenu(ranura));
    if (aviso.exec() == QDialog::Accepted) termina();
}

void FrmPrincipal::termina() {
    // A computation under way (the exit may come from a heartbeat) stops at its next time check
    // and reports nothing, so the program ends at once instead of when it would have finished.
    contexto_.estado.tiempo.cancela();
    setProperty(kProgramaTerminando, true);
    terminar_();
}

void FrmPrincipal::closeEvent(QCloseEvent* evento) {
    evento->ignore();
    salir();
}

}  // namespace zefra::gui
