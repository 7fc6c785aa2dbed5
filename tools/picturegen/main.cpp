// Makes the host's built-in pictures and writes them, as JPEG files, into the folder given.
// Usage: picturegen <output folder>

#include <cstdio>
#include <string>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include "tools/picturegen/RingPictures.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    for (int index = 0; index < wavorin::tools::kRingPictureCount; ++index) {
        const auto rgb = wavorin::tools::MakeRingPicture(index);
        const std::string path = std::string(argv[1]) + "/ring" + std::to_string(index) + ".jpg";
        const int side = wavorin::tools::kRingPictureSide;
        if (!stbi_write_jpg(path.c_str(), side, side, 3, rgb.data(), 92)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
