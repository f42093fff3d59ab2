// The least a bare Win32 program does for the reader's job, as the yardstick
// for bench_driver: the same window, the same text box, six plain labels in
// the links' places, and a press that sets the box's text and nothing more.
#include <windows.h>

#include <array>

#include "content/article_catalogue.h"

namespace {

constexpr int kTextBoxId = 0x16010008;
constexpr int kFirstLinkId = 0x16010002;  // links 1..6 have ids 0x16010002..0x16010007
constexpr COLORREF kBoxGreen = RGB(0, 224, 128);
constexpr wchar_t kWindowClass[] = L"BenchBaselineWindow";
constexpr wchar_t kLabelClass[] = L"BenchBaselineLabel";

// Places in the client area as left, top, right, bottom, the same as the real links'.
constexpr std::array<RECT, 6> kLinkPlaces{{
    {16, 32, 120, 56}, {16, 88, 120, 112}, {8, 136, 128, 160},
    {16, 192, 120, 216}, {8, 240, 128, 272}, {16, 296, 120, 320},
}};
constexpr std::array<const wchar_t*, 6> kCaptions{
    L"方案一", L"方案二", L"方案三", L"方案四", L"方案五", L"方案六",
};

// Converted once, before the window exists; they live as long as the process.
std::array<const wchar_t*, 6> g_articles;
HWND g_textBox = nullptr;
HBRUSH g_boxBrush = nullptr;

// Straight from the process heap, NUL-terminated: nothing from the C++
// library, as a bare Win32 program would do it.
const wchar_t* Utf16FromGbk(std::string_view gbk) {
  const int length = MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
  auto* text = static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, (length + 1) * sizeof(wchar_t)));
  if (text) MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), text, length);
  return text;
}

int LinkIndex(HWND label) { return GetDlgCtrlID(label) - kFirstLinkId; }

LRESULT CALLBACK LabelProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      SetWindowTextW(g_textBox, g_articles[static_cast<size_t>(LinkIndex(hwnd))]);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      RECT client;
      GetClientRect(hwnd, &client);
      HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(0, 0, 255));
      DrawTextW(dc, kCaptions[static_cast<size_t>(LinkIndex(hwnd))], -1, &client,
                DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
      SelectObject(dc, oldFont);
      EndPaint(hwnd, &paint);
      return 0;
    }
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORSTATIC:  // a read-only EDIT asks with this one
      if (reinterpret_cast<HWND>(lParam) == g_textBox) {
        SetBkColor(reinterpret_cast<HDC>(wParam), kBoxGreen);
        return reinterpret_cast<LRESULT>(g_boxBrush);
      }
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool RegisterClasses(HINSTANCE instance) {
  WNDCLASSW window{};
  window.lpfnWndProc = WindowProcedure;
  window.hInstance = instance;
  window.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window.lpszClassName = kWindowClass;
  WNDCLASSW label = window;
  label.lpfnWndProc = LabelProcedure;
  label.hCursor = LoadCursorW(nullptr, IDC_HAND);
  label.lpszClassName = kLabelClass;
  return RegisterClassW(&window) && RegisterClassW(&label);
}

HWND CreateMainWindow(HINSTANCE instance) {
  constexpr int kWidth = 899, kHeight = 410;
  constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  HWND window = CreateWindowExW(0, kWindowClass, L"Qelmora baseline", kStyle, x, y, kWidth, kHeight, nullptr,
                                nullptr, instance, nullptr);
  if (!window) return nullptr;
  const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
  constexpr DWORD kBoxStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE |
                              ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | ES_READONLY;
  g_textBox = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", kBoxStyle, 128, 8, 760, 368, window,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kTextBoxId)), instance, nullptr);
  if (!g_textBox) return nullptr;
  SendMessageW(g_textBox, WM_SETFONT, font, FALSE);
  for (size_t i = 0; i < kLinkPlaces.size(); ++i) {
    const RECT& r = kLinkPlaces[i];
    const auto id = static_cast<UINT_PTR>(kFirstLinkId + static_cast<int>(i));
    if (!CreateWindowExW(0, kLabelClass, kCaptions[i], WS_CHILD | WS_VISIBLE, r.left, r.top, r.right - r.left,
                         r.bottom - r.top, window, reinterpret_cast<HMENU>(id), instance, nullptr)) {
      return nullptr;
    }
  }
  return window;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  for (int n = ArticleCatalogue::kFirstScheme; n <= ArticleCatalogue::kLastScheme; ++n) {
    g_articles[static_cast<size_t>(n - 1)] = Utf16FromGbk(ArticleCatalogue::text(n));
    if (!g_articles[static_cast<size_t>(n - 1)]) return 1;
  }
  g_boxBrush = CreateSolidBrush(kBoxGreen);
  if (!RegisterClasses(instance)) return 1;
  HWND window = CreateMainWindow(instance);
  if (!window) return 1;
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
      SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  DeleteObject(g_boxBrush);
  return static_cast<int>(msg.wParam);
}
