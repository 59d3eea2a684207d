#include "page_view.h"

#include <ostream>

#include "console.h"
#include "paint/repaint.h"
#include "platform/headless/classic_controls.h"

namespace folivan::console {

PageView::Instance::Instance(HeadlessSystem& system, int32_t width, int32_t height)
    : surface(system, width, height), host(surface, system), control(host, system), target(control) {
  control.InitProperties();
}

PageView::PageView(Session& session, std::ostream& out) : session_(session), out_(out) {
  strip_ = std::make_unique<Instance>(system_, kStripRect.Width(), kStripRect.Height());
  preview_ = std::make_unique<Instance>(system_, kPreviewRect.Width(), kPreviewRect.Height());
  selected_ = std::make_unique<DispatchTarget>(session_.Control());
  page_ = std::make_unique<Prvsvr>(strip_->target, preview_->target, *this);
}

PageView::~PageView() = default;

void PageView::Open() {
  PageTarget* selected[] = {selected_.get()};
  page_->SelectionChanged(selected);
}

void PageView::SetChanged(bool changed) {
  if (changed) out_ << "changed page\n";
}

namespace {

// What the host's Paint notification shows of an instance.
PixelImage Painted(FolivanTab& control, HostedSurface& surface) {
  Repaint(control);
  if (surface.AutoRedraw()) surface.Refresh();
  return surface.WindowImage();
}

void Blit(PixelImage& dest, const PixelImage& source, int32_t x, int32_t y) {
  for (int32_t row = 0; row < source.height(); ++row) {
    for (int32_t col = 0; col < source.width(); ++col) dest.Set(x + col, y + row, static_cast<RgbColor>(source.Get(col, row) & 0xFFFFFF));
  }
}

ClassicControl AsClassic(const PageControl& c, const Rect& container) {
  ClassicControl out;
  out.rect = Rect{container.left + c.rect.left, container.top + c.rect.top, container.left + c.rect.right,
                  container.top + c.rect.bottom};
  out.text = c.Shown();
  out.enabled = c.enabled;
  out.bold = c.bold;
  switch (c.kind) {
    case PageControlKind::kLabel: out.kind = ClassicKind::kLabel; break;
    case PageControlKind::kTextBox: out.kind = ClassicKind::kTextBox; break;
    case PageControlKind::kDropDown: out.kind = ClassicKind::kCombo; break;
    case PageControlKind::kList:
      out.kind = ClassicKind::kList;
      out.items = c.items;
      out.selected = c.list_index;
      break;
    case PageControlKind::kButton: out.kind = ClassicKind::kButton; break;
    case PageControlKind::kCheckBox:
      out.kind = ClassicKind::kCheckBox;
      out.checked = c.checked;
      break;
  }
  return out;
}

}  // namespace

PixelImage PageView::Render() {
  const ClassicColors colors = ClassicColors::Of(system_);
  PixelImage image(kPageWidth, kPageHeight, colors.face);
  Blit(image, Painted(strip_->control, strip_->surface), kStripRect.left, kStripRect.top);
  // The shown tab's container: a borderless picture box on the strip's client area.
  const int tab = page_->ShownTab();
  FillRect(image, kContainerRect, colors.face);
  if (tab == page_text::kPreview) {
    Blit(image, Painted(preview_->control, preview_->surface), kContainerRect.left + kPreviewRect.left,
         kContainerRect.top + kPreviewRect.top);
  }
  for (const PageControl& c : page_->Controls()) {
    if (c.page == tab) DrawClassicControl(image, AsClassic(c, kContainerRect), colors);
  }
  return image;
}

}  // namespace folivan::console
