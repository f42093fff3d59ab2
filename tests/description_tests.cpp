// What makes a window description unusable, and that the program's is usable.
#include <doctest/doctest.h>

#include "app/window_description.h"
#include <vector>

#include "toolkit/description.h"

namespace {

using toolkit::ControlTemplate;
using toolkit::DescriptionFault;
using toolkit::EventBinding;
using toolkit::WindowTemplate;

toolkit::HandlerResult Ignore(std::int32_t, std::int32_t, std::int32_t) { return std::nullopt; }

constexpr EventBinding kPress[] = {{toolkit::kLeftButtonPressed, Ignore}};
constexpr EventBinding kChanged[] = {{toolkit::kContentChanged, Ignore}};
constexpr EventBinding kNoSuchEvent[] = {{toolkit::kTextBoxEventCount, Ignore}};
constexpr EventBinding kNoSuchCommonEvent[] = {{-2, Ignore}};
constexpr EventBinding kTwice[] = {{toolkit::kLeftButtonPressed, Ignore}, {toolkit::kLeftButtonPressed, Ignore}};
constexpr EventBinding kNoHandler[] = {{toolkit::kLeftButtonPressed, nullptr}};

constexpr ControlTemplate Box(const char* name, toolkit::Id id, std::span<const EventBinding> bindings = {}) {
  return {.name = name, .id = id, .place = {0, 0, 10, 10}, .bindings = bindings};
}

constexpr ControlTemplate kGood[] = {Box("a", 1, kPress), Box("b", 2, kChanged)};
constexpr ControlTemplate kSameId[] = {Box("a", 1), Box("b", 1)};
constexpr ControlTemplate kSameName[] = {Box("a", 1), Box("a", 2)};
constexpr ControlTemplate kIdOfWindow[] = {Box("a", 7)};
constexpr ControlTemplate kNoName[] = {Box("", 1)};
constexpr ControlTemplate kNullName[] = {Box(nullptr, 1)};
constexpr ControlTemplate kNegative[] = {{.name = "a", .id = 1, .place = {0, 0, -1, 10}}};
constexpr ControlTemplate kUnknownEvent[] = {Box("a", 1, kNoSuchEvent)};
constexpr ControlTemplate kUnknownCommonEvent[] = {Box("a", 1, kNoSuchCommonEvent)};
constexpr ControlTemplate kBoundTwice[] = {Box("a", 1, kTwice)};
constexpr ControlTemplate kMissingHandler[] = {Box("a", 1, kNoHandler)};

constexpr WindowTemplate Window(std::span<const ControlTemplate> controls, toolkit::Id id = 7,
                                const char* title = "t") {
  return {.id = id, .title = title, .place = {0, 0, 100, 100}, .controls = controls};
}

}  // namespace

TEST_CASE("a description is checked before any window is built") {
  struct Case {
    const char* name;
    std::vector<WindowTemplate> windows;
    DescriptionFault expected;
  };
  const Case cases[] = {
      {"the program's own", {MainWindow}, DescriptionFault::None},
      {"two windows, bound events", {Window(kGood), Window(kGood, 8)}, DescriptionFault::None},
      {"no window at all", {}, DescriptionFault::Empty},
      {"two windows with one identifier", {Window(kGood), Window(kGood)}, DescriptionFault::DuplicateWindowId},
      {"a window without a title", {Window(kGood, 7, nullptr)}, DescriptionFault::MissingText},
      {"two controls with one identifier", {Window(kSameId)}, DescriptionFault::DuplicateControlId},
      {"a control with the window's identifier", {Window(kIdOfWindow)}, DescriptionFault::DuplicateControlId},
      {"two controls with one name", {Window(kSameName)}, DescriptionFault::DuplicateControlName},
      {"an empty name", {Window(kNoName)}, DescriptionFault::MissingText},
      {"no name", {Window(kNullName)}, DescriptionFault::MissingText},
      {"a negative width", {Window(kNegative)}, DescriptionFault::NegativeSize},
      {"an event the kind lacks", {Window(kUnknownEvent)}, DescriptionFault::UnknownEvent},
      {"a common event that does not exist", {Window(kUnknownCommonEvent)}, DescriptionFault::UnknownEvent},
      {"one event bound twice", {Window(kBoundTwice)}, DescriptionFault::DuplicateBinding},
      {"a binding without a handler", {Window(kMissingHandler)}, DescriptionFault::MissingHandler},
  };
  for (const Case& c : cases) {
    CAPTURE(c.name);
    CHECK(toolkit::CheckDescription(c.windows) == c.expected);
  }
}
