#include "core/files/ficheros_texto.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

#include "core/files/codificacion.hpp"

namespace zefra {
namespace {

namespace fs = std::filesystem;

// Bytes gathered before they go to the disk in one write.
constexpr std::size_t kBloqueEscritura = 1u << 20;

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
    EscrituraAtomica fichero(ruta);
    fichero.escribe(texto);
    fichero.escribe("\r\n");
    return fichero.termina() == FalloEscritura::ninguno;
}

EscrituraAtomica::EscrituraAtomica(const fs::path& ruta) : ruta_(ruta) {
    std::error_code error;
    const auto estado = fs::status(ruta, error);
    const bool existe = fs::exists(estado);
    if (existe && fs::is_directory(estado)) {
        abandona(FalloEscritura::esCarpeta);
        return;
    }
    if (existe && !fs::is_regular_file(estado)) {
        abandona(FalloEscritura::sinPermiso);
        return;
    }
    // A read-only file stays as it is, also for a user (root) whom the system would let write.
    const bool soloLectura =
        (estado.permissions() & (fs::perms::owner_write | fs::perms::group_write |
                                 fs::perms::others_write)) == fs::perms::none;
    if (existe && (soloLectura || ::access(ruta.c_str(), W_OK) != 0)) {
        abandona(FalloEscritura::sinPermiso);
        return;
    }
    const fs::path carpeta = ruta.has_parent_path() ? ruta.parent_path() : fs::path(".");
    std::string plantilla = (carpeta / ("." + ruta.filename().string() + ".XXXXXX")).string();
    descriptor_ = ::mkstemp(plantilla.data());
    if (descriptor_ < 0) {
        abandona(errno == EACCES || errno == EPERM || errno == EROFS ? FalloEscritura::sinPermiso
                                                                     : FalloEscritura::escritura);
        return;
    }
    temporal_ = plantilla;
    // The new file keeps the old one's permissions; a new file gets the usual ones (0666 less
    // the process's mask), not mkstemp's private 0600.
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    permisos_ = existe ? static_cast<unsigned>(estado.permissions()) & 07777u
                       : static_cast<unsigned>(0666 & ~mascara);
    pendiente_.reserve(kBloqueEscritura);
}

EscrituraAtomica::~EscrituraAtomica() {
    if (descriptor_ >= 0 || !temporal_.empty()) abandona(FalloEscritura::escritura);
}

bool EscrituraAtomica::escribe(std::string_view datos) {
    if (fallo_ != FalloEscritura::ninguno) return false;
    pendiente_.append(datos);
    return pendiente_.size() < kBloqueEscritura || vacia();
}

bool EscrituraAtomica::vacia() {
    if (!escribeTodo(descriptor_, pendiente_)) {
        abandona(FalloEscritura::escritura);
        return false;
    }
    pendiente_.clear();
    return true;
}

FalloEscritura EscrituraAtomica::termina() {
    if (fallo_ != FalloEscritura::ninguno) return fallo_;
    if (!vacia()) return fallo_;
    const bool bien =
        ::fchmod(descriptor_, static_cast<mode_t>(permisos_)) == 0 && ::fsync(descriptor_) == 0;
    const int descriptor = std::exchange(descriptor_, -1);
    if (!(::close(descriptor) == 0 && bien)) {
        abandona(FalloEscritura::escritura);
        return fallo_;
    }
    std::error_code error;
    fs::rename(temporal_, ruta_, error);
    if (error) {
        abandona(FalloEscritura::escritura);
        return fallo_;
    }
    temporal_.clear();
    return fallo_;
}

void EscrituraAtomica::abandona(FalloEscritura fallo) {
    if (fallo_ == FalloEscritura::ninguno) fallo_ = fallo;
    if (descriptor_ >= 0) ::close(std::exchange(descriptor_, -1));
    std::error_code error;
    if (!temporal_.empty()) fs::remove(temporal_, error);
    temporal_.clear();
    pendiente_.clear();
}

std::string rutaCompleta(std::string_view carpeta, std::string_view nombre) {
    if (nombre.starts_with('/')) return std::string(nombre);
    std::string ruta(carpeta);
    if (ruta.empty() || ruta.back() != '/') ruta.push_back('/');
    ruta.append(nombre);
    return ruta;
}

}  // namespace zefra
