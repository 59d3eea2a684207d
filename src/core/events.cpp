#include "core/events.h"

#include "core/text.h"

namespace folivan {

namespace {

constexpr EventArgInfo kTabClick[] = {{"cTab", ArgType::kInteger}};
constexpr EventArgInfo kBeforeTabChange[] = {{"NewTab", ArgType::kInteger}, {"Cancel", ArgType::kBoolean}};
constexpr EventArgInfo kTabChange[] = {{"LastTab", ArgType::kInteger}, {"NewTab", ArgType::kInteger}};
constexpr EventArgInfo kKey[] = {{"KeyCode", ArgType::kInteger}, {"Shift", ArgType::kInteger}};
constexpr EventArgInfo kKeyPress[] = {{"KeyAscii", ArgType::kInteger}};
constexpr EventArgInfo kMouse[] = {{"Button", ArgType::kInteger},
                                   {"Shift", ArgType::kInteger},
                                   {"X", ArgType::kSingle},
                                   {"Y", ArgType::kSingle}};
constexpr EventArgInfo kCompleteDrag[] = {{"Effect", ArgType::kLong}};
constexpr EventArgInfo kDragDrop[] = {{"Data", ArgType::kDataObject}, {"Effect", ArgType::kLong},
                                      {"Button", ArgType::kInteger},  {"Shift", ArgType::kInteger},
                                      {"X", ArgType::kSingle},        {"Y", ArgType::kSingle}};
constexpr EventArgInfo kDragOver[] = {{"Data", ArgType::kDataObject}, {"Effect", ArgType::kLong},
                                      {"Button", ArgType::kInteger},  {"Shift", ArgType::kInteger},
                                      {"X", ArgType::kSingle},        {"Y", ArgType::kSingle},
                                      {"state", ArgType::kInteger}};
constexpr EventArgInfo kGiveFeedback[] = {{"Effect", ArgType::kLong}, {"DefaultCursors", ArgType::kBoolean}};
constexpr EventArgInfo kSetData[] = {{"Data", ArgType::kDataObject}, {"DataFormat", ArgType::kInteger}};
constexpr EventArgInfo kStartDrag[] = {{"Data", ArgType::kDataObject}, {"AllowedEffects", ArgType::kLong}};

constexpr std::span<const EventArgInfo> kNone{};

const EventInfo kEvents[] = {
    {EventId::Click, "Click", kNone},
    {EventId::TabClick, "TabClick", kTabClick},
    {EventId::BeforeTabChange, "BeforeTabChange", kBeforeTabChange},
    {EventId::TabChange, "TabChange", kTabChange},
    {EventId::DblClick, "DblClick", kNone},
    {EventId::KeyDown, "KeyDown", kKey},
    {EventId::KeyUp, "KeyUp", kKey},
    {EventId::KeyPress, "KeyPress", kKeyPress},
    {EventId::MouseExit, "MouseExit", kNone},
    {EventId::MouseEnter, "MouseEnter", kNone},
    {EventId::ControlLoaded, "ControlLoaded", kNone},
    {EventId::Resize, "Resize", kNone},
    {EventId::MouseDown, "MouseDown", kMouse},
    {EventId::MouseMove, "MouseMove", kMouse},
    {EventId::MouseUp, "MouseUp", kMouse},
    {EventId::OLECompleteDrag, "OLECompleteDrag", kCompleteDrag},
    {EventId::OLEDragDrop, "OLEDragDrop", kDragDrop},
    {EventId::OLEDragOver, "OLEDragOver", kDragOver},
    {EventId::OLEGiveFeedback, "OLEGiveFeedback", kGiveFeedback},
    {EventId::OLESetData, "OLESetData", kSetData},
    {EventId::OLEStartDrag, "OLEStartDrag", kStartDrag},
    {EventId::AfterScroll, "AfterScroll", kNone},
    {EventId::AfterScrollRight, "AfterScrollRight", kNone},
    {EventId::AfterScrollLeft, "AfterScrollLeft", kNone},
};

}  // namespace

std::span<const EventInfo> AllEvents() { return kEvents; }

const EventInfo* FindEvent(std::string_view name) {
  for (const EventInfo& e : kEvents) {
    if (EqualsIgnoreCase(e.name, name)) return &e;
  }
  return nullptr;
}

const EventInfo& GetEventInfo(EventId id) { return kEvents[static_cast<int32_t>(id) - 1]; }

}  // namespace folivan
