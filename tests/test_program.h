// The program the in-process window tests run: MainWindow as the product
// describes it, and a test window whose text box reports its events.
#pragma once

#include <windows.h>

#include "toolkit/description.h"

namespace test {

inline constexpr toolkit::Id kTestWindowId = 0x5201F001;
inline constexpr toolkit::Id kTestBoxId = 0x1601F001;

struct TextBoxEvents {
  int contentChanged = 0;
  int gotFocus = 0;
  int lostFocus = 0;
};
TextBoxEvents& Events();

// Builds and shows a window of the description (starting the toolkit once)
// and gives its system window.
HWND OpenWindow(toolkit::Id windowId);
void CloseWindow(HWND window);
// Runs the toolkit's own event loop for `ms` milliseconds, or until the last window is gone.
void RunLoopFor(DWORD ms);
HWND Control(HWND window, toolkit::Id controlId);

}  // namespace test
