// The values that cross the control's boundaries: property bag entries, event
// arguments, late-bound properties of contained controls, TagVariant.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

#include "platform/types.h"

namespace folivan {

// A 16-bit VB boolean travels as this type so that it is never confused with
// an integer; true is -1 at the COM and property-bag boundaries.
struct VbBool {
  bool value = false;
  friend bool operator==(const VbBool&, const VbBool&) = default;
};

// An object of the host other than a font or a picture (a control, a form,
// a collection of controls), reached late-bound; what it offers is told by the
// interfaces it implements (platform/host.h).
class Object {
 public:
  virtual ~Object() = default;
};
using ObjectPtr = std::shared_ptr<Object>;

// Empty first: a default-constructed Variant is VT_EMPTY.
using VariantValue = std::variant<std::monostate, VbBool, int16_t, int32_t, double, std::string,
                                  FontDesc, PicturePtr, ObjectPtr>;

struct Variant {
  VariantValue v;

  Variant() = default;
  Variant(VbBool b) : v(b) {}
  Variant(int16_t i) : v(i) {}
  Variant(int32_t l) : v(l) {}
  Variant(double d) : v(d) {}
  Variant(std::string s) : v(std::move(s)) {}
  Variant(const char* s) : v(std::string(s)) {}
  Variant(FontDesc f) : v(std::move(f)) {}
  Variant(PicturePtr p) : v(std::move(p)) {}
  Variant(ObjectPtr o) : v(std::move(o)) {}

  static Variant Bool(bool b) { return Variant(VbBool{b}); }

  bool IsEmpty() const { return std::holds_alternative<std::monostate>(v); }
  template <typename T>
  bool Is() const { return std::holds_alternative<T>(v); }
  template <typename T>
  const T& As() const { return std::get<T>(v); }

  friend bool operator==(const Variant& a, const Variant& b) { return a.v == b.v; }
};

// Conversions with the language runtime's rules; they throw VbError
// (13 type mismatch, 6 overflow) where the runtime would raise one.
int16_t ToInteger(const Variant& value);  // CInt
int32_t ToLong(const Variant& value);     // CLng
bool ToBoolean(const Variant& value);     // CBool
double ToDouble(const Variant& value);    // CDbl
std::string ToText(const Variant& value); // CStr

// The runtime's = as a property bag applies it between a value and its
// default: numbers compare across their types (True equals -1), Empty equals
// 0, "" and Nothing, texts compare exactly, fonts member by member, pictures
// by identity.
bool ValuesEqual(const Variant& a, const Variant& b);

}  // namespace folivan
