// Whole-text files: read in one piece, written in one piece followed by CR LF, never leaving a
// half-written file behind.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zefra {

// Larger files are refused: a message field is no place for them.
inline constexpr std::uintmax_t kMaximoTamanoTexto = 16u * 1024u * 1024u;

// The whole text of a file, in UTF-8 (see decodificaTexto); nothing when it does not exist, is
// not a regular file, is larger than kMaximoTamanoTexto, cannot be read or is binary (holds a
// NUL byte).
std::optional<std::string> leeTexto(const std::filesystem::path& ruta);

// Writes `texto` and CR LF into the file, replacing it: the text goes to a temporary file
// beside the target, which is then renamed over it, so a failure leaves the old file as it
// was. A target that exists but may not be written is refused. Returns whether it was saved.
bool escribeTexto(const std::filesystem::path& ruta, std::string_view texto);

// Why a file could not be written.
enum class FalloEscritura { ninguno, esCarpeta, sinPermiso, escritura };

// A file written piece by piece without ever leaving it half-written: the pieces go, buffered,
// to a temporary file beside the target, which `termina` flushes to the disk and renames over
// the target. Until then, and when anything fails or the writer is dropped, the temporary file
// is removed and the old file stays as it was.
class EscrituraAtomica {
  public:
    explicit EscrituraAtomica(const std::filesystem::path& ruta);
    ~EscrituraAtomica();
    EscrituraAtomica(const EscrituraAtomica&) = delete;
    EscrituraAtomica& operator=(const EscrituraAtomica&) = delete;

    // The first failure so far (ninguno while all goes well).
    FalloEscritura fallo() const { return fallo_; }
    // Appends bytes; returns false once anything has failed.
    bool escribe(std::string_view datos);
    // Writes out the rest, syncs and replaces the target; returns the first failure.
    FalloEscritura termina();

  private:
    bool vacia();
    void abandona(FalloEscritura fallo);

    std::filesystem::path ruta_;
    std::filesystem::path temporal_;
    int descriptor_ = -1;
    unsigned permisos_ = 0;
    std::string pendiente_;
    FalloEscritura fallo_ = FalloEscritura::ninguno;
};

// A folder and a file name joined with one "/"; a name that is already an absolute path (typed
// whole into the chooser) stands for itself.
std::string rutaCompleta(std::string_view carpeta, std::string_view nombre);

}  // namespace zefra
