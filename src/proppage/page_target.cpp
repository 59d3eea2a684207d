#include "proppage/page_target.h"

#include <string>

#include "core/dispatch.h"
#include "core/folivan_tab.h"
#include "platform/vb_runtime.h"

namespace folivan {

namespace {

const MemberInfo& Member(std::string_view name) {
  const MemberInfo* m = FindMember(name);
  if (m == nullptr) throw VbError(438, "Object doesn't support this property or method");
  return *m;
}

}  // namespace

Variant DispatchTarget::Get(std::string_view member, std::span<Variant> index) {
  return GetMember(control_, Member(member), index);
}

void DispatchTarget::Put(std::string_view member, std::span<Variant> index, const Variant& value) {
  PutMember(control_, Member(member), index, value);
}

void DispatchTarget::Call(std::string_view method, std::span<Variant> args) {
  CallMember(control_, Member(method), args);
}

std::vector<ContainedControlPtr> DispatchTarget::IControls() { return control_.GetHost().ContainedControls(); }

}  // namespace folivan
