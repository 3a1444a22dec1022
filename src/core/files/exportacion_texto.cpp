#include "core/files/exportacion_texto.hpp"

namespace zefra {
namespace {

// A text's lines, each ending in `fin`, whatever line ends (LF, CR LF or CR) it had.
bool escribeLineas(std::string_view texto, std::string_view fin, const Sumidero& salida) {
    std::string linea;
    std::size_t desde = 0;
    while (desde < texto.size()) {
        const std::size_t corte = texto.find_first_of("\r\n", desde);
        const std::size_t hasta = corte == std::string_view::npos ? texto.size() : corte;
        linea.assign(texto.substr(desde, hasta - desde));
        linea.append(fin);
        if (!salida(linea)) return false;
        desde = hasta + 1;
        if (hasta < texto.size() && texto[hasta] == '\r' && desde < texto.size() &&
            texto[desde] == '\n')
            ++desde;
    }
    return true;
}

// A table's rows, each cell passed through `campo` and the cells joined by `separador`.
template <class Campo>
bool escribeFilas(const BloqueTabla& tabla, char separador, std::string_view fin, Campo campo,
                  const Sumidero& salida) {
    std::string fila;
    for (int f = 0; f < tabla.filas; ++f) {
        fila.clear();
        for (int c = 0; c < tabla.columnas; ++c) {
            if (c > 0) fila.push_back(separador);
            fila.append(campo(tabla.celda(f, c)));
        }
        fila.append(fin);
        if (!salida(fila)) return false;
    }
    return true;
}

// A cell as a tab-separated field: its tabs and line breaks would split the row, so they
// become blanks.
std::string campoTabulado(std::string valor) {
    for (char& c : valor)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return valor;
}

}  // namespace

std::string campoCsv(std::string_view valor) {
    if (valor.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(valor);
    std::string campo = "\"";
    for (const char c : valor) {
        if (c == '"') campo.push_back('"');
        campo.push_back(c);
    }
    campo.push_back('"');
    return campo;
}

bool escribeContenido(const Documento& documento, const Sumidero& salida, bool crlf) {
    const std::string_view fin = crlf ? "\r\n" : "\n";
    bool primero = true;
    for (const Bloque& bloque : documento.bloques) {
        if (!primero && !salida(fin)) return false;
        primero = false;
        bool bien = true;
        if (const auto* tabla = std::get_if<BloqueTabla>(&bloque)) {
            bien = escribeFilas(*tabla, '\t', fin, campoTabulado, salida);
        } else if (const auto* traza = std::get_if<BloqueTraza>(&bloque)) {
            bien = escribeLineas(traza->texto, fin, salida);
        } else {
            bien = escribeLineas(std::get<BloqueRico>(bloque).texto, fin, salida);
        }
        if (!bien) return false;
    }
    return true;
}

bool escribeDocumento(const Documento& documento, const Sumidero& salida) {
    std::string cabecera = documento.titulo + "\r\n";
    for (const auto& [rotulo, valor] : documento.entradas)
        cabecera += rotulo + ": " + valor + "\r\n";
    cabecera += "Fecha: " + documento.fecha + "\r\n\r\n";
    return salida(cabecera) && escribeContenido(documento, salida, true);
}

bool escribeCsv(const Documento& documento, const Sumidero& salida) {
    bool primero = true;
    for (const Bloque& bloque : documento.bloques) {
        const auto* tabla = std::get_if<BloqueTabla>(&bloque);
        if (!tabla) continue;
        if (!primero && !salida("\r\n")) return false;
        primero = false;
        if (!escribeFilas(*tabla, ',', "\r\n", campoCsv, salida)) return false;
    }
    return true;
}

FalloEscritura guardaDocumento(const Documento& documento, const std::filesystem::path& ruta,
                               bool csv) {
    EscrituraAtomica fichero(ruta);
    const Sumidero salida = [&fichero](std::string_view datos) { return fichero.escribe(datos); };
    if (csv) {
        escribeCsv(documento, salida);
    } else {
        escribeDocumento(documento, salida);
    }
    return fichero.termina();
}

}  // namespace zefra
