// The renderer's costs offscreen (OSMesa): turning a capture into a texture with each
// mipmap builder, and one frame at 1920 x 1080 beside a bare clear.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "common/snapshot/BmpWriter.h"
#include "renderer/Gl.h"
#include "renderer/Scene.h"
#include "renderer/offscreen/OffscreenGl.h"
#include "tools/sample_pictures/SamplePictures.h"

namespace {

using namespace wavorin;

std::string CaptureFile(int width, int height)
{
    const auto path = std::filesystem::temp_directory_path() /
                      ("wavorin-bench-" + std::to_string(getpid()) + "-" + std::to_string(width) + ".alo");
    if (!std::filesystem::exists(path)) snapshot::WriteBmpFile(path, tools::MakeDesktopPicture(width, height));
    return path.string();
}

void LoadBmp(benchmark::State& state, renderer::MipmapBuilder builder)
{
    const int width = int(state.range(0)), height = int(state.range(1));
    const std::string path = CaptureFile(width, height);
    renderer::OffscreenGl gl(64, 64);
    if (!gl.Ok()) {
        state.SkipWithError("no offscreen context");
        return;
    }
    for (auto _ : state) {
        renderer::Texture texture;
        texture.ForceBuilder(builder);
        texture.LoadBmp(path.c_str());
        glFinish();
    }
    state.SetLabel(std::to_string(width) + "x" + std::to_string(height));
    std::filesystem::remove(path);
}

void LoadBmpWithGlu(benchmark::State& state) { LoadBmp(state, renderer::MipmapBuilder::Glu); }
void LoadBmpWithPreparedLevels(benchmark::State& state) { LoadBmp(state, renderer::MipmapBuilder::PreparedLevels); }

void DrawFrame(benchmark::State& state)
{
    renderer::OffscreenGl gl(1920, 1080);
    if (!gl.Ok()) {
        state.SkipWithError("no offscreen context");
        return;
    }
    const std::string ring = std::filesystem::temp_directory_path() / ("wavorin-bench-ring-" + std::to_string(getpid()) + ".alo");
    snapshot::WriteBmpFile(ring, tools::MakeSampleRingPicture());
    const std::string desktop = CaptureFile(1920, 1080);
    renderer::Scene scene;
    renderer::InitScene(scene, 1920, 1080, {ring.c_str(), desktop.c_str()});
    double t = 0;
    for (auto _ : state) {
        renderer::DrawFrame(scene, t += 1.0 / 60);
        glFinish();
    }
    state.SetLabel(reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    scene.ringTexture.Release();
    scene.arcTexture.Release();
    std::filesystem::remove(ring);
    std::filesystem::remove(desktop);
}

void ClearFrame(benchmark::State& state)  // floor: a bare clear of the same buffers
{
    renderer::OffscreenGl gl(1920, 1080);
    if (!gl.Ok()) {
        state.SkipWithError("no offscreen context");
        return;
    }
    glEnable(GL_DEPTH_TEST);
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glFinish();
    }
}

BENCHMARK(LoadBmpWithGlu)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);
BENCHMARK(LoadBmpWithPreparedLevels)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);
BENCHMARK(DrawFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(ClearFrame)->Unit(benchmark::kMillisecond);

}  // namespace
