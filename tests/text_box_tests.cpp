// The article box: its settings, and what SetContent shows, byte for byte,
// through the real EDIT and code page 936.
#include <doctest/doctest.h>

#include <string>

#include "app/window_description.h"
#include "tests/support/gui.h"
#include "tests/test_program.h"
#include "toolkit/toolkit.h"

namespace {

struct TestBoxFixture {
  HWND window = test::OpenWindow(test::kTestWindowId);
  HWND box = test::Control(window, test::kTestBoxId);
  ~TestBoxFixture() { test::CloseWindow(window); }

  void SetContent(toolkit::PropertyValue text) const {
    toolkit::WriteProperty(test::kTestWindowId, test::kTestBoxId, toolkit::kContent, -1, text, 0);
  }
  void SetContent(const std::string& text) const { SetContent(std::string_view(text)); }
};

// A text of many long lines, over 64 KB, mixing ASCII and two-byte codes.
std::string LongText() {
  std::string text;
  for (int line = 0; text.size() < 70000; ++line) {
    text += "line " + std::to_string(line) + " \xD6\xD0\xCE\xC4";  // 中文
    text.append(200, 'x');
    text += "\r\n";
  }
  return text;
}

std::wstring ClipboardText(HWND owner) {
  std::wstring text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

}  // namespace

TEST_CASE_FIXTURE(TestBoxFixture, "the article box's settings as MainWindow builds it") {
  test::CloseWindow(window);
  HWND main = test::OpenWindow(kMainWindowId);
  HWND article = test::Control(main, kTextBoxId);
  REQUIRE(article);
  wchar_t className[16];
  GetClassNameW(article, className, 16);
  CHECK(lstrcmpiW(className, L"Edit") == 0);
  const DWORD style = static_cast<DWORD>(GetWindowLongW(article, GWL_STYLE));
  CHECK((style & ~WS_VISIBLE) == (WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE |
                                  ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | ES_READONLY));
  CHECK(GetWindowLongW(article, GWL_EXSTYLE) == WS_EX_CLIENTEDGE);
  CHECK(reinterpret_cast<HGDIOBJ>(SendMessageW(article, WM_GETFONT, 0, 0)) == GetStockObject(DEFAULT_GUI_FONT));
  CHECK(static_cast<DWORD>(SendMessageW(article, EM_GETLIMITTEXT, 0, 0)) >= 0x7FFFFFFE);
  CHECK(GetWindowTextLengthW(article) == 0);
  DWORD start = 1, end = 1;
  SendMessageW(article, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  CHECK(start == 0);
  CHECK(end == 0);

  // Read-only boxes ask for static colours: black on green, one brush for the window's life.
  HDC dc = GetDC(article);
  const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(main, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                            reinterpret_cast<LPARAM>(article)));
  CHECK(GetTextColor(dc) == RGB(0, 0, 0));
  CHECK(GetBkColor(dc) == RGB(0, 224, 128));
  LOGBRUSH logBrush{};
  REQUIRE(GetObjectW(brush, sizeof logBrush, &logBrush));
  CHECK(logBrush.lbColor == RGB(0, 224, 128));
  CHECK(reinterpret_cast<HBRUSH>(SendMessageW(main, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                              reinterpret_cast<LPARAM>(article))) == brush);
  CHECK(GetPixel(dc, 300, 200) == RGB(0, 224, 128));
  ReleaseDC(article, dc);
  test::CloseWindow(main);
}

TEST_CASE_FIXTURE(TestBoxFixture, "SetContent shows the whole text, byte for byte after code page 936") {
  const std::string longText = LongText();
  struct Case {
    const char* name;
    std::string text;
  };
  const Case cases[] = {
      {"empty", ""},
      {"Chinese with CR LF line ends", "\xC8\xC3\xCF\xB5\xCD\xB3\r\n\r\n\xC6\xF4\xB6\xAF"},
      {"leading space, trailing spaces, final CR LF", " WINXP  \r\nabc \r\n"},
      {"a last line of one space", "abc\r\n "},
      {"codes only GBK holds (not GB2312)", "\x84\x68\xDD\x94"},
      {"the user-defined area", "\xAA\xA1\xAF\xFE\xF8\xA1\xFE\xFE\xA1\x40\xA7\xA0"},
      {"ideographic spaces and full-width forms", "\xA1\xA1\xA1\xA1\xA3\xB1\xA3\xAE"},
      {"over 64 KB in long lines", longText},
  };
  for (const Case& c : cases) {
    CAPTURE(c.name);
    test::Events() = {};
    SetContent(c.text);
    CHECK(test::WindowTextGbk(box) == c.text);
    CHECK(test::Events().contentChanged == 1);
  }
  // Lines of hundreds of characters stay single lines: no wrapping.
  SetContent(longText);
  const size_t breaks = [&] {
    size_t n = 0;
    for (size_t i = longText.find("\r\n"); i != std::string::npos; i = longText.find("\r\n", i + 2)) ++n;
    return n;
  }();
  CHECK(static_cast<size_t>(SendMessageW(box, EM_GETLINECOUNT, 0, 0)) == breaks + 1);
}

TEST_CASE_FIXTURE(TestBoxFixture, "SetContent starts from the first line, scrolled left, nothing selected") {
  const std::string text = LongText();
  SetContent(text);
  // The user scrolls to the end and selects something.
  SendMessageW(box, EM_SETSEL, 5000, 6000);
  SendMessageW(box, EM_SCROLLCARET, 0, 0);
  SendMessageW(box, WM_HSCROLL, SB_RIGHT, 0);
  SendMessageW(box, WM_VSCROLL, SB_BOTTOM, 0);
  REQUIRE(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0) > 0);

  test::Events() = {};
  SetContent(text);  // the same text again: still a full replacement
  CHECK(test::Events().contentChanged == 1);
  DWORD start = 1, end = 1;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  CHECK(start == 0);
  CHECK(end == 0);
  CHECK(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0) == 0);
  CHECK(GetScrollPos(box, SB_HORZ) == 0);
}

TEST_CASE_FIXTURE(TestBoxFixture, "an absent text is the empty text") {
  SetContent(std::string("abc"));
  test::Events() = {};
  SetContent(toolkit::PropertyValue(static_cast<const char*>(nullptr)));
  CHECK(GetWindowTextLengthW(box) == 0);
  CHECK(test::Events().contentChanged == 1);
}

TEST_CASE_FIXTURE(TestBoxFixture, "the user can read and copy but not change the text") {
  const std::string text = "\xD3\xC5\xBB\xAF\r\nabc \r\n\x84\x68";  // 优化 / abc / 刪
  SetContent(text);
  REQUIRE(GetFocus() == box);
  SendMessageW(box, EM_SETSEL, 0, -1);
  test::KeyAndWait('C', {VK_CONTROL});
  CHECK(ClipboardText(window) == L"优化\r\nabc \r\n刪");

  for (WORD key : {WORD('A'), WORD(VK_RETURN), WORD(VK_BACK), WORD(VK_DELETE), WORD(VK_SPACE)}) {
    test::KeyAndWait(key);
  }
  test::KeyAndWait('V', {VK_CONTROL});
  test::KeyAndWait('X', {VK_CONTROL});
  CHECK(test::WindowTextGbk(box) == text);
}

TEST_CASE_FIXTURE(TestBoxFixture, "the box reports the focus arriving and leaving") {
  CHECK(GetFocus() == box);
  test::Events() = {};
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                               nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  test::RunLoopFor(150);
  SetForegroundWindow(window);
  test::RunLoopFor(150);
  DestroyWindow(other);
  CHECK(test::Events().lostFocus == 1);
  CHECK(test::Events().gotFocus == 1);
}
