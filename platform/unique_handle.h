#pragma once

#include <utility>

#include "platform/win32.h"

namespace quorvel {

// Sole owner of one OS handle; the Close function releases it. Moves, never
// copies, so a handle is released exactly once.
template <class Handle, auto Close, Handle Empty = Handle{}>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Empty; }

    Handle release() { return std::exchange(handle_, Empty); }
    void reset(Handle handle = Empty) {
        if (handle_ != Empty) (void)Close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = Empty;
};

inline BOOL DeleteFontObject(HFONT font) { return DeleteObject(font); }

using UniqueIcon = UniqueHandle<HICON, &DestroyIcon>;
using UniqueFont = UniqueHandle<HFONT, &DeleteFontObject>;

}  // namespace quorvel
