#pragma once
// A page sink that draws nothing and only counts pages: the build packet is laid out once on it
// to learn how many pages it has, so that every page can say "page N of M".
#include "platform/page_sink.h"

namespace varnloft {

class NullCanvas : public Canvas {
 public:
  NullCanvas(int width, int height) : width_(width), height_(height) {}
  void SetPenColor(Rgb) override {}
  void SetPenWidth(int) override {}
  void SetFontName(const std::string&) override {}
  void SetFontSize(int) override {}
  void SetFontColor(Rgb) override {}
  int Width() const override { return width_; }
  int Height() const override { return height_; }

 protected:
  void DoMoveTo(int, int) override {}
  void DoLineTo(int, int) override {}
  void DoRectangle(int, int, int, int) override {}
  void DoEllipse(int, int, int, int) override {}
  void DoTextOut(int, int, const std::string&) override {}
  void DoFillPolygon(const std::vector<PixelPoint>&, Rgb) override {}

 private:
  int width_, height_;
};

class CountingPageSink : public PageSink {
 public:
  CountingPageSink(int pageWidth, int pageHeight) : canvas_(pageWidth, pageHeight) {}
  void BeginDocument() override { pages_ = 1; }
  Canvas& PageCanvas() override { return canvas_; }
  int PageWidth() const override { return canvas_.Width(); }
  int PageHeight() const override { return canvas_.Height(); }
  void NewPage() override { ++pages_; }
  void EndDocument() override {}
  int Pages() const { return pages_; }

 private:
  NullCanvas canvas_;
  int pages_ = 0;
};

}  // namespace varnloft
