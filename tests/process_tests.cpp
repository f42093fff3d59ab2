// Whole programs started as a user starts them: how they end, with which
// exit code, and what a start-up failure shows.
#include <doctest/doctest.h>

#include "app/window_description.h"
#include "content/article_catalogue.h"
#include "tests/support/gui.h"
#include "tests/support/process.h"

namespace {

constexpr DWORD kStartTimeout = 30000;
constexpr DWORD kExitTimeout = 15000;
constexpr DWORD kFatalExitCode = 0xFFFFFFFF;
const wchar_t kWindowClass[] = L"ToolkitWindow";

std::wstring ProgramExe() { return test::BesideTest(L"..\\app\\Qelmora.exe"); }

HWND StartAndWaitForWindow(test::Process& process) {
  REQUIRE(process.started());
  HWND window = process.WaitForWindow(kWindowClass, kStartTimeout);
  REQUIRE(window);
  SetForegroundWindow(window);
  test::DrainMessages(300);
  return window;
}

// A point on the window's frame where the system reports the close button.
POINT CloseButtonPoint(HWND window) {
  RECT outer;
  GetWindowRect(window, &outer);
  for (int y = outer.top; y < outer.top + 40; ++y) {
    for (int x = outer.right - 1; x > outer.right - 80; --x) {
      const LRESULT hit = SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y));
      if (hit == HTCLOSE) return {x, y};
    }
  }
  FAIL("no close button found");
  return {};
}

struct ErrorBox {
  HWND box = nullptr;
  std::wstring message;
};

ErrorBox WaitForErrorBox(const test::Process& process) {
  ErrorBox found;
  found.box = process.WaitForWindow(L"#32770", kStartTimeout);
  if (!found.box) return found;
  for (HWND child : test::ChildWindows(found.box)) {
    wchar_t className[32];
    GetClassNameW(child, className, 32);
    if (lstrcmpiW(className, L"Static") == 0 && GetWindowTextLengthW(child) > 0) found.message = test::WindowText(child);
  }
  return found;
}

}  // namespace

TEST_CASE("closing the program by any route ends it with exit code 0") {
  struct Route {
    const char* name;
    void (*close)(HWND);
  };
  const Route routes[] = {
      {"Esc", [](HWND) { test::PressKey(VK_ESCAPE); }},
      {"Alt+F4", [](HWND) { test::PressKey(VK_F4, {VK_MENU}); }},
      {"Close in the window menu", [](HWND window) { PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"the close button",
       [](HWND window) { test::MouseAt(CloseButtonPoint(window), {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}); }},
  };
  for (const Route& route : routes) {
    CAPTURE(route.name);
    test::Process program(ProgramExe());
    HWND window = StartAndWaitForWindow(program);
    route.close(window);
    CHECK(program.WaitForExit(kExitTimeout) == 0);
  }
}

TEST_CASE("the program shows the article of each link pressed, then Esc ends it with 0") {
  test::Process program(ProgramExe());
  HWND window = StartAndWaitForWindow(program);
  HWND box = GetDlgItem(window, static_cast<int>(kTextBoxId));
  REQUIRE(box);
  CHECK(test::WindowTextGbk(box).empty());
  for (SchemeNumber scheme = 1; scheme <= 6; ++scheme) {
    CAPTURE(scheme);
    HWND link = GetDlgItem(window, static_cast<int>(SchemeLinkId(scheme)));
    REQUIRE(link);
    RECT place;
    GetWindowRect(link, &place);
    test::MouseAt({(place.left + place.right) / 2, (place.top + place.bottom) / 2},
                  {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
    const std::string_view article = ArticleCatalogue::text(scheme);
    std::string shown;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 5000; Sleep(20)) {
      shown = test::WindowTextGbk(box);
      if (shown == article) break;
    }
    CHECK_MESSAGE(shown == article, "shown ", shown.size(), " bytes, expected ", article.size());
  }
  test::PressKey(VK_ESCAPE);
  CHECK(program.WaitForExit(kExitTimeout) == 0);
}

TEST_CASE("Esc with Shift held leaves the window open") {
  test::Process program(ProgramExe());
  HWND window = StartAndWaitForWindow(program);
  test::PressKey(VK_ESCAPE, {VK_SHIFT});
  CHECK(program.WaitForExit(1500) == STILL_ACTIVE);
  CHECK(IsWindowVisible(window));
  test::PressKey(VK_ESCAPE);
  CHECK(program.WaitForExit(kExitTimeout) == 0);
}

TEST_CASE("end-of-program routines run once each, in registration order, after the loop") {
  test::Process program(test::BesideTest(L"exit_routines.exe"));
  StartAndWaitForWindow(program);
  test::PressKey(VK_ESCAPE);
  REQUIRE(program.WaitForExit(kExitTimeout) == 0);
  CHECK(program.Output() == "loop ended\nfirst\nsecond\nthird\n");
}

TEST_CASE("a start-up failure shows its message in a modal box and ends with -1") {
  struct Failure {
    const wchar_t* exe;
    const wchar_t* message;
  };
  const Failure failures[] = {
      {L"fatal_description.exe", L"载入窗口模板数据段出错!"},
      {L"fatal_unknown_window.exe", L"载入启动窗口失败"},
      {L"fatal_control.exe", L"载入启动窗口失败"},
  };
  for (const Failure& failure : failures) {
    const std::string exe = test::GbkFromUtf16(failure.exe);
    CAPTURE(exe);
    test::Process program(test::BesideTest(failure.exe));
    const ErrorBox error = WaitForErrorBox(program);
    REQUIRE(error.box);
    CHECK(error.message == failure.message);
    // The process waits for the user; no window of it, whole or half built, exists.
    CHECK(program.WaitForExit(500) == STILL_ACTIVE);
    CHECK_FALSE(program.FindWindowOfClass(kWindowClass));
    SetForegroundWindow(error.box);
    test::DrainMessages(200);
    test::PressKey(VK_RETURN);
    CHECK(program.WaitForExit(kExitTimeout) == kFatalExitCode);
    // Neither the code after the failing call nor the end-of-program routines ran.
    CHECK(program.Output().empty());
  }
}
