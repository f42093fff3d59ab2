#include "bench/reader.h"

#include <cstdio>
#include <stdexcept>

#include "bench/timing.h"

namespace bench {

namespace {

constexpr int kTextBoxId = 0x16010008;
constexpr int kFirstLinkId = 0x16010002;
constexpr DWORD kPatienceMs = 15000;

[[noreturn]] void Fail(const char* name, const std::string& what) {
  throw std::runtime_error(std::string(name) + ": " + what);
}

}  // namespace

Reader::Reader(const std::wstring& exe, const char* name) : name_(name), child_(exe) {
  if (!child_.started()) Fail(name_, "cannot start");
  window_ = child_.WaitForPaintedWindow(kPatienceMs);
  if (!window_) Fail(name_, "no painted window");
  box_ = GetDlgItem(window_, kTextBoxId);
  for (size_t i = 0; i < links_.size(); ++i) {
    links_[i] = GetDlgItem(window_, kFirstLinkId + static_cast<int>(i));
    if (!links_[i]) Fail(name_, "a link is missing");
  }
  if (!box_) Fail(name_, "the text box is missing");
}

double Reader::Press(int n, size_t expectedLength) {
  HWND link = links_[static_cast<size_t>(n - 1)];
  RECT client;
  GetClientRect(link, &client);
  const LPARAM centre = MAKELPARAM(client.right / 2, client.bottom / 2);
  Stopwatch clock;
  PostMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, centre);
  PostMessageW(link, WM_LBUTTONUP, 0, centre);
  WaitUntilShown(expectedLength);
  return clock.Milliseconds();
}

// Asking for the length is a sent message, which the program answers between
// the messages it takes from its queue, so a match means the press has been
// handled; the box's update region then says whether it has painted since.
void Reader::WaitUntilShown(size_t expectedLength) const {
  const Stopwatch clock;
  bool textSet = false;
  do {
    if (!textSet) {
      DWORD_PTR length = 0;
      if (!SendMessageTimeoutW(box_, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kPatienceMs, &length)) break;
      textSet = length == expectedLength;
    }
    if (textSet && !GetUpdateRect(box_, nullptr, FALSE)) return;
    SwitchToThread();
  } while (clock.Milliseconds() < kPatienceMs);
  Fail(name_, textSet ? "the text box did not paint" : "the text box did not get the article");
}

std::wstring Reader::BoxText() const {
  std::wstring text(static_cast<size_t>(SendMessageW(box_, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
  text.resize(static_cast<size_t>(SendMessageW(box_, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

void Reader::Close() {
  const DWORD code = child_.Close(window_, kPatienceMs);
  if (code == STILL_ACTIVE) Fail(name_, "did not end on WM_CLOSE");
  // Wrong, but not the bench's to judge; the measurements stand.
  if (code != 0) std::fprintf(stderr, "warning: %s ended with exit code %lu\n", name_, code);
}

}  // namespace bench
