// Makes the host's built-in pictures and writes them into the folder given: the ring
// pictures as JPEG (rings/), the settings dialog's pictures as BMP, ICO and CUR (dialog/).
// Usage: picturegen <output folder>

#include <cstdio>
#include <fstream>
#include <string>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include "tools/picturegen/DialogPictures.h"
#include "tools/picturegen/RingPictures.h"

namespace {

bool WriteFile(const std::string& path, const wavorin::tools::Bytes& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("%s\n", path.c_str());
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    for (int index = 0; index < wavorin::tools::kRingPictureCount; ++index) {
        const auto rgb = wavorin::tools::MakeRingPicture(index);
        const std::string path = folder + "/rings/ring" + std::to_string(index) + ".jpg";
        const int side = wavorin::tools::kRingPictureSide;
        if (!stbi_write_jpg(path.c_str(), side, side, 3, rgb.data(), 92)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    using namespace wavorin::tools;
    const bool written = WriteFile(folder + "/dialog/banner.bmp", MakeBannerStrip()) &&
                         WriteFile(folder + "/dialog/option0.bmp", MakeOptionGlyph(false)) &&
                         WriteFile(folder + "/dialog/option1.bmp", MakeOptionGlyph(true)) &&
                         WriteFile(folder + "/dialog/Wavorin.ico", MakeIcon()) &&
                         WriteFile(folder + "/dialog/banner.cur", MakeBannerCursor());
    return written ? 0 : 1;
}
