#pragma once
// What the offscreen renderer tests share: temporary snapshot files, a textured quad over the
// whole viewport, and comparing colours and pictures read back from the GL.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>

#include "common/snapshot/BmpWriter.h"
#include "renderer/Gl.h"
#include "renderer/offscreen/OffscreenGl.h"

namespace wavorin::renderer::testing {

// A file in a folder of this test process's own, removed again at the end of the scope.
class TempFile {
public:
    explicit TempFile(const std::string& name)
    {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("wavorin-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + "-" + name);
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() { std::filesystem::remove(path_, ignored_); }
    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }

private:
    std::filesystem::path path_;
    std::error_code ignored_;
};

inline void WriteSnapshot(const TempFile& file, const snapshot::Picture& picture)
{
    ASSERT_TRUE(snapshot::WriteBmpFile(file.path(), picture));
}

inline snapshot::Picture Filled(int width, int height, snapshot::Rgb colour)
{
    snapshot::Picture picture = snapshot::MakePicture(width, height);
    for (int i = 0; i < width * height; ++i) snapshot::SetPixel(picture, i % width, i / width, colour);
    return picture;
}

// Draws the bound texture over the whole viewport, s and t from 0 to 1, in plain white.
inline void DrawTextureOverViewport()
{
    for (GLenum state : {GL_DEPTH_TEST, GL_BLEND, GL_CULL_FACE}) glDisable(state);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1, 0, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glBegin(GL_QUADS);
    for (auto [s, t] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{1, 1}, std::pair{0, 1}}) {
        glTexCoord2f(GLfloat(s), GLfloat(t));
        glVertex2f(GLfloat(s), GLfloat(t));
    }
    glEnd();
}

inline int Difference(snapshot::Rgb a, snapshot::Rgb b)
{
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

// The largest channel difference of two pictures of the same size.
inline int LargestDifference(const snapshot::Picture& a, const snapshot::Picture& b)
{
    if (a.width != b.width || a.height != b.height) return 256;
    int largest = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) largest = std::max(largest, std::abs(a.pixels[i] - b.pixels[i]));
    return largest;
}

inline double MeanDifference(const snapshot::Picture& a, const snapshot::Picture& b)
{
    double sum = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) sum += std::abs(a.pixels[i] - b.pixels[i]);
    return a.pixels.empty() ? 0 : sum / static_cast<double>(a.pixels.size());
}

}  // namespace wavorin::renderer::testing

namespace wavorin::snapshot {
inline std::ostream& operator<<(std::ostream& out, const Rgb& c)
{
    return out << "rgb(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ")";
}
}  // namespace wavorin::snapshot
