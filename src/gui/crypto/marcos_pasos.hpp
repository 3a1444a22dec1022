// Builders for the step frames of the cryptosystem windows, which the steps show in turn in the
// same place.
#pragma once

#include <QString>
#include <initializer_list>

#include "shell/tabla.hpp"

class QGroupBox;
class QLabel;
class QVBoxLayout;
class QWidget;

namespace zefra::gui {

class Rejilla;

// A step frame that keeps its size while hidden, so the frames sharing its place do not jump.
QGroupBox* marco(QWidget* padre, const char* nombre, const QString& titulo);

// The explanation of a step, one label per line as it is written.
void lineas(QVBoxLayout* columna, QWidget* padre, std::initializer_list<const char*> textos);

// A conversion grid under its caption, sized to show its four columns whole.
Rejilla* tablaDeConversion(QVBoxLayout* columna, QWidget* padre, Tabla& tabla, const char* nombre);

// A formula with subscripts and superscripts, larger than the text around it.
QLabel* formula(QWidget* padre, const char* nombre, const QString& html);

}  // namespace zefra::gui
