// Whole-text files: read in one piece, written in one piece followed by CR LF, never leaving a
// half-written file behind.
#pragma once

#include <cstdint>
#include <filesystem>
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

// A folder and a file name joined with one "/".
std::string rutaCompleta(std::string_view carpeta, std::string_view nombre);

}  // namespace zefra
