// A program the bench starts and measures from the outside: its windows, its
// memory and handles, and a clean end.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace bench {

struct Footprint {
  std::uint64_t privateBytes = 0;
  std::uint64_t peakWorkingSet = 0;
  DWORD handles = 0;
  DWORD gdiObjects = 0;   // GetGuiResources; 0 where the system does not count them
  DWORD userObjects = 0;
};

class Child {
 public:
  // Starts `exe` with `arguments` appended to its quoted path.
  explicit Child(const std::wstring& exe, const std::wstring& arguments = {});
  ~Child();  // ends it if it still runs
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  bool started() const { return info_.hProcess != nullptr; }
  // Its visible top-level window once that and all its children have nothing
  // left to paint, and `ready` (if given) holds for it; nullptr if that has
  // not happened within `ms`.
  HWND WaitForPaintedWindow(DWORD ms, bool (*ready)(HWND) = nullptr) const;
  // Asks the window to close as its close button does, then waits; the exit
  // code, or STILL_ACTIVE if it has not ended within `ms`.
  DWORD Close(HWND window, DWORD ms);
  Footprint Measure() const;

 private:
  HWND VisibleTopLevelWindow() const;
  PROCESS_INFORMATION info_{};
};

// True when neither the window nor any window inside it waits to be painted.
bool NothingToPaint(HWND window);

}  // namespace bench
