// Compiled with GBK as its execution character set, like the program's own texts.
#include "tests/test_program.h"

#include <array>

#include "app/window_description.h"
#include "toolkit/gbk.h"
#include "toolkit/program.h"
#include "toolkit/toolkit.h"
#include "toolkit/window.h"

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

}  // namespace test

toolkit::Description ProgramWindowDescription() { return test::kWindows; }
