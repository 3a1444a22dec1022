// Text encodings of the files a student opens: UTF-8 when the bytes are valid UTF-8, otherwise
// Windows-1252, the code page older files were written in.
#pragma once

#include <string>
#include <string_view>

namespace zefra {

bool esUtf8Valido(std::string_view bytes);

// The Windows-1252 text `bytes` in UTF-8. The five unassigned bytes keep their C1 code points.
std::string desdeWindows1252(std::string_view bytes);

// The text of a file's bytes, in UTF-8.
std::string decodificaTexto(std::string_view bytes);

}  // namespace zefra
