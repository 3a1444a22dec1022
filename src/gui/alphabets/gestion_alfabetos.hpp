// The life of the user's alphabets from the "Alfabeto" menu: "Crear", "Modificar", "Abrir",
// "Cerrar" and "Guardar", loading an alphabet into a slot, closing a slot, and the requests to
// the file chooser that open an alphabet file or save one.
#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "core/alphabets/alfabeto.hpp"
#include "gui/ui/contexto.hpp"

namespace zefra::gui {

struct DestinoFichero;

class GestionAlfabetos final : public QObject {
    Q_OBJECT

  public:
    GestionAlfabetos(Contexto& contexto, QObject* padre);

    // Loads a newly defined alphabet into a free slot, not yet saved.
    void carga(int ranura, Alfabeto alfabeto);
    // Closes a slot: its alphabet goes, and "a-z" becomes active when it was the active one.
    void cierraRanura(int ranura);
    // True while the slot holds the alphabet of that name (a request made for it still holds).
    bool sigueCargado(int ranura, const std::string& nombre) const;

    // Asks where to save the alphabet of a slot ("5": then close it; "6": keep it), and marks
    // it saved. `despues` runs after a successful save.
    void guardaRanura(const QString& codigo, int ranura, const QString& titulo,
                      std::function<void()> despues);
    // Asks where to save the alphabet just defined; `ranura` is the slot it was loaded into, or
    // -1. `despues` runs after a successful save.
    void guardaDefinido(int ranura, std::function<void()> despues);

    // The menu entries "Crear", "Modificar", "Abrir", "Cerrar" and "Guardar".
    void crear();
    void modificar();
    void abrir();
    void cerrar();
    void guardar();

  private:
    // The slot of the active alphabet, or -1 for a predefined one.
    int ranuraActiva() const;
    void pideGuardar(const QString& codigo, const QString& titulo, const std::string& nombre,
                     DestinoFichero destino);

    Contexto& contexto_;
};

}  // namespace zefra::gui
