// Owning wrappers for the handles the toolkit acquires.
#pragma once

#include <windows.h>

#include <utility>

namespace toolkit {

template <typename Handle, BOOL(WINAPI* Release)(Handle)>
class ScopedHandle {
 public:
  explicit ScopedHandle(Handle handle = nullptr) : handle_(handle) {}
  ~ScopedHandle() {
    if (handle_) Release(handle_);
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  ScopedHandle(ScopedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  ScopedHandle& operator=(ScopedHandle&& other) noexcept {
    if (this != &other) {
      if (handle_) Release(handle_);
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  Handle handle_;
};

inline BOOL WINAPI DeleteBrush(HBRUSH brush) { return DeleteObject(brush); }

using ScopedBrush = ScopedHandle<HBRUSH, DeleteBrush>;
using ScopedIcon = ScopedHandle<HICON, DestroyIcon>;

}  // namespace toolkit
