// What the control borrows from its language runtime: run-time errors and the
// number conversions CInt and CLng, which round halves to the even neighbour.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace folivan {

// A run-time error reported to the caller of a member (Err.Number, Err.Description).
class VbError : public std::runtime_error {
 public:
  VbError(int number, std::string description)
      : std::runtime_error(description), number_(number), description_(std::move(description)) {}
  int Number() const { return number_; }
  const std::string& Description() const { return description_; }

 private:
  int number_;
  std::string description_;
};

namespace vberr {
constexpr int kOverflow = 6;
constexpr int kSubscriptOutOfRange = 9;
constexpr int kTypeMismatch = 13;
constexpr int kDuplicateKey = 457;
constexpr int kObjectDoesNotSupport = 438;
constexpr int kInvalidProcedureCall = 5;
constexpr int kDivisionByZero = 11;
constexpr int kOutOfStackSpace = 28;
constexpr int kFileNotFound = 53;

VbError Overflow();
VbError SubscriptOutOfRange();
VbError TypeMismatch();
VbError DuplicateKey();
VbError NotSupported();
VbError DivisionByZero();
VbError OutOfStackSpace();
VbError FileNotFound();
}  // namespace vberr

// Round to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);
// CInt: round half to even into 16 bits; overflow raises error 6.
int16_t CInt(double value);
// CLng: round half to even into 32 bits; overflow raises error 6.
// RoundToLong is CLng for every value; CLng takes whole numbers in range at once.
int32_t RoundToLong(double value);
inline int32_t CLng(double value) {
  // A whole number in range, as most pixel positions are, needs no rounding.
  if (value >= -2147483648.0 && value <= 2147483647.0) {
    const auto whole = static_cast<int32_t>(value);
    if (static_cast<double>(whole) == value) return whole;
  }
  return RoundToLong(value);
}
// 32-bit sum that raises the runtime's overflow error instead of wrapping.
int32_t CheckedAdd(int32_t a, int32_t b);

}  // namespace folivan
