// Qt's own texts (dialog buttons, text-field context menus) in Spanish, whatever the system's
// language.
#pragma once

class QCoreApplication;

namespace zefra::gui {

// Installs Qt's Spanish translation in the application; returns whether it was found.
bool cargaTraduccionEspanola(QCoreApplication& aplicacion);

}  // namespace zefra::gui
