#include "host/win32/Text.h"

#include <windows.h>

#include <limits>

namespace wavorin::win32 {

std::wstring AnsiToWide(std::string_view bytes, unsigned codePage)
{
    if (bytes.empty() || bytes.size() > std::size_t(std::numeric_limits<int>::max())) return {};
    const int inLength = int(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), inLength, nullptr, 0);
    if (length <= 0) return {};
    std::wstring text(std::size_t(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), inLength, text.data(), length);
    return text;
}

std::string WideToAnsi(std::wstring_view text, bool* lossless, unsigned codePage)
{
    if (lossless) *lossless = true;
    if (text.empty() || text.size() > std::size_t(std::numeric_limits<int>::max())) return {};
    const int inLength = int(text.size());
    const int length = WideCharToMultiByte(codePage, 0, text.data(), inLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0) {
        if (lossless) *lossless = false;
        return {};
    }
    std::string bytes(std::size_t(length), '\0');
    // Whether a default character was used is no question to ask: under UTF-8 (65001) the
    // call refuses it and fails. Converting back answers it under every code page.
    if (WideCharToMultiByte(codePage, 0, text.data(), inLength, bytes.data(), length, nullptr, nullptr) != length) {
        if (lossless) *lossless = false;
        return {};
    }
    if (lossless) *lossless = AnsiToWide(bytes, codePage) == text;
    return bytes;
}

}  // namespace wavorin::win32
