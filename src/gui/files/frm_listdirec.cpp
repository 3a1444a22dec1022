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
#include <QPushButton>
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
    Drive1_ = new QComboBox(this);
    Drive1_->setObjectName(QStringLiteral("Drive1"));
    Drive1_->addItems(unidades());
    rutaActual_ = new QLabel(this);
    rutaActual_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Dir1_ = new QListWidget(this);
    Dir1_->setObjectName(QStringLiteral("Dir1"));
    File1_ = new QListWidget(this);
    File1_->setObjectName(QStringLiteral("File1"));
    txnomarchi_ = campo(this, "txnomarchi");
    Combo1_ = new QComboBox(this);
    Combo1_->setObjectName(QStringLiteral("Combo1"));
    Combo1_->setEditable(true);
    Combo1_->addItems({QStringLiteral("*.txt"), QStringLiteral("*.cod")});
    txdonde_ = campo(this, "txdonde", true);
    txalfalibre_ = campo(this, "txalfalibre", true);
    txdonde_->hide();
    txalfalibre_->hide();
    btAbrir_ = boton(this, "btAbrir", QStringLiteral("&ABRIR"));
    btGuardar_ = boton(this, "btGuardar", QStringLiteral("&GUARDAR"));
    auto* salir = boton(this, "Command1", QStringLiteral("&Salir"));
    // Only Enter in the name field opens or saves; in a list it opens the entry.
    for (QPushButton* b : {btAbrir_, btGuardar_, salir})
        b->setAutoDefault(false);
    Dir1_->installEventFilter(this);
    File1_->installEventFilter(this);
    connect(txnomarchi_, &QLineEdit::returnPressed, this, [this] {
        if (btGuardar_->isVisible()) {
            guarda();
        } else {
            abre();
        }
    });

    connect(Drive1_, &QComboBox::activated, this, &FrmListDirec::cambiaUnidad);
    connect(Dir1_, &QListWidget::itemActivated, this,
            [this](const QListWidgetItem* item) { entraEnCarpeta(item->text()); });
    connect(Combo1_, &QComboBox::currentTextChanged, this, &FrmListDirec::listaFicheros);
    connect(File1_, &QListWidget::currentTextChanged, txnomarchi_, [this](const QString& nombre) {
        if (!nombre.isEmpty()) txnomarchi_->setText(nombre);
    });
    connect(File1_, &QListWidget::itemActivated, this, [this] {
        if (btAbrir_->isVisible()) abre();
    });
    connect(btAbrir_, &QPushButton::clicked, this, &FrmListDirec::abre);
    connect(btGuardar_, &QPushButton::clicked, this, &FrmListDirec::guarda);
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);

    auto* listas = new QGridLayout;
    listas->addWidget(new QLabel(QStringLiteral("Unidad:"), this), 0, 0);
    listas->addWidget(Drive1_, 1, 0);
    listas->addWidget(rutaActual_, 2, 0);
    listas->addWidget(Dir1_, 3, 0);
    listas->addWidget(new QLabel(QStringLiteral("Archivos:"), this), 2, 1);
    listas->addWidget(File1_, 3, 1);
    auto* nombre = new QGridLayout;
    fila(nombre, 0, QStringLiteral("&Nombre de archivo:"), txnomarchi_)->setObjectName("Label1");
    fila(nombre, 1, QStringLiteral("&Tipo de archivo:"), Combo1_)->setObjectName("Label2");
    auto* botones = new QHBoxLayout;
    botones->addWidget(btAbrir_);
    botones->addWidget(btGuardar_);
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
    txdonde_->setText(peticion.codigo);
    txalfalibre_->setText(peticion.ranuraLibre < 0 ? QString()
                                                   : QString::number(peticion.ranuraLibre));
    btAbrir_->setVisible(!peticion.guardar);
    btGuardar_->setVisible(peticion.guardar);
    destino_ = std::move(peticion.destino);
    Combo1_->clear();
    Combo1_->addItems(peticion.filtros.isEmpty()
                          ? QStringList{QStringLiteral("*.txt"), QStringLiteral("*.cod")}
                          : peticion.filtros);
    listaFicheros();
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
    const QString raiz = Drive1_->itemText(indice);
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
    Dir1_->clear();
    const QDir dir(carpeta);
    if (!dir.isRoot()) Dir1_->addItem(kSubir);
    Dir1_->addItems(
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    listaFicheros();
}

void FrmListDirec::listaFicheros() {
    File1_->clear();
    const QString patron = Combo1_->currentText().trimmed();
    File1_->addItems(
        QDir(carpeta_).entryList(patron.isEmpty() ? QStringList() : QStringList{patron},
                                 QDir::Files, QDir::Name | QDir::IgnoreCase));
}

// The drive box names the drive whose folder is listed: the longest root the folder lies in.
void FrmListDirec::muestraUnidad() {
    int elegida = -1;
    qsizetype largo = -1;
    for (int i = 0; i < Drive1_->count(); ++i) {
        QString raiz = Drive1_->itemText(i);
        if (!raiz.endsWith(QLatin1Char('/'))) raiz += QLatin1Char('/');
        if ((carpeta_ + QLatin1Char('/')).startsWith(raiz) && raiz.size() > largo) {
            elegida = i;
            largo = raiz.size();
        }
    }
    Drive1_->setCurrentIndex(elegida);
}

std::string FrmListDirec::rutaElegida() const {
    return rutaCompleta(aCore(carpeta_), textoDe(txnomarchi_));
}

// An empty name has its own message rather than a failed open or save.
bool FrmListDirec::hayNombre() {
    if (!txnomarchi_->text().trimmed().isEmpty()) return true;
    mensaje(this, "Escriba el nombre del archivo.");
    txnomarchi_->setFocus();
    return false;
}

void FrmListDirec::abre() {
    if (!hayNombre()) return;
    const auto texto = leeTexto(rutaElegida());
    if (!texto) return mensaje(this, "No se pudo abrir el fichero especificado.");
    if (destino_.recibe && destino_.recibe(*texto)) hide();
}

void FrmListDirec::guarda() {
    if ((!destino_.texto && !destino_.escribe) || !hayNombre()) return;
    // A name without an extension takes the one of the chosen filter ("*.txt": "mini.txt").
    const QString filtro = Combo1_->currentText().trimmed();
    if (!QFileInfo(txnomarchi_->text().trimmed()).fileName().contains(QLatin1Char('.')) &&
        filtro.startsWith(QStringLiteral("*.")) && filtro.size() > 2 &&
        filtro.indexOf(QLatin1Char('*'), 1) < 0 && !filtro.contains(QLatin1Char('?'))) {
        txnomarchi_->setText(txnomarchi_->text().trimmed() + filtro.mid(1));
    }
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
    hide();
    listaFicheros();
    if (destino_.guardado) destino_.guardado();
    mensaje(this, destino_.confirmacion() + "guardado satisfactoriamente.");
}

}  // namespace zefra::gui
