// The standard controls of Windows drawn as the classic look draws them at
// 96 dpi (3-D borders of the button-face scheme, Tahoma 8): labels, text
// boxes, command buttons, check boxes, option buttons, frames, list and combo
// boxes, picture boxes, shapes, lines and images. Used by the pictures of
// forms and of the property page.
#pragma once

#include <string>
#include <vector>

#include "platform/headless/raster.h"
#include "platform/system.h"
#include "platform/types.h"

namespace folivan {

enum class ClassicKind { kLabel, kTextBox, kButton, kCheckBox, kOption, kFrame, kList, kCombo, kPictureBox, kShape, kImage };

struct ClassicControl {
  ClassicKind kind = ClassicKind::kLabel;
  Rect rect;                       // pixels of the image
  std::string text;                // caption, or the text of a text box or combo box
  std::vector<std::string> items;  // list box entries
  int selected = -1;               // the list box's chosen entry
  bool checked = false;            // check box, option button
  bool enabled = true;
  int alignment = 0;               // 0 left, 1 right, 2 centre (labels, text boxes)
  bool bold = false;
  bool border = true;              // text boxes, picture boxes: the sunken 3-D border
  bool opaque = true;              // labels: fill the back colour first
  PixelImage picture;              // an image's or picture box's picture, if any
};

// The classic scheme's colours as the system reports them.
struct ClassicColors {
  RgbColor face, shadow, highlight, dark_shadow, light, window, window_text, button_text, gray_text, selection,
      selection_text;
  static ClassicColors Of(const System& system);
};

void DrawClassicControl(PixelImage& image, const ClassicControl& control, const ClassicColors& colors);
// A line control: a one-pixel line from (x1, y1) to (x2, y2), its end point included.
void DrawClassicLine(PixelImage& image, Point from, Point to, RgbColor color);

}  // namespace folivan
