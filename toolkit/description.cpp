#include "toolkit/description.h"

#include <string_view>

namespace toolkit {

namespace {

// How many events of its own each kind raises; they are numbered from 0.
constexpr std::int32_t OwnEventCount(const TextBoxSettings&) { return kTextBoxEventCount; }
constexpr std::int32_t OwnEventCount(const LinkLabelSettings&) { return kLinkLabelEventCount; }

bool KnownEvent(const ControlTemplate& control, std::int32_t event) {
  if (event == kLeftButtonPressed) return true;
  const std::int32_t own = std::visit([](const auto& settings) { return OwnEventCount(settings); }, control.settings);
  return event >= 0 && event < own;
}

DescriptionFault CheckBindings(const ControlTemplate& control) {
  for (size_t i = 0; i < control.bindings.size(); ++i) {
    const EventBinding& binding = control.bindings[i];
    if (!binding.handler) return DescriptionFault::MissingHandler;
    if (!KnownEvent(control, binding.event)) return DescriptionFault::UnknownEvent;
    for (size_t j = 0; j < i; ++j) {
      if (control.bindings[j].event == binding.event) return DescriptionFault::DuplicateBinding;
    }
  }
  return DescriptionFault::None;
}

DescriptionFault CheckWindow(const WindowTemplate& window) {
  if (!window.title) return DescriptionFault::MissingText;
  if (window.place.width < 0 || window.place.height < 0) return DescriptionFault::NegativeSize;
  const auto& controls = window.controls;
  for (size_t i = 0; i < controls.size(); ++i) {
    const ControlTemplate& control = controls[i];
    if (!control.name || !*control.name || !control.caption) return DescriptionFault::MissingText;
    if (control.place.width < 0 || control.place.height < 0) return DescriptionFault::NegativeSize;
    if (control.id == window.id) return DescriptionFault::DuplicateControlId;
    for (size_t j = 0; j < i; ++j) {
      if (controls[j].id == control.id) return DescriptionFault::DuplicateControlId;
      if (std::string_view(controls[j].name) == control.name) return DescriptionFault::DuplicateControlName;
    }
    if (const DescriptionFault fault = CheckBindings(control); fault != DescriptionFault::None) return fault;
  }
  return DescriptionFault::None;
}

}  // namespace

DescriptionFault CheckDescription(Description description) {
  if (description.empty()) return DescriptionFault::Empty;
  for (size_t i = 0; i < description.size(); ++i) {
    for (size_t j = 0; j < i; ++j) {
      if (description[j].id == description[i].id) return DescriptionFault::DuplicateWindowId;
    }
    if (const DescriptionFault fault = CheckWindow(description[i]); fault != DescriptionFault::None) return fault;
  }
  return DescriptionFault::None;
}

}  // namespace toolkit
