// Late-bound access to the control's public interface by member name: what a
// scripting host does through IDispatch. Used by the console and the tests.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "platform/variant.h"

namespace folivan {
class FolivanTab;

enum class ValueKind { kNone, kInteger, kLong, kBoolean, kColor, kText, kPicture, kFont, kVariant, kObject };

struct ParamInfo {
  std::string_view name;
  ValueKind kind;
  bool optional = false;
};

struct MemberInfo {
  std::string_view name;
  int32_t dispid;
  bool is_method;
  bool can_get;
  bool can_put;
  ValueKind type;                 // property type, or the method's result (kNone: none)
  std::vector<ParamInfo> params;  // method arguments, or a property's index
};

std::span<const MemberInfo> AllMembers();
// Case-insensitive, as the runtime binds names.
const MemberInfo* FindMember(std::string_view name);

// Each may throw VbError (a member's own error, or 13 for an argument of the wrong type).
Variant GetMember(FolivanTab& control, const MemberInfo& member, std::span<Variant> index);
void PutMember(FolivanTab& control, const MemberInfo& member, std::span<Variant> index, const Variant& value);
// Arguments received by reference are written back into args.
Variant CallMember(FolivanTab& control, const MemberInfo& member, std::span<Variant> args);

}  // namespace folivan
