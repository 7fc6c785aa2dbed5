// Writes the two snapshot files a screensaver run leaves for the renderer, from the sample
// pictures: the ring surface and a desktop the size of the screen. For the demo.

#include <windows.h>

#include <filesystem>

#include "common/contract/ProgramContract.h"
#include "common/snapshot/BmpWriter.h"
#include "tools/sample_pictures/SamplePictures.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    using namespace wavorin;
    std::error_code ignored;
    std::filesystem::create_directories(contract::kWorkFolderW.c_str(), ignored);
    const bool ring = snapshot::WriteBmpFile(contract::kRingSnapshotFileW.c_str(), tools::MakeSampleRingPicture());
    const bool desktop =
        snapshot::WriteBmpFile(contract::kDesktopSnapshotFileW.c_str(),
                               tools::MakeDesktopPicture(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    return ring && desktop ? 0 : 1;
}
