// Numbers held as decimal text, and the 8-bit Western code page of the data files.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace tk {

// The number at the start of a text, as the platform's Val reads it: leading
// blanks skipped, an optional sign, then digits; anything else ends it; no digits gives 0.
long Val(const std::string& text);

// The decimal text of a whole number, without blanks ("0", "7", "-3").
std::string Str(long value);

// Windows-1252 bytes to UTF-8 text (every byte maps to a character).
std::string cp1252ToUtf8(const std::string& bytes);

// UTF-8 text to Windows-1252 bytes; nothing when a character has no place in the code page
// or the text is not valid UTF-8.
std::optional<std::string> utf8ToCp1252(const std::string& text);

// True when every character of the UTF-8 text can be stored in the code page.
bool fitsCp1252(const std::string& text);

// How many characters a UTF-8 text holds.
int characterCount(const std::string& text);

// The byte where character `index` of a UTF-8 text begins; the size of the text
// for an index at or past its end.
std::size_t byteOfCharacter(const std::string& text, int index);

}  // namespace tk
