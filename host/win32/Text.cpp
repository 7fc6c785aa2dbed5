#include "host/win32/Text.h"

#include <windows.h>

#include <limits>

namespace wavorin::win32 {

std::wstring AnsiToWide(std::string_view bytes)
{
    if (bytes.empty() || bytes.size() > std::size_t(std::numeric_limits<int>::max())) return {};
    const int inLength = int(bytes.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), inLength, nullptr, 0);
    if (length <= 0) return {};
    std::wstring text(std::size_t(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), inLength, text.data(), length);
    return text;
}

std::string WideToAnsi(std::wstring_view text, bool* lossless)
{
    if (lossless) *lossless = true;
    if (text.empty() || text.size() > std::size_t(std::numeric_limits<int>::max())) return {};
    const int inLength = int(text.size());
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), inLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0) {
        if (lossless) *lossless = false;
        return {};
    }
    std::string bytes(std::size_t(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), inLength, bytes.data(), length, nullptr, &usedDefault);
    if (lossless) *lossless = !usedDefault;
    return bytes;
}

}  // namespace wavorin::win32
