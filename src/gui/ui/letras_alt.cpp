#include "gui/ui/letras_alt.hpp"

#include <QAction>
#include <QMenu>
#include <QSet>

namespace zefra::gui {
namespace {

// The position of the Alt letter of a caption, or -1 ("&&" is a plain "&").
qsizetype posicionLetra(const QString& titulo) {
    for (qsizetype i = 0; i + 1 < titulo.size(); ++i) {
        if (titulo[i] != '&') continue;
        if (titulo[i + 1] != '&') return i + 1;
        ++i;
    }
    return -1;
}

// Where a free letter of `titulo` stands: first at the start of a word, then anywhere.
qsizetype letraLibre(const QString& titulo, const QSet<QChar>& usadas) {
    for (const bool inicio : {true, false}) {
        for (qsizetype i = 0; i < titulo.size(); ++i) {
            const QChar c = titulo[i];
            const bool inicioDePalabra = i == 0 || !titulo[i - 1].isLetterOrNumber();
            if (c.isLetterOrNumber() && (!inicio || inicioDePalabra) &&
                !usadas.contains(c.toLower()))
                return i;
        }
    }
    return -1;
}

}  // namespace

void ponLetrasAlt(QMenu* menu) {
    QSet<QChar> usadas;
    for (const QAction* a : menu->actions()) {
        const qsizetype i = posicionLetra(a->text());
        if (i >= 0) usadas.insert(a->text()[i].toLower());
    }
    for (QAction* a : menu->actions()) {
        if (a->menu()) ponLetrasAlt(a->menu());
        // Hidden entries (the alphabet slots) take their captions later, from names.
        if (a->isSeparator() || !a->isVisible() || posicionLetra(a->text()) >= 0) continue;
        QString titulo = a->text();
        titulo.replace(QStringLiteral("&"), QStringLiteral("&&"));
        const qsizetype i = letraLibre(titulo, usadas);
        if (i < 0) continue;
        usadas.insert(titulo[i].toLower());
        a->setText(titulo.insert(i, '&'));
    }
}

}  // namespace zefra::gui
