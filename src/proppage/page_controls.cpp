#include "proppage/page_controls.h"

namespace folivan {

std::string PageControl::Shown() const {
  if (kind == PageControlKind::kDropDown || kind == PageControlKind::kList) {
    if (list_index < 0 || list_index >= static_cast<int>(items.size())) return {};
    return items[static_cast<size_t>(list_index)];
  }
  return text;
}

namespace {

using K = PageControlKind;
using namespace page_text;

// Rows of label and field: labels at x 8, fields at x 104, 26 pixels apart.
constexpr int32_t kRow = 26;
constexpr int32_t kFieldX = 104;

Rect LabelAt(int32_t x, int32_t y, int32_t width) { return Rect{x, y + 4, x + width, y + 17}; }
Rect BoxAt(int32_t x, int32_t y, int32_t width) { return Rect{x, y, x + width, y + 21}; }
Rect ButtonAt(int32_t x, int32_t y, int32_t width) { return Rect{x, y - 1, x + width, y + 22}; }

PageControl Make(K kind, int page, std::string field, Rect rect, std::string text) {
  PageControl c;
  c.kind = kind;
  c.page = page;
  c.field = std::move(field);
  c.rect = rect;
  c.text = std::move(text);
  return c;
}

PageControl Label(int page, std::string text, Rect rect, std::string field = {}) {
  return Make(K::kLabel, page, std::move(field), rect, std::move(text));
}
PageControl TextBox(int page, std::string field, Rect rect, bool digits_only = false) {
  PageControl c = Make(K::kTextBox, page, std::move(field), rect, {});
  c.digits_only = digits_only;
  return c;
}
PageControl DropDown(int page, std::string field, Rect rect, std::vector<std::string> items) {
  PageControl c = Make(K::kDropDown, page, std::move(field), rect, {});
  c.items = std::move(items);
  return c;
}
PageControl Button(int page, std::string field, std::string caption, Rect rect) {
  return Make(K::kButton, page, std::move(field), rect, std::move(caption));
}

void AddGeneral(std::vector<PageControl>& c) {
  const int p = kGeneral;
  int32_t y = 8;
  auto row = [&](std::string label, PageControl field) {
    c.push_back(Label(p, std::move(label), LabelAt(8, y, 94)));
    c.push_back(std::move(field));
    y += kRow;
  };
  row("Appearance :", DropDown(p, "Appearance", BoxAt(kFieldX, y, 176),
                               {" [1]  Windows XP", " [2]  Property Page", " [3]  Visual Studio", " [4]  Office - 2003",
                                " [5]  Property Page Selected", " [6]  Visio", " [7]  State Buttons", " [8]  Flat",
                                " [9]  ssTab", " [10] MS Excel", " [11] Rounded", " [12] Wizard", " [13] System"}));
  row("Color :", DropDown(p, "Color", BoxAt(kFieldX, y, 176), {" [1]  Default", " [2]  Office - 2003", " [3]  Visual Studio"}));
  row("Color System :",
      DropDown(p, "Color System", BoxAt(kFieldX, y, 176), {" [1]  Default Colors", " [2]  Customized Colors"}));
  row("Tooltip Style :", DropDown(p, "Tooltip Style", BoxAt(kFieldX, y, 176), {" [1]  Standard", " [2]  Balloon"}));
  row("Tabs :", TextBox(p, "Tabs", BoxAt(kFieldX, y, 56)));

  c.push_back(Label(p, "Boolean Properties :", LabelAt(8, y, 150)));
  PageControl list = Make(K::kList, p, "Boolean Properties", Rect{8, y + 20, 168, y + 20 + 82}, {});
  list.items = {"Bold Selected", "Client Area",          "Enabled", "Focus Rectangle", "Hot Tracking", "Luna Colors",
                "NoteOne Colors", "Plain Tab Foreground", "Tool Tip", "Wizard Details", "Wizard Pictures"};
  c.push_back(std::move(list));
  c.push_back(Label(p, "Value :", LabelAt(180, y + 20, 44)));
  c.push_back(DropDown(p, "Value", BoxAt(228, y + 20, 80), {"TRUE", "FALSE"}));
  c.push_back(Label(p, "", Rect{180, y + 48, 400, y + 102}, "Description"));
}

void AddExtended(std::vector<PageControl>& c) {
  const int p = kExtended;
  int32_t y = 8;
  c.push_back(Label(p, "Current Tab :", LabelAt(8, y, 94)));
  c.push_back(Label(p, "", LabelAt(kFieldX, y, 40), "Current Tab"));
  c.push_back(Button(p, "Previous", "<", ButtonAt(150, y, 24)));
  c.push_back(Button(p, "Next", ">", ButtonAt(178, y, 24)));
  y += kRow + 4;
  auto row = [&](std::string label, PageControl field) {
    c.push_back(Label(p, std::move(label), LabelAt(8, y, 94)));
    c.push_back(std::move(field));
    y += kRow;
  };
  row("Tab Caption :", TextBox(p, "Tab Caption", BoxAt(kFieldX, y, 200)));
  row("Tab Enabled :", DropDown(p, "Tab Enabled", BoxAt(kFieldX, y, 80), {"TRUE", "FALSE"}));
  row("Tab Password :", TextBox(p, "Tab Password", BoxAt(kFieldX, y, 200)));
  row("Tab ToolTip :", TextBox(p, "Tab ToolTip", BoxAt(kFieldX, y, 290)));
  row("Tag Varient :", TextBox(p, "Tag Varient", BoxAt(kFieldX, y, 200)));
  y += 8;
  c.push_back(Label(p, "Jump to Tab :", LabelAt(8, y, 94)));
  c.push_back(TextBox(p, "Jump to Tab", BoxAt(kFieldX, y, 48)));
  c.push_back(Button(p, "Jump", "Jump", ButtonAt(158, y, 64)));
  y += kRow + 2;
  c.push_back(Label(p, "Remove Tab :", LabelAt(8, y, 94)));
  c.push_back(TextBox(p, "Remove Tab", BoxAt(kFieldX, y, 48)));
  c.push_back(Button(p, "Remove", "Remove", ButtonAt(158, y, 64)));
}

void AddAbout(std::vector<PageControl>& c) {
  const int p = kAbout;
  PageControl name = Label(p, "FolivanTab", Rect{16, 20, 390, 33});
  name.bold = true;
  c.push_back(std::move(name));
  c.push_back(Label(p, "Tabbed-dialog control for Windows forms", Rect{16, 42, 390, 55}));
  c.push_back(Label(p, "Version 1.0", Rect{16, 60, 390, 73}));
  c.push_back(Label(p, "FolivanTabs.ocx, type library FolivanTabs", Rect{16, 78, 390, 91}));
}

void AddControls(std::vector<PageControl>& c) {
  const int p = kControls;
  c.push_back(Label(p, "Helps you micro-align contained controls in a current Tab", Rect{8, 8, 400, 21}));
  int32_t y = 30;
  c.push_back(Label(p, "Contained Controls in Tab :", LabelAt(8, y, 150)));
  c.push_back(DropDown(p, "Contained Controls in Tab", BoxAt(160, y, 160), {}));
  y += kRow + 4;
  c.push_back(Label(p, "Move controls by value :", LabelAt(8, y, 150)));
  c.push_back(TextBox(p, "Move controls by value", BoxAt(160, y, 44), true));
  const char* arrows[] = {"Left", "Right", "Up", "Down"};
  for (int i = 0; i < 4; ++i) c.push_back(Button(p, arrows[i], arrows[i], ButtonAt(212 + i * 46, y, 42)));
  y += kRow + 8;
  const char* values[] = {"Left", "Top", "Height", "Width"};
  for (int i = 0; i < 4; ++i) {
    const int32_t x = i % 2 == 0 ? 8 : 208;
    const int32_t row_y = y + (i / 2) * kRow;
    c.push_back(Label(p, std::string(values[i]) + " :", LabelAt(x, row_y, 48)));
    c.push_back(TextBox(p, std::string(values[i]) + " Value", BoxAt(x + 52, row_y, 72), true));
    c.push_back(Button(p, std::string("Apply ") + values[i], "Apply", ButtonAt(x + 130, row_y, 56)));
  }
  y += 2 * kRow + 4;
  PageControl lock = Make(K::kCheckBox, p, "Lock", Rect{8, y, 100, y + 17}, "Lock");
  c.push_back(std::move(lock));
}

}  // namespace

std::vector<PageControl> MakePageControls() {
  std::vector<PageControl> c;
  AddGeneral(c);
  AddExtended(c);
  AddAbout(c);
  AddControls(c);
  return c;
}

}  // namespace folivan
