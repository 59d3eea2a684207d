#include "platform/vb_runtime.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "platform/variant.h"

namespace folivan {

namespace vberr {
VbError Overflow() { return VbError(kOverflow, "Overflow"); }
VbError SubscriptOutOfRange() { return VbError(kSubscriptOutOfRange, "Subscript out of range"); }
VbError TypeMismatch() { return VbError(kTypeMismatch, "Type mismatch"); }
VbError DuplicateKey() {
  return VbError(kDuplicateKey, "This key is already associated with an element of this collection");
}
VbError DivisionByZero() { return VbError(kDivisionByZero, "Division by zero"); }
VbError OutOfStackSpace() { return VbError(kOutOfStackSpace, "Out of stack space"); }
VbError FileNotFound() { return VbError(kFileNotFound, "File not found"); }
VbError NotSupported() { return VbError(kObjectDoesNotSupport, "Object doesn't support this property or method"); }
}  // namespace vberr

double RoundHalfEven(double value) {
  // nearbyint uses the current rounding mode, which is round-to-nearest-even
  // unless someone changed it; do it by hand so the result never depends on that.
  // From 2^52 on every double is whole (and NaN and infinities stay as they are).
  if (!(std::fabs(value) < 4503599627370496.0)) return value;
  const auto whole = static_cast<int64_t>(value);  // towards zero
  const int64_t floor_value = static_cast<double>(whole) > value ? whole - 1 : whole;
  const double diff = value - static_cast<double>(floor_value);
  if (diff > 0.5) return static_cast<double>(floor_value + 1);
  if (diff < 0.5) return static_cast<double>(floor_value);
  return static_cast<double>((floor_value & 1) == 0 ? floor_value : floor_value + 1);
}

int16_t CInt(double value) {
  if (std::isnan(value)) throw vberr::Overflow();
  double r = RoundHalfEven(value);
  if (r < std::numeric_limits<int16_t>::min() || r > std::numeric_limits<int16_t>::max()) {
    throw vberr::Overflow();
  }
  return static_cast<int16_t>(r);
}

int32_t RoundToLong(double value) {
  if (std::isnan(value)) throw vberr::Overflow();
  double r = RoundHalfEven(value);
  if (r < std::numeric_limits<int32_t>::min() || r > std::numeric_limits<int32_t>::max()) {
    throw vberr::Overflow();
  }
  return static_cast<int32_t>(r);
}

int32_t CheckedAdd(int32_t a, int32_t b) {
  int64_t sum = static_cast<int64_t>(a) + b;
  if (sum < std::numeric_limits<int32_t>::min() || sum > std::numeric_limits<int32_t>::max()) {
    throw vberr::Overflow();
  }
  return static_cast<int32_t>(sum);
}

namespace {

// Text to number as the runtime's Val-free coercion does it: decimal numbers
// and &H hexadecimal; anything else is a type mismatch.
double TextToNumber(const std::string& text) {
  std::string t;
  for (char c : text) {
    if (c != ' ' && c != '\t') t.push_back(c);
  }
  if (t.empty()) throw vberr::TypeMismatch();
  if (t.size() > 2 && t[0] == '&' && (t[1] == 'H' || t[1] == 'h')) {
    std::string digits = t.substr(2);
    if (!digits.empty() && digits.back() == '&') digits.pop_back();
    if (digits.empty() || digits.size() > 8) throw vberr::TypeMismatch();
    uint32_t n = 0;
    for (char c : digits) {
      int d;
      if (c >= '0' && c <= '9') d = c - '0';
      else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
      else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
      else throw vberr::TypeMismatch();
      n = n * 16 + static_cast<uint32_t>(d);
    }
    // &H values up to 4 digits are Integers, longer ones Longs, both signed.
    if (digits.size() <= 4) return static_cast<int16_t>(n);
    return static_cast<int32_t>(n);
  }
  size_t used = 0;
  double d;
  try {
    d = std::stod(t, &used);
  } catch (const std::exception&) {
    throw vberr::TypeMismatch();
  }
  if (used != t.size()) throw vberr::TypeMismatch();
  return d;
}

}  // namespace

double ToDouble(const Variant& value) {
  struct Visitor {
    double operator()(std::monostate) const { return 0; }
    double operator()(VbBool b) const { return b.value ? -1 : 0; }
    double operator()(int16_t i) const { return i; }
    double operator()(int32_t l) const { return l; }
    double operator()(double d) const { return d; }
    double operator()(const std::string& s) const {
      if (s == "True" || s == "true" || s == "TRUE") return -1;
      if (s == "False" || s == "false" || s == "FALSE") return 0;
      return TextToNumber(s);
    }
    double operator()(const FontDesc&) const { throw vberr::TypeMismatch(); }
    double operator()(const PicturePtr& p) const {
      // A picture's default property is its handle.
      return p ? static_cast<double>(p->Handle()) : 0;
    }
    // Nothing reads as 0; an object has no number of its own here.
    double operator()(const ObjectPtr& o) const {
      if (o) throw vberr::TypeMismatch();
      return 0;
    }
  };
  return std::visit(Visitor{}, value.v);
}

namespace {
bool IsNumeric(const Variant& v) { return v.Is<VbBool>() || v.Is<int16_t>() || v.Is<int32_t>() || v.Is<double>(); }
}  // namespace

bool ValuesEqual(const Variant& a, const Variant& b) {
  if (a.IsEmpty() && b.IsEmpty()) return true;
  if (a.IsEmpty() || b.IsEmpty()) {
    const Variant& other = a.IsEmpty() ? b : a;
    if (IsNumeric(other)) return ToDouble(other) == 0;
    if (other.Is<std::string>()) return other.As<std::string>().empty();
    if (other.Is<PicturePtr>()) return other.As<PicturePtr>() == nullptr;
    if (other.Is<ObjectPtr>()) return other.As<ObjectPtr>() == nullptr;
    return false;
  }
  if (IsNumeric(a) && IsNumeric(b)) return ToDouble(a) == ToDouble(b);
  if (a.Is<std::string>() && b.Is<std::string>()) return a.As<std::string>() == b.As<std::string>();
  if (a.Is<FontDesc>() && b.Is<FontDesc>()) return a.As<FontDesc>() == b.As<FontDesc>();
  if (a.Is<PicturePtr>() && b.Is<PicturePtr>()) return a.As<PicturePtr>() == b.As<PicturePtr>();
  if (a.Is<ObjectPtr>() && b.Is<ObjectPtr>()) return a.As<ObjectPtr>() == b.As<ObjectPtr>();
  return false;
}

int16_t ToInteger(const Variant& value) { return CInt(ToDouble(value)); }
int32_t ToLong(const Variant& value) { return CLng(ToDouble(value)); }
bool ToBoolean(const Variant& value) {
  if (value.Is<VbBool>()) return value.As<VbBool>().value;
  return ToDouble(value) != 0;
}

std::string ToText(const Variant& value) {
  struct Visitor {
    std::string operator()(std::monostate) const { return {}; }
    std::string operator()(VbBool b) const { return b.value ? "True" : "False"; }
    std::string operator()(int16_t i) const { return std::to_string(i); }
    std::string operator()(int32_t l) const { return std::to_string(l); }
    std::string operator()(double d) const {
      if (d == std::floor(d) && std::fabs(d) < 1e15) return std::to_string(static_cast<int64_t>(d));
      char buf[64];
      std::snprintf(buf, sizeof buf, "%.15g", d);
      return buf;
    }
    std::string operator()(const std::string& s) const { return s; }
    std::string operator()(const FontDesc& f) const { return f.name; }
    std::string operator()(const PicturePtr& p) const {
      return std::to_string(p ? static_cast<int64_t>(p->Handle()) : 0);
    }
    std::string operator()(const ObjectPtr&) const { throw vberr::TypeMismatch(); }
  };
  return std::visit(Visitor{}, value.v);
}

}  // namespace folivan
