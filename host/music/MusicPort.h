#pragma once
// The music player's view of the system's multimedia library: MCI command strings,
// wave devices and the looping sound. The winmm port is a few lines; tests script one.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wavorin::music {

struct MciReply {
    std::uint32_t code = 0;  // 0 on success, else the MCI error code
    std::wstring answer;     // the return buffer's text up to its first NUL
};

class MusicPort {
public:
    virtual ~MusicPort() = default;

    // Sends a command string with a null callback window. `answerLength` is the return
    // buffer's length given to MCI; 0 sends no buffer.
    virtual MciReply SendString(std::wstring_view command, std::uint32_t answerLength) = 0;
    // The error text of an MCI code in a buffer of `length` characters; nothing when the
    // system has none.
    virtual std::optional<std::wstring> ErrorText(std::uint32_t code, std::uint32_t length) = 0;
    virtual std::uint32_t WaveOutDeviceCount() = 0;
    // Starts the file as a looping sound without the system's default sound; nothing as
    // the file stops the current sound. Returns the system's result.
    virtual bool PlayLoopingSound(const std::optional<std::wstring>& file) = 0;
    // A name of the file that the multimedia devices can reach: the path itself, or its
    // short form when the path is too long for them.
    virtual std::wstring ReachablePath(const std::wstring& path) = 0;
};

}  // namespace wavorin::music
