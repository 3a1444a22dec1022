// The file chooser shared by every window that opens or saves a file: drive, folder and file
// lists, the file name and type. The window that asks for it says what to do with the text.
#pragma once

#include <QDialog>
#include <QHash>
#include <functional>
#include <optional>
#include <string>

#include "gui/ui/contexto.hpp"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zefra::gui {

// What a request does with a file's text.
struct DestinoFichero {
    // ABRIR: receives the whole text; returns false when it refused it (and said why), which
    // keeps the chooser open.
    std::function<bool(const std::string& texto)> recibe;
    // GUARDAR: the text to write; nothing means there is nothing to save.
    std::function<std::optional<std::string>()> texto;
    // GUARDAR by streaming, used instead of `texto` when set: writes the file itself and
    // returns why it failed (nothing when it was saved).
    std::function<std::string(const std::string& ruta)> escribe;
    // After a successful save.
    std::function<void()> guardado;
    // The start of the confirmation, before "guardado satisfactoriamente.".
    std::function<std::string()> confirmacion = [] { return std::string("Archivo "); };
};

struct PeticionFichero {
    QString codigo;  // who asks: "1" private-key window, "2" public-key window, ...
    QString titulo;
    bool guardar = false;  // GUARDAR instead of ABRIR
    bool modal = false;
    DestinoFichero destino;
    int ranuraLibre = -1;      // opening an alphabet: the free slot (0 to 7) that receives it
    QStringList filtros = {};  // the file types offered; none: "*.txt" and "*.cod"
    // Whose file it is (a window, an alphabet): the chooser suggests the name last used for it,
    // in the format asked for. Empty: the request code.
    QString propietario = {};
};

// The drives the chooser offers: the root and home folders, then the mounted volumes' roots a
// user keeps files in (not those under /proc, /sys, /dev, /run or /snap), each once.
QStringList unidadesDe(const QStringList& volumenes);

class FrmListDirec final : public QDialog {
    Q_OBJECT

  public:
    explicit FrmListDirec(Contexto& contexto);

    // Configures the chooser for one request and shows it.
    void pide(PeticionFichero peticion);
    // Who asked for the chooser ("1" private-key window, …), and the free slot an alphabet
    // being opened goes to (-1 for none).
    const QString& codigo() const { return codigo_; }
    int ranuraLibre() const { return ranuraLibre_; }
    // The folder shown (for tests and for remembering where the student was).
    QString carpeta() const { return carpeta_; }
    void muestraCarpeta(const QString& carpeta);

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private slots:
    void abre();
    void guarda();

  private:
    void cambiaUnidad(int indice);
    void entraEnCarpeta(const QString& nombre);
    void listaFicheros();
    void muestraUnidad();
    bool hayNombre();
    bool puedeEscribirse();
    void sugiereNombre();
    void siguePorTipo(const QString& filtro);
    void recuerdaNombre();
    std::string rutaElegida() const;

    QComboBox* unidad_;
    QLabel* rutaActual_;
    QListWidget* carpetas_;
    QListWidget* ficheros_;
    QLineEdit* nombreFichero_;
    QComboBox* tipo_;
    QPushButton* abrir_;
    QPushButton* guardar_;
    QString codigo_;
    int ranuraLibre_ = -1;
    QString carpeta_;
    DestinoFichero destino_;
    QString propietario_;
    QHash<QString, QString> nombres_;  // the last file name of each owner
    QString filtro_;                   // the file type chosen, before a change
};

}  // namespace zefra::gui
