// The real program under a storm of random real input over its client area:
// it stays alive and answers, the box only ever holds nothing or exactly one
// article, and Esc still ends it with 0 afterwards.
//
// The seed is printed; STORM_SEED=<seed> replays a run, STORM_INPUTS=<n>
// sets the number of inputs.
#include <doctest/doctest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "app/window_description.h"
#include "content/article_catalogue.h"
#include "tests/support/gui.h"
#include "tests/support/process.h"

namespace {

unsigned EnvironmentNumber(const char* name, unsigned fallback) {
  const char* value = std::getenv(name);
  return value && *value ? static_cast<unsigned>(std::strtoul(value, nullptr, 10)) : fallback;
}

// Random inputs as xdotool actions, in screen coordinates of the client area.
class InputSource {
 public:
  InputSource(unsigned seed, HWND window) : random_(seed), window_(window) {
    for (SchemeNumber scheme = 1; scheme <= 6; ++scheme) {
      RECT place;
      GetWindowRect(GetDlgItem(window, static_cast<int>(SchemeLinkId(scheme))), &place);
      links_.push_back(place);
    }
  }

  // One input: a click, drag, double-click, wheel notch, move or key, now and
  // then with Ctrl, Shift or Alt held. `alt` says whether Alt was used.
  std::string Next(bool& alt) {
    static const char* const kKeys[] = {"a", "z", "Q", "5", "space", "Return", "BackSpace", "Delete", "Tab",
                                        "ctrl+v", "ctrl+x", "ctrl+a", "ctrl+c", "ctrl+z", "Home", "End"};
    static const char* const kModifiers[] = {"ctrl", "shift", "alt"};
    std::string action;
    switch (Pick(8)) {
      case 0:
      case 1: action = Move(Point()) + " click " + Button(); break;
      case 2: {
        const std::string button = Button();
        action = Move(Point()) + " mousedown " + button + " " + Move(Point()) + " mouseup " + button;
        break;
      }
      case 3: action = Move(Point()) + " click --repeat 2 --delay 40 " + Button(); break;
      case 4: action = Move(Point()) + (Pick(2) ? " click 4" : " click 5"); break;
      case 5: action = Move(Point()); break;
      default: action = std::string("key ") + kKeys[Pick(std::size(kKeys))]; break;
    }
    alt = false;
    if (Pick(4) == 0) {
      const std::string modifier = kModifiers[Pick(3)];
      // Alt with Space opens the window menu, whose Close would end the
      // program; Alt with Tab switches away from it.
      if (modifier == "alt" && (action.find("space") != std::string::npos || action.find("Tab") != std::string::npos)) {
        return action;
      }
      alt = modifier == "alt";
      action = "keydown " + modifier + " " + action + " keyup " + modifier;
    }
    return action;
  }

 private:
  size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }
  std::string Button() { return std::to_string(1 + Pick(3)); }
  static std::string Move(POINT p) { return "mousemove " + std::to_string(p.x) + " " + std::to_string(p.y); }

  // Half of the points on a link, the rest anywhere in the client area.
  POINT Point() {
    RECT area;
    if (Pick(2) == 0) {
      area = links_[Pick(links_.size())];
    } else {
      GetClientRect(window_, &area);
      MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&area), 2);
    }
    return {area.left + static_cast<LONG>(Pick(static_cast<size_t>(area.right - area.left))),
            area.top + static_cast<LONG>(Pick(static_cast<size_t>(area.bottom - area.top)))};
  }

  std::mt19937 random_;
  HWND window_;
  std::vector<RECT> links_;
};

bool IsNothingOrOneArticle(const std::string& shown) {
  if (shown.empty()) return true;
  for (SchemeNumber scheme = 1; scheme <= 6; ++scheme) {
    if (shown == ArticleCatalogue::text(scheme)) return true;
  }
  return false;
}

// A menu (the box's context menu, or the window menu that Wine opens when Alt
// is released after a click) holds the program's thread in its own loop;
// close it as a click elsewhere would.
void CloseAnyMenu(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (GetGUIThreadInfo(thread, &info) && (info.flags & GUI_INMENUMODE) && info.hwndMenuOwner) {
    SendMessageTimeoutW(info.hwndMenuOwner, WM_CANCELMODE, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
  }
}

}  // namespace

TEST_CASE("random real input never breaks the program, and Esc still ends it") {
  if (!test::RunningOnWine()) return;  // the input comes through the X server

  const unsigned seed = EnvironmentNumber("STORM_SEED", GetTickCount());
  const unsigned inputs = EnvironmentNumber("STORM_INPUTS", 2000);
  const unsigned batchSize = EnvironmentNumber("STORM_BATCH", 5);
  MESSAGE("input storm: STORM_SEED=", seed, " STORM_INPUTS=", inputs);

  test::Process program(test::BesideTest(L"..\\app\\Qelmora.exe"));
  REQUIRE(program.started());
  HWND window = program.WaitForWindow(L"ToolkitWindow", 30000);
  REQUIRE(window);
  HWND box = GetDlgItem(window, static_cast<int>(kTextBoxId));
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  SetForegroundWindow(window);

  InputSource source(seed, window);
  std::string batch;
  std::vector<std::string> recent;  // the last batches, for a failure message
  for (unsigned sent = 0; sent < inputs;) {
    // A few inputs at a time; one that holds Alt ends its batch, so a menu
    // it opens is closed before any further key reaches it.
    batch.clear();
    for (unsigned i = 0; i < batchSize && sent < inputs; ++i, ++sent) {
      bool alt = false;
      batch += (batch.empty() ? "" : " ") + source.Next(alt);
      if (alt) break;
    }
    test::XInput(batch);
    CloseAnyMenu(thread);

    recent.push_back(batch);
    if (recent.size() > 6) recent.erase(recent.begin());
    std::string recentText;
    for (const std::string& line : recent) recentText += "\n  " + line;
    CAPTURE(sent);
    CAPTURE(recentText);
    DWORD_PTR unused = 0;
    REQUIRE_MESSAGE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &unused) != 0,
                    "the program does not answer");
    REQUIRE(program.WaitForExit(0) == STILL_ACTIVE);
    REQUIRE(IsWindowVisible(window));
    const std::string shown = test::WindowTextGbk(box);
    REQUIRE_MESSAGE(IsNothingOrOneArticle(shown), "the box holds ", shown.size(), " bytes: ", shown.substr(0, 120));
  }

  // Let the last input arrive before the end.
  Sleep(500);
  CloseAnyMenu(thread);
  SetForegroundWindow(window);
  Sleep(200);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(thread, &info);
  CAPTURE(info.flags);
  CAPTURE(info.hwndFocus == box);
  CAPTURE(info.hwndActive == window);
  CAPTURE(info.hwndCapture != nullptr);
  test::XInput("key Escape");
  CHECK(program.WaitForExit(15000) == 0);
}
