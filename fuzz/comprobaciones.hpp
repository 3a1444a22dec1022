// The properties the fuzzers check on arbitrary input. Each one aborts when a property fails,
// so the fuzzer reports it; the test suite replays the corpus and every input ever found.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zefra::fuzz {

// Any text: reading it as a number never fails badly, and a number read has a decimal text
// that reads back as the same number to 15 digits.
void compruebaNumeros(const std::uint8_t* datos, std::size_t tamano);

// Any double (8 bytes) and separator: its decimal text is numeric, never "-0", at most 15
// significant digits, and reads back to 15 digits.
void compruebaTextoDecimal(const std::uint8_t* datos, std::size_t tamano);

// Any message over any predefined alphabet (the first byte chooses it): transcribed to digits
// and back it is the same message; any digit string transcribes back without failing badly.
void compruebaTranscripcion(const std::uint8_t* datos, std::size_t tamano);

// Any text read as an alphabet file: it is refused with a message, or it gives an alphabet that,
// written again and read back, is the same alphabet.
void compruebaFicheroAlfabeto(const std::uint8_t* datos, std::size_t tamano);

}  // namespace zefra::fuzz
