// Fuzz target: a form file is parsed, the control is loaded from it as a
// host would load it, the form is serialized again and parsed once more.
// A broken form may raise FormError (a clear message); anything else -- a
// crash, a sanitizer report, another exception -- is a finding.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/folivan_tab.h"
#include "platform/headless/form_host.h"
#include "platform/headless/hosted_surface.h"
#include "platform/vb_runtime.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace folivan;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    FormHost form(FormDocument::Parse(bytes, "fuzz.frm"), "");
    HeadlessSystem system;
    HostedSurface surface(system, 64, 48);
    HeadlessHost host(surface, system);
    form.PopulateHost(host);
    FolivanTab control(host, system);
    form.LoadControl(control);
    control.Show();
    control.SetCurrentTab(static_cast<int16_t>(control.Tabs() - 1));
    std::string again = form.Document().Serialize();
    FormDocument::Parse(again, "again.frm");
  } catch (const FormError&) {
  } catch (const VbError&) {
    // A value the control refuses (an overflowing tab count, say) is the runtime's error.
  }
  return 0;
}
