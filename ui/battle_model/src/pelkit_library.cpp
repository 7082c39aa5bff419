#include "vexmora/ui/battle_model/pelkit_library.h"

#include <dlfcn.h>

#include <cstring>

namespace vex::ui {

namespace {

template <class Fn>
bool take(void* handle, const char* name, Fn& fn, std::string& missing) {
    fn = reinterpret_cast<Fn>(dlsym(handle, name));
    if (!fn) {
        if (!missing.empty()) missing += ", ";
        missing += name;
    }
    return fn != nullptr;
}

}  // namespace

PelkitLibrary::~PelkitLibrary() {
    if (handle_) dlclose(handle_);
}

std::vector<fs::path> PelkitLibrary::defaultFolders() { return installFolders(); }

Result<std::shared_ptr<PelkitLibrary>> PelkitLibrary::open(const std::vector<fs::path>& folders) {
    std::string reasons;
    for (const fs::path& folder : folders) {
        const fs::path path = folder / kPelkitFileName;
        std::error_code ec;
        if (!fs::exists(path, ec)) {
            reasons += "\r\n" + path.string() + "：ありません";
            continue;
        }
        // RTLD_LOCAL: its names stay its own; the game takes each operation by name.
        void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            const char* why = dlerror();
            reasons += "\r\n" + path.string() + "：" + (why ? why : "読み込めません");
            continue;
        }
        auto version = reinterpret_cast<PelkitFn_mVersion>(dlsym(handle, "mVersion"));
        if (!version || version() != PELKIT_ABI_VERSION) {
            reasons += "\r\n" + path.string() + "：版が合いません";
            dlclose(handle);
            continue;
        }
        std::shared_ptr<PelkitLibrary> library(new PelkitLibrary);
        library->handle_ = handle;
        library->path_ = path;
        PelkitApi& a = library->api_;
        std::string missing;
        take(handle, "mLoad", a.load, missing);
        take(handle, "mEnd", a.end, missing);
        take(handle, "mReset", a.reset, missing);
        take(handle, "mDraw", a.draw, missing);
        take(handle, "mFade", a.fade, missing);
        take(handle, "mRGBOperate", a.rgbOperate, missing);
        take(handle, "mReverse", a.reverse, missing);
        take(handle, "mBlend", a.blend, missing);
        take(handle, "mAddBlend", a.addBlend, missing);
        take(handle, "mSubBlend", a.subBlend, missing);
        if (!missing.empty()) {
            reasons += "\r\n" + path.string() + "：" + missing + " がありません";
            continue;  // the library closes with `library`
        }
        return library;
    }
    return Error{"エラー", "画像処理ライブラリ " + std::string(kPelkitFileName) +
                               " を読み込めないため、戦闘画面を開けません。" + reasons};
}

PelkitBufferHandle::PelkitBufferHandle(PelkitBufferHandle&& other) noexcept
    : library_(std::move(other.library_)), buffer_(other.buffer_) {
    std::memset(&other.buffer_, 0, sizeof other.buffer_);
}

PelkitBufferHandle& PelkitBufferHandle::operator=(PelkitBufferHandle&& other) noexcept {
    if (this != &other) {
        release();
        library_ = std::move(other.library_);
        buffer_ = other.buffer_;
        std::memset(&other.buffer_, 0, sizeof other.buffer_);
    }
    return *this;
}

bool PelkitBufferHandle::load(int width, int height, const PelkitSurface* source) {
    release();
    if (!library_) return false;
    std::memset(&buffer_, 0, sizeof buffer_);
    buffer_.width = width;
    buffer_.height = height;
    if (library_->api().load(&buffer_, source) != 1) {
        std::memset(&buffer_, 0, sizeof buffer_);
        return false;
    }
    return true;
}

void PelkitBufferHandle::release() {
    if (library_ && buffer_.bitmap) library_->api().end(&buffer_);
    std::memset(&buffer_, 0, sizeof buffer_);
}

}  // namespace vex::ui
