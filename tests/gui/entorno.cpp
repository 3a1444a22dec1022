#include "entorno.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "core/shell/numeros.hpp"
#include "gui/files/frm_listdirec.hpp"
#include "gui/ui/texto_exacto.hpp"

namespace zefra::pruebas {

PruebaVentanas::PruebaVentanas() {
    fijaSeparadorDecimal(',');
    principal = std::make_unique<gui::FrmPrincipal>(estado);
    principal->fijaTerminar([this] { ++terminaciones; });
    principal->show();
    principal->contexto().ventana<gui::FrmListDirec>().muestraCarpeta(carpeta.path());
    QObject::connect(&vigia_, &QTimer::timeout, [this] { contestaModal(); });
    vigia_.start(5);
}

PruebaVentanas::~PruebaVentanas() {
    vigia_.stop();
    for (const auto& e : esperados_)
        ADD_FAILURE() << "expected but never shown: "
                      << (e.nombre.isEmpty() ? e.texto : e.nombre).toStdString();
}

void PruebaVentanas::contestaModal() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal == respondiendo_) return;
    if (auto* caja = qobject_cast<QMessageBox*>(modal)) {
        vistos_ << caja->text();
        EXPECT_EQ(caja->windowTitle(), QStringLiteral("Zefra"));
        const Reemplazo pregunta = esperados_.empty() ? nuevo : esperados_.front().pregunta;
        // Qt's Spanish translation is loaded: a message's single button reads "Aceptar"; a
        // question's "Sí" and "No", "No" the default and the answer to Escape.
        QStringList botones;
        for (const QAbstractButton* b : caja->buttons())
            botones << b->text().remove(QLatin1Char('&'));
        // Any question is welcome too when every message is.
        EXPECT_TRUE((aceptaTodo_ && botones.join('|') == "Sí|No") ||
                    botones.join('|') == (pregunta == nuevo ? "Aceptar" : "Sí|No"))
            << botones.join('|').toStdString();
        QAbstractButton* no = caja->button(QMessageBox::No);
        EXPECT_TRUE(!no || (caja->defaultButton() == no && caja->escapeButton() == no));
        QAbstractButton* respuesta = caja->button(!no                     ? QMessageBox::Ok
                                                  : pregunta == reemplaza ? QMessageBox::Yes
                                                                          : QMessageBox::No);
        const bool esperado = !esperados_.empty() && esperados_.front().nombre.isEmpty();
        if (!aceptaTodo_ && !esperado)
            ADD_FAILURE() << "unexpected message: " << caja->text().toStdString();
        if (!aceptaTodo_ && esperado) {
            EXPECT_EQ(caja->text(), esperados_.front().texto);
            esperados_.pop_front();
        }
        respuesta->click();
        return;
    }
    if (aceptaTodo_ || esperados_.empty() || esperados_.front().nombre != modal->objectName()) {
        if (aceptaTodo_)
            vistos_ << QStringLiteral("[ventana modal] ") + modal->objectName();
        else
            ADD_FAILURE() << "unexpected modal window: " << modal->objectName().toStdString();
        modal->close();
        return;
    }
    // A timer never runs its slot again while it is still inside it, so the answer runs from a
    // timer of its own; the dialogs it opens in turn are then seen by the watch.
    auto responde = std::move(esperados_.front().responde);
    esperados_.pop_front();
    respondiendo_ = modal;
    QTimer::singleShot(0, &vigia_, [this, modal = QPointer<QWidget>(modal), responde] {
        respondiendo_ = nullptr;
        if (modal) responde(modal);
    });
}

QString PruebaVentanas::texto(const QWidget* en, const QString& nombre) const {
    const QWidget* c = control<QWidget>(en, nombre);
    if (auto* t = qobject_cast<const gui::TextoExacto*>(c)) return t->textoExacto();
    return c->property(c->inherits("QPlainTextEdit") ? "plainText" : "text").toString();
}

QString PruebaVentanas::rotulo(const QWidget* en, const QString& nombre) const {
    const QWidget* c = control<QWidget>(en, nombre);
    for (const QLabel* l : en->findChildren<QLabel*>())
        if (l->buddy() == c) return l->text();
    return {};
}

void PruebaVentanas::escribe(QLineEdit* campo, const QString& texto) {
    campo->selectAll();
    QTest::keyClick(campo, Qt::Key_Delete);
    // Key clicks only know ASCII; other characters are inserted as an input method would.
    for (const QChar c : texto)
        c.unicode() < 0x80 ? QTest::keyClicks(campo, QString(c)) : campo->insert(QString(c));
}

void PruebaVentanas::pulsa(QAbstractButton* boton) {
    ASSERT_TRUE(boton->isEnabled()) << boton->objectName().toStdString();
    QTest::mouseClick(boton, Qt::LeftButton);
}

void PruebaVentanas::guarda(QWidget* en, const char* nombre, const QString& fichero,
                            const QString& filtro, const QString& mensaje, Reemplazo reemplazo,
                            QString* sugerido) {
    esperaDialogo("frmlistdirec", [=, this](QWidget* d) {
        static_cast<gui::FrmListDirec&>(*d).muestraCarpeta(carpeta.path());
        auto* campo = control<QLineEdit>(d, "txnomarchi");
        if (sugerido) *sugerido = campo->text();
        if (!filtro.isEmpty()) control<QComboBox>(d, "Combo1")->setCurrentText(filtro);
        escribe(campo, fichero);
        esperaReemplazo(fichero.contains('.') ? fichero : fichero + filtro.mid(1), reemplazo);
        if (reemplazo != conserva)
            esperaMensaje(mensaje.isEmpty() ? "Archivo guardado satisfactoriamente." : mensaje);
        pulsa(d, "btGuardar");
        EXPECT_EQ(d->isVisible(), reemplazo == conserva || !mensaje.isEmpty());  // "No" keeps it
        if (d->isVisible()) pulsa(d, "Command1");
    });
    en->findChild<QAction*>(nombre)->trigger();
}

QString PruebaVentanas::textoPdf(const QString& fichero) const {
    QProcess p;
    p.start("pdftotext", {"-layout", QString::fromStdString(ruta(fichero)), "-"});
    EXPECT_TRUE(p.waitForFinished(20000));
    if (!qEnvironmentVariableIsEmpty("ZEFRA_PDF_VISTOS"))  // to look at the pages
        QFile::copy(QString::fromStdString(ruta(fichero)),
                    qEnvironmentVariable("ZEFRA_PDF_VISTOS") + '/' + fichero);
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace zefra::pruebas
