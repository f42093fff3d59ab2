// What every control kind shares: its row of the description, its window
// and its events; and the hooks its parent window calls back into.
#pragma once

#include <windows.h>

#include <memory>

#include "toolkit/description.h"
#include "toolkit/toolkit.h"

namespace toolkit {

class Control {
 public:
  Control(const ControlTemplate& row, HWND hwnd) : row_(row), hwnd_(hwnd) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  HWND hwnd() const { return hwnd_; }
  const ControlTemplate& row() const { return row_; }
  bool TakesFocus() const;

  // Runs the handler bound to `event`; no handler gives no result.
  HandlerResult Raise(std::int32_t event, std::int32_t a = 0, std::int32_t b = 0, std::int32_t c = 0) const;

  virtual void WriteProperty(std::int32_t property, PropertyValue value) = 0;
  // WM_CTLCOLOR* reflected by the parent: the brush to paint with, or
  // nullptr for the platform's colours.
  virtual HBRUSH OnParentColour(HDC) { return nullptr; }
  // WM_COMMAND notification codes reflected by the parent.
  virtual void OnNotify(UINT) {}

 protected:
  // For kinds of our own, whose system window exists only once the object does.
  explicit Control(const ControlTemplate& row) : row_(row) {}
  void Attach(HWND hwnd) { hwnd_ = hwnd; }

 private:
  const ControlTemplate& row_;
  HWND hwnd_ = nullptr;
};

// Creates the control of `row` hidden in `parent`; nullptr if the system refuses.
std::unique_ptr<Control> CreateControl(const ControlTemplate& row, HWND parent);

}  // namespace toolkit
