// A literal of the console's scripts, read as the headless console reads it,
// as the VARIANT a Basic caller would pass (VT_ERROR for text that is none).
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "com_objects.h"
#include "script_values.h"
#include "wine_check.h"

inline VARIANT Literal(const std::string& text) {
  VARIANT r;
  VariantInit(&r);
  V_VT(&r) = VT_ERROR;
  std::optional<folivan::Variant> literal = folivan::console::ParseValue(text);
  if (!literal) return r;
  const folivan::VariantValue& v = literal->v;
  if (const auto* b = std::get_if<folivan::VbBool>(&v)) r = com::Value(VT_BOOL, b->value ? -1 : 0);
  if (const auto* i = std::get_if<int16_t>(&v)) r = com::Value(VT_I2, *i);
  if (const auto* l = std::get_if<int32_t>(&v)) r = com::Value(VT_I4, *l);
  if (const auto* t = std::get_if<std::string>(&v)) r = com::Text(wine_check::Widen(*t).c_str());
  if (const auto* d = std::get_if<double>(&v)) {
    V_VT(&r) = VT_R8;
    V_R8(&r) = *d;
  }
  if (std::holds_alternative<folivan::PicturePtr>(v)) {
    V_VT(&r) = VT_DISPATCH;  // Nothing
    V_DISPATCH(&r) = nullptr;
  }
  return r;
}
