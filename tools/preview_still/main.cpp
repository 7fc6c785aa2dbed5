// Renders the preview pane's still picture and writes it as a BMP file:
//   preview_still OUTPUT.bmp [SCENE_TIME]
// Run by hand when the scene changes; its output is host/assets/preview.bmp.

#include <cstdio>
#include <cstdlib>

#include "common/snapshot/BmpWriter.h"
#include "tools/preview_still/PreviewStill.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.bmp [SCENE_TIME]\n", argv[0]);
        return 2;
    }
    const double sceneTime = argc > 2 ? std::atof(argv[2]) : wavorin::tools::kPreviewSceneTime;
    if (!wavorin::snapshot::WriteBmpFile(argv[1], wavorin::tools::RenderPreviewStill(sceneTime))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
