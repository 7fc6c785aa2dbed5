#pragma once
// A folder that other accounts may change, held while this program creates, moves or deletes
// files in it by name.

#include <memory>

namespace wavorin::files {

// Opens the folder at `path` (full or relative, long or short names) so that nobody can rename or
// delete it while this lives; and only if it is the folder of that name itself, not one a
// junction, symbolic link or mount point in its place leads to. While it is held, a name in
// the folder stays in it: the platform's delete and move act on a link at that name, never
// on what the link leads to.
class HeldFolder {
public:
    explicit HeldFolder(const wchar_t* path);
    explicit operator bool() const { return folder_ != nullptr; }

private:
    struct Closer {
        void operator()(void* handle) const;
    };
    std::unique_ptr<void, Closer> folder_;
};

}  // namespace wavorin::files
