// Turning a message into the digit string of its codes and a digit string back into symbols,
// with an alphabet's conversion table, and the digit-string helpers the cipher steps share.
// Texts are UTF-8 and are handled character by character.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/alphabets/alfabeto.hpp"

namespace zefra {

// The code text of the first entry (table order) whose symbol is exactly `simbolo`; nothing
// when no entry has it.
std::optional<std::string> codigoDeSimbolo(std::string_view simbolo, const Alfabeto& alfabeto);

// The symbol of the first entry (table order) whose code text is exactly `codigo` ("5" does not
// match "05"); nothing when no entry has it.
std::optional<std::string> simboloDeCodigo(std::string_view codigo, const Alfabeto& alfabeto);

// Number of decimal digits of the largest code of an alphabet (1 for one without entries).
int anchoCodigo(const Alfabeto& alfabeto);

// The width of every block of a transcription: anchoCodigo, and at least 2.
int anchoBloque(const Alfabeto& alfabeto);

// The decimal text of `valor` preceded by k zeros (none when k ≤ 0).
std::string ponCeros(double valor, int k);

// `valor` written with leading zeros to `ancho` digits, or as it is when it is longer.
std::string conCeros(double valor, int ancho);

// The whole blocks of `ancho` characters of a text, from the left; what is left after the last
// whole block is ignored.
std::vector<std::string_view> bloques(std::string_view texto, int ancho);

// What a step's field shows of a digit string: the whole string up to kBloquesVisibles blocks of
// `ancho` characters; beyond, those first blocks and then "… y N bloques más.".
inline constexpr std::size_t kBloquesVisibles = 400;
std::string resumenDeBloques(std::string_view digitos, int ancho);

// What a transcription produced, or the symbol or block that stopped it.
struct Transcripcion {
    std::string texto;
    std::optional<std::string> rechazado;
};

// The message as the concatenation of the code texts of its characters.
Transcripcion transcribeADigitos(std::string_view mensaje, const Alfabeto& alfabeto);

// The digit string read in blocks of `ancho`, each block replaced by its symbol.
Transcripcion transcribeASimbolos(std::string_view digitos, int ancho, const Alfabeto& alfabeto);

// The messages of a refused transcription, naming the symbol or the block.
std::string mensajeSimboloAjeno(std::string_view simbolo);
std::string mensajeCodigoAjeno(std::string_view bloque);

}  // namespace zefra
