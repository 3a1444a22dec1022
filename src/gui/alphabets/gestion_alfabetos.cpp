#include "gui/alphabets/gestion_alfabetos.hpp"

#include "core/alphabets/activo.hpp"
#include "core/alphabets/edicion.hpp"
#include "core/files/fichero_alfabeto.hpp"
#include "gui/alphabets/fr_guardar_alfabeto.hpp"
#include "gui/alphabets/fr_nombre_alfa.hpp"
#include "gui/alphabets/frm_define_alfabeto.hpp"
#include "gui/alphabets/frm_modificar_alfabeto.hpp"
#include "gui/alphabets/seleccion_alfabeto.hpp"
#include "gui/files/frm_listdirec.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {

GestionAlfabetos::GestionAlfabetos(Contexto& contexto, QObject* padre)
    : QObject(padre), contexto_(contexto) {}

int GestionAlfabetos::ranuraActiva() const {
    return ranuraDe(contexto_.estado.ranuras, contexto_.estado.alfabeto.nombre).value_or(-1);
}

bool GestionAlfabetos::sigueCargado(int ranura, const std::string& nombre) const {
    const auto& r = contexto_.estado.ranuras[static_cast<std::size_t>(ranura)];
    return !r.libre && r.alfabeto.nombre == nombre;
}

void GestionAlfabetos::carga(int ranura, Alfabeto alfabeto) {
    ocupaRanura(contexto_.estado.ranuras[static_cast<std::size_t>(ranura)], std::move(alfabeto),
                false);
    contexto_.seleccionAlfabeto->ranuraCargada(ranura);
}

void GestionAlfabetos::cierraRanura(int ranura) {
    auto& estado = contexto_.estado;
    const bool eraActivo = cierraAlfabeto(estado.ranuras, estado.alfabeto, ranura);
    if (eraActivo) emit contexto_.avisos.moduloAlfabeto(estado.alfabeto.modulo);
    contexto_.seleccionAlfabeto->ranuraCerrada(ranura, eraActivo);
}

void GestionAlfabetos::crear() {
    contexto_.ventana<FrmDefineAlfabeto>().abre();
}

void GestionAlfabetos::modificar() {
    const int ranura = ranuraActiva();
    if (ranura >= 0) contexto_.ventana<FrmModificarAlfabeto>().abreSobre(ranura);
}

void GestionAlfabetos::abrir() {
    const auto libre = primeraRanuraLibre(contexto_.estado.ranuras);
    if (!libre) {
        return mensaje(contexto_.principal,
                       "Para poder abrir uno nuevo has de cerrar al menos uno ya cargado del "
                       "programa.");
    }
    auto& selector = contexto_.ventana<FrmListDirec>();
    DestinoFichero destino;
    destino.recibe = [this, ranura = *libre, &selector](const std::string& texto) {
        auto& ranuras = contexto_.estado.ranuras;
        const auto lectura = leeAlfabeto(texto, ranuras);
        if (!lectura.alfabeto) {
            mensaje(&selector, lectura.rechazo);
            return false;
        }
        ocupaRanura(ranuras[static_cast<std::size_t>(ranura)], *lectura.alfabeto, true);
        contexto_.seleccionAlfabeto->ranuraCargada(ranura);
        return true;
    };
    selector.pide({QStringLiteral("3"), QStringLiteral("Abrir alfabeto de archivo."), false, true,
                   std::move(destino), *libre});
}

void GestionAlfabetos::cerrar() {
    const int ranura = ranuraActiva();
    if (ranura < 0) return;
    if (contexto_.estado.ranuras[static_cast<std::size_t>(ranura)].guardado) {
        cierraRanura(ranura);
    } else {
        contexto_.ventana<FrGuardarAlfabeto>().pregunta(QStringLiteral("Alfabeto no guardado."),
                                                        QStringLiteral("1"), ranura, false);
    }
    contexto_.seleccionAlfabeto->habilitaDeUsuario(false);
}

void GestionAlfabetos::guardar() {
    const int ranura = ranuraActiva();
    if (ranura >= 0) {
        guardaRanura(QStringLiteral("6"), ranura, QStringLiteral("Guardar alfabeto seleccionado."),
                     {});
    }
}

void GestionAlfabetos::guardaRanura(const QString& codigo, int ranura, const QString& titulo,
                                    std::function<void()> despues) {
    const std::string nombre =
        contexto_.estado.ranuras[static_cast<std::size_t>(ranura)].alfabeto.nombre;
    DestinoFichero destino;
    destino.texto = [this, ranura, nombre]() -> std::optional<std::string> {
        if (!sigueCargado(ranura, nombre)) return std::nullopt;
        return textoAlfabeto(contexto_.estado.ranuras[static_cast<std::size_t>(ranura)].alfabeto);
    };
    destino.guardado = [this, codigo, ranura, despues = std::move(despues)] {
        contexto_.estado.ranuras[static_cast<std::size_t>(ranura)].guardado = true;
        if (codigo == QStringLiteral("5")) cierraRanura(ranura);
        if (despues) despues();
    };
    destino.confirmacion = [nombre] { return "Alfabeto " + nombre + " "; };
    pideGuardar(codigo, titulo, nombre, std::move(destino));
}

void GestionAlfabetos::guardaDefinido(int ranura, std::function<void()> despues) {
    const std::string nombre = contexto_.ventana<FrNombreAlfa>().nombre();
    DestinoFichero destino;
    // The file holds the table as it was loaded: every code at the common width.
    destino.texto = [this, nombre]() -> std::optional<std::string> {
        Alfabeto alfabeto{nombre, contexto_.ventana<FrmDefineAlfabeto>().equivalencias()};
        igualaAnchos(alfabeto.equivalencias);
        return textoAlfabeto(alfabeto);
    };
    destino.guardado = [this, ranura, nombre, despues = std::move(despues)] {
        if (ranura >= 0 && sigueCargado(ranura, nombre)) {
            contexto_.estado.ranuras[static_cast<std::size_t>(ranura)].guardado = true;
        }
        if (despues) despues();
    };
    destino.confirmacion = [nombre] { return "Alfabeto " + nombre + " "; };
    pideGuardar(QStringLiteral("3"), QStringLiteral("Guardar alfabeto."), nombre,
                std::move(destino));
}

// The chooser suggests the file an alphabet of that name was last saved to.
void GestionAlfabetos::pideGuardar(const QString& codigo, const QString& titulo,
                                   const std::string& nombre, DestinoFichero destino) {
    PeticionFichero peticion{codigo, titulo, true, true, std::move(destino)};
    peticion.propietario = QStringLiteral("alfabeto ") + aQt(nombre);
    contexto_.ventana<FrmListDirec>().pide(std::move(peticion));
}

}  // namespace zefra::gui
