// Pieces the cipher windows share: the frames of their steps, which take turns in one place,
// the lines that explain a step, the conversion grid and the formulas.
#pragma once

#include <QString>
#include <initializer_list>

#include "core/shell/tabla.hpp"

class QGroupBox;
class QLabel;
class QLineEdit;
class QVBoxLayout;
class QWidget;

namespace zefra::gui {

class Rejilla;

// A frame that keeps its size when hidden, so the frames sharing a place do not jump.
QGroupBox* marcoDePaso(QWidget* padre, const char* nombre, const QString& titulo);

// The explanation of a step, one label per line as it is written; returns the labels.
void lineasDePaso(QVBoxLayout* columna, QWidget* padre, std::initializer_list<const char*> textos,
                  QLabel** etiquetas = nullptr);

// A conversion grid under its caption, its four columns 620 twips wide.
Rejilla* tablaDeConversion(QVBoxLayout* columna, QWidget* padre, Tabla& tabla, const char* nombre);

// Makes a formula field wide enough to show this text whole.
void anchoParaFormula(QLineEdit* campo, const QString& texto);
// Writes a step's formula into its field, whole, shown from its start (and in its tool tip).
void muestraFormula(QLineEdit* campo, const QString& texto);

// A formula with subscripts and superscripts, larger than the text around it.
QLabel* formula(QWidget* padre, const char* nombre, const QString& html);

}  // namespace zefra::gui
