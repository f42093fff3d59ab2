// The toolkit's operations, in the order a program calls them.
#pragma once

#include <cstdint>
#include <string_view>

#include "toolkit/description.h"

namespace toolkit {

// A value given to WriteProperty. Every writable property so far is a text;
// an absent text (a null pointer) counts as the empty text.
class PropertyValue {
 public:
  constexpr PropertyValue(std::string_view text) : text_(text) {}
  constexpr PropertyValue(const char* text) : text_(text ? std::string_view(text) : std::string_view()) {}
  constexpr std::string_view Text() const { return text_; }

 private:
  std::string_view text_;
};

// Property numbers 0 to 7 are common to every control; a kind's own follow.
enum TextBoxProperty : std::int32_t { kContent = 8 };

using ExitRoutine = void (*)();

// Starts the toolkit and checks the program's description; a description that
// cannot be used is a fatal error.
void InitToolkit();
// Appends a routine to the end-of-program list unless it is there already.
void RegisterExitRoutine(ExitRoutine routine);
// Builds and shows a window of the description; failure is a fatal error.
void LoadStartupWindow(Id windowId);
// Dispatches messages until a quit request; returns at once with no window.
void RunEventLoop();
void WriteProperty(Id windowId, Id controlId, std::int32_t property, std::int32_t element,
                   PropertyValue value, std::int32_t reserved);

}  // namespace toolkit
