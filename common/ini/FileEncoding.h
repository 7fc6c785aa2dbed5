#pragma once

// How a settings file's bytes hold its text, told as the platform's profile functions
// tell it: a UTF-16 byte order mark (FF FE little-endian, FE FF big-endian, as Notepad's
// "Unicode" saves) makes the rest UTF-16; anything else is bytes in the ANSI code page.

#include <string>
#include <string_view>

namespace wavorin::ini {

enum class FileEncoding { Ansi, Utf16LittleEndian, Utf16BigEndian };

FileEncoding EncodingOf(std::string_view file);

// The UTF-16 text after the byte order mark. An odd last byte, half a unit, is dropped, as
// the platform drops it; everything else, lone surrogates included, is kept as it is.
std::u16string Utf16TextOf(std::string_view file, FileEncoding encoding);

// The byte order mark and the text, in that encoding's byte order.
std::string Utf16FileOf(std::u16string_view text, FileEncoding encoding);

}  // namespace wavorin::ini
