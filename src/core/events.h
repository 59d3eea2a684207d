// The events of the control's event interface, by dispatch identifier, with the
// names and types of their (by-reference) arguments.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace folivan {

enum class EventId : int32_t {
  Click = 1,
  TabClick = 2,
  BeforeTabChange = 3,
  TabChange = 4,
  DblClick = 5,
  KeyDown = 6,
  KeyUp = 7,
  KeyPress = 8,
  MouseExit = 9,
  MouseEnter = 10,
  ControlLoaded = 11,
  Resize = 12,
  MouseDown = 13,
  MouseMove = 14,
  MouseUp = 15,
  OLECompleteDrag = 16,
  OLEDragDrop = 17,
  OLEDragOver = 18,
  OLEGiveFeedback = 19,
  OLESetData = 20,
  OLEStartDrag = 21,
  AfterScroll = 22,
  AfterScrollRight = 23,
  AfterScrollLeft = 24,
};

enum class ArgType { kInteger, kLong, kBoolean, kSingle, kDataObject };

struct EventArgInfo {
  std::string_view name;
  ArgType type;
};

struct EventInfo {
  EventId id;
  std::string_view name;
  std::span<const EventArgInfo> args;
};

// All 24 events in identifier order.
std::span<const EventInfo> AllEvents();
const EventInfo* FindEvent(std::string_view name);  // case-insensitive
const EventInfo& GetEventInfo(EventId id);

}  // namespace folivan
