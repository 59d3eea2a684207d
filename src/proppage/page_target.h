// A control as the property page reaches it: its public interface by member
// name, as a scripting host does, and the host's collection of its contained
// controls (what its IControls returns). Every call may throw VbError.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "platform/host.h"
#include "platform/variant.h"

namespace folivan {

class FolivanTab;

class PageTarget {
 public:
  virtual ~PageTarget() = default;
  virtual Variant Get(std::string_view member, std::span<Variant> index) = 0;
  virtual void Put(std::string_view member, std::span<Variant> index, const Variant& value) = 0;
  // Arguments received by reference are written back into args.
  virtual void Call(std::string_view method, std::span<Variant> args) = 0;
  virtual std::vector<ContainedControlPtr> IControls() = 0;

  Variant Get(std::string_view member) { return Get(member, {}); }
  void Put(std::string_view member, const Variant& value) { Put(member, {}, value); }
};

// A control of this process reached through the dispatch table by name.
class DispatchTarget : public PageTarget {
 public:
  explicit DispatchTarget(FolivanTab& control) : control_(control) {}
  Variant Get(std::string_view member, std::span<Variant> index) override;
  void Put(std::string_view member, std::span<Variant> index, const Variant& value) override;
  void Call(std::string_view method, std::span<Variant> args) override;
  std::vector<ContainedControlPtr> IControls() override;
  using PageTarget::Get;
  using PageTarget::Put;

 private:
  FolivanTab& control_;
};

}  // namespace folivan
