#include "tests/support/gui.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace test {

namespace {

INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

}  // namespace

void PressKey(WORD key, std::initializer_list<WORD> modifiers) {
  std::vector<INPUT> inputs;
  for (WORD modifier : modifiers) inputs.push_back(KeyInput(modifier, false));
  inputs.push_back(KeyInput(key, false));
  inputs.push_back(KeyInput(key, true));
  for (auto it = modifiers.end(); it != modifiers.begin();) inputs.push_back(KeyInput(*--it, true));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void SendKeys(std::initializer_list<WORD> keys, bool up) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) inputs.push_back(KeyInput(key, up));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool RunningOnWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

void XInput(const std::string& actions) {
  std::string command = "/usr/bin/xdotool " + actions;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    std::fprintf(stderr, "cannot run: %s\n", command.c_str());
    ExitProcess(2);
  }
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

namespace {

// Under Wine the pointer belongs to the X server. A move sent with SendInput
// reaches X by a warp that Wine makes on the side, and a press sent right
// after it now and then arrives first, at the old place. xdotool puts the move
// and the buttons into X's own input stream, in order, each event carrying
// its position, as a real mouse does.
void MouseThroughX(POINT screen, std::initializer_list<DWORD> flags, DWORD wheel) {
  std::string command = "mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y);
  for (DWORD flag : flags) {
    switch (flag) {
      case MOUSEEVENTF_LEFTDOWN: command += " mousedown 1"; break;
      case MOUSEEVENTF_LEFTUP: command += " mouseup 1"; break;
      case MOUSEEVENTF_MIDDLEDOWN: command += " mousedown 2"; break;
      case MOUSEEVENTF_MIDDLEUP: command += " mouseup 2"; break;
      case MOUSEEVENTF_RIGHTDOWN: command += " mousedown 3"; break;
      case MOUSEEVENTF_RIGHTUP: command += " mouseup 3"; break;
      case MOUSEEVENTF_WHEEL:  // X buttons 4 and 5 are one notch up and down
        for (int notch = 0; notch < std::abs(static_cast<int>(wheel)) / WHEEL_DELTA; ++notch) {
          command += static_cast<int>(wheel) > 0 ? " click 4" : " click 5";
        }
        break;
      default: break;  // the move itself
    }
  }
  XInput(command);
}

}  // namespace

void MouseAt(POINT screen, std::initializer_list<DWORD> flags, DWORD wheel) {
  if (RunningOnWine()) return MouseThroughX(screen, flags, wheel);
  SetCursorPos(screen.x, screen.y);
  std::vector<INPUT> inputs;
  for (DWORD flag : flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    if (flag == MOUSEEVENTF_WHEEL) input.mi.mouseData = wheel;
    inputs.push_back(input);
  }
  if (!inputs.empty()) SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

POINT ClientToScreenPoint(HWND hwnd, int x, int y) {
  POINT point{x, y};
  ClientToScreen(hwnd, &point);
  return point;
}

std::wstring WindowText(HWND hwnd) {
  // Messages rather than GetWindowTextW, which does not ask a control of
  // another process. That process may change the text between two messages,
  // so one WM_GETTEXT must bring it whole: a result that fills the buffer
  // may be cut short, and is asked for again with more room.
  std::wstring text(static_cast<size_t>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0)) + 2, L'\0');
  for (;;) {
    const auto copied = static_cast<size_t>(
        SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    if (copied + 1 < text.size()) {
      text.resize(copied);
      return text;
    }
    text.resize(text.size() * 2);
  }
}

std::string GbkFromUtf16(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
  return out;
}

std::string WindowTextGbk(HWND hwnd) { return GbkFromUtf16(WindowText(hwnd)); }

void DrainMessages(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  MSG msg;
  do {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

}  // namespace test
