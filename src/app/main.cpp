// Zefra: builds the application and its main window.
#include <QApplication>
#include <QLocale>

#include "core/estado.hpp"
#include "core/shell/numeros.hpp"
#include "gui/shell/emblema.hpp"
#include "gui/shell/frm_principal.hpp"
#include "gui/ui/reloj_sistema.hpp"
#include "gui/ui/traduccion.hpp"

int main(int argc, char* argv[]) {
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zefra"));
    QApplication::setDesktopFileName(QStringLiteral("zefra"));
    QApplication::setWindowIcon(zefra::gui::iconoZefra());
    zefra::gui::cargaTraduccionEspanola(aplicacion);
    zefra::fijaSeparadorDecimal(QLocale::system().decimalPoint() == QStringLiteral(",") ? ','
                                                                                        : '.');
    const zefra::gui::RelojSistema reloj;
    zefra::Estado estado(reloj);
    zefra::gui::FrmPrincipal principal(estado);
    principal.show();
    return QApplication::exec();
}
