// Script verbs of the host's input notifications: mouse, keys, cursor,
// size, and the virtual clock.
#include "verbs.h"

#include "platform/headless/surface_headless.h"

#include <map>

#include "core/dispatch.h"
#include "core/text.h"
#include "platform/vb_runtime.h"
#include "render_command.h"
#include "script_values.h"
#include "platform/headless/form_host.h"
#include "platform/headless/hosted_surface.h"
#include "platform/headless/picture_file.h"
#include "containment/switcher.h"
#include "input/mouse.h"
#include "tooltip/tip.h"

namespace folivan::console {

namespace {

// Gives each windowed contained control the rectangle of its Left, Top,
// Width and Height (twips, 15 to the pixel) in the stand-in window system, so
// that the window under the cursor is what a user would see there.
void PlaceContainedWindows(Session& session) {
  for (const StandInControlPtr& c : session.Host().Controls()) {
    auto hwnd = c->Get("hwnd");
    if (!hwnd) continue;
    try {
      auto pixels = [&](const char* key) {
        auto v = c->Get(key);
        return v ? CLng(ToDouble(*v) / 15.0) : 0;
      };
      session.System().MoveWindow(static_cast<WindowHandle>(ToLong(*hwnd)), pixels("Left"), pixels("Top"),
                                  pixels("Width"), pixels("Height"), false);
      if (auto visible = c->Get("Visible")) {
        session.System().ShowWindow(static_cast<WindowHandle>(ToLong(*hwnd)),
                                    ToBoolean(*visible) ? sw::kShowNA : sw::kHide);
      }
    } catch (const VbError&) {
      // A position that does not convert leaves the window where it was.
    }
  }
}

void RunWait(Line& line) {
  if (line.words.size() != 2) line.Fail("expected: wait MS");
  Variant v = line.Value(line.words[1]);
  int32_t ms = 0;
  try {
    ms = ToLong(v);
  } catch (const VbError&) {
    line.Fail("expected: wait MS");
  }
  if (ms < 0) line.Fail("wait takes a number of milliseconds >= 0");
  line.session.System().AdvanceClock(static_cast<uint64_t>(ms));
}

void RunMouse(Line& line) {
  FolivanTab& control = line.Control();
  // The host's mouse notifications: X and Y in pixels of the control.
  if (line.words.size() != 5) line.Fail("expected: " + line.Verb() + " BUTTON SHIFT X Y");
  int16_t button = 0;
  int16_t shift = 0;
  double x = 0;
  double y = 0;
  try {
    button = ToInteger(line.Value(line.words[1]));
    shift = ToInteger(line.Value(line.words[2]));
    x = ToDouble(line.Value(line.words[3]));
    y = ToDouble(line.Value(line.words[4]));
  } catch (const VbError&) {
    line.Fail("expected: " + line.Verb() + " BUTTON SHIFT X Y");
  }
  const auto fx = static_cast<float>(x);
  const auto fy = static_cast<float>(y);
  line.Reporting([&] {
    if (line.Verb() == "mousedown") {
      control.MouseDown(button, shift, fx, fy);
    } else if (line.Verb() == "mousemove") {
      control.MouseMove(button, shift, fx, fy);
    } else {
      control.MouseUp(button, shift, fx, fy);
    }
  });
}

void RunNotification(Line& line) {
  FolivanTab& control = line.Control();
  if (line.words.size() != 1) line.Fail("expected: " + line.Verb());
  line.Reporting([&] {
    if (line.Verb() == "click") {
      control.Click();
    } else if (line.Verb() == "dblclick") {
      control.DblClick();
    } else if (line.Verb() == "gotfocus") {
      control.GotFocus();
    } else {
      control.LostFocus();
    }
  });
}

void RunCursor(Line& line) {
  // The control's window lies at 0, 0 of the stand-in screen.
  if (line.words.size() != 3) line.Fail("expected: cursor X Y");
  int32_t x = 0;
  int32_t y = 0;
  try {
    x = ToLong(line.Value(line.words[1]));
    y = ToLong(line.Value(line.words[2]));
  } catch (const VbError&) {
    line.Fail("expected: cursor X Y");
  }
  PlaceContainedWindows(line.session);
  line.session.System().SetCursorPos(Point{x, y});
}

void RunClickTab(Line& line) {
  FolivanTab& control = line.Control();
  // What a user's click on the middle of tab N does.
  if (line.words.size() != 2) line.Fail("expected: clicktab N");
  int16_t n = 0;
  try {
    n = ToInteger(line.Value(line.words[1]));
  } catch (const VbError&) {
    line.Fail("expected: clicktab N");
  }
  if (!control.State().IsValidTab(n)) line.Fail("no tab " + line.words[1]);
  const TabRecord& tab = control.State().tabs[static_cast<size_t>(n)];
  const int32_t x = (tab.AL + tab.AR) / 2;
  const int32_t y = (tab.AT + tab.AB) / 2;
  PlaceContainedWindows(line.session);
  line.session.System().SetCursorPos(Point{x, y});
  const auto fx = static_cast<float>(x);
  const auto fy = static_cast<float>(y);
  line.Reporting([&] { control.MouseMove(0, 0, fx, fy); });
  line.Reporting([&] { control.MouseDown(1, 0, fx, fy); });
  line.Reporting([&] { control.MouseUp(1, 0, fx, fy); });
  line.Reporting([&] { control.Click(); });
}

void RunKey(Line& line) {
  FolivanTab& control = line.Control();
  // The host's key notifications: a virtual-key code and the Shift state.
  if (line.words.size() != 3) line.Fail("expected: " + line.Verb() + " KEYCODE SHIFT");
  int16_t key_code = 0;
  int16_t shift = 0;
  try {
    key_code = ToInteger(line.Value(line.words[1]));
    shift = ToInteger(line.Value(line.words[2]));
  } catch (const VbError&) {
    line.Fail("expected: " + line.Verb() + " KEYCODE SHIFT");
  }
  line.Reporting([&] {
    if (line.Verb() == "keydown") {
      control.KeyDown(key_code, shift);
    } else {
      control.KeyUp(key_code, shift);
    }
  });
}

void RunKeyPress(Line& line) {
  FolivanTab& control = line.Control();
  if (line.words.size() != 2) line.Fail("expected: keypress ASCII");
  int16_t key_ascii = 0;
  try {
    key_ascii = ToInteger(line.Value(line.words[1]));
  } catch (const VbError&) {
    line.Fail("expected: keypress ASCII");
  }
  line.Reporting([&] { control.KeyPress(key_ascii); });
}

void RunSize(Line& line) {
  FolivanTab& control = line.Control();
  // The host resizes the control: W and H in pixels (15 twips each), then
  // its resize and paint notifications.
  if (line.words.size() != 3) line.Fail("expected: size W H");
  int32_t w = 0;
  int32_t h = 0;
  try {
    w = ToLong(line.Value(line.words[1]));
    h = ToLong(line.Value(line.words[2]));
  } catch (const VbError&) {
    line.Fail("expected: size W H");
  }
  constexpr int32_t kMax = HeadlessSurface::kMaxPixels;
  if (w < 1 || h < 1 || w > kMax || h > kMax) {
    line.Fail("size takes a width and a height of 1 to " + std::to_string(kMax) + " pixels");
  }
  line.session.GetSurface().SetWidth(w * 15.0);
  line.session.GetSurface().SetHeight(h * 15.0);
  line.Reporting([&] { control.Resize(); });
  line.Reporting([&] { control.Paint(); });
}

}  // namespace

std::span<const Verb> InputVerbs() {
  static const Verb verbs[] = {
    {"wait", RunWait},
    {"mousedown", RunMouse},
    {"mousemove", RunMouse},
    {"mouseup", RunMouse},
    {"click", RunNotification},
    {"dblclick", RunNotification},
    {"gotfocus", RunNotification},
    {"lostfocus", RunNotification},
    {"cursor", RunCursor},
    {"clicktab", RunClickTab},
    {"keydown", RunKey},
    {"keyup", RunKey},
    {"keypress", RunKeyPress},
    {"size", RunSize},
  };
  return verbs;
}

}  // namespace folivan::console
