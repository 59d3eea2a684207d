// The property page as the headless designer opens it on the console's
// control: the page's logic with its strip and preview instances, each over
// its own headless host, and the page's frame that reports Changed.
#pragma once

#include <iosfwd>
#include <memory>

#include "core/folivan_tab.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/hosted_surface.h"
#include "platform/headless/raster.h"
#include "proppage/prvsvr.h"

namespace folivan::console {

class Session;

class PageView : public PageSite {
 public:
  // Changed = true prints `changed page` on out.
  PageView(Session& session, std::ostream& out);
  ~PageView() override;

  Prvsvr& Page() { return *page_; }
  // The designer selects the console's control: SelectionChanged.
  void Open();
  void SetChanged(bool changed) override;

  // The page as a person sees it: the strip, the shown tab's container and
  // its standard controls (and the preview instance on the Preview tab).
  PixelImage Render();

 private:
  // One instance of the control that the page owns (strip or preview), silent.
  struct Instance {
    Instance(HeadlessSystem& system, int32_t width, int32_t height);
    HostedSurface surface;
    HeadlessHost host;
    FolivanTab control;
    DispatchTarget target;
  };

  Session& session_;
  std::ostream& out_;
  HeadlessSystem system_;  // the page's own window system, apart from the form's
  std::unique_ptr<Instance> strip_;
  std::unique_ptr<Instance> preview_;
  std::unique_ptr<DispatchTarget> selected_;
  std::unique_ptr<Prvsvr> page_;
};

}  // namespace folivan::console
