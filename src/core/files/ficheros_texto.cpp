#include "core/files/ficheros_texto.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

#include "core/files/codificacion.hpp"

namespace zefra {
namespace {

namespace fs = std::filesystem;

// Writes all of `datos` to the descriptor, retrying short writes.
bool escribeTodo(int descriptor, std::string_view datos) {
    while (!datos.empty()) {
        const ssize_t escritos = ::write(descriptor, datos.data(), datos.size());
        if (escritos < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        datos.remove_prefix(static_cast<std::size_t>(escritos));
    }
    return true;
}

}  // namespace

std::optional<std::string> leeTexto(const fs::path& ruta) {
    std::error_code error;
    if (!fs::is_regular_file(ruta, error)) return std::nullopt;
    const auto tamano = fs::file_size(ruta, error);
    if (error || tamano > kMaximoTamanoTexto) return std::nullopt;
    std::ifstream fichero(ruta, std::ios::binary);
    if (!fichero) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(fichero)), std::istreambuf_iterator<char>());
    if (fichero.bad() || bytes.size() > kMaximoTamanoTexto) return std::nullopt;
    // A text never holds a NUL byte: that is a binary file (a program, an image...).
    if (bytes.find('\0') != std::string::npos) return std::nullopt;
    return decodificaTexto(bytes);
}

bool escribeTexto(const fs::path& ruta, std::string_view texto) {
    std::error_code error;
    const auto estado = fs::status(ruta, error);
    const bool existe = fs::exists(estado);
    if (existe && !fs::is_regular_file(estado)) return false;
    // A read-only file stays as it is, also for a user (root) whom the system would let write.
    const bool soloLectura =
        (estado.permissions() & (fs::perms::owner_write | fs::perms::group_write |
                                 fs::perms::others_write)) == fs::perms::none;
    if (existe && (soloLectura || ::access(ruta.c_str(), W_OK) != 0)) return false;

    const fs::path carpeta = ruta.has_parent_path() ? ruta.parent_path() : fs::path(".");
    std::string plantilla = (carpeta / ("." + ruta.filename().string() + ".XXXXXX")).string();
    const int descriptor = ::mkstemp(plantilla.data());
    if (descriptor < 0) return false;
    const fs::path temporal = plantilla;

    bool bien = escribeTodo(descriptor, texto) && escribeTodo(descriptor, "\r\n");
    // The new file keeps the old one's permissions; a new file gets the usual ones (0666 less
    // the process's mask), not mkstemp's private 0600.
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    const mode_t permisos = existe ? static_cast<mode_t>(estado.permissions()) & 07777
                                   : static_cast<mode_t>(0666 & ~mascara);
    bien = bien && ::fchmod(descriptor, permisos) == 0;
    bien = bien && ::fsync(descriptor) == 0;
    bien = (::close(descriptor) == 0) && bien;
    if (bien) {
        fs::rename(temporal, ruta, error);
        bien = !error;
    }
    if (!bien) fs::remove(temporal, error);
    return bien;
}

std::string rutaCompleta(std::string_view carpeta, std::string_view nombre) {
    std::string ruta(carpeta);
    if (ruta.empty() || ruta.back() != '/') ruta.push_back('/');
    ruta.append(nombre);
    return ruta;
}

}  // namespace zefra
