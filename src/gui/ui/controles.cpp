#include "gui/ui/controles.hpp"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/ui/textos.hpp"
#include "gui/ui/ventana.hpp"

namespace zefra::gui {

QLineEdit* campo(QWidget* padre, const char* nombre, bool soloLectura) {
    auto* edit = new QLineEdit(padre);
    edit->setObjectName(QString::fromUtf8(nombre));
    edit->setReadOnly(soloLectura);
    return edit;
}

QPlainTextEdit* texto(QWidget* padre, const char* nombre) {
    auto* edit = new QPlainTextEdit(padre);
    edit->setObjectName(QString::fromUtf8(nombre));
    edit->setReadOnly(true);
    // A caret that the arrows move, so that a screen reader reads it line by line.
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return edit;
}

QPushButton* boton(QWidget* padre, const char* nombre, const QString& titulo) {
    auto* b = new QPushButton(titulo, padre);
    b->setObjectName(QString::fromUtf8(nombre));
    return b;
}

QLabel* etiqueta(QWidget* padre, const char* nombre, const QString& titulo) {
    auto* l = new QLabel(titulo, padre);
    l->setObjectName(QString::fromUtf8(nombre));
    return l;
}

QComboBox* listaEditable(QWidget* padre, const char* nombre,
                         const std::vector<std::string>& items) {
    auto* lista = new QComboBox(padre);
    lista->setObjectName(QString::fromUtf8(nombre));
    lista->setEditable(true);
    lista->setInsertPolicy(QComboBox::NoInsert);
    lista->setMaxVisibleItems(16);
    // Typing "5" must give "5": inline completion would make it "50", the first item it begins.
    lista->setCompleter(nullptr);
    llenaLista(lista, items);
    return lista;
}

void llenaLista(QComboBox* lista, const std::vector<std::string>& items) {
    lista->clear();
    for (const auto& item : items)
        lista->addItem(aQt(item));
    lista->setCurrentIndex(-1);
    lista->setEditText({});
}

QPushButton* botonSalir(Ventana* ventana) {
    auto* b = boton(ventana, "btsalir", QStringLiteral("&Salir"));
    QObject::connect(b, &QPushButton::clicked, ventana, &Ventana::salir);
    return b;
}

QHBoxLayout* filaDeBotones(Ventana* ventana, std::initializer_list<QPushButton*> botones) {
    auto* fila = new QHBoxLayout;
    for (QPushButton* b : botones)
        fila->addWidget(b);
    fila->addStretch();
    fila->addWidget(botonSalir(ventana));
    return fila;
}

QLabel* fila(QGridLayout* rejilla, int numero, const QString& titulo, QWidget* campo) {
    auto* label = new QLabel(titulo, rejilla->parentWidget());
    label->setBuddy(campo);
    rejilla->addWidget(label, numero, 0, Qt::AlignRight);
    rejilla->addWidget(campo, numero, 1);
    return label;
}

}  // namespace zefra::gui
