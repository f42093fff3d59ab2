// The text-box kind: a system EDIT whose content is replaced whole, from GBK
// text, and whose colours it answers itself when the parent asks.
#pragma once

#include <string>
#include <string_view>

#include "toolkit/control.h"
#include "toolkit/scoped_win.h"

namespace toolkit {

struct WindowStyles {
  DWORD style;
  DWORD exStyle;
};
WindowStyles TextBoxStyles(const ControlTemplate& row, const TextBoxSettings& settings);

class TextBox final : public Control {
 public:
  TextBox(const ControlTemplate& row, const TextBoxSettings& settings, HWND hwnd);

  // Shows the whole text from its start, nothing selected, and raises
  // content-changed once, also when the text equals the one on show.
  void SetContent(std::string_view gbk);

  void WriteProperty(std::int32_t property, PropertyValue value) override;
  HBRUSH OnParentColour(HDC dc) override;
  void OnNotify(UINT code) override;

 private:
  const TextBoxSettings& settings_;
  ScopedBrush background_;
  std::wstring utf16_;  // kept so that showing an article reuses its storage
};

std::unique_ptr<Control> Create(const ControlTemplate& row, const TextBoxSettings& settings, HWND parent);

}  // namespace toolkit
