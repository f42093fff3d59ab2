#include "toolkit/window.h"

#include <algorithm>

#include "toolkit/gbk.h"
#include "toolkit/state.h"

namespace toolkit {

namespace {

bool RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(instance, kWindowClass, &windowClass)) return true;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  return RegisterClassExW(&windowClass) != 0;
}

HICON LoadProgramIcon(HINSTANCE instance, int size) {
  return static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, size, size, 0));
}

bool KeyDown(int key) { return GetKeyState(key) < 0; }

}  // namespace

POINT CentredOrigin(SIZE screen, SIZE window) {
  return {(screen.cx - window.cx) / 2, (screen.cy - window.cy) / 2};
}

std::unique_ptr<Window> Window::Create(const WindowTemplate& row) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterWindowClass(instance, &Window::Procedure)) return nullptr;

  std::unique_ptr<Window> window(new Window(row));
  const SIZE size{row.place.width, row.place.height};
  const POINT origin = CentredOrigin({GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, size);
  const std::wstring title = Utf16FromGbk(row.title);
  HWND hwnd = CreateWindowExW(0, kWindowClass, title.c_str(), kWindowStyle, origin.x, origin.y, size.cx, size.cy,
                              nullptr, nullptr, instance, window.get());
  if (!hwnd) return nullptr;

  RECT outer;
  GetWindowRect(hwnd, &outer);
  if (outer.right - outer.left != size.cx || outer.bottom - outer.top != size.cy) {
    SetWindowPos(hwnd, nullptr, origin.x, origin.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  }

  window->bigIcon_ = ScopedIcon(LoadProgramIcon(instance, 32));
  window->smallIcon_ = ScopedIcon(LoadProgramIcon(instance, 16));
  SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(window->bigIcon_.get()));
  SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(window->smallIcon_.get()));
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);

  if (!window->CreateControls()) return nullptr;
  return window;
}

Window::~Window() {
  if (hwnd_) {
    // Detach first, so the window's last messages do not reach a half-destroyed object.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool Window::CreateControls() {
  HWND previous = HWND_TOP;
  for (const ControlTemplate& controlRow : row_.controls) {
    std::unique_ptr<Control> control = CreateControl(controlRow, hwnd_);
    if (!control) return false;
    // Each control lies below the one stored before it.
    SetWindowPos(control->hwnd(), previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous = control->hwnd();
    controls_.push_back(std::move(control));
  }
  for (const auto& control : controls_) {
    if (control->row().visible) ShowWindow(control->hwnd(), SW_SHOWNA);
  }
  return true;
}

void Window::Show() {
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  UpdateWindow(hwnd_);
}

Control* Window::FindControl(Id id) const {
  for (const auto& control : controls_) {
    if (control->row().id == id) return control.get();
  }
  return nullptr;
}

Control* Window::FindControl(HWND hwnd) const {
  for (const auto& control : controls_) {
    if (control->hwnd() == hwnd) return control.get();
  }
  return nullptr;
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    ForgetWindow(self);  // deletes self
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      if (Control* control = FindControl(reinterpret_cast<HWND>(lParam))) {
        if (HBRUSH brush = control->OnParentColour(reinterpret_cast<HDC>(wParam))) {
          return reinterpret_cast<LRESULT>(brush);
        }
      }
      break;
    case WM_COMMAND:
      if (Control* control = FindControl(reinterpret_cast<HWND>(lParam))) control->OnNotify(HIWORD(wParam));
      return 0;
    case WM_ACTIVATE:
      OnActivate(wParam);
      return 0;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    // The system keeps no font for a top-level window; the window keeps its own.
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Window::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
  } else if (!HIWORD(wParam)) {  // not while minimised
    RestoreFocus();
  }
}

void Window::RestoreFocus() {
  if (lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_)) {
    SetFocus(lastFocus_);
    return;
  }
  const std::vector<Control*> order = TabOrder();
  if (!order.empty()) SetFocus(order.front()->hwnd());
}

// The controls that take the focus, by focus order, ties in stored order.
std::vector<Control*> Window::TabOrder() const {
  std::vector<Control*> order;
  for (const auto& control : controls_) {
    if (control->TakesFocus()) order.push_back(control.get());
  }
  std::stable_sort(order.begin(), order.end(),
                   [](Control* a, Control* b) { return a->row().focusOrder < b->row().focusOrder; });
  return order;
}

void Window::MoveFocus(bool forward) {
  const std::vector<Control*> order = TabOrder();
  if (order.empty()) return;
  HWND focus = GetFocus();
  auto current = std::find_if(order.begin(), order.end(), [&](Control* c) { return c->hwnd() == focus; });
  size_t next = 0;
  if (current != order.end()) {
    const size_t index = static_cast<size_t>(current - order.begin());
    next = forward ? (index + 1) % order.size() : (index + order.size() - 1) % order.size();
  }
  SetFocus(order[next]->hwnd());
}

bool Window::PreTranslate(const MSG& msg) {
  switch (msg.message) {
    case WM_KEYDOWN:
      return PreTranslateKey(msg.wParam);
    case WM_LBUTTONDOWN:  // not WM_LBUTTONDBLCLK: the second press of a double-click raises nothing
      return PreTranslatePress(msg);
  }
  return false;
}

bool Window::PreTranslateKey(WPARAM key) {
  const bool ctrl = KeyDown(VK_CONTROL), shift = KeyDown(VK_SHIFT), alt = KeyDown(VK_MENU);
  switch (key) {
    case VK_ESCAPE:
      if (ctrl || shift || alt) return false;
      // Exactly what the close button does.
      SendMessageW(hwnd_, WM_SYSCOMMAND, SC_CLOSE, 0);
      return true;
    case VK_TAB:
      if (ctrl || alt) return false;
      MoveFocus(!shift);
      return true;
    case VK_RETURN:  // does not move the focus
    case VK_F1:      // no help file
      return true;
  }
  return false;
}

bool Window::PreTranslatePress(const MSG& msg) {
  const Control* control = FindControl(msg.hwnd);
  if (!control) return false;
  const std::int32_t keyState =
      (KeyDown(VK_CONTROL) ? 1 : 0) | (KeyDown(VK_SHIFT) ? 2 : 0) | (KeyDown(VK_MENU) ? 4 : 0);
  // The handler may close the window, so nothing of it is touched afterwards.
  const HandlerResult result = control->Raise(kLeftButtonPressed, LOWORD(msg.lParam), HIWORD(msg.lParam), keyState);
  return result.has_value() && !*result;
}

}  // namespace toolkit
