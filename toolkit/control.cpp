#include "toolkit/control.h"

#include "toolkit/link_label.h"
#include "toolkit/text_box.h"

namespace toolkit {

bool Control::TakesFocus() const {
  return row_.tabStop && IsWindowVisible(hwnd_) && IsWindowEnabled(hwnd_);
}

HandlerResult Control::Raise(std::int32_t event, std::int32_t a, std::int32_t b, std::int32_t c) const {
  for (const EventBinding& binding : row_.bindings) {
    if (binding.event == event) return binding.handler(a, b, c);
  }
  return std::nullopt;
}

std::unique_ptr<Control> CreateControl(const ControlTemplate& row, HWND parent) {
  return std::visit([&](const auto& settings) -> std::unique_ptr<Control> { return Create(row, settings, parent); },
                    row.settings);
}

}  // namespace toolkit
