#include "gui/alphabets/seleccion_alfabeto.hpp"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>

#include "core/alphabets/activo.hpp"
#include "core/alphabets/predefinidos.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {
namespace {

constexpr const char* kEntradasPredefinidas[] = {"nalfa_azminus", "nalfa_az", "nalfa_azAZ",
                                                 "nalfa_azAZ09", "nalfa_ASCII"};

template <class T>
T* hijo(QObject* padre, const QString& nombre) {
    T* encontrado = padre->findChild<T*>(nombre);
    Q_ASSERT(encontrado);
    return encontrado;
}

}  // namespace

SeleccionAlfabeto::SeleccionAlfabeto(Contexto& contexto, QMainWindow* principal)
    : QObject(principal),
      contexto_(contexto),
      lbalfabetoactivo_(hijo<QLabel>(principal, QStringLiteral("lbalfabetoactivo"))),
      nSelecAlfa_(hijo<QMenu>(principal, QStringLiteral("nSelecAlfa"))) {
    setObjectName(QStringLiteral("seleccionAlfabeto"));
    for (std::size_t k = 0; k < predefinidos_.size(); ++k) {
        predefinidos_[k] = hijo<QAction>(principal, QString::fromLatin1(kEntradasPredefinidas[k]));
        connect(predefinidos_[k], &QAction::triggered, this,
                [this, k] { eligePredefinido(static_cast<int>(k)); });
    }
    for (std::size_t i = 0; i < nalfaus_.size(); ++i) {
        nalfaus_[i] = hijo<QAction>(principal, QStringLiteral("nalfaus(%1)").arg(i));
        if (i > 0) {
            connect(nalfaus_[i], &QAction::triggered, this,
                    [this, i] { eligeUsuario(static_cast<int>(i)); });
        }
    }
    const char* deUsuario[] = {"nModificarAlfa", "nCerrarAlfa", "nGuardarAlfa"};
    for (std::size_t k = 0; k < deUsuarioActivo_.size(); ++k)
        deUsuarioActivo_[k] = hijo<QAction>(principal, QString::fromLatin1(deUsuario[k]));
    lbalfabetoactivo_->setTextFormat(Qt::PlainText);  // a user's name is never markup
    lbalfabetoactivo_->setText(aQt(contexto_.estado.alfabeto.nombre));
}

SeleccionAlfabeto& SeleccionAlfabeto::de(const Contexto& contexto) {
    return *hijo<SeleccionAlfabeto>(contexto.principal, QStringLiteral("seleccionAlfabeto"));
}

void SeleccionAlfabeto::habilitaAlfabetos() {
    const std::string& activo = contexto_.estado.alfabeto.nombre;
    for (std::size_t k = 0; k < predefinidos_.size(); ++k) {
        if (kNombresPredefinidos[k] == activo) predefinidos_[k]->setEnabled(true);
    }
    for (std::size_t i = 1; i < nalfaus_.size(); ++i)
        nalfaus_[i]->setEnabled(true);
}

void SeleccionAlfabeto::habilitaSeleccion(bool habilitada) {
    nSelecAlfa_->menuAction()->setEnabled(habilitada);
}

void SeleccionAlfabeto::eligePredefinido(int k) {
    const auto indice = static_cast<std::size_t>(k);
    activa(std::string(kNombresPredefinidos[indice]), predefinidos_[indice], false);
}

void SeleccionAlfabeto::eligeUsuario(int index) {
    const auto& ranura = contexto_.estado.ranuras[static_cast<std::size_t>(index) - 1];
    if (ranura.libre) return;  // its entry is hidden; nothing to choose
    activa(ranura.nombre, nalfaus_[static_cast<std::size_t>(index)], true);
}

void SeleccionAlfabeto::activa(const std::string& nombre, QAction* entrada, bool deUsuario) {
    habilitaAlfabetos();
    contexto_.estado.alfabeto.nombre = nombre;
    lbalfabetoactivo_->setText(aQt(nombre));
    entrada->setEnabled(false);
    fijaModulo(contexto_.estado);
    habilitaDeUsuario(deUsuario);
}

void SeleccionAlfabeto::habilitaDeUsuario(bool habilitados) {
    for (QAction* a : deUsuarioActivo_)
        a->setEnabled(habilitados);
}

QString SeleccionAlfabeto::tituloDeMenu(const std::string& nombre) {
    return aQt(nombre).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void SeleccionAlfabeto::ranuraCargada(int ranura) {
    QAction* entrada = nalfaus_[static_cast<std::size_t>(ranura) + 1];
    entrada->setText(
        tituloDeMenu(contexto_.estado.ranuras[static_cast<std::size_t>(ranura)].nombre));
    entrada->setVisible(true);
    entrada->setEnabled(true);
    nalfaus_[0]->setVisible(true);
}

void SeleccionAlfabeto::ranuraRenombrada(int ranura) {
    const std::string& nombre = contexto_.estado.ranuras[static_cast<std::size_t>(ranura)].nombre;
    nalfaus_[static_cast<std::size_t>(ranura) + 1]->setText(tituloDeMenu(nombre));
    if (esActivo(contexto_.estado, ranura)) lbalfabetoactivo_->setText(aQt(nombre));
}

void SeleccionAlfabeto::ranuraCerrada(int ranura, bool eraActivo) {
    nalfaus_[static_cast<std::size_t>(ranura) + 1]->setVisible(false);
    if (eraActivo) {
        lbalfabetoactivo_->setText(aQt(contexto_.estado.alfabeto.nombre));
        predefinidos_[0]->setEnabled(false);  // "a-z", active again
        habilitaDeUsuario(false);
    }
    bool quedan = false;
    for (std::size_t i = 1; i < nalfaus_.size(); ++i)
        quedan = quedan || nalfaus_[i]->isVisible();
    if (!quedan) {
        nalfaus_[0]->setVisible(false);
        habilitaDeUsuario(false);
    }
}

}  // namespace zefra::gui
