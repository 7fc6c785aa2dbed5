#pragma once

// The settings file's one section and its keys, names as CP932 bytes.

namespace wavorin::ini {

inline constexpr char kSection[] = "Section";
inline constexpr char kKeyMusicSource[] = "BGM\x8B\xE6\x95\xAA";        // "BGM区分"
inline constexpr char kKeyRepeatTrack[] = "BGM\xD8\xCB\xDF\xB0\xC4";  // "BGMﾘﾋﾟｰﾄ" (half-width kana)
inline constexpr char kKeyMusicFile[] = "BGM\xCC\xA7\xB2\xD9";        // "BGMﾌｧｲﾙ" (half-width kana)
inline constexpr char kKeyWidth[] = "Width";
inline constexpr char kKeyHeight[] = "Height";

// Screen size the renderer assumes when the file has none (or a zero).
inline constexpr int kDefaultWidth = 1024;
inline constexpr int kDefaultHeight = 768;

}  // namespace wavorin::ini
