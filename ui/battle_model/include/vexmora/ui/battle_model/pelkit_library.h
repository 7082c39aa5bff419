#pragma once
// libpelkit.so, loaded by name at run time. The game never links it: it takes the library from
// its own install folder (next to the executable), checks its version and takes the operations
// the battle screen composes with. A library in the program folder (--home) is never loaded.

#include <memory>
#include <string>
#include <vector>

#include "pelkit.h"
#include "vexmora/data/paths.h"
#include "vexmora/data/result.h"

namespace vex::ui {

inline constexpr const char* kPelkitFileName = "libpelkit.so";

struct PelkitApi {
    PelkitFn_mLoad load = nullptr;
    PelkitFn_mEnd end = nullptr;
    PelkitFn_mReset reset = nullptr;
    PelkitFn_mDraw draw = nullptr;
    PelkitFn_mFade fade = nullptr;
    PelkitFn_mRGBOperate rgbOperate = nullptr;
    PelkitFn_mReverse reverse = nullptr;
    PelkitFn_mBlend blend = nullptr;
    PelkitFn_mAddBlend addBlend = nullptr;
    PelkitFn_mSubBlend subBlend = nullptr;
};

class PelkitLibrary {
public:
    ~PelkitLibrary();
    PelkitLibrary(const PelkitLibrary&) = delete;
    PelkitLibrary& operator=(const PelkitLibrary&) = delete;

    // The first of the folders that holds a usable library. The message of a failure names
    // every place that was tried, and why each one did not do.
    static Result<std::shared_ptr<PelkitLibrary>> open(const std::vector<fs::path>& folders);
    // The install folders (installFolders(), paths.h).
    static std::vector<fs::path> defaultFolders();

    const PelkitApi& api() const { return api_; }
    const fs::path& path() const { return path_; }

private:
    PelkitLibrary() = default;
    void* handle_ = nullptr;
    PelkitApi api_;
    fs::path path_;
};

// A pixel buffer loaded through the library; mEnd runs when it goes (or is reloaded).
class PelkitBufferHandle {
public:
    PelkitBufferHandle() = default;
    explicit PelkitBufferHandle(std::shared_ptr<PelkitLibrary> library) : library_(std::move(library)) {}
    ~PelkitBufferHandle() { release(); }
    PelkitBufferHandle(PelkitBufferHandle&& other) noexcept;
    PelkitBufferHandle& operator=(PelkitBufferHandle&& other) noexcept;
    PelkitBufferHandle(const PelkitBufferHandle&) = delete;
    PelkitBufferHandle& operator=(const PelkitBufferHandle&) = delete;

    // Loads width x height pixels from `source` (black where it does not reach; all black for
    // none); false when the library refuses (a width that is not a multiple of 4, say).
    bool load(int width, int height, const PelkitSurface* source);
    void release();
    bool loaded() const { return buffer_.bitmap != nullptr; }

    PelkitBuffer* get() { return &buffer_; }
    const PelkitBuffer* get() const { return &buffer_; }
    int width() const { return buffer_.width; }
    int height() const { return buffer_.height; }
    // The buffer as a surface, for copying one buffer into another.
    const PelkitSurface* surface() const { return buffer_.context; }

private:
    std::shared_ptr<PelkitLibrary> library_;
    PelkitBuffer buffer_{};
};

}  // namespace vex::ui
