// The visual style of the headless platform: a built-in rendition of the parts
// the control asks a theme for (tab items, the tab pane, scroll-bar arrow
// buttons), drawn as Wine's own "light" style draws them through uxtheme.
#pragma once

#include <optional>
#include <string>

#include "platform/surface.h"
#include "platform/types.h"

namespace folivan::theme_parts {

// The theme classes the rendition knows. "ExplorerBar" has no part drawn
// here: it is opened only to learn the colour scheme.
enum class ThemeClass { kTab, kScrollBar, kExplorerBar };

// The first class of a class list ("TAB", "Tab;Window") that the rendition
// knows, compared without regard to case.
std::optional<ThemeClass> ClassOf(const std::string& class_list);

// Draws one part in one state over rect with the surface's drawing calls.
// False, with nothing drawn, for a part, state or size the rendition does not
// have: TAB part 1 (TABP_TABITEM) states 1 to 5 from 4 x 12 pixels, part 9
// (TABP_PANE) state 1 from 6 x 6, SCROLLBAR part 1 (SBP_ARROWBTN) states 9 to
// 16 (left and right) from 16 x 16 to 20 x 20.
bool DrawPart(Surface& surface, ThemeClass theme_class, int part, int state, const Rect& rect);

}  // namespace folivan::theme_parts
