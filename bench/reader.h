// A running reader (ours or the baseline) whose links the bench presses the
// way the program's own event loop receives a press: posted button messages.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "bench/child.h"

namespace bench {

class Reader {
 public:
  Reader(const std::wstring& exe, const char* name);
  // Presses link n (1..6) and returns the milliseconds until the box holds
  // `expectedLength` characters and has painted them.
  double Press(int n, size_t expectedLength);
  std::wstring BoxText() const;
  Footprint Measure() const { return child_.Measure(); }
  // Ends it as the close button would; warns if its exit code is not 0.
  void Close();

 private:
  void WaitUntilShown(size_t expectedLength) const;

  const char* name_;
  Child child_;
  HWND window_ = nullptr;
  HWND box_ = nullptr;
  std::array<HWND, 6> links_{};
};

}  // namespace bench
