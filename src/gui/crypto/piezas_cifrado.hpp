// Pieces the cipher windows share: the place where the frames of their steps take turns, the
// frames of the transcription and cipher steps, the lines that explain a step, the conversion
// grid and the formulas.
#pragma once

#include <QString>
#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/documento.hpp"
#include "core/shell/tabla.hpp"

class QGroupBox;
class QLabel;
class QLineEdit;
class QVBoxLayout;
class QWidget;

namespace zefra::gui {

class Rejilla;

// The place where the frames of the steps take turns: one cell, which every frame fills.
QWidget* zonaDePasos(QWidget* padre);

// A frame of a step in the zone's cell. It keeps its size when hidden, so the frames sharing
// the place do not jump.
QGroupBox* marcoDePaso(QWidget* zona, const char* nombre, const QString& titulo);

// The explanation of a step, one label per line as it is written; returns the labels.
std::vector<QLabel*> lineasDePaso(QVBoxLayout* columna, QWidget* padre,
                                  std::initializer_list<const char*> textos);

// A conversion grid under its caption, its four columns of one fixed width (0.43 inch).
Rejilla* tablaDeConversion(QVBoxLayout* columna, QWidget* padre, Tabla& tabla, const char* nombre);

// A transcription step: the conversion grid of `tabla` and the lines under it.
struct MarcoDeTabla {
    QGroupBox* marco;
    Rejilla* rejilla;
    std::vector<QLabel*> lineas;
};
MarcoDeTabla marcoDeTabla(QWidget* zona, const char* nombre, const QString& titulo, Tabla& tabla,
                          const char* nombreRejilla, std::initializer_list<const char*> lineas);

// The table frame of the two-step windows, which both transcriptions show, each with its own
// caption and four lines (Label45, Label47, Label48, Label49). Its grid is Flexalfa1.
MarcoDeTabla marcoDeTablaCompartida(QWidget* zona, const char* nombre, Tabla& tabla);
// The lines of the two transcriptions in that frame.
inline constexpr std::array<const char*, 4> kLineasADigitos = {
    "Transcripción inmediata del texto", "llano a una sucesión de dígitos",
    "según se indica en la tabla de", "conversión:"};
inline constexpr std::array<const char*, 4> kLineasASimbolos = {
    "En este último paso, se realiza", "la transcripción inmediata a los",
    "símbolos del alfabeto mediante", "la tabla de conversión:"};
// Shows that frame under `titulo` with the lines of the step.
void muestraTabla(const MarcoDeTabla& marco, const QString& titulo,
                  const std::array<const char*, 4>& lineas);

// A cipher step: the field of its formula with the keys, the lines that explain it, perhaps a
// label for the keys, and the general formula, perhaps under a caption.
struct PasoConFormula {
    const char* marco = nullptr;
    const char* campo = nullptr;
    std::initializer_list<const char*> lineas;
    const char* explicacion = nullptr;  // the name of an empty label under the lines
    const char* rotulo = nullptr;       // the caption of the formula
    const char* formula = nullptr;
    QString html;
};
struct MarcoConFormula {
    QGroupBox* marco;
    QLineEdit* campo;
    QLabel* explicacion;  // nullptr when the step has none
};
MarcoConFormula marcoConFormula(QWidget* zona, const QString& titulo, const PasoConFormula& paso);

// Makes a formula field wide enough to show this text whole.
void anchoParaFormula(QLineEdit* campo, const QString& texto);
// Writes a step's formula into its field, whole, shown from its start (and in its tool tip).
void muestraFormula(QLineEdit* campo, const QString& texto);

// What a step's frame shows, for copying, saving and printing: its title, lines and formula
// field as text, its formulas with their subscripts, its conversion grid as a table of the rows
// it shows, in the frame's order.
void bloquesDeMarco(const QGroupBox& marco, std::vector<Bloque>& bloques);

// A step's whole digits in lines of whole blocks of `ancho`, at most 72 characters a line.
std::string digitosEnLineas(std::string_view digitos, int ancho);

// A formula with subscripts and superscripts, larger than the text around it.
QLabel* formula(QWidget* padre, const char* nombre, const QString& html);

}  // namespace zefra::gui
