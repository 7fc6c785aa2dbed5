#include "renderer/Texture.h"

#include <cstring>
#include <utility>

#include "common/snapshot/BmpReader.h"
#include "common/trace/StartupTrace.h"
#include "renderer/Gl.h"

namespace wavorin::renderer {

void Texture::Release()
{
    if (texture == 0) return;
    const GLuint glName = texture - 1;
    glDeleteTextures(1, &glName);
    texture = 0;
}

bool Texture::Create(const char* path)
{
    Release();
    std::strncpy(name, path, sizeof name - 1);
    name[sizeof name - 1] = '\0';

    GLuint glName = 0;
    glGenTextures(1, &glName);
    texture = glName + 1;
    glBindTexture(GL_TEXTURE_2D, glName);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    return true;
}

bool Texture::LoadBmp(const char* path)
{
    Create(path);
    snapshot::ReadResult file = snapshot::ReadBmpFile(path);
    trace::MarkStartupStep("renderer", "file read");
    width = file.width;
    height = file.height;
    switch (file.status) {
    case snapshot::ReadStatus::Loaded:
        break;
    case snapshot::ReadStatus::Empty:
        return true;  // no size a texture can have: nothing to upload, as when GLU refuses it
    default:
        return false;
    }
    const MipmapBuilder preferred = forcedBuilder ? *forcedBuilder : ChooseMipmapBuilder(width, height);
    builder = UploadMipmapped(preferred, std::move(file.picture));
    return true;
}

void Texture::Bind() const { glBindTexture(GL_TEXTURE_2D, texture - 1); }

}  // namespace wavorin::renderer
