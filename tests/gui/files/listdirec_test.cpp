// The file chooser on its own: opening, saving and their failures, through its real widgets.
#include <unistd.h>
#include <QDir>
#include <QListWidget>

#include "gui/conductor.hpp"

namespace zefra::pruebas {
namespace {

class Selector : public Conductor {
  protected:
    Selector() : selector(principal->contexto().ventana<gui::FrmListDirec>()) {}

    // Types `nombre` and presses `boton`, expecting `mensaje`.
    void nombra(const char* nombre, const char* boton, const QString& mensaje) {
        esperaMensaje(mensaje);
        rellena(&selector, {"txnomarchi"}, {nombre}, boton);
    }
    // Asks to open (and takes the text when `aceptar`) or to save `texto`.
    void pide(bool guardar, const std::string& texto = {}) {
        // What the chooser opens is kept (then accepted or refused), and each save counted.
        const auto recibe = [this](const std::string& t) { return (recibido = t), aceptar; };
        const gui::DestinoFichero destino{.recibe = recibe,
                                          .texto = [texto] { return std::optional(texto); },
                                          .escribe = {},
                                          .guardado = [this] { ++guardados; }};
        selector.pide({guardar ? "2" : "1", guardar ? "Guardar en fichero" : "Abrir de fichero",
                       guardar, false, destino});
        selector.muestraCarpeta(carpeta.path());  // with what the test has put there
    }
    QListWidget* lista(const char* nombre) { return control<QListWidget>(&selector, nombre); }

    gui::FrmListDirec& selector;
    std::string recibido = "-";
    bool aceptar = true;
    int guardados = 0;
};

TEST_F(Selector, AbreElTextoEnteroSalvoSiNoPuedeOLoRechazanYGuardaSalvoEnSoloLectura) {
    creaFichero("m.txt", "zvkf\r\n");
    creaFichero("b.cod", "");
    std::filesystem::create_directory(ruta("carpeta"));
    creaFichero("grande.txt", std::string(16 * 1024 * 1024 + 1, 'a'));
    pide(false);
    EXPECT_EQ(selector.windowTitle() + ' ' + selector.codigo(), "Abrir de fichero 1");
    EXPECT_TRUE(boton(&selector, "btAbrir")->isVisible() &&
                !boton(&selector, "btGuardar")->isVisible());
    nombra(" ", "btAbrir", "Escriba el nombre del archivo.");  // not a failed open
    for (const char* n : {"no-existe.txt", "carpeta", "grande.txt"}) {
        nombra(n, "btAbrir", "No se pudo abrir el fichero especificado.");
        EXPECT_TRUE(recibido == "-" && selector.isVisible()) << n;
    }
    ASSERT_EQ(lista("File1")->count(), 2);  // only *.txt at first
    lista("File1")->setCurrentRow(1);       // clicking a file copies its name
    EXPECT_EQ(texto(&selector, "txnomarchi"), "m.txt");
    aceptar = false;
    pulsa(&selector, "btAbrir");
    // A refused text leaves the chooser open.
    EXPECT_TRUE(recibido == "zvkf\r\n" && selector.isVisible());
    aceptar = true;
    pulsa(&selector, "btAbrir");
    EXPECT_FALSE(selector.isVisible());

    pide(false);
    auto* tipo = control<QComboBox>(&selector, "Combo1");
    EXPECT_EQ(tipo->itemText(0) + ' ' + tipo->itemText(1), "*.txt *.cod");
    tipo->setCurrentIndex(1);
    EXPECT_TRUE(lista("File1")->count() == 1 && lista("File1")->item(0)->text() == "b.cod");

    // Saving confirms, but not over a read-only file.
    creaFichero("viejo.txt", "intacto");
    std::filesystem::permissions(ruta("viejo.txt"), std::filesystem::perms::owner_read);
    pide(true, "zvkf");
    ASSERT_TRUE(selector.focusWidget());
    EXPECT_EQ(selector.focusWidget()->objectName(), "txnomarchi");  // a name is typed at once
    esperaReemplazo("viejo.txt", reemplaza);  // "Sí", but it cannot be written
    nombra("viejo.txt", "btGuardar", "No pudo guardarse en el fichero especificado.");
    EXPECT_EQ(leeFichero("viejo.txt"), "intacto");
    EXPECT_TRUE(guardados == 0 && selector.isVisible());
    selector.muestraCarpeta(carpeta.path() + "/");  // a folder ending in '/' gets no second one
    nombra("r.cod", "btGuardar", "Archivo guardado satisfactoriamente.");
    EXPECT_EQ(leeFichero("r.cod"), "zvkf\r\n");
    EXPECT_TRUE(guardados == 1 && !selector.isVisible());
}

TEST_F(Selector, NavegaPorLasCarpetasSalvoLasQueNoPuedeAbrirEIntroAbreOGuarda) {
    std::filesystem::create_directory(ruta("sub"));
    creaFichero("sub/dentro.txt", "d");
    const auto cerrada = ruta("cerrada");
    std::filesystem::create_directory(cerrada);
    std::filesystem::permissions(cerrada, std::filesystem::perms::none);
    pide(false);
    auto* carpetas = lista("Dir1");
    // The root and home, then the mounted volumes a user keeps files in, each once; another
    // drive chosen lists its folder.
    const QString casa = QDir::homePath();
    EXPECT_EQ(gui::unidadesDe({"/", "/proc", "/sys/fs/cgroup", "/dev/shm", "/run/user/1000",
                               "/snap/core/1", "/media/ana/USB", casa, "/media/ana/USB"}),
              (QStringList{"/", casa, "/media/ana/USB"}));
    auto* unidades = control<QComboBox>(&selector, "Drive1");
    ASSERT_GE(unidades->count(), 2);
    EXPECT_EQ(unidades->itemText(0) + ' ' + unidades->itemText(1), "/ " + casa);
    emit unidades->activated(1);
    EXPECT_EQ(selector.carpeta(), QDir::cleanPath(casa));
    emit unidades->activated(0);
    EXPECT_EQ(selector.carpeta(), QDir::rootPath());
    selector.muestraCarpeta(carpeta.path());
    emit carpetas->itemActivated(carpetas->findItems("sub", Qt::MatchExactly).value(0));
    EXPECT_TRUE(selector.carpeta() == carpeta.filePath("sub") && lista("File1")->count() == 1);
    emit carpetas->itemActivated(carpetas->item(0));  // ".."
    EXPECT_EQ(selector.carpeta(), QDir::cleanPath(carpeta.path()));
    if (::geteuid() != 0) {  // root reads every folder
        esperaMensaje("Se ha producido el siguiente error:\nNo se puede abrir la carpeta " +
                      QDir::cleanPath(QString::fromStdString(cerrada)) + ".");
        emit carpetas->itemActivated(carpetas->findItems("cerrada", Qt::MatchExactly).value(0));
        EXPECT_EQ(selector.carpeta(), QDir::cleanPath(carpeta.path()));  // the lists stay
    }
    std::filesystem::permissions(cerrada, std::filesystem::perms::owner_all);
    // A drive that cannot be read leaves the folder listed.
    unidades->addItem(carpeta.filePath("no-existe"));
    esperaMensaje("Se ha producido el siguiente error:\nLa unidad " +
                  carpeta.filePath("no-existe") + " no se puede leer.");
    unidades->setCurrentIndex(unidades->count() - 1);
    emit unidades->activated(unidades->count() - 1);
    // The folder stays, and the drive that holds it is shown.
    EXPECT_EQ(selector.carpeta() + ' ' + unidades->currentText(),
              QDir::cleanPath(carpeta.path()) + ' ' + QDir::rootPath());

    // Enter opens in the lists, and saves only from the name.
    pide(true, "zvkf");
    carpetas->setCurrentItem(carpetas->findItems("sub", Qt::MatchExactly).value(0));
    QTest::keyClick(carpetas, Qt::Key_Return);  // opens the folder, saves nothing
    EXPECT_EQ(selector.carpeta() + QString::number(guardados), carpeta.filePath("sub") + "0");
    auto* nombre = control<QLineEdit>(&selector, "txnomarchi");
    escribe(nombre, "");
    esperaMensaje("Escriba el nombre del archivo.");
    QTest::keyClick(nombre, Qt::Key_Return);
    EXPECT_TRUE(selector.isVisible());
    escribe(nombre, "mini");  // takes the extension of the filter
    esperaMensaje("Archivo guardado satisfactoriamente.");
    QTest::keyClick(nombre, Qt::Key_Return);
    EXPECT_TRUE(leeFichero("sub/mini.txt") == "zvkf\r\n" && !selector.isVisible());

    // Opening, the file list takes Enter too.
    pide(false);
    selector.muestraCarpeta(carpeta.filePath("sub"));
    ASSERT_EQ(lista("File1")->count(), 2);  // dentro.txt, mini.txt
    lista("File1")->setCurrentRow(1);
    QTest::keyClick(lista("File1"), Qt::Key_Return);
    EXPECT_TRUE(recibido == "zvkf\r\n" && !selector.isVisible());
}

}  // namespace
}  // namespace zefra::pruebas
