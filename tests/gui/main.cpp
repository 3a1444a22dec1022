// Window tests run on the offscreen platform unless a display is asked for explicitly.
#include <gtest/gtest.h>

#include <QApplication>

#include "gui/ui/traduccion.hpp"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    zefra::gui::cargaTraduccionEspanola(aplicacion);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
