// pixels_dump.exe OUTDIR [themed]: draws every case of tests/support/drawing_list.h
// (with "themed", the themed cases, for a run with the visual style on) with
// the Win32 GDI surface (a memory bitmap compatible with the screen, as the
// control's persistent image is) and writes each image as OUTDIR/<case>.bmp
// (32 bits per pixel, top-down). OUTDIR/environment.txt records what the
// headless side needs to repeat the drawing: the system colours, the Windows
// version and whether a visual style is active.
//
// Run under Wine by scripts/wine-tests.sh; tests/raster/gdi_reference_test.cpp
// compares the images with the headless surface's.
#include "platform/win32/win32_api.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "core/folivan_tab.h"
#include "paint/colors.h"
#include "platform/win32/resource_pictures.h"
#include "platform/win32/win32_host.h"
#include "platform/win32/win32_system.h"
#include "support/drawing_list.h"
#include "support/recording_surface.h"

namespace {

using namespace folivan;

// A container that answers nothing: run time, button-face background.
class SilentContainer : public win32::ContainerLink {
 public:
  std::optional<bool> AmbientUserMode() override { return std::nullopt; }
  std::optional<OleColor> AmbientBackColor() override { return std::nullopt; }
  void PropertyChanged(std::string_view) override {}
  void RaiseEvent(int32_t, std::span<Variant>) override {}
  std::optional<Variant> ExtenderGet(std::string_view) override { return std::nullopt; }
  bool ExtenderSet(std::string_view, const Variant&) override { return false; }
  std::optional<Variant> ParentGet(std::string_view) override { return std::nullopt; }
};

// The Win32 host with its surface seen through a RecordingSurface, so that the
// rectangles of the captions' DrawText calls can be written out.
class RecordingHost : public Host {
 public:
  explicit RecordingHost(win32::Win32Host& inner) : inner_(inner), surface(inner.Win32()) {}
  Surface& GetSurface() override { return surface; }
  bool AmbientUserMode() const override { return inner_.AmbientUserMode(); }
  OleColor AmbientBackColor() const override { return inner_.AmbientBackColor(); }
  void PropertyChanged(std::string_view name) override { inner_.PropertyChanged(name); }
  void RaiseEvent(int32_t dispid, std::span<Variant> args) override { inner_.RaiseEvent(dispid, args); }
  std::string InputBox(std::string_view prompt, std::string_view title) override {
    return inner_.InputBox(prompt, title);
  }
  int32_t MsgBox(std::string_view text, int32_t style, std::string_view title) override {
    return inner_.MsgBox(text, style, title);
  }
  std::optional<Variant> ExtenderGet(std::string_view name) const override { return inner_.ExtenderGet(name); }
  bool ExtenderSet(std::string_view name, const Variant& value) override { return inner_.ExtenderSet(name, value); }
  std::optional<Variant> ParentGet(std::string_view name) const override { return inner_.ParentGet(name); }
  std::vector<ContainedControlPtr> ContainedControls() override { return inner_.ContainedControls(); }

 private:
  win32::Win32Host& inner_;

 public:
  testing::RecordingSurface surface;
};

// The pixels of the bitmap selected into dc, top row first, as 0x00RRGGBB (BMP order).
std::vector<uint32_t> ReadPixels(HDC dc, int width, int height) {
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  // GetDIBits wants a bitmap that no DC holds: copy the image into a second one.
  HDC copy_dc = CreateCompatibleDC(dc);
  HBITMAP copy = CreateCompatibleBitmap(dc, width, height);
  HGDIOBJ old = SelectObject(copy_dc, copy);
  BitBlt(copy_dc, 0, 0, width, height, dc, 0, 0, SRCCOPY);
  SelectObject(copy_dc, old);
  GetDIBits(copy_dc, copy, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(copy);
  DeleteDC(copy_dc);
  return pixels;
}

template <typename T>
void Put(std::ofstream& out, T value) {
  out.write(reinterpret_cast<const char*>(&value), sizeof(value));
}

bool WriteBmp(const std::string& path, int width, int height, const std::vector<uint32_t>& pixels) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  const uint32_t image_bytes = static_cast<uint32_t>(pixels.size() * 4);
  const uint32_t offset = 14 + 40;
  out.write("BM", 2);
  Put<uint32_t>(out, offset + image_bytes);
  Put<uint32_t>(out, 0);
  Put<uint32_t>(out, offset);
  Put<uint32_t>(out, 40);
  Put<int32_t>(out, width);
  Put<int32_t>(out, -height);  // top-down
  Put<uint16_t>(out, 1);
  Put<uint16_t>(out, 32);
  Put<uint32_t>(out, 0);  // BI_RGB
  Put<uint32_t>(out, image_bytes);
  Put<int32_t>(out, 3780);
  Put<int32_t>(out, 3780);
  Put<uint32_t>(out, 0);
  Put<uint32_t>(out, 0);
  for (uint32_t p : pixels) Put<uint32_t>(out, p & 0x00FFFFFFu);
  return static_cast<bool>(out);
}

void WriteEnvironment(const std::string& path, win32::Win32System& system) {
  std::ofstream out(path, std::ios::trunc);
  for (int i = 0; i < 31; ++i) out << "syscolor " << i << ' ' << system.GetSysColor(i) << '\n';
  const WindowsVersion v = system.GetVersionEx();
  out << "version " << v.major << ' ' << v.minor << ' ' << v.build << ' ' << v.platform_id << '\n';
  if (auto theme = system.GetCurrentThemeName()) {
    out << "theme " << theme->file << '|' << theme->color << '\n';
  } else {
    out << "theme none\n";
  }
}

// The rectangles of the DrawText calls of the last drawing, the caption
// rectangles of the tabs, and the width GDI measures for each caption in the
// surface's font: the headless side leaves the union of both platforms' text
// rectangles out of the comparison and reports where the captions' differ.
void WriteTextRects(const std::string& path, FolivanTab& control, testing::RecordingSurface& surface) {
  std::ofstream out(path, std::ios::trunc);
  for (const Rect& r : surface.text_rects) out << "text " << r.left << ' ' << r.top << ' ' << r.right << ' ' << r.bottom << '\n';
  for (const TabRecord& t : control.State().tabs) {
    out << "tab " << t.TAL << ' ' << t.TAT << ' ' << t.TAR << ' ' << t.TAB << ' '
        << surface.TextWidth(t.Caption) << '\n';
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: pixels_dump OUTDIR [themed]\n");
    return 2;
  }
  const std::string dir = win32::Narrow(argv[1]);
  CreateDirectoryW(argv[1], nullptr);
  OleInitialize(nullptr);
  // The wizard page's pictures, from this program's copies of the control's
  // bitmap resources (the headless side reads the PNG files).
  win32::InstallModuleResourcePictures(GetModuleHandleW(nullptr));
  win32::Win32System system;
  WriteEnvironment(dir + "/environment.txt", system);

  // "themed": the cases drawn with the visual style on (the prefix's ThemeActive set).
  const bool themed = argc >= 3 && std::wstring(argv[2]) == L"themed";
  int written = 0;
  int failed = 0;
  for (const drawing_list::DrawingCase& c : themed ? drawing_list::ThemedCases() : drawing_list::DrawingCases()) {
    SharedThemePalette() = ThemePalette{};
    SharedPlatformFlags() = PlatformFlags{};
    SilentContainer container;
    win32::Win32Host win32_host(container);
    win32::Win32Surface& surface = win32_host.Win32();
    RecordingHost host(win32_host);
    surface.SetScaleMode(ScaleMode::kPixels);
    surface.Resize(c.width, c.height);
    {
      FolivanTab control(host, system);
      control.InitProperties();
      host.surface.text_rects.clear();
      if (themed) {
        drawing_list::DrawThemedCase(c, host.surface, control);
      } else {
        drawing_list::DrawCase(c, host.surface, control);
      }
      if (c.kind == drawing_list::CaseKind::kControl) {
        WriteTextRects(dir + "/" + c.name + ".txt", control, host.surface);
      }
      HDC dc = reinterpret_cast<HDC>(surface.Hdc());
      const std::vector<uint32_t> pixels = ReadPixels(dc, surface.PixelWidth(), surface.PixelHeight());
      if (WriteBmp(dir + "/" + c.name + ".bmp", surface.PixelWidth(), surface.PixelHeight(), pixels)) {
        ++written;
      } else {
        ++failed;
        std::fprintf(stderr, "cannot write %s\n", c.name.c_str());
      }
    }
  }
  std::printf("pixels_dump: %d images written to %s, %d failed\n", written, dir.c_str(), failed);
  OleUninitialize();
  return failed == 0 ? 0 : 1;
}
