// The cipher windows driven through their real widgets (offscreen): a long message enciphered
// and deciphered step by step, and a 1 MB text file opened, enciphered, deciphered and saved.
// Each step is timed until the window is idle again (its events handled and the window drawn).
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include "cargas.hpp"
#include "core/alphabets/ranuras.hpp"
#include "gui/alphabets/seleccion_alfabeto.hpp"
#include "gui/files/frm_listdirec.hpp"
#include "gui/shell/frm_principal.hpp"
#include "gui/ui/texto_exacto.hpp"

namespace zefra::bench {
namespace {

// A main window of its own under an unlimited budget, whose message boxes are answered and
// remembered.
class Escritorio {
  public:
    Escritorio() : principal_(std::make_unique<gui::FrmPrincipal>(estado_)) {
        principal_->show();
        principal_->findChild<QLineEdit*>(QStringLiteral("txhoras"))->setText("1000000");
        QObject::connect(&vigia_, &QTimer::timeout, [this] {
            auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!caja || !caja->isVisible()) return;
            mensajes_ << caja->text();
            caja->button(QMessageBox::Ok)->click();
        });
        vigia_.start(5);
    }

    void menu(const char* accion) {
        principal_->findChild<QAction*>(QString::fromLatin1(accion))->trigger();
    }
    QWidget* ventana(const char* nombre) const {
        for (QWidget* v : principal_->findChildren<QWidget*>(QString::fromLatin1(nombre)))
            if (v->isWindow()) return v;
        return nullptr;
    }
    template <class W>
    static W* control(const QWidget* en, const char* nombre) {
        return en->findChild<W*>(QString::fromLatin1(nombre));
    }
    static void escribe(const QWidget* en, const char* campo, const QString& texto) {
        control<QLineEdit>(en, campo)->setText(texto);
    }
    static void pulsa(const QWidget* en, const char* boton) {
        control<QAbstractButton>(en, boton)->click();
    }
    // Presses a button and waits until the window is idle and drawn; returns the seconds.
    double mide(QWidget* w, const char* boton, const char* nombrePaso) {
        const auto inicio = std::chrono::steady_clock::now();
        pulsa(w, boton);
        QApplication::processEvents();
        w->grab();
        const double s =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
        std::printf("  %-28s %8.3f s\n", nombrePaso, s);
        total_ += s;
        return s;
    }
    // Loads a user alphabet into slot 0 and makes it active.
    void alfabetoDeUsuario(const Alfabeto& alfabeto) {
        ocupaRanura(estado_.ranuras[0], alfabeto, true);
        principal_->contexto().seleccionAlfabeto->ranuraCargada(0);
        menu("nalfaus(1)");
    }
    gui::FrmListDirec& selector() { return principal_->contexto().ventana<gui::FrmListDirec>(); }
    const QStringList& mensajes() const { return mensajes_; }
    // The time of the steps per symbol of the message, set beside the other sizes' in the note.
    void porSimbolo(qsizetype simbolos) const {
        std::printf("  %-28s %8.3f s, %.2f us per symbol\n", "all steps", total_,
                    total_ * 1e6 / static_cast<double>(simbolos));
    }

  private:
    RelojBench reloj_;
    Estado estado_{reloj_};
    std::unique_ptr<gui::FrmPrincipal> principal_;
    QTimer vigia_;
    QStringList mensajes_;
    double total_ = 0;
};

// A text of `n` symbols over the letters and the space of "a-z".
QString textoMinusculas(int n) {
    const QString letras = QStringLiteral("abcdefghijklmnñopqrstuvwxyz ");
    QString t;
    t.reserve(n);
    for (int i = 0; i < n; ++i)
        t += letras[(i * 37 + i / 7) % letras.size()];
    return t;
}

QString exacto(const QWidget* w, const char* campo) {
    return Escritorio::control<gui::TextoExacto>(w, campo)->textoExacto();
}

// Chooses the direction and runs the steps, timing each.
void pasos(Escritorio& e, QWidget* w, const char* opciones, int direccion, int cuantos,
           const char* sentido) {
    Escritorio::control<QRadioButton>(
        w, QStringLiteral("%1(%2)").arg(opciones).arg(direccion).toLatin1().constData())
        ->click();
    for (int k = 1; k <= cuantos; ++k) {
        const std::string boton = "btpaso" + std::to_string(k);
        const std::string nombre = std::string(sentido) + " PASO " + std::to_string(k);
        e.mide(w, boton.c_str(), nombre.c_str());
    }
}

bool privada(int simbolos) {
    Escritorio e;
    e.menu("ncripprivada");
    QWidget* claves = e.ventana("frmpedirclaves");
    Escritorio::control<QComboBox>(claves, "Dpopcionesclave")->setEditText("3");
    Escritorio::escribe(claves, "txclave_s", "5");
    Escritorio::pulsa(claves, "btseguircprivada");
    QWidget* w = e.ventana("frmcripprivada");
    const QString texto = textoMinusculas(simbolos);
    Escritorio::control<gui::TextoExacto>(w, "txmensaje")->fijaTexto(texto);
    pasos(e, w, "Option1", 0, 3, "cifrar");
    const QString cifrado = exacto(w, "txmensajefinal");
    e.mide(w, "btinvertir", "Invertir proceso");
    pasos(e, w, "Option1", 1, 3, "descifrar");
    e.porSimbolo(texto.size());
    return e.mensajes().isEmpty() && cifrado.size() == texto.size() && cifrado != texto &&
           exacto(w, "txmensajefinal") == texto;
}

// The letters a to z with the even codes 00 to 50 (n = 51), keys r = 5 and s = 1: codes with
// gaps, so the key window opens the two-step window for user alphabets.
bool usuario(int simbolos) {
    Escritorio e;
    Alfabeto pares{"pares", {}};
    for (int i = 0; i < 26; ++i) {
        const std::string codigo = (i < 5 ? "0" : "") + std::to_string(2 * i);
        pares.equivalencias.push_back({std::string(1, static_cast<char>('a' + i)), codigo});
    }
    e.alfabetoDeUsuario(pares);
    e.menu("ncripprivada");
    QWidget* claves = e.ventana("frmpedirclaves");
    Escritorio::control<QComboBox>(claves, "Dpopcionesclave")->setEditText("5");
    Escritorio::escribe(claves, "txclave_s", "1");
    Escritorio::pulsa(claves, "btseguircprivada");
    QWidget* w = e.ventana("frPrivadaAlfaus");
    QString texto;
    for (int i = 0; i < simbolos; ++i)
        texto += QChar(u'a' + (i * 37 + i / 7) % 26);
    Escritorio::control<gui::TextoExacto>(w, "txmensaje")->fijaTexto(texto);
    pasos(e, w, "opCodCpub", 0, 2, "cifrar");
    const QString cifrado = exacto(w, "txmensajecod");
    e.mide(w, "btInvertirCPrivUs", "Invertir proceso");
    pasos(e, w, "opCodCpub", 1, 2, "descifrar");
    e.porSimbolo(texto.size());
    return e.mensajes().isEmpty() && cifrado.size() == 2 * texto.size() &&
           exacto(w, "txmensajecod") == texto;
}

// The RSA set-up with p = 46327, q = 46337, t = 65537 (n = 2146654199).
QWidget* abreRSA(Escritorio& e) {
    e.menu("ncrippublica");
    QWidget* rsa = e.ventana("frmSistemaRSA");
    Escritorio::escribe(rsa, "txprimop", "46327");
    Escritorio::escribe(rsa, "txprimoq", "46337");
    Escritorio::pulsa(rsa, "btBuscarCercanoPyQ");
    Escritorio::pulsa(rsa, "btAceptarPyQ");
    Escritorio::escribe(rsa, "txAsignat", "65537");
    for (const char* b : {"btBuscaMCDmascerca", "btAceptart", "btContinuarRSA"})
        Escritorio::pulsa(rsa, b);
    return e.ventana("frmCripPublica");
}

bool rsa(int simbolos) {
    Escritorio e;
    QWidget* w = abreRSA(e);
    const QString texto = textoMinusculas(simbolos);
    Escritorio::control<gui::TextoExacto>(w, "txmensaje")->fijaTexto(texto);
    pasos(e, w, "opCodCpub", 0, 2, "cifrar");
    const QString cifrado = exacto(w, "txmensajecod");
    e.mide(w, "btInvertirCPub", "Invertir proceso");
    pasos(e, w, "opCodCpub", 1, 2, "descifrar");
    e.porSimbolo(texto.size());
    return e.mensajes().isEmpty() && cifrado.size() == 10 * texto.size() &&
           exacto(w, "txmensajecod") == texto;
}

// About 1 MB of lines of printable ASCII, each ended by CR LF.
std::string textoDeUnMega() {
    std::string t;
    t.reserve(1u << 20);
    for (int linea = 0; t.size() + 80 < (1u << 20); ++linea) {
        for (int i = 0; i < 70; ++i)
            t += static_cast<char>(' ' + (linea * 31 + i * 7) % 95);
        t += "\r\n";
    }
    return t;
}

std::string leeBytes(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

bool rsa1m() {
    QTemporaryDir carpeta;
    const std::string original = textoDeUnMega();
    std::ofstream(QDir(carpeta.path()).filePath("mensaje.txt").toStdString(), std::ios::binary)
        << original;
    Escritorio e;
    e.menu("nalfa_ASCII");
    QWidget* w = abreRSA(e);
    auto& selector = e.selector();
    selector.muestraCarpeta(carpeta.path());

    e.mide(w, "btAbrirdeFicheroPublica", "Abrir de fichero (chooser)");
    Escritorio::escribe(&selector, "txnomarchi", "mensaje.txt");
    e.mide(&selector, "btAbrir", "Abrir de fichero (ABRIR)");
    pasos(e, w, "opCodCpub", 0, 2, "cifrar");
    e.mide(w, "btInvertirCPub", "Invertir proceso");
    pasos(e, w, "opCodCpub", 1, 2, "descifrar");
    e.mide(w, "btGuardarEnFicheroPublica", "Guardar en fichero (chooser)");
    Escritorio::escribe(&selector, "txnomarchi", "descifrado.txt");
    e.mide(&selector, "btGuardar", "Guardar en fichero (GUARDAR)");
    QApplication::processEvents();
    e.porSimbolo(static_cast<qsizetype>(original.size()));
    const std::string guardado =
        leeBytes(QDir(carpeta.path()).filePath("descifrado.txt").toStdString());
    return e.mensajes() == QStringList{QStringLiteral("Archivo guardado satisfactoriamente.")} &&
           guardado == original + "\r\n";
}

// The 10,000-symbol runs are the references: n times the message may cost at most 2n times
// as long.
const Registro privada10k{{"cipher-window-private-10k",
                           "private-key window, a-z, r = 3, s = 5: 10,000 symbols, PASO 1 to 3 "
                           "both ways",
                           [] { return privada(10000); }, "", 1.0}};

const Registro privada100k{{"cipher-window-private-100k",
                            "private-key window, a-z, r = 3, s = 5: 100,000 symbols, PASO 1 to 3 "
                            "both ways",
                            [] { return privada(100000); }, "cipher-window-private-10k", 20.0}};

const Registro privada1m{{"cipher-window-private-1m",
                          "private-key window, a-z, r = 3, s = 5: 1,000,000 symbols, PASO 1 to "
                          "3 both ways",
                          [] { return privada(1000000); }, "cipher-window-private-10k", 200.0}};

const Registro publica10k{{"cipher-window-rsa-10k",
                           "public-key window, n = 2146654199: 10,000 symbols, PASO 1 and 2 "
                           "both ways",
                           [] { return rsa(10000); }, "", 1.0}};

const Registro publica100k{{"cipher-window-rsa-100k",
                            "public-key window, n = 2146654199: 100,000 symbols, PASO 1 and 2 "
                            "both ways",
                            [] { return rsa(100000); }, "cipher-window-rsa-10k", 20.0}};

const Registro usuario10k{{"cipher-window-user-10k",
                           "window over a user alphabet with gaps (n = 51, r = 5, s = 1): 10,000 "
                           "symbols, PASO 1 and 2 both ways",
                           [] { return usuario(10000); }, "", 1.0}};

const Registro usuario100k{{"cipher-window-user-100k",
                            "window over a user alphabet with gaps (n = 51, r = 5, s = 1): "
                            "100,000 symbols, PASO 1 and 2 both ways",
                            [] { return usuario(100000); }, "cipher-window-user-10k", 20.0}};

const Registro usuario1m{{"cipher-window-user-1m",
                          "window over a user alphabet with gaps (n = 51, r = 5, s = 1): "
                          "1,000,000 symbols, PASO 1 and 2 both ways",
                          [] { return usuario(1000000); }, "cipher-window-user-10k", 200.0}};

const Registro mega{{"cipher-window-rsa-1m",
                     "public-key window, ASCII: a 1 MB file opened, enciphered, deciphered "
                     "and saved",
                     rsa1m, "", 10.0}};

}  // namespace
}  // namespace zefra::bench
