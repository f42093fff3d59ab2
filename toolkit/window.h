// The top-level window kind: a fixed frame centred on the screen, its
// controls in stored order, and the keys a dialog-like window answers.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "toolkit/control.h"
#include "toolkit/description.h"
#include "toolkit/scoped_win.h"

namespace toolkit {

inline constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
inline constexpr wchar_t kWindowClass[] = L"ToolkitWindow";

// Top-left corner that centres a window on a screen; the division truncates
// toward zero, so a screen smaller than the window puts an edge off screen.
POINT CentredOrigin(SIZE screen, SIZE window);

class Window {
 public:
  // Builds the window and its controls, all hidden; nullptr if any part fails,
  // in which case nothing of it is left.
  static std::unique_ptr<Window> Create(const WindowTemplate& row);
  ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  void Show();
  HWND hwnd() const { return hwnd_; }
  const WindowTemplate& row() const { return row_; }
  Control* FindControl(Id id) const;

  // Looks at input before it is dispatched; true when the window consumed it.
  // After Esc or a press handler the window may be gone: the caller must not
  // touch it again.
  bool PreTranslate(const MSG& msg);

 private:
  explicit Window(const WindowTemplate& row) : row_(row) {}
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool CreateControls();
  Control* FindControl(HWND hwnd) const;
  void OnActivate(WPARAM wParam);
  void RestoreFocus();
  std::vector<Control*> TabOrder() const;
  void MoveFocus(bool forward);
  bool PreTranslateKey(WPARAM key);
  // Raises the pressed control's kLeftButtonPressed; a handler's false keeps
  // the press from the control.
  bool PreTranslatePress(const MSG& msg);

  const WindowTemplate& row_;
  HWND hwnd_ = nullptr;
  HWND lastFocus_ = nullptr;
  HFONT font_ = nullptr;
  std::vector<std::unique_ptr<Control>> controls_;
  ScopedIcon bigIcon_;
  ScopedIcon smallIcon_;
};

}  // namespace toolkit
