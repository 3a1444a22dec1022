// The file chooser on its own: opening, saving and their failures, through its real widgets.
#include <unistd.h>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>

#include "files/frm_listdirec.hpp"
#include "gui/entorno.hpp"

namespace zefra::pruebas {
namespace {

class Selector : public PruebaVentanas {
  protected:
    Selector() : selector(principal->contexto().ventana<gui::FrmListDirec>()) {}

    void pideAbrir() {
        selector.pide({QStringLiteral("1"),
                       QStringLiteral("Abrir de fichero"),
                       false,
                       false,
                       {[this](const std::string& t) {
                            recibido = t;
                            return aceptar;
                        },
                        {},
                        {}}});
        selector.muestraCarpeta(dir.path());
    }
    void pideGuardar(const std::string& texto) {
        gui::DestinoFichero destino;
        destino.texto = [texto] { return std::optional<std::string>(texto); };
        destino.guardado = [this] { ++guardados; };
        selector.pide(
            {QStringLiteral("2"), QStringLiteral("Guardar en fichero"), true, false, destino});
        selector.muestraCarpeta(dir.path());
    }
    void nombre(const QString& n) { escribe(control<QLineEdit>(&selector, "txnomarchi"), n); }
    void crea(const QString& n, const std::string& bytes) {
        std::ofstream(QDir(dir.path()).filePath(n).toStdString(), std::ios::binary) << bytes;
    }
    std::string lee(const QString& n) {
        std::ifstream f(QDir(dir.path()).filePath(n).toStdString(), std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }

    gui::FrmListDirec& selector;
    QTemporaryDir dir;
    std::string recibido = "-";
    bool aceptar = true;
    int guardados = 0;
};

TEST_F(Selector, AbreElTextoEnteroYSeOculta) {
    crea(QStringLiteral("m.txt"), "zvkf\r\n");
    pideAbrir();
    EXPECT_EQ(selector.windowTitle(), QStringLiteral("Abrir de fichero"));
    EXPECT_TRUE(control<QPushButton>(&selector, "btAbrir")->isVisible());
    EXPECT_FALSE(control<QPushButton>(&selector, "btGuardar")->isVisible());
    EXPECT_EQ(control<QLineEdit>(&selector, "txdonde")->text(), QStringLiteral("1"));
    auto* ficheros = control<QListWidget>(&selector, "File1");
    ASSERT_EQ(ficheros->count(), 1);
    ficheros->setCurrentRow(0);  // clicking a file copies its name
    EXPECT_EQ(control<QLineEdit>(&selector, "txnomarchi")->text(), QStringLiteral("m.txt"));
    pulsa(control<QPushButton>(&selector, "btAbrir"));
    EXPECT_EQ(recibido, "zvkf\r\n");
    EXPECT_FALSE(selector.isVisible());
}

TEST_F(Selector, UnTextoRechazadoDejaAbiertoElSelector) {
    crea(QStringLiteral("m.txt"), "x");
    aceptar = false;
    pideAbrir();
    nombre(QStringLiteral("m.txt"));
    pulsa(control<QPushButton>(&selector, "btAbrir"));
    EXPECT_TRUE(selector.isVisible());
}

TEST_F(Selector, FiltroDeTipos) {
    crea(QStringLiteral("a.txt"), "");
    crea(QStringLiteral("b.cod"), "");
    pideAbrir();
    auto* tipo = control<QComboBox>(&selector, "Combo1");
    EXPECT_EQ(tipo->itemText(0), QStringLiteral("*.txt"));
    EXPECT_EQ(tipo->itemText(1), QStringLiteral("*.cod"));
    tipo->setCurrentIndex(1);
    auto* ficheros = control<QListWidget>(&selector, "File1");
    ASSERT_EQ(ficheros->count(), 1);
    EXPECT_EQ(ficheros->item(0)->text(), QStringLiteral("b.cod"));
}

TEST_F(Selector, FicherosQueNoSePuedenAbrir) {
    std::filesystem::create_directory(QDir(dir.path()).filePath("carpeta").toStdString());
    crea(QStringLiteral("grande.txt"), std::string(16 * 1024 * 1024 + 1, 'a'));
    pideAbrir();
    for (const char* n : {"no-existe.txt", "carpeta", "grande.txt", ""}) {
        esperaMensaje(QStringLiteral("No se pudo abrir el fichero especificado."));
        nombre(QString::fromUtf8(n));
        pulsa(control<QPushButton>(&selector, "btAbrir"));
        EXPECT_EQ(recibido, "-");
        EXPECT_TRUE(selector.isVisible());
    }
}

TEST_F(Selector, GuardaYConfirma) {
    pideGuardar("zvkf");
    nombre(QStringLiteral("r.cod"));
    esperaMensaje(QStringLiteral("Archivo guardado satisfactoriamente."));
    pulsa(control<QPushButton>(&selector, "btGuardar"));
    EXPECT_EQ(lee(QStringLiteral("r.cod")), "zvkf\r\n");
    EXPECT_EQ(guardados, 1);
    EXPECT_FALSE(selector.isVisible());
}

TEST_F(Selector, UnaCarpetaQueAcabaEnBarraNoDuplicaLaBarra) {
    pideGuardar("x");
    selector.muestraCarpeta(dir.path() + QStringLiteral("/"));
    nombre(QStringLiteral("s.txt"));
    esperaMensaje(QStringLiteral("Archivo guardado satisfactoriamente."));
    pulsa(control<QPushButton>(&selector, "btGuardar"));
    EXPECT_EQ(lee(QStringLiteral("s.txt")), "x\r\n");
}

TEST_F(Selector, NoGuardaSobreUnFicheroDeSoloLectura) {
    crea(QStringLiteral("viejo.txt"), "intacto");
    std::filesystem::permissions(QDir(dir.path()).filePath("viejo.txt").toStdString(),
                                 std::filesystem::perms::owner_read);
    pideGuardar("nuevo");
    nombre(QStringLiteral("viejo.txt"));
    esperaMensaje(QStringLiteral("No pudo guardarse en el fichero especificado."));
    pulsa(control<QPushButton>(&selector, "btGuardar"));
    EXPECT_EQ(lee(QStringLiteral("viejo.txt")), "intacto");
    EXPECT_EQ(guardados, 0);
    EXPECT_TRUE(selector.isVisible());
}

TEST_F(Selector, NavegaPorLasCarpetas) {
    std::filesystem::create_directory(QDir(dir.path()).filePath("sub").toStdString());
    crea(QStringLiteral("sub/dentro.txt"), "d");
    pideAbrir();
    auto* carpetas = control<QListWidget>(&selector, "Dir1");
    const auto sub = carpetas->findItems(QStringLiteral("sub"), Qt::MatchExactly);
    ASSERT_EQ(sub.size(), 1);
    emit carpetas->itemActivated(sub.front());
    EXPECT_EQ(selector.carpeta(), QDir(dir.path()).filePath(QStringLiteral("sub")));
    EXPECT_EQ(control<QListWidget>(&selector, "File1")->count(), 1);
    emit carpetas->itemActivated(carpetas->item(0));  // ".."
    EXPECT_EQ(selector.carpeta(), QDir::cleanPath(dir.path()));
    EXPECT_GE(control<QComboBox>(&selector, "Drive1")->count(), 2);  // the root and home
}

TEST_F(Selector, UnaCarpetaSinPermisoNoSeAbre) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every folder";
    const auto cerrada = QDir(dir.path()).filePath(QStringLiteral("cerrada")).toStdString();
    std::filesystem::create_directory(cerrada);
    std::filesystem::permissions(cerrada, std::filesystem::perms::none);
    pideAbrir();
    auto* carpetas = control<QListWidget>(&selector, "Dir1");
    const auto item = carpetas->findItems(QStringLiteral("cerrada"), Qt::MatchExactly);
    ASSERT_EQ(item.size(), 1);
    esperaMensaje(
        QStringLiteral("Se ha producido el siguiente error:\nNo se puede abrir la carpeta ") +
        QDir::cleanPath(QString::fromStdString(cerrada)) + QStringLiteral("."));
    emit carpetas->itemActivated(item.front());
    EXPECT_EQ(selector.carpeta(), dir.path());  // the lists stay as they were
    std::filesystem::permissions(cerrada, std::filesystem::perms::owner_all);
}

}  // namespace
}  // namespace zefra::pruebas
