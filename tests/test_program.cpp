// Compiled with GBK as its execution character set, like the program's own texts.
#include "tests/test_program.h"

#include <array>
#include <string>
#include <vector>

#include "app/window_description.h"
#include "toolkit/gbk.h"
#include "toolkit/program.h"
#include "toolkit/toolkit.h"
#include "toolkit/window.h"
#include "tests/support/gui.h"

namespace test {

namespace {

toolkit::HandlerResult CountContentChanged(std::int32_t, std::int32_t, std::int32_t) {
  ++Events().contentChanged;
  return std::nullopt;
}
toolkit::HandlerResult CountGotFocus(std::int32_t, std::int32_t, std::int32_t) {
  ++Events().gotFocus;
  return std::nullopt;
}
toolkit::HandlerResult CountLostFocus(std::int32_t, std::int32_t, std::int32_t) {
  ++Events().lostFocus;
  return std::nullopt;
}

toolkit::HandlerResult RecordPress(std::int32_t x, std::int32_t y, std::int32_t keyState) {
  PressRecord& record = Presses();
  ++record.count;
  record.x = x;
  record.y = y;
  record.keyState = keyState;
  return record.answer;
}

constexpr toolkit::EventBinding kLinkBindings[] = {{toolkit::kLeftButtonPressed, RecordPress}};

constexpr toolkit::EventBinding kBoxBindings[] = {
    {toolkit::kContentChanged, CountContentChanged},
    {toolkit::kGotFocus, CountGotFocus},
    {toolkit::kLostFocus, CountLostFocus},
};

// The article box's settings, with every event of the kind bound.
constexpr toolkit::ControlTemplate kTestControls[] = {
    {.name = "编辑框1",
     .id = kTestBoxId,
     .place = {128, 8, 760, 368},
     .tabStop = true,
     .bindings = kBoxBindings,
     .settings = toolkit::TextBoxSettings{.background = toolkit::Rgb(0, 224, 128),
                                          .multiLine = true,
                                          .scrollBars = toolkit::ScrollBars::Both,
                                          .readOnly = true}},
    {.name = "超级链接框1",
     .id = kTestLinkId,
     .place = {8, 136, 120, 24},
     .caption = "方案三",
     .bindings = kLinkBindings,
     .settings = toolkit::LinkLabelSettings{}},
    {.name = "超级链接框2",
     .id = kTestAddressLinkId,
     .place = {8, 200, 120, 24},
     .caption = "打开",
     .settings = toolkit::LinkLabelSettings{.hoverColour = std::nullopt, .webAddress = kTestAddress, .addressIsMail = false}},
};

const std::array kWindows{
    MainWindow,
    toolkit::WindowTemplate{.id = kTestWindowId, .title = "测试窗口", .place = {0, 0, 899, 410}, .controls = kTestControls},
};

HWND FindWindowOf(toolkit::Id windowId) {
  for (const auto& row : kWindows) {
    if (row.id == windowId) return FindWindowW(toolkit::kWindowClass, toolkit::Utf16FromGbk(row.title).c_str());
  }
  return nullptr;
}

}  // namespace

TextBoxEvents& Events() {
  static TextBoxEvents events;
  return events;
}

PressRecord& Presses() {
  static PressRecord record;
  return record;
}

HWND OpenWindow(toolkit::Id windowId) {
  static const bool started = (toolkit::InitToolkit(), true);
  (void)started;
  toolkit::LoadStartupWindow(windowId);
  HWND window = FindWindowOf(windowId);
  SetForegroundWindow(window);
  RunLoopFor(200);
  return window;
}

void CloseWindow(HWND window) {
  if (IsWindow(window)) DestroyWindow(window);
  Events() = {};
  Presses() = {};
}

void RunLoopFor(DWORD ms) {
  const UINT_PTR timer = SetTimer(nullptr, 0, ms, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    PostQuitMessage(0);
  });
  toolkit::RunEventLoop();
  KillTimer(nullptr, timer);
}

HWND Control(HWND window, toolkit::Id controlId) { return GetDlgItem(window, static_cast<int>(controlId)); }

namespace {

struct TakenInput {
  UINT message;
  WPARAM wParam;
  POINT pt;
  HWND hwnd;
};

// Every button and key-release message the program takes from its queue.
std::vector<TakenInput>& InputTaken() {
  static std::vector<TakenInput> taken;
  static HHOOK hook = SetWindowsHookExW(
      WH_GETMESSAGE,
      [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        const bool button = msg->message >= WM_LBUTTONDOWN && msg->message <= WM_MOUSELAST;
        const bool key = msg->message == WM_KEYUP || msg->message == WM_SYSKEYUP;
        if (code == HC_ACTION && wParam == PM_REMOVE && (button || key)) taken.push_back({msg->message, msg->wParam, msg->pt, msg->hwnd});
        return CallNextHookEx(nullptr, code, wParam, lParam);
      },
      nullptr, GetCurrentThreadId());
  (void)hook;
  return taken;
}

// Runs the loop until `done` says the input has been taken, or 3 s have passed.
template <typename Done>
void RunLoopUntil(Done done) {
  for (DWORD start = GetTickCount(); !done() && GetTickCount() - start < 3000;) RunLoopFor(20);
  RunLoopFor(30);
}

}  // namespace

std::string RecentInput() {
  std::string recent;
  const auto& taken = InputTaken();
  for (size_t i = taken.size() > 8 ? taken.size() - 8 : 0; i < taken.size(); ++i) {
    char line[80];
    wsprintfA(line, "%04x to %08x at %ld,%ld\n", taken[i].message, GetDlgCtrlID(taken[i].hwnd), taken[i].pt.x,
              taken[i].pt.y);
    recent += line;
  }
  return recent;
}

void MouseAndWait(POINT screen, std::initializer_list<DWORD> flags, DWORD wheel) {
  // One button change at a time, each with its own move to the point, and
  // each taken before the next: Wine may otherwise deliver a release after a
  // later move, somewhere else.
  for (DWORD flag : flags) {
    const size_t from = InputTaken().size();
    MouseAt(screen, {flag}, wheel);
    RunLoopUntil([&] {
      for (size_t i = from; i < InputTaken().size(); ++i) {
        if (InputTaken()[i].pt.x == screen.x && InputTaken()[i].pt.y == screen.y) return true;
      }
      return false;
    });
  }
}

void KeyAndWait(WORD key, std::initializer_list<WORD> modifiers) {
  const size_t from = InputTaken().size();
  PressKey(key, modifiers);
  RunLoopUntil([&] {
    for (size_t i = from; i < InputTaken().size(); ++i) {
      const TakenInput& input = InputTaken()[i];
      if ((input.message == WM_KEYUP || input.message == WM_SYSKEYUP) && input.wParam == key) return true;
    }
    return false;
  });
}

}  // namespace test

toolkit::Description ProgramWindowDescription() { return test::kWindows; }
