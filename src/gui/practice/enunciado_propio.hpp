// The prompt of "Escribir el enunciado": one field per datum of the exercise, named as the core
// names them, kept as typed while the window checks them.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QLineEdit;

namespace zefra::gui {

class EnunciadoPropio final : public QDialog {
    Q_OBJECT

  public:
    EnunciadoPropio(QWidget* padre, const std::vector<std::string>& nombres);

    std::vector<std::string> textos() const;

  private:
    std::vector<QLineEdit*> campos_;
};

}  // namespace zefra::gui
