// What a screen reader needs beyond what Qt's widgets tell it: windows spoken as windows, the
// list of lines read line by line, results that can be reached with Tab and that take the focus
// when they arrive, and formulas read with their exponents.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace zefra::gui {

// Installs, once, the accessibility of the program's own widget classes.
void instalaAccesibilidad();

// Whether a screen reader is listening (or a test says so): results then take the focus.
bool lectorDePantalla();
void fijaLectorDePantalla(bool activo);

// A label that shows a result: Tab reaches it and its text can be selected from the keyboard.
QLabel* etiquetaLegible(QLabel* etiqueta);

// A result has arrived in `vista`: with a screen reader listening it takes the focus, so that
// the reader speaks its name and value.
void anuncia(QWidget* vista);

// A drawn picture, spoken as a picture with this description.
void esImagen(QWidget* widget, const QString& descripcion);

// Every label of `ventana` that typesets a formula is named as the formula is read aloud.
void nombraFormulas(QWidget* ventana);

// A rich-text formula as it is read aloud: "2<sup>31</sup>" gives "2 elevado a 31".
QString textoHablado(const QString& texto);

}  // namespace zefra::gui
