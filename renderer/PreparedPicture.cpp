#include "renderer/PreparedPicture.h"

#include <string>

#include "common/trace/StartupTrace.h"
#include "renderer/MipLevels.h"

namespace wavorin::renderer {

PreparedPicture PreparePicture(const char* path, const char* name)
{
    PreparedPicture prepared;
    prepared.file = snapshot::ReadBmpFile(path);
    trace::MarkStartupStep("renderer", (std::string(name) + " file read").c_str());
    if (prepared.file.status == snapshot::ReadStatus::Loaded) {
        prepared.smallerLevels = SmallerLevels(prepared.file.picture);
        trace::MarkStartupStep("renderer", (std::string(name) + " levels made").c_str());
    }
    return prepared;
}

}  // namespace wavorin::renderer
