// The program the in-process window tests run: MainWindow as the product
// describes it, and a test window whose text box reports its events.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

#include "toolkit/description.h"

namespace test {

inline constexpr toolkit::Id kTestWindowId = 0x5201F001;
inline constexpr toolkit::Id kTestBoxId = 0x1601F001;
inline constexpr toolkit::Id kTestLinkId = 0x1601F002;  // a link whose presses are recorded
inline constexpr toolkit::Id kTestAddressLinkId = 0x1601F003;  // a link with an address
inline constexpr char kTestAddress[] = "notepad.exe";  // the shell finds it in the system folder

struct TextBoxEvents {
  int contentChanged = 0;
  int gotFocus = 0;
  int lostFocus = 0;
};
TextBoxEvents& Events();

struct PressRecord {
  int count = 0;
  std::int32_t x = -1, y = -1, keyState = -1;
  toolkit::HandlerResult answer;  // what the handler gives back
};
PressRecord& Presses();

// Builds and shows a window of the description (starting the toolkit once)
// and gives its system window.
HWND OpenWindow(toolkit::Id windowId);
void CloseWindow(HWND window);
// Runs the toolkit's own event loop for `ms` milliseconds, or until the last window is gone.
void RunLoopFor(DWORD ms);
HWND Control(HWND window, toolkit::Id controlId);

// Real input, then the toolkit's loop until the program has taken every
// button or key message that the input makes (Wine delivers input late).
void MouseAndWait(POINT screen, std::initializer_list<DWORD> flags, DWORD wheel = 0);
// The last button and key messages taken, for failure messages.
std::string RecentInput();
void KeyAndWait(WORD key, std::initializer_list<WORD> modifiers = {});

}  // namespace test
