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

// BeginPaint in the constructor, EndPaint in the destructor.
class ScopedPaint {
 public:
  explicit ScopedPaint(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
  ~ScopedPaint() { EndPaint(hwnd_, &paint_); }
  ScopedPaint(const ScopedPaint&) = delete;
  ScopedPaint& operator=(const ScopedPaint&) = delete;

  HDC dc() const { return dc_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back.
class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelectObject() {
    if (previous_) SelectObject(dc_, previous_);
  }
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace toolkit
