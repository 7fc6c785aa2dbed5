#pragma once
// An OpenGL rendering context made current on a device context for as long as it is owned.

#include <windows.h>

#include <utility>

namespace wavorin::renderer {

class CurrentGlContext {
public:
    CurrentGlContext() = default;
    // Creates the context and makes it current; neither step is checked: without a context
    // the window stays up and shows nothing.
    explicit CurrentGlContext(HDC dc) : dc_(dc), context_(wglCreateContext(dc)) { wglMakeCurrent(dc_, context_); }
    CurrentGlContext(CurrentGlContext&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)), context_(std::exchange(other.context_, nullptr))
    {
    }
    CurrentGlContext& operator=(CurrentGlContext&& other) noexcept
    {
        if (this != &other) {
            reset();
            dc_ = std::exchange(other.dc_, nullptr);
            context_ = std::exchange(other.context_, nullptr);
        }
        return *this;
    }
    CurrentGlContext(const CurrentGlContext&) = delete;
    CurrentGlContext& operator=(const CurrentGlContext&) = delete;
    ~CurrentGlContext() { reset(); }

    // Leaves the context and deletes it; the textures and lists go with it.
    void reset()
    {
        if (!dc_) return;
        wglMakeCurrent(dc_, nullptr);
        if (context_) wglDeleteContext(context_);
        dc_ = nullptr;
        context_ = nullptr;
    }

private:
    HDC dc_ = nullptr;
    HGLRC context_ = nullptr;
};

}  // namespace wavorin::renderer
