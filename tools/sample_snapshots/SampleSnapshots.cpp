// Writes the two snapshot files a screensaver run leaves for the renderer, from the sample
// pictures: the ring surface and a desktop the size of the screen. For the demo.

#include <windows.h>

#include <filesystem>

#include "common/snapshot/BmpWriter.h"
#include "tools/sample_pictures/SamplePictures.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    using namespace wavorin;
    const std::filesystem::path work = L"C:\\vetsu_temp";
    std::error_code ignored;
    std::filesystem::create_directories(work, ignored);
    const bool ring = snapshot::WriteBmpFile(work / L"Zelvane1.alo", tools::MakeSampleRingPicture());
    const bool desktop = snapshot::WriteBmpFile(
        work / L"Zelvane2.alo", tools::MakeDesktopPicture(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    return ring && desktop ? 0 : 1;
}
