#include "toolkit/link_label.h"

#include "toolkit/gbk.h"
#include "toolkit/scoped_win.h"

namespace toolkit {

namespace {

bool RegisterLinkLabelClass(HINSTANCE instance) {
  WNDCLASSEXW labelClass{};
  labelClass.cbSize = sizeof labelClass;
  if (GetClassInfoExW(instance, kLinkLabelClass, &labelClass)) return true;
  // Without CS_DBLCLKS the second press of a double-click would arrive as a
  // plain press and count as one more press of the link.
  labelClass.style = CS_DBLCLKS;
  labelClass.lpfnWndProc = &LinkLabel::Procedure;
  labelClass.hInstance = instance;
  labelClass.lpszClassName = kLinkLabelClass;
  return RegisterClassExW(&labelClass) != 0;
}

}  // namespace

LinkLabel::LinkLabel(const ControlTemplate& row, const LinkLabelSettings& settings)
    : Control(row),
      settings_(settings),
      hoverColour_(settings.hoverColour.value_or(GetSysColor(COLOR_HIGHLIGHT))),
      caption_(Utf16FromGbk(row.caption)) {}

LRESULT CALLBACK LinkLabel::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<LinkLabel*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->Attach(hwnd);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<LinkLabel*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT LinkLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(lParam);
      return 0;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return 0;
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      return TRUE;
    case WM_LBUTTONDOWN:
      // No SetFocus: the label never takes the focus from where it is.
      OpenAddress();
      TrackLeave();
      return 0;
    case WM_LBUTTONUP:
      TrackLeave();
      return 0;
  }
  return DefWindowProcW(hwnd(), message, wParam, lParam);
}

COLORREF LinkLabel::CaptionColour() const {
  if (hovered_) return hoverColour_;
  return visited_ ? settings_.visitedColour : settings_.textColour;
}

void LinkLabel::OnPaint() {
  ScopedPaint paint(hwnd());
  RECT client;
  GetClientRect(hwnd(), &client);
  FillRect(paint.dc(), &client, GetSysColorBrush(COLOR_BTNFACE));
  ScopedSelectObject font(paint.dc(), GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(paint.dc(), TRANSPARENT);
  SetTextColor(paint.dc(), CaptionColour());
  DrawTextW(paint.dc(), caption_.c_str(), static_cast<int>(caption_.size()), &client,
            DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

void LinkLabel::OnMouseMove(LPARAM lParam) {
  RECT client;
  GetClientRect(hwnd(), &client);
  // Under a mouse capture, moves outside the label still arrive here, with
  // coordinates that may be negative.
  const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (!PtInRect(&client, point)) {
    OnMouseLeave();
    return;
  }
  if (hovered_) return;
  hovered_ = true;
  TrackLeave();
  InvalidateRect(hwnd(), nullptr, FALSE);
}

// Some systems (Wine among them) stop tracking the leave when a button goes
// down over the window, so the tracking is asked for again around a click.
void LinkLabel::TrackLeave() {
  if (!hovered_) return;
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
  TrackMouseEvent(&track);
}

void LinkLabel::OnMouseLeave() {
  if (!hovered_) return;
  hovered_ = false;
  InvalidateRect(hwnd(), nullptr, FALSE);
}

namespace {

// SHELL32 is loaded when an address is first opened, not at start-up: it is
// large, and most programs never open one.
void OpenWithShell(HWND owner, const wchar_t* target) {
  using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
  static const HMODULE shell = LoadLibraryW(L"shell32.dll");
  if (!shell) return;
  const auto shellExecute =
      reinterpret_cast<ShellExecuteFunction>(reinterpret_cast<void*>(GetProcAddress(shell, "ShellExecuteW")));
  if (shellExecute) shellExecute(owner, L"open", target, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

void LinkLabel::OpenAddress() {
  const char* address = settings_.addressIsMail ? settings_.mailAddress : settings_.webAddress;
  if (!address || !*address) return;
  const std::wstring target = (settings_.addressIsMail ? L"mailto:" : L"") + Utf16FromGbk(address);
  OpenWithShell(hwnd(), target.c_str());
  visited_ = true;
  InvalidateRect(hwnd(), nullptr, FALSE);
}

std::unique_ptr<Control> Create(const ControlTemplate& row, const LinkLabelSettings& settings, HWND parent) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterLinkLabelClass(instance)) return nullptr;
  auto label = std::make_unique<LinkLabel>(row, settings);
  // No WS_TABSTOP: the label never takes the focus.
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  if (row.disabled) style |= WS_DISABLED;
  HWND hwnd = CreateWindowExW(0, kLinkLabelClass, label->caption().c_str(), style, row.place.left, row.place.top,
                              row.place.width, row.place.height, parent,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(row.id)), instance, label.get());
  if (!hwnd) return nullptr;
  return label;
}

}  // namespace toolkit
