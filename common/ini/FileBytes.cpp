#include "common/ini/FileBytes.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <ios>
#include <random>
#include <system_error>
#include <thread>

#include "common/ini/FileMove.h"

namespace wavorin::ini {

namespace fs = std::filesystem;

namespace {

// Random enough that two writers, even in two processes, never pick the same name.
std::string UniqueSuffix()
{
    static std::atomic<std::uint64_t> counter{0};
    std::random_device device;
    const auto ticks = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::uint64_t mixed = (static_cast<std::uint64_t>(device()) << 32) ^ device() ^ ticks ^
                          (counter.fetch_add(1) * 0x9E3779B97F4A7C15ull);
    std::string hex(16, '0');
    for (char& digit : hex) {
        digit = "0123456789abcdef"[mixed & 0xF];
        mixed >>= 4;
    }
    return "." + hex + ".tmp";
}

}  // namespace

fs::path StrandedReplacementOf(const fs::path& file)
{
    fs::path stranded = file;
    stranded += ".pending";
    return stranded;
}

void AdoptStrandedReplacement(const fs::path& file)
{
    std::error_code error;
    const fs::path stranded = StrandedReplacementOf(file);
    if (fs::exists(file, error) || error || !fs::exists(stranded, error)) return;
    MoveOver(stranded, file);
}

FileContents ReadWholeFile(const fs::path& file, std::size_t maxBytes)
{
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (status.type() == fs::file_type::not_found) return {FileState::Missing, {}};
    if (error || status.type() != fs::file_type::regular) return {};
    // Larger than allowed, or of a size that cannot be told (file_size then gives -1).
    if (fs::file_size(file, error) > maxBytes) return {};

    std::ifstream in(file, std::ios::binary);
    if (!in) return {};
    // Read in pieces rather than trusting that size: the file may change under us.
    FileContents contents{FileState::Read, {}};
    std::array<char, 64 * 1024> piece{};
    while (in) {
        in.read(piece.data(), static_cast<std::streamsize>(piece.size()));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got > maxBytes - contents.bytes.size()) return {};
        contents.bytes.append(piece.data(), got);
    }
    if (!in.eof()) return {};
    return contents;
}

void PauseBeforeRetry() { std::this_thread::sleep_for(std::chrono::milliseconds(100)); }

bool ReplaceFileAtomically(const fs::path& file, std::string_view bytes, const std::function<void()>& pause,
                           const MoveStep& move)
{
    std::error_code error;
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, error)) return false;
    // Checked before the file's bytes are written anywhere: read through a link, they may be
    // another's, and the folder's new files may be open to all.
    if (!IsMissingOrOwnFile(file)) return false;
    const fs::file_status target = fs::status(file, error);
    if (fs::exists(target) && (target.permissions() & fs::perms::owner_write) == fs::perms::none) return false;

    for (int attempt = 0; attempt < 8; ++attempt) {
        fs::path temporary = file;
        temporary += UniqueSuffix();
        if (fs::exists(temporary, error) || error) continue;
        if (!WriteNewFileToDisk(temporary, bytes)) return false;
        MoveOutcome outcome = move(temporary, file);
        for (int retry = 1; retry < kReplaceAttempts && outcome == MoveOutcome::Busy; ++retry) {
            pause();
            outcome = move(temporary, file);
        }
        if (outcome == MoveOutcome::Moved) return true;
        // Where the old file went and the new one could not take its place, the new one is
        // the only copy left: it stays, for the next read or write to move in.
        if (!fs::exists(file, error) && !error) {
            fs::rename(temporary, StrandedReplacementOf(file), error);
            return false;
        }
        fs::remove(temporary, error);
        return false;
    }
    return false;
}

}  // namespace wavorin::ini
