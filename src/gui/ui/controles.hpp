// Small builders for the controls every window uses, named as their controls.
#pragma once

#include <QString>
#include <initializer_list>
#include <string>
#include <vector>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace zefra::gui {

class Ventana;

QLineEdit* campo(QWidget* padre, const char* nombre, bool soloLectura = false);
QPlainTextEdit* texto(QWidget* padre, const char* nombre);  // read-only, multi-line
QPushButton* boton(QWidget* padre, const char* nombre, const QString& titulo);
QLabel* etiqueta(QWidget* padre, const char* nombre, const QString& titulo);

// An editable drop-down list of these items, its text empty; what is typed is taken as typed.
QComboBox* listaEditable(QWidget* padre, const char* nombre, const std::vector<std::string>& items);
// Replaces the items of a list, leaving its text empty.
void llenaLista(QComboBox* lista, const std::vector<std::string>& items);

// The "Salir" button of a window: hides it.
QPushButton* botonSalir(Ventana* ventana);

// The button row at the foot of a window: its own buttons at the left, "Salir" at the right.
QHBoxLayout* filaDeBotones(Ventana* ventana, std::initializer_list<QPushButton*> botones);

// A label (buddy of the field) and its field, side by side in one row of a grid.
QLabel* fila(QGridLayout* rejilla, int numero, const QString& titulo, QWidget* campo);

}  // namespace zefra::gui
