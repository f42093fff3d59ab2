// MainWindow as the program builds it: frame, size and place, icons, font,
// controls in stored order, and where the keyboard focus goes.
#include <doctest/doctest.h>

#include <vector>

#include "app/window_description.h"
#include "tests/support/gui.h"
#include "tests/test_program.h"
#include "toolkit/window.h"

namespace {

SIZE IconSize(HICON icon) {
  ICONINFO info{};
  REQUIRE(GetIconInfo(icon, &info));
  BITMAP bitmap{};
  GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return {bitmap.bmWidth, bitmap.bmHeight};
}

struct MainWindowFixture {
  HWND window = test::OpenWindow(kMainWindowId);
  HWND box = test::Control(window, kTextBoxId);
  ~MainWindowFixture() { test::CloseWindow(window); }
};

}  // namespace

TEST_CASE("the window's position truncates toward zero") {
  struct Case {
    SIZE screen;
    POINT expected;
  };
  const Case cases[] = {
      {{1024, 768}, {62, 179}},
      {{1920, 1080}, {510, 335}},
      {{800, 600}, {-49, 95}},
  };
  for (const Case& c : cases) {
    const POINT origin = toolkit::CentredOrigin(c.screen, {899, 410});
    CHECK(origin.x == c.expected.x);
    CHECK(origin.y == c.expected.y);
  }
}

TEST_CASE_FIXTURE(MainWindowFixture, "MainWindow: fixed frame, outer size 899 x 410, centred on the screen") {
  REQUIRE(window);
  // The system adds WS_CLIPSIBLINGS to every top-level window and WS_EX_WINDOWEDGE to a captioned one.
  const DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  CHECK((style & ~(WS_VISIBLE | WS_CLIPSIBLINGS)) == (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN));
  CHECK((style & WS_VISIBLE) != 0);
  CHECK((GetWindowLongW(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE) == 0);
  CHECK(GetWindow(window, GW_OWNER) == nullptr);

  RECT outer;
  GetWindowRect(window, &outer);
  CHECK(outer.right - outer.left == 899);
  CHECK(outer.bottom - outer.top == 410);
  CHECK(outer.left == (GetSystemMetrics(SM_CXSCREEN) - 899) / 2);
  CHECK(outer.top == (GetSystemMetrics(SM_CYSCREEN) - 410) / 2);
  CHECK(test::WindowTextGbk(window) == "Qelmora  BY\xA3\xBA" "Dorvik");
}

TEST_CASE_FIXTURE(MainWindowFixture, "MainWindow: program icon at 32 and 16 pixels, default GUI font, dialog colour") {
  const auto big = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
  const auto small = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
  REQUIRE(big);
  REQUIRE(small);
  CHECK(IconSize(big).cx == 32);
  CHECK(IconSize(small).cx == 16);
  CHECK(reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)) == GetStockObject(DEFAULT_GUI_FONT));
  CHECK(GetClassLongPtrW(window, GCLP_HBRBACKGROUND) == COLOR_BTNFACE + 1);

  // Where no control covers it, the client area shows the button-face colour.
  HDC dc = GetDC(window);
  CHECK(GetPixel(dc, 64, 350) == GetSysColor(COLOR_BTNFACE));
  ReleaseDC(window, dc);
}

TEST_CASE_FIXTURE(MainWindowFixture, "MainWindow: controls stand at their places, stacked in stored order") {
  std::vector<toolkit::Id> stacked;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    stacked.push_back(static_cast<toolkit::Id>(GetDlgCtrlID(child)));
  }
  std::vector<toolkit::Id> stored;
  for (const auto& row : MainWindow.controls) stored.push_back(row.id);
  CHECK(stacked == stored);

  for (const auto& row : MainWindow.controls) {
    CAPTURE(row.id);
    HWND control = test::Control(window, row.id);
    REQUIRE(control);
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    CHECK(place.left == row.place.left);
    CHECK(place.top == row.place.top);
    CHECK(place.right - place.left == row.place.width);
    CHECK(place.bottom - place.top == row.place.height);
    CHECK(IsWindowVisible(control));
    CHECK(IsWindowEnabled(control));
  }
}

TEST_CASE_FIXTURE(MainWindowFixture, "MainWindow: the focus starts in the text box and stays or returns there") {
  CHECK(GetFocus() == box);

  SUBCASE("Tab, Shift+Tab, Enter and F1 leave it in the text box, window open") {
    for (WORD key : {VK_TAB, VK_RETURN, VK_F1}) {
      test::KeyAndWait(key);
      CHECK(GetFocus() == box);
    }
    test::KeyAndWait(VK_TAB, {VK_SHIFT});
    CHECK(GetFocus() == box);
    CHECK(IsWindowVisible(window));
  }

  SUBCASE("another window takes the activation and gives it back") {
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    test::RunLoopFor(150);
    CHECK(GetFocus() != box);
    SetForegroundWindow(window);
    test::RunLoopFor(150);
    CHECK(GetFocus() == box);
    DestroyWindow(other);
  }

  SUBCASE("minimised and restored") {
    ShowWindow(window, SW_MINIMIZE);
    test::RunLoopFor(150);
    ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
    test::RunLoopFor(150);
    CHECK(GetFocus() == box);
  }
}

TEST_CASE_FIXTURE(MainWindowFixture, "MainWindow: Esc closes it as the close button does; Shift+Esc does not") {
  test::KeyAndWait(VK_ESCAPE, {VK_SHIFT});
  CHECK(IsWindow(window));
  test::KeyAndWait(VK_ESCAPE);  // ends early: the last window gone ends the loop
  CHECK_FALSE(IsWindow(window));
}
