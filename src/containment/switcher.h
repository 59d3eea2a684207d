// Which contained control belongs to which tab, and the moving of controls
// in and out of sight when the current tab changes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/host.h"

namespace folivan {
class FolivanTab;

// Hidden controls are pushed 75000 units to the left; a control whose Left is
// -10000 or less counts as out of sight.
constexpr int32_t HideOffset = 75000;
constexpr int32_t HiddenThreshold = -10000;

// Late-bound reads of a contained control's property: a missing member or a
// value that does not convert gives nothing, so callers skip that step.
std::optional<double> ReadNumber(const ContainedControl& ctl, std::string_view name);
std::optional<bool> ReadFlag(const ContainedControl& ctl, std::string_view name);

std::string GetControlID(const ContainedControl& control);
bool IsControlOnTab(const FolivanTab& control, int16_t tab, const std::string& control_id);
// Moves the controls of PreviousTab out of sight and those of CurrentTab back.
void SwitchTabControls(FolivanTab& control);
// Rebuilds the current tab's list from the controls in sight (before a save).
void RecordCurrentTabControls(FolivanTab& control);
}  // namespace folivan
