// Snapshot files at screen sizes: writing and reading them, beside a plain write and read of
// the same bytes.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "common/snapshot/BmpReader.h"
#include "common/snapshot/BmpWriter.h"
#include "tools/sample_pictures/SamplePictures.h"

namespace {

using namespace wavorin;

std::filesystem::path ScratchFile()
{
    return std::filesystem::temp_directory_path() / ("wavorin-bench-" + std::to_string(getpid()) + ".alo");
}

void SetSizeLabel(benchmark::State& state)
{
    state.SetLabel(std::to_string(state.range(0)) + "x" + std::to_string(state.range(1)));
}

void WriteSnapshot(benchmark::State& state)
{
    const auto picture = tools::MakeDesktopPicture(int(state.range(0)), int(state.range(1)));
    const auto path = ScratchFile();
    for (auto _ : state) benchmark::DoNotOptimize(snapshot::WriteBmpFile(path, picture));
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(picture.pixels.size()));
    SetSizeLabel(state);
    std::filesystem::remove(path);
}

void WritePlainBytes(benchmark::State& state)  // floor: the file's bytes in one write
{
    const auto bytes = *snapshot::EncodeBmp(tools::MakeDesktopPicture(int(state.range(0)), int(state.range(1))));
    const auto path = ScratchFile();
    for (auto _ : state) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
    SetSizeLabel(state);
    std::filesystem::remove(path);
}

void ReadSnapshot(benchmark::State& state)
{
    const auto path = ScratchFile();
    snapshot::WriteBmpFile(path, tools::MakeDesktopPicture(int(state.range(0)), int(state.range(1))));
    for (auto _ : state) {
        auto read = snapshot::ReadBmpFile(path);
        benchmark::DoNotOptimize(read.picture.pixels.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(std::filesystem::file_size(path)));
    SetSizeLabel(state);
    std::filesystem::remove(path);
}

void ReadPlainBytes(benchmark::State& state)  // floor: the whole file in one read
{
    const auto path = ScratchFile();
    snapshot::WriteBmpFile(path, tools::MakeDesktopPicture(int(state.range(0)), int(state.range(1))));
    const auto size = std::filesystem::file_size(path);
    for (auto _ : state) {
        std::vector<char> bytes(size);
        std::ifstream in(path, std::ios::binary);
        in.read(bytes.data(), std::streamsize(size));
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(size));
    SetSizeLabel(state);
    std::filesystem::remove(path);
}

#define SCREEN_SIZES Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond)
BENCHMARK(WriteSnapshot)->SCREEN_SIZES;
BENCHMARK(WritePlainBytes)->SCREEN_SIZES;
BENCHMARK(ReadSnapshot)->SCREEN_SIZES;
BENCHMARK(ReadPlainBytes)->SCREEN_SIZES;

}  // namespace
