// Drawn pictures of the main and about windows: the clock of the classes of Z12, and a padlock.
#pragma once

#include <QIcon>
#include <QWidget>

namespace zefra::gui {

class Emblema final : public QWidget {
    Q_OBJECT

  public:
    explicit Emblema(QWidget* padre);
    QSize sizeHint() const override { return {170, 170}; }

  protected:
    void paintEvent(QPaintEvent* evento) override;
};

// The program's icon: the emblem drawn at the usual icon sizes.
QIcon iconoZefra();

class Candado final : public QWidget {
    Q_OBJECT

  public:
    explicit Candado(QWidget* padre);
    QSize sizeHint() const override { return {110, 140}; }

  protected:
    void paintEvent(QPaintEvent* evento) override;
};

}  // namespace zefra::gui
