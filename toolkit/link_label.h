// The link-label kind: a caption drawn in a link's colours over the button
// face, a pointing hand over it, and a press that opens its address.
#pragma once

#include <string>

#include "toolkit/control.h"

namespace toolkit {

inline constexpr wchar_t kLinkLabelClass[] = L"ToolkitLinkLabel";

class LinkLabel final : public Control {
 public:
  LinkLabel(const ControlTemplate& row, const LinkLabelSettings& settings);

  const std::wstring& caption() const { return caption_; }

  // The kind has no property of its own that a program writes.
  void WriteProperty(std::int32_t, PropertyValue) override {}

  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnPaint();
  void OnMouseMove(LPARAM lParam);
  void OnMouseLeave();
  void TrackLeave();
  void OpenAddress();
  COLORREF CaptionColour() const;

  const LinkLabelSettings& settings_;
  const COLORREF hoverColour_;
  const std::wstring caption_;
  bool hovered_ = false;
  bool visited_ = false;
};

std::unique_ptr<Control> Create(const ControlTemplate& row, const LinkLabelSettings& settings, HWND parent);

}  // namespace toolkit
