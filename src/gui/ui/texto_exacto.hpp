// A multi-line text field that gives back exactly the text the program put into it. A plain
// text editor turns a carriage return into a line break and a no-break space into a space;
// a message whose symbols are codes must not change like that between two steps.
#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <optional>
#include <string_view>

namespace zefra::gui {

// The core's UTF-8 text as it is, carriage returns included (a file's line ends, a code that is
// one): what such a field shows and gives back.
QString exacto(std::string_view texto);

class TextoExacto final : public QPlainTextEdit {
    Q_OBJECT

  public:
    TextoExacto(QWidget* padre, const char* nombre, bool soloLectura);

    // Shows the text and keeps it as it is.
    void fijaTexto(const QString& texto);
    // The text last given, or, once the user has edited it, what the field holds (its line
    // breaks as line feeds).
    QString textoExacto() const;

    // A text of one line with a word longer than this (a digit string of a long message) is
    // shown cut into lines of kTrozo characters: the editor lays a line out whole, and such a
    // word in time that grows with its square, while separate lines are laid out only when
    // they come into view.
    static constexpr qsizetype kLineaLarga = 4096;
    static constexpr qsizetype kTrozo = 60;

  protected:
    // Copying from a text shown cut copies it without the cuts.
    QMimeData* createMimeDataFromSelection() const override;

  private:
    std::optional<QString> exacto_;
    bool fijando_ = false;
    bool troceado_ = false;  // shown cut into lines; the text itself has none
};

}  // namespace zefra::gui
