#include "common/ini/Cp932.h"

namespace wavorin::ini::cp932 {

bool EndsWithLoneLeadByte(std::string_view text)
{
    std::size_t pos = 0;
    std::size_t last = 0;
    while (pos < text.size()) {
        last = CharLengthAt(text, pos);
        pos += last;
    }
    return last == 1 && IsLeadByte(static_cast<unsigned char>(text.back()));
}

std::string_view CutAtCharBoundary(std::string_view text, std::size_t maxBytes)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t next = pos + CharLengthAt(text, pos);
        if (next > maxBytes) break;
        pos = next;
    }
    return text.substr(0, pos);
}

}  // namespace wavorin::ini::cp932
