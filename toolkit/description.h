// The constant description a program gives the toolkit: its windows, their
// controls in stored order, each control's settings and event bindings.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <variant>

namespace toolkit {

using Id = std::uint32_t;

// A colour with red in the low byte, as the platform stores it.
using Colour = std::uint32_t;
constexpr Colour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return r | (g << 8) | (static_cast<Colour>(b) << 16);
}

// A handler may answer true or false; no answer lets the control go on.
using HandlerResult = std::optional<bool>;
using EventHandler = HandlerResult (*)(std::int32_t, std::int32_t, std::int32_t);

// Events every control has are numbered from -1 down; a kind's own from 0 up.
enum CommonEvent : std::int32_t {
  kLeftButtonPressed = -1,  // x, y, key state (1 Ctrl, 2 Shift, 4 Alt)
};
enum TextBoxEvent : std::int32_t {
  kContentChanged = 0,
  kGotFocus = 1,
  kLostFocus = 2,
  kTextBoxEventCount
};
// The link kind raises none of its own: a press is the common kLeftButtonPressed.
enum LinkLabelEvent : std::int32_t { kLinkLabelEventCount = 0 };

struct EventBinding {
  std::int32_t event;
  EventHandler handler;
};

struct Rect {
  int left, top, width, height;
};

enum class ScrollBars : std::uint8_t { None, Horizontal, Vertical, Both };

// A text box's own settings; the defaults are the kind's.
struct TextBoxSettings {
  Colour textColour = Rgb(0, 0, 0);
  Colour background = Rgb(255, 255, 255);
  bool multiLine = false;
  ScrollBars scrollBars = ScrollBars::None;
  bool readOnly = false;
  bool hideSelection = true;
};

// A link label's own settings; the defaults are the kind's.
struct LinkLabelSettings {
  Colour textColour = Rgb(0, 0, 255);
  std::optional<Colour> hoverColour;  // none: the system's highlight colour, read when the label is created
  Colour visitedColour = Rgb(128, 0, 0);
  const char* webAddress = "";   // GBK
  const char* mailAddress = "";  // GBK
  bool addressIsMail = true;
};

struct ControlTemplate {
  const char* name;  // GBK
  Id id;
  Rect place;  // client coordinates of the window
  bool tabStop = false;
  int focusOrder = 0;
  bool visible = true;
  bool disabled = false;
  const char* caption = "";  // GBK; shown by kinds that have a caption
  std::span<const EventBinding> bindings = {};
  std::variant<TextBoxSettings, LinkLabelSettings> settings = TextBoxSettings{};
};

struct WindowTemplate {
  Id id;
  const char* title;  // GBK
  Rect place;         // outer size; the start position is centred on the screen
  std::span<const ControlTemplate> controls;
};

using Description = std::span<const WindowTemplate>;

// Why a description cannot be used; Fault::None when it can.
enum class DescriptionFault : std::uint8_t {
  None,
  Empty,
  DuplicateWindowId,
  MissingText,
  NegativeSize,
  DuplicateControlId,
  DuplicateControlName,
  UnknownEvent,
  DuplicateBinding,
  MissingHandler,
};

DescriptionFault CheckDescription(Description description);

}  // namespace toolkit
