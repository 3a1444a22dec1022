#include "gui/files/frm_listdirec.hpp"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QVBoxLayout>

#include "core/files/ficheros_texto.hpp"
#include "gui/ui/controles.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/teclado.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {
namespace {

const QString kSubir = QStringLiteral("..");

// The roots a user can reach: the root folder, the home folder and the mounted volumes.
QStringList unidades() {
    QStringList volumenes;
    for (const QStorageInfo& volumen : QStorageInfo::mountedVolumes()) {
        if (volumen.isValid() && volumen.isReady()) volumenes << volumen.rootPath();
    }
    return unidadesDe(volumenes);
}

// The extension a file type gives a name (".txt" for "*.txt"); none for a pattern of another
// form.
QString extensionDe(const QString& filtro) {
    const QString f = filtro.trimmed();
    if (!f.startsWith(QStringLiteral("*.")) || f.size() <= 2 ||
        f.indexOf(QLatin1Char('*'), 1) >= 0 || f.contains(QLatin1Char('?')))
        return {};
    return f.mid(1);
}

}  // namespace

QStringList unidadesDe(const QStringList& volumenes) {
    QStringList raices{QDir::rootPath(), QDir::homePath()};
    for (const QString& raiz : volumenes) {
        const bool deSistema =
            raiz.startsWith(QStringLiteral("/proc")) || raiz.startsWith(QStringLiteral("/sys")) ||
            raiz.startsWith(QStringLiteral("/dev")) || raiz.startsWith(QStringLiteral("/run")) ||
            raiz.startsWith(QStringLiteral("/snap"));
        if (!deSistema && !raices.contains(raiz)) raices << raiz;
    }
    return raices;
}

FrmListDirec::FrmListDirec(Contexto& contexto) : QDialog(contexto.principal) {
    setObjectName(QStringLiteral("frmlistdirec"));
    unidad_ = new QComboBox(this);
    unidad_->setObjectName(QStringLiteral("Drive1"));
    unidad_->setAccessibleName(QStringLiteral("Unidad"));
    unidad_->addItems(unidades());
    rutaActual_ = new QLabel(this);
    rutaActual_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    rutaActual_->setAccessibleDescription(QStringLiteral("Carpeta actual"));
    carpetas_ = new QListWidget(this);
    carpetas_->setObjectName(QStringLiteral("Dir1"));
    carpetas_->setAccessibleName(QStringLiteral("Carpetas"));
    ficheros_ = new QListWidget(this);
    ficheros_->setObjectName(QStringLiteral("File1"));
    ficheros_->setAccessibleName(QStringLiteral("Archivos"));
    nombreFichero_ = campo(this, "txnomarchi");
    tipo_ = new QComboBox(this);
    tipo_->setObjectName(QStringLiteral("Combo1"));
    tipo_->setEditable(true);
    tipo_->addItems({QStringLiteral("*.txt"), QStringLiteral("*.cod")});
    abrir_ = boton(this, "btAbrir", QStringLiteral("&ABRIR"));
    guardar_ = boton(this, "btGuardar", QStringLiteral("&GUARDAR"));
    auto* salir = boton(this, "Command1", QStringLiteral("&Salir"));
    // Only Enter in the name field opens or saves; in a list it opens the entry.
    for (QPushButton* b : {abrir_, guardar_, salir})
        b->setAutoDefault(false);
    carpetas_->installEventFilter(this);
    ficheros_->installEventFilter(this);
    connect(nombreFichero_, &QLineEdit::returnPressed, this, [this] {
        if (guardar_->isVisible()) {
            guarda();
        } else {
            abre();
        }
    });

    connect(unidad_, &QComboBox::activated, this, &FrmListDirec::cambiaUnidad);
    connect(carpetas_, &QListWidget::itemActivated, this,
            [this](const QListWidgetItem* item) { entraEnCarpeta(item->text()); });
    connect(tipo_, &QComboBox::currentTextChanged, this, [this](const QString& filtro) {
        listaFicheros();
        siguePorTipo(filtro);
    });
    connect(ficheros_, &QListWidget::currentTextChanged, nombreFichero_,
            [this](const QString& nombre) {
                if (!nombre.isEmpty()) nombreFichero_->setText(nombre);
            });
    connect(ficheros_, &QListWidget::itemActivated, this, [this] {
        if (abrir_->isVisible()) abre();
    });
    connect(abrir_, &QPushButton::clicked, this, &FrmListDirec::abre);
    connect(guardar_, &QPushButton::clicked, this, &FrmListDirec::guarda);
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);

    auto* listas = new QGridLayout;
    listas->addWidget(new QLabel(QStringLiteral("Unidad:"), this), 0, 0);
    listas->addWidget(unidad_, 1, 0);
    listas->addWidget(rutaActual_, 2, 0);
    listas->addWidget(carpetas_, 3, 0);
    listas->addWidget(new QLabel(QStringLiteral("Archivos:"), this), 2, 1);
    listas->addWidget(ficheros_, 3, 1);
    auto* nombre = new QGridLayout;
    fila(nombre, 0, QStringLiteral("&Nombre de archivo:"), nombreFichero_)->setObjectName("Label1");
    fila(nombre, 1, QStringLiteral("&Tipo de archivo:"), tipo_)->setObjectName("Label2");
    auto* botones = new QHBoxLayout;
    botones->addWidget(abrir_);
    botones->addWidget(guardar_);
    botones->addStretch();
    botones->addWidget(salir);
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(listas, 1);
    columna->addLayout(nombre);
    columna->addLayout(botones);
    resize(620, 440);
    muestraCarpeta(QDir::homePath());
}

void FrmListDirec::pide(PeticionFichero peticion) {
    setWindowTitle(peticion.titulo);
    codigo_ = peticion.codigo;
    ranuraLibre_ = peticion.ranuraLibre;
    abrir_->setVisible(!peticion.guardar);
    guardar_->setVisible(peticion.guardar);
    destino_ = std::move(peticion.destino);
    propietario_ = peticion.propietario.isEmpty() ? peticion.codigo : peticion.propietario;
    {
        const QSignalBlocker callado(tipo_);
        tipo_->clear();
        tipo_->addItems(peticion.filtros.isEmpty()
                            ? QStringList{QStringLiteral("*.txt"), QStringLiteral("*.cod")}
                            : peticion.filtros);
        sugiereNombre();
    }
    filtro_ = tipo_->currentText();
    listaFicheros();
    // Saving starts where a name is typed; opening, in the lists.
    if (peticion.guardar) {
        nombreFichero_->setFocus();
        nombreFichero_->selectAll();
    }
    if (peticion.modal) {
        preparaModal(*this);
        exec();
    } else {
        setModal(false);
        Contexto::muestra(*this);
    }
}

bool FrmListDirec::eventFilter(QObject* objeto, QEvent* evento) {
    auto* lista = qobject_cast<QListWidget*>(objeto);
    if (lista && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            if (QListWidgetItem* elegido = lista->currentItem()) emit lista->itemActivated(elegido);
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void FrmListDirec::cambiaUnidad(int indice) {
    const QString raiz = unidad_->itemText(indice);
    if (!QDir(raiz).isReadable()) {
        mensaje(this, QStringLiteral("Se ha producido el siguiente error:\nLa unidad %1 no se "
                                     "puede leer.")
                          .arg(raiz));
        muestraUnidad();
        return;
    }
    muestraCarpeta(raiz);
}

void FrmListDirec::entraEnCarpeta(const QString& nombre) {
    const QString destino = QDir::cleanPath(QDir(carpeta_).filePath(nombre));
    if (!QDir(destino).isReadable()) {
        mensaje(this, QStringLiteral("Se ha producido el siguiente error:\nNo se puede abrir la "
                                     "carpeta %1.")
                          .arg(destino));
        return;
    }
    muestraCarpeta(destino);
}

void FrmListDirec::muestraCarpeta(const QString& carpeta) {
    carpeta_ = carpeta;
    rutaActual_->setText(carpeta);
    muestraUnidad();
    carpetas_->clear();
    const QDir dir(carpeta);
    if (!dir.isRoot()) carpetas_->addItem(kSubir);
    carpetas_->addItems(
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    listaFicheros();
}

void FrmListDirec::listaFicheros() {
    ficheros_->clear();
    const QString patron = tipo_->currentText().trimmed();
    ficheros_->addItems(
        QDir(carpeta_).entryList(patron.isEmpty() ? QStringList() : QStringList{patron},
                                 QDir::Files, QDir::Name | QDir::IgnoreCase));
}

// The drive box names the drive whose folder is listed: the longest root the folder lies in.
void FrmListDirec::muestraUnidad() {
    int elegida = -1;
    qsizetype largo = -1;
    for (int i = 0; i < unidad_->count(); ++i) {
        QString raiz = unidad_->itemText(i);
        if (!raiz.endsWith(QLatin1Char('/'))) raiz += QLatin1Char('/');
        if ((carpeta_ + QLatin1Char('/')).startsWith(raiz) && raiz.size() > largo) {
            elegida = i;
            largo = raiz.size();
        }
    }
    unidad_->setCurrentIndex(elegida);
}

std::string FrmListDirec::rutaElegida() const {
    return rutaCompleta(aCore(carpeta_), textoDe(nombreFichero_));
}

// An empty name has its own message rather than a failed open or save.
bool FrmListDirec::hayNombre() {
    if (!nombreFichero_->text().trimmed().isEmpty()) return true;
    mensaje(this, "Escriba el nombre del archivo.");
    nombreFichero_->setFocus();
    return false;
}

// The name last used for the same owner, in a format offered now: as it was when its
// extension is one of them (that type chosen), else with the first type's extension. Nothing
// for an owner that has no file yet: never another window's name.
void FrmListDirec::sugiereNombre() {
    const QString recordado = nombres_.value(propietario_);
    const qsizetype punto = recordado.lastIndexOf(QLatin1Char('.'));
    const QString extension = punto > 0 ? recordado.mid(punto) : QString();
    for (int i = 0; i < tipo_->count() && !extension.isEmpty(); ++i) {
        if (extensionDe(tipo_->itemText(i)).compare(extension, Qt::CaseInsensitive) == 0) {
            tipo_->setCurrentIndex(i);
            return nombreFichero_->setText(recordado);
        }
    }
    tipo_->setCurrentIndex(0);
    nombreFichero_->setText(recordado.isEmpty()
                                ? recordado
                                : recordado.left(punto > 0 ? punto : recordado.size()) +
                                      extensionDe(tipo_->currentText()));
}

// Choosing another file type while saving gives the name that type's extension, when it had the
// one of the type chosen before.
void FrmListDirec::siguePorTipo(const QString& filtro) {
    const QString antes = extensionDe(filtro_);
    const QString ahora = extensionDe(filtro);
    filtro_ = filtro;
    const QString nombre = nombreFichero_->text().trimmed();
    if (guardar_->isHidden() || antes.isEmpty() || ahora.isEmpty() ||
        !nombre.endsWith(antes, Qt::CaseInsensitive) || nombre.size() == antes.size())
        return;
    nombreFichero_->setText(nombre.chopped(antes.size()) + ahora);
}

void FrmListDirec::recuerdaNombre() {
    nombres_.insert(propietario_, QFileInfo(nombreFichero_->text().trimmed()).fileName());
}

// A file that is there is replaced only when the user says so ("No" the default, Escape too);
// otherwise the chooser stays open on the name, and nothing is written.
bool FrmListDirec::puedeEscribirse() {
    const QFileInfo destino(aQt(rutaElegida()));
    if ((!destino.exists() && !destino.isSymLink()) || destino.isDir()) return true;
    if (pregunta(this,
                 QStringLiteral("El archivo «%1» ya existe. ¿Desea reemplazarlo?")
                     .arg(destino.fileName()),
                 "preguntaReemplazar")) {
        return true;
    }
    nombreFichero_->setFocus();
    nombreFichero_->selectAll();
    return false;
}

void FrmListDirec::abre() {
    if (!hayNombre()) return;
    const auto texto = leeTexto(rutaElegida());
    if (!texto) return mensaje(this, "No se pudo abrir el fichero especificado.");
    if (destino_.recibe && destino_.recibe(*texto)) {
        recuerdaNombre();
        hide();
    }
}

void FrmListDirec::guarda() {
    if ((!destino_.texto && !destino_.escribe) || !hayNombre()) return;
    // A name without an extension takes the one of the chosen filter ("*.txt": "mini.txt").
    if (!QFileInfo(nombreFichero_->text().trimmed()).fileName().contains(QLatin1Char('.'))) {
        nombreFichero_->setText(nombreFichero_->text().trimmed() +
                                extensionDe(tipo_->currentText()));
    }
    if (!puedeEscribirse()) return;
    if (destino_.escribe) {
        const std::string fallo = destino_.escribe(rutaElegida());
        if (!fallo.empty()) return mensaje(this, fallo);
    } else {
        const auto texto = destino_.texto();
        if (!texto) return;
        if (!escribeTexto(rutaElegida(), *texto)) {
            return mensaje(this, "No pudo guardarse en el fichero especificado.");
        }
    }
    recuerdaNombre();
    hide();
    listaFicheros();
    if (destino_.guardado) destino_.guardado();
    mensaje(this, destino_.confirmacion() + "guardado satisfactoriamente.");
}

}  // namespace zefra::gui
