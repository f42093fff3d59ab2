// Real input and what a user would read back: keys and mouse through
// SendInput, window texts in GBK.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>

namespace test {

// Presses and releases `key` while `modifiers` are held.
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});
// Presses, or releases, each of `keys` in turn.
void SendKeys(std::initializer_list<WORD> keys, bool up);
bool RunningOnWine();
// Under Wine: runs xdotool with these actions (for example "key ctrl+a") as
// input of the X server Wine draws on, and waits until it has sent them.
void XInput(const std::string& actions);
// Moves the pointer to a screen point, then sends mouse button flags there.
void MouseAt(POINT screen, std::initializer_list<DWORD> flags = {}, DWORD wheel = 0);
POINT ClientToScreenPoint(HWND hwnd, int x, int y);

std::wstring WindowText(HWND hwnd);
std::string GbkFromUtf16(std::wstring_view text);
// The text a window shows, back in the code page the program stores it in.
std::string WindowTextGbk(HWND hwnd);

// Dispatches messages (without the toolkit's loop) for `ms` milliseconds.
void DrainMessages(DWORD ms);

}  // namespace test
