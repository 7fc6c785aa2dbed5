// The Windows code page tables, with the flags the profile functions use: characters
// without a form in the target are replaced, never refused.

#include "common/ini/CodePages.h"

#include <windows.h>

#include <cstddef>
#include <limits>

namespace wavorin::ini {

namespace {

constexpr UINT kJapaneseCodePage = 932;

bool FitsInt(std::size_t size) { return size <= static_cast<std::size_t>(std::numeric_limits<int>::max() / 2); }

std::optional<std::u16string> Utf16Of(UINT codePage, std::string_view bytes)
{
    if (bytes.empty()) return std::u16string();
    if (!FitsInt(bytes.size())) return std::nullopt;
    const int inLength = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), inLength, nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    if (MultiByteToWideChar(codePage, 0, bytes.data(), inLength, text.data(), length) != length) return std::nullopt;
    return std::u16string(text.begin(), text.end());
}

}  // namespace

std::optional<std::u16string> NameAsUtf16(std::string_view cp932) { return Utf16Of(kJapaneseCodePage, cp932); }

std::optional<std::u16string> ValueAsUtf16(std::string_view ansi) { return Utf16Of(CP_ACP, ansi); }

std::optional<std::string> ValueAsAnsi(std::u16string_view text)
{
    if (text.empty()) return std::string();
    if (!FitsInt(text.size())) return std::nullopt;
    const std::wstring wide(text.begin(), text.end());
    const int inLength = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), inLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(length), '\0');
    if (WideCharToMultiByte(CP_ACP, 0, wide.data(), inLength, bytes.data(), length, nullptr, nullptr) != length) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace wavorin::ini
