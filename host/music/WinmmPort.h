#pragma once
// The music player's port to winmm.

#include "host/music/MusicPort.h"

namespace wavorin::music {

class WinmmPort final : public MusicPort {
public:
    MciReply SendString(std::wstring_view command, std::uint32_t answerLength) override;
    std::optional<std::wstring> ErrorText(std::uint32_t code, std::uint32_t length) override;
    std::uint32_t WaveOutDeviceCount() override;
    bool PlayLoopingSound(const std::optional<std::wstring>& file) override;
    std::wstring ReachablePath(const std::wstring& path) override;
};

}  // namespace wavorin::music
