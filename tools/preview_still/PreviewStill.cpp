#include "tools/preview_still/PreviewStill.h"

#include <filesystem>
#include <string>
#include <unistd.h>

#include "common/snapshot/BmpWriter.h"
#include "renderer/Scene.h"
#include "renderer/offscreen/OffscreenGl.h"
#include "tools/picturegen/RingPictures.h"
#include "tools/sample_pictures/SamplePictures.h"

namespace wavorin::tools {
namespace fs = std::filesystem;

namespace {

constexpr int kOversampling = 4;

// The first of the built-in ring pictures, the flames, as a snapshot file holds it.
snapshot::Picture FlamesRingPicture()
{
    const std::vector<std::uint8_t> rgb = MakeRingPicture(0);
    snapshot::Picture picture = snapshot::MakePicture(kRingPictureSide, kRingPictureSide);
    for (int y = 0; y < kRingPictureSide; ++y) {
        for (int x = 0; x < kRingPictureSide; ++x) {
            const std::size_t at = (std::size_t(y) * kRingPictureSide + std::size_t(x)) * 3;
            snapshot::SetPixel(picture, x, y, {rgb[at], rgb[at + 1], rgb[at + 2]});
        }
    }
    return picture;
}

// The two snapshot files of a run, in a folder of their own that goes away afterwards.
class SnapshotFolder {
public:
    SnapshotFolder() : folder_(fs::temp_directory_path() / ("wavorin-preview-" + std::to_string(getpid())))
    {
        fs::create_directories(folder_);
        snapshot::WriteBmpFile(Ring(), FlamesRingPicture());
        snapshot::WriteBmpFile(Arc(), MakeDesktopPicture(1024, 768));
    }
    SnapshotFolder(const SnapshotFolder&) = delete;
    SnapshotFolder& operator=(const SnapshotFolder&) = delete;
    ~SnapshotFolder()
    {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    fs::path Ring() const { return folder_ / "ring.bmp"; }
    fs::path Arc() const { return folder_ / "desktop.bmp"; }

private:
    fs::path folder_;
};

}  // namespace

snapshot::Picture ScaleDown(const snapshot::Picture& picture, int factor)
{
    snapshot::Picture small = snapshot::MakePicture(picture.width / factor, picture.height / factor);
    for (int y = 0; y < small.height; ++y) {
        for (int x = 0; x < small.width; ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = 0; dy < factor; ++dy) {
                for (int dx = 0; dx < factor; ++dx) {
                    const snapshot::Rgb p = snapshot::PixelAt(picture, x * factor + dx, y * factor + dy);
                    r += p.r, g += p.g, b += p.b;
                }
            }
            const int n = factor * factor;
            snapshot::SetPixel(small, x, y,
                               {static_cast<std::uint8_t>((r + n / 2) / n), static_cast<std::uint8_t>((g + n / 2) / n),
                                static_cast<std::uint8_t>((b + n / 2) / n)});
        }
    }
    return small;
}

snapshot::Picture RenderPreviewStill(double sceneTime)
{
    const int width = kPreviewWidth * kOversampling, height = kPreviewHeight * kOversampling;
    const SnapshotFolder files;
    snapshot::Picture large = snapshot::MakePicture(width, height);
    {
        renderer::OffscreenGl gl(width, height);
        if (!gl.Ok()) return ScaleDown(large, kOversampling);
        renderer::Scene scene;
        const std::string ring = files.Ring().string(), arc = files.Arc().string();
        renderer::InitScene(scene, width, height, {ring.c_str(), arc.c_str()});
        renderer::DrawFrame(scene, sceneTime);
        large = gl.Read();
        scene.ringTexture.Release();
        scene.arcTexture.Release();
    }
    return ScaleDown(large, kOversampling);
}

}  // namespace wavorin::tools
