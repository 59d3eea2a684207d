// The control's font as one StdFont object that lives as long as the control:
// every read of Font gives the same object, and a change made through it
// (c.Font.Bold = True) comes back through its IPropertyNotifySink and is
// applied to the control as a write of Font.
#pragma once

#include "platform/win32/win32_api.h"

#include <functional>

#include "platform/types.h"

namespace folivan::activex {

class LiveFont {
 public:
  explicit LiveFont(std::function<void(const FontDesc&)> on_change);
  LiveFont(const LiveFont&) = delete;
  LiveFont& operator=(const LiveFont&) = delete;
  ~LiveFont();

  // The object, brought in line with the control's font `current` first
  // (AddRef'ed); nullptr when no font object can be made.
  IFontDisp* Get(const FontDesc& current);

 private:
  class Sink;
  void Changed();

  std::function<void(const FontDesc&)> on_change_;
  IFont* font_ = nullptr;
  Sink* sink_ = nullptr;
  IConnectionPoint* point_ = nullptr;
  DWORD cookie_ = 0;
  bool updating_ = false;
};

}  // namespace folivan::activex
