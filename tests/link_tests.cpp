// The six scheme links of MainWindow under real mouse input: what a press
// shows, what does not count as a press, and how a link looks.
#include <doctest/doctest.h>

#include <initializer_list>
#include <string>

#include "app/window_description.h"
#include "content/article_catalogue.h"
#include "tests/support/gui.h"
#include "tests/test_program.h"
#include "toolkit/toolkit.h"

namespace {

struct Link {
  SchemeNumber scheme;
  toolkit::Id id;
  const char* caption;  // GBK
  RECT place;           // left, top, right, bottom in MainWindow's client area
};

const Link kLinks[] = {
    {1, 0x16010002, "\xB7\xBD\xB0\xB8\xD2\xBB", {16, 32, 120, 56}},
    {2, 0x16010003, "\xB7\xBD\xB0\xB8\xB6\xFE", {16, 88, 120, 112}},
    {3, 0x16010004, "\xB7\xBD\xB0\xB8\xC8\xFD", {8, 136, 128, 160}},
    {4, 0x16010005, "\xB7\xBD\xB0\xB8\xCB\xC4", {16, 192, 120, 216}},
    {5, 0x16010006, "\xB7\xBD\xB0\xB8\xCE\xE5", {8, 240, 128, 272}},
    {6, 0x16010007, "\xB7\xBD\xB0\xB8\xC1\xF9", {16, 296, 120, 320}},
};

constexpr COLORREF kLinkBlue = RGB(0, 0, 255);
constexpr COLORREF kHoverBlue = RGB(51, 153, 255);
constexpr COLORREF kVisitedRed = RGB(128, 0, 0);

struct MainWindowFixture {
  HWND window = test::OpenWindow(kMainWindowId);
  HWND box = test::Control(window, kTextBoxId);
  MainWindowFixture() {
    Click(At(64, 350));
    Rest();
  }
  ~MainWindowFixture() { test::CloseWindow(window); }

  void ClearBox() const { toolkit::WriteProperty(kMainWindowId, kTextBoxId, toolkit::kContent, -1, "", 0); }
  std::string Shown() const { return test::WindowTextGbk(box); }
  POINT At(int x, int y) const { return test::ClientToScreenPoint(window, x, y); }
  void Click(POINT screen) const {
    test::MouseAndWait(screen, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});

  }
  // Far from every link, so the next press is never taken for a double-click.
  void Rest() const {
    test::MouseAt(At(500, 200));
    test::RunLoopFor(50);
  }
};

// Copies what the control shows into memory once, then counts there.
int CountPixels(HWND control, COLORREF colour) {
  RECT client;
  GetClientRect(control, &client);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC screen = GetDC(control);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
  GdiFlush();
  const auto* pixels = static_cast<const DWORD*>(bits);
  const DWORD wanted = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  int count = 0;
  for (int i = 0; i < client.right * client.bottom; ++i) count += (pixels[i] & 0xFFFFFF) == wanted;
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(control, screen);
  return count;
}

// The label's colours change by timer under Wine: wait for them a while.
bool ShowsColour(HWND label, COLORREF colour, bool present) {
  for (int waited = 0; waited < 2000; waited += 50) {
    if ((CountPixels(label, colour) > 0) == present) return true;
    test::RunLoopFor(50);
  }
  return false;
}

// Holds `keys` down around `action`, as a user holds modifiers while clicking.
template <typename Action>
void WithKeysHeld(std::initializer_list<WORD> keys, Action action) {
  test::SendKeys(keys, false);
  action();
  // Wine takes the release of Alt after a click for Alt pressed alone and
  // enters the window menu's keyboard mode, which Windows does not; end that
  // mode as a user would, so the loop goes on.
  const UINT_PTR menuEnder = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
  test::SendKeys(keys, true);
  test::RunLoopFor(150);
  KillTimer(nullptr, menuEnder);
}

// Compares without printing two whole articles when they differ.
bool Same(const std::string& shown, std::string_view expected) {
  if (shown == expected) return true;
  MESSAGE("shown ", shown.size(), " bytes, expected ", expected.size(), "; last input:\n", test::RecentInput());
  return false;
}

}  // namespace

TEST_CASE_FIXTURE(MainWindowFixture, "each link stands at its place with its caption, and takes no focus") {
  for (const Link& link : kLinks) {
    CAPTURE(link.scheme);
    HWND label = test::Control(window, link.id);
    REQUIRE(label);
    CHECK(test::WindowTextGbk(label) == link.caption);
    RECT place;
    GetWindowRect(label, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    CHECK(EqualRect(&place, &link.place));
    CHECK((GetWindowLongW(label, GWL_STYLE) & WS_TABSTOP) == 0);
  }
}

TEST_CASE_FIXTURE(MainWindowFixture, "a press anywhere on a link shows exactly its article from the first line") {
  for (const Link& link : kLinks) {
    CAPTURE(link.scheme);
    const std::string_view article = ArticleCatalogue::text(link.scheme);
    const RECT& r = link.place;
    const POINT points[] = {
        {(r.left + r.right) / 2, (r.top + r.bottom) / 2},  // the caption
        {r.left + 1, r.top + 1},                           // near the corners and both ends
        {r.right - 2, r.bottom - 2},
        {r.left + 1, (r.top + r.bottom) / 2},
        {r.right - 2, (r.top + r.bottom) / 2},
    };
    for (const POINT& point : points) {
      CAPTURE(point.x);
      CAPTURE(point.y);
      ClearBox();
      // The user had scrolled and selected in the box before.
      SendMessageW(box, EM_SETSEL, 3, 9);
      Click(At(point.x, point.y));
      CHECK(Same(Shown(), article));
      DWORD start = 1, end = 1;
      SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
      CHECK(start == 0);
      CHECK(end == 0);
      CHECK(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0) == 0);
      CHECK(GetFocus() == box);
      Rest();
    }
  }
}

TEST_CASE_FIXTURE(MainWindowFixture, "presses on the same link: again, double-click, third press") {
  const Link& link = kLinks[1];
  const POINT centre = At((link.place.left + link.place.right) / 2, (link.place.top + link.place.bottom) / 2);
  const std::string_view article = ArticleCatalogue::text(link.scheme);

  Click(centre);
  REQUIRE(Same(Shown(), article));
  Sleep(GetDoubleClickTime() + 50);
  ClearBox();
  Click(centre);  // a later press on the link on show sets the article again
  CHECK(Same(Shown(), article));

  Rest();
  Sleep(GetDoubleClickTime() + 50);
  Click(centre);
  ClearBox();
  Click(centre);  // within the double-click time: the second press of a double-click
  CHECK(Shown().empty());
  Click(centre);  // the third press is a plain press again
  CHECK(Same(Shown(), article));
}

TEST_CASE_FIXTURE(MainWindowFixture, "what is not a press on a link shows nothing") {
  const Link& link = kLinks[2];
  const POINT on = At((link.place.left + link.place.right) / 2, (link.place.top + link.place.bottom) / 2);
  const POINT off = At(64, 350);

  SUBCASE("right and middle buttons, the wheel, moving, and releasing over a link") {
    test::MouseAndWait(on, {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP});
    test::MouseAndWait(on, {MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP});
    test::MouseAndWait(on, {MOUSEEVENTF_WHEEL}, WHEEL_DELTA);
    test::MouseAt(on, {MOUSEEVENTF_MOVE});
    test::MouseAndWait(on, {MOUSEEVENTF_LEFTUP});
    CHECK(Shown().empty());
  }
  SUBCASE("pressed outside every link and released over one") {
    test::MouseAndWait(off, {MOUSEEVENTF_LEFTDOWN});
    test::MouseAndWait(on, {MOUSEEVENTF_LEFTUP});
    CHECK(Shown().empty());
  }
  SUBCASE("pressed on a link and released outside: shown at the press") {
    test::MouseAndWait(on, {MOUSEEVENTF_LEFTDOWN});
    CHECK(Same(Shown(), ArticleCatalogue::text(link.scheme)));
    test::MouseAndWait(off, {MOUSEEVENTF_LEFTUP});
    CHECK(Same(Shown(), ArticleCatalogue::text(link.scheme)));
  }
  SUBCASE("no key reaches a link") {
    for (WORD key : {VK_TAB, VK_TAB, VK_SPACE, VK_RETURN}) test::KeyAndWait(key);
    CHECK(GetFocus() == box);
    CHECK(Shown().empty());
  }
}

TEST_CASE_FIXTURE(MainWindowFixture, "Ctrl, Shift or Alt held make no difference") {
  for (WORD modifier : {VK_CONTROL, VK_SHIFT, VK_MENU}) {
    CAPTURE(modifier);
    for (const Link& link : {kLinks[0], kLinks[4]}) {
      ClearBox();
      WithKeysHeld({modifier}, [&] { Click(At(link.place.left + 3, link.place.top + 3)); });
      CHECK(Same(Shown(), ArticleCatalogue::text(link.scheme)));
      CHECK(IsWindowVisible(window));
      CHECK(GetFocus() == box);
      Rest();
    }
  }
}

TEST_CASE_FIXTURE(MainWindowFixture, "a link is blue, lighter blue under the pointer, blue again after; a hand points") {
  for (const Link& link : {kLinks[0], kLinks[2], kLinks[4]}) {
    CAPTURE(link.scheme);
    HWND label = test::Control(window, link.id);
    Rest();
    CHECK(ShowsColour(label, kHoverBlue, false));
    CHECK(ShowsColour(label, kLinkBlue, true));

    test::MouseAt(At(link.place.left + 2, link.place.top + 2), {MOUSEEVENTF_MOVE});
    CHECK(ShowsColour(label, kHoverBlue, true));
    CHECK(ShowsColour(label, kLinkBlue, false));
    SendMessageW(label, WM_SETCURSOR, reinterpret_cast<WPARAM>(label), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    CHECK(GetCursor() == LoadCursorW(nullptr, IDC_HAND));

    Click(At(link.place.left + 2, link.place.top + 2));  // a press changes neither colour
    CHECK(ShowsColour(label, kHoverBlue, true));

    Rest();
    CHECK(ShowsColour(label, kHoverBlue, false));
    CHECK(ShowsColour(label, kLinkBlue, true));
    CHECK(CountPixels(label, kVisitedRed) == 0);
    // The rest of the rectangle is the button face.
    HDC dc = GetDC(label);
    CHECK(GetPixel(dc, 0, 0) == GetSysColor(COLOR_BTNFACE));
    ReleaseDC(label, dc);
  }
}

TEST_CASE("LeftButtonPressed carries x, y and the key state; false stops the control's own handling") {
  HWND window = test::OpenWindow(test::kTestWindowId);
  HWND link = test::Control(window, test::kTestLinkId);
  REQUIRE(link);
  const POINT at = test::ClientToScreenPoint(window, 8 + 100, 136 + 20);

  test::MouseAndWait(at, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
  CHECK(test::Presses().count == 1);
  CHECK(test::Presses().x == 100);
  CHECK(test::Presses().y == 20);
  CHECK(test::Presses().keyState == 0);

  struct Held {
    std::initializer_list<WORD> keys;
    std::int32_t keyState;
  };
  for (const Held& held : {Held{{VK_CONTROL}, 1}, Held{{VK_SHIFT}, 2}, Held{{VK_MENU}, 4},
                           Held{{VK_CONTROL, VK_SHIFT, VK_MENU}, 1 | 2 | 4}}) {
    CAPTURE(held.keyState);
    Sleep(GetDoubleClickTime() + 50);
    WithKeysHeld(held.keys, [&] { test::MouseAndWait(at, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}); });
    CHECK(test::Presses().keyState == held.keyState);
  }

  // The label sees the press unless the handler answers false.
  static WNDPROC labelProcedure = nullptr;
  static int pressesSeen = 0;
  labelProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      link, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_LBUTTONDOWN) ++pressesSeen;
        return CallWindowProcW(labelProcedure, hwnd, message, wParam, lParam);
      })));
  struct Case {
    toolkit::HandlerResult answer;
    int seen;
  };
  for (const Case& c : {Case{std::nullopt, 1}, Case{true, 1}, Case{false, 0}}) {
    test::Presses().answer = c.answer;
    pressesSeen = 0;
    Sleep(GetDoubleClickTime() + 50);  // each press a single one, not part of a double-click
    test::MouseAndWait(at, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
    CHECK_MESSAGE(pressesSeen == c.seen, test::RecentInput());
  }
  CHECK(test::Presses().count == 8);
  test::CloseWindow(window);
}

TEST_CASE("a link with an address opens it on a press and then shows the visited colour") {
  HWND window = test::OpenWindow(test::kTestWindowId);
  HWND link = test::Control(window, test::kTestAddressLinkId);
  REQUIRE(link);
  CHECK(CountPixels(link, kVisitedRed) == 0);

  test::MouseAndWait(test::ClientToScreenPoint(window, 8 + 60, 200 + 12), {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
  test::MouseAt(test::ClientToScreenPoint(window, 500, 300));  // off the link, so it is not drawn hovered
  // The shell starts the program the address names.
  HWND editor = nullptr;
  for (int waited = 0; !editor && waited < 15000; waited += 100) {
    test::RunLoopFor(100);
    editor = FindWindowW(L"Notepad", nullptr);
  }
  CHECK(editor);
  if (editor) PostMessageW(editor, WM_CLOSE, 0, 0);
  CHECK(ShowsColour(link, kVisitedRed, true));
  CHECK(ShowsColour(link, kLinkBlue, false));
  test::CloseWindow(window);
}
