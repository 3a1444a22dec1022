// The prompt that offers to save a user alphabet to a file after it was defined, modified, or
// asked to close while unsaved.
#pragma once

#include <QDialog>
#include <string>

#include "gui/ui/contexto.hpp"

class QLabel;

namespace zefra::gui {

class FrGuardarAlfabeto final : public QDialog {
    Q_OBJECT

  public:
    explicit FrGuardarAlfabeto(Contexto& contexto);

    // Asks about the alphabet of slot `ranura` (-1: a defined alphabet that was not loaded).
    // `linea` says what became of it; `codigo` where the question comes from: "0" after
    // defining, "1" while closing, "6" after modifying. Modal but while closing.
    void pregunta(const QString& linea, const QString& codigo, int ranura, bool modal);
    // Where the last question came from.
    const QString& codigo() const { return codigo_; }

  public slots:
    // The window frame and Escape do what "Cancelar" does.
    void reject() override;

  private:
    void si();
    void no();
    // Hides the prompt and the windows of the request it ends.
    void terminaPeticion();

    Contexto& contexto_;
    QLabel* linea_;
    QString codigo_;
    int ranura_ = -1;
    std::string nombre_;  // the name of that slot's alphabet when the question was asked
};

}  // namespace zefra::gui
