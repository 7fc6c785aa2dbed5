#pragma once
// What the offscreen renderer tests share: a GL context of 320 x 240, files of their own, and
// pixels read back compared with tables of (point, colour).

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <string>

#include "common/snapshot/BmpWriter.h"
#include "renderer/Gl.h"
#include "renderer/offscreen/OffscreenGl.h"

namespace wavorin::renderer::testing {

using snapshot::Picture;
using snapshot::Rgb;

// A path of this process's own; the file goes with the scope.
struct TempFile {
    explicit TempFile(const std::string& name)
        : path((std::filesystem::temp_directory_path() / ("wavorin-" + std::to_string(getpid()) + "-" + name)).string()) {}
    ~TempFile() { std::filesystem::remove(path); }
    std::string path;
};

template <typename ColourAt>  // Rgb(int x, int y), y from the top
Picture Filled(int width, int height, ColourAt colourAt)
{
    Picture picture = snapshot::MakePicture(width, height);
    for (int i = 0; i < width * height; ++i) snapshot::SetPixel(picture, i % width, i / width, colourAt(i % width, i / width));
    return picture;
}

struct Probe {
    int x, y;  // y from the top
    Rgb colour;
};

inline void ExpectPixels(const Picture& picture, std::initializer_list<Probe> probes, const char* what)
{
    for (const Probe& p : probes) {
        const Rgb c = snapshot::PixelAt(picture, p.x, p.y);
        EXPECT_LE(std::max({std::abs(c.r - p.colour.r), std::abs(c.g - p.colour.g), std::abs(c.b - p.colour.b)}), 8)
            << what << " at " << p.x << "," << p.y << ": " << int(c.r) << ", " << int(c.g) << ", " << int(c.b);
    }
}

class GlTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(gl.Ok()); }
    OffscreenGl gl{320, 240};
};

}  // namespace wavorin::renderer::testing
