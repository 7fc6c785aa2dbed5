#include "host/controls/FaceColours.h"

namespace wavorin::controls {

FaceColourTable InitColours()
{
    FaceColourTable table{};

    // The outline and corner colours are one dark blue set for every enabled face.
    for (int face = 1; face < kFaceCount; ++face) {
        table[face].border = Rgb(0, 60, 116);
        table[face].cornerEdge = Rgb(33, 85, 132);
        table[face].cornerOuter = Rgb(123, 150, 173);
        table[face].cornerInner = Rgb(82, 125, 165);
    }
    FaceColours& disabled = table[static_cast<int>(Face::Disabled)];
    disabled.border = Rgb(201, 199, 186);
    disabled.cornerEdge = Rgb(196, 177, 140);
    disabled.cornerOuter = Rgb(206, 199, 189);
    disabled.cornerInner = Rgb(196, 177, 140);

    FaceColours& normal = table[static_cast<int>(Face::Normal)];
    normal.topLine1 = Rgb(255, 255, 255);
    normal.topLine2 = Rgb(254, 254, 254);
    normal.bottomLine1 = Rgb(226, 223, 214);
    normal.bottomLine2 = Rgb(214, 208, 197);
    normal.gradientTop = Rgb(252, 252, 251);
    normal.gradientBottom = Rgb(236, 235, 230);

    FaceColours& focused = table[static_cast<int>(Face::Focused)];
    focused.topLine1 = Rgb(206, 231, 255);
    focused.topLine2 = Rgb(189, 215, 247);
    focused.bottomLine1 = Rgb(140, 174, 231);
    focused.bottomLine2 = Rgb(107, 130, 239);
    focused.gradientTop = Rgb(189, 211, 247);
    focused.gradientBottom = Rgb(140, 174, 231);

    FaceColours& hot = table[static_cast<int>(Face::Hot)];
    hot.topLine1 = Rgb(255, 243, 206);
    hot.topLine2 = Rgb(255, 219, 140);
    hot.bottomLine1 = Rgb(255, 178, 49);
    hot.bottomLine2 = Rgb(230, 150, 0);
    hot.gradientTop = Rgb(225, 223, 156);
    hot.gradientBottom = Rgb(255, 182, 48);

    return table;
}

}  // namespace wavorin::controls
