#include "gui/ui/traduccion.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zefra::gui {

bool cargaTraduccionEspanola(QCoreApplication& aplicacion) {
    auto* traductor = new QTranslator(&aplicacion);
    const bool cargada =
        traductor->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (cargada) QCoreApplication::installTranslator(traductor);
    return cargada;
}

}  // namespace zefra::gui
