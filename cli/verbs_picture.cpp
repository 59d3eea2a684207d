// Script verbs that picture the control: render and the tooltip window.
#include "verbs.h"

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

// render FILE.png [as-shown]: as-shown pictures the window as it is, without
// the repaint that wipes the hot looks.
void RunRender(Line& line) {
  const bool as_shown = line.words.size() == 3 && line.words[2] == "as-shown";
  if (line.words.size() != 2 && !as_shown) line.Fail("expected: render FILE.png [as-shown]");
  std::string path = line.words[1];
  if (path.size() >= 2 && path.front() == '"') path = line.Value(path).As<std::string>();
  line.Reporting([&] { RenderToPng(line.session, path, true, as_shown); });
}

void RunTip(Line& line) {
  FolivanTab& control = line.Control();
  // The tooltip of the hot tab.
  if (line.words.size() != 1) line.Fail("expected: tip");
  const auto& tip = control.State().input.Tip;
  if (!tip) {
    line.out << "tip none\n";
  } else {
    line.out << "tip Style=" << tip->Style() << " Title=" << Quote(tip->Title()) << " Icon=" << tip->Icon()
         << " TipText=" << Quote(tip->TipText()) << " Window=" << (tip->HasWindow() ? "yes" : "no") << "\n";
    // The tooltip window as the platform holds it, and how many there are.
    const HeadlessTooltips& tooltips = line.session.System().Tooltips();
    if (const HeadlessTooltips::Tooltip* w = tooltips.Find(tip->Window())) {
      line.out << "tip window Class=" << Quote(line.session.System().FindWindow(tip->Window())->class_name)
           << " WindowStyle=" << w->style << " Topmost=" << (w->topmost ? "yes" : "no")
           << " Owner=" << (w->owner == control.hwnd() ? "control" : "other") << " Title=" << Quote(w->title)
           << " Icon=" << w->icon << " Tools=" << w->tools.size();
      if (!w->tools.empty()) {
        const ToolInfo& tool = w->tools.front();
        line.out << " ToolRect=" << tool.rect.left << "," << tool.rect.top << "," << tool.rect.right << ","
             << tool.rect.bottom << " ToolText=" << Quote(tool.text);
      }
      line.out << " Windows=" << tooltips.Windows().size() << "\n";
    }
  }
}

}  // namespace

std::span<const Verb> PictureVerbs() {
  static const Verb verbs[] = {
    {"render", RunRender},
    {"tip", RunTip},
  };
  return verbs;
}

}  // namespace folivan::console
