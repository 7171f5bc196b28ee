#include "platform/recording_canvas.h"

#include "platform/json_text.h"

namespace varnloft {

namespace {
std::string Num(int v) {
  return std::to_string(v);
}

CanvasOp MakeOp(CanvasOp::Kind kind, int x1 = 0, int y1 = 0, int x2 = 0, int y2 = 0) {
  CanvasOp op;
  op.kind = kind;
  op.x1 = x1;
  op.y1 = y1;
  op.x2 = x2;
  op.y2 = y2;
  return op;
}
}  // namespace

std::string OpToJson(const CanvasOp& op) {
  using K = CanvasOp::Kind;
  switch (op.kind) {
    case K::MoveTo:
      return "{\"op\":\"moveto\",\"x\":" + Num(op.x1) + ",\"y\":" + Num(op.y1) + "}";
    case K::LineTo:
      return "{\"op\":\"lineto\",\"x\":" + Num(op.x1) + ",\"y\":" + Num(op.y1) + "}";
    case K::Rect:
    case K::Ellipse:
      return std::string("{\"op\":\"") + (op.kind == K::Rect ? "rect" : "ellipse") +
             "\",\"x1\":" + Num(op.x1) + ",\"y1\":" + Num(op.y1) + ",\"x2\":" + Num(op.x2) +
             ",\"y2\":" + Num(op.y2) + "}";
    case K::Text:
      return "{\"op\":\"text\",\"x\":" + Num(op.x1) + ",\"y\":" + Num(op.y1) +
             ",\"text\":" + JsonQuote(op.text) + "}";
    case K::Pen:
      return "{\"op\":\"pen\",\"color\":\"" + HexColor(op.color) + "\",\"width\":" + Num(op.size) +
             "}";
    case K::Font:
      return "{\"op\":\"font\",\"name\":" + JsonQuote(op.text) + ",\"size\":" + Num(op.size) +
             ",\"color\":\"" + HexColor(op.color) + "\"}";
    case K::Page:
      return "{\"op\":\"page\",\"number\":" + Num(op.x1) + ",\"width\":" + Num(op.x2) +
             ",\"height\":" + Num(op.y2) + "}";
    case K::Polygon: {
      std::string json =
          "{\"op\":\"polygon\",\"color\":\"" + HexColor(op.color) + "\",\"points\":[";
      for (size_t i = 0; i < op.points.size(); ++i)
        json += (i ? ",[" : "[") + Num(op.points[i].x) + "," + Num(op.points[i].y) + "]";
      return json + "]}";
    }
  }
  return "{}";
}

void RecordingCanvas::PushPen() {
  CanvasOp op = MakeOp(CanvasOp::Kind::Pen);
  op.color = penColor_;
  op.size = penWidth_;
  ops_.push_back(op);
}

void RecordingCanvas::PushFont() {
  CanvasOp op = MakeOp(CanvasOp::Kind::Font);
  op.text = fontName_;
  op.size = fontSize_;
  op.color = fontColor_;
  ops_.push_back(op);
}

void RecordingCanvas::SetPenColor(Rgb c) {
  penColor_ = c;
  PushPen();
}
void RecordingCanvas::SetPenWidth(int w) {
  penWidth_ = w;
  PushPen();
}
void RecordingCanvas::SetFontName(const std::string& name) {
  fontName_ = name;
  PushFont();
}
void RecordingCanvas::SetFontSize(int points) {
  fontSize_ = points;
  PushFont();
}
void RecordingCanvas::SetFontColor(Rgb c) {
  fontColor_ = c;
  PushFont();
}

void RecordingCanvas::BeginPage(int number, int width, int height) {
  CanvasOp op = MakeOp(CanvasOp::Kind::Page);
  op.x1 = number;
  op.x2 = width;
  op.y2 = height;
  width_ = width;
  height_ = height;
  ops_.push_back(op);
}

void RecordingCanvas::DoMoveTo(int x, int y) {
  CanvasOp op = MakeOp(CanvasOp::Kind::MoveTo);
  op.x1 = x;
  op.y1 = y;
  ops_.push_back(op);
}
void RecordingCanvas::DoLineTo(int x, int y) {
  CanvasOp op = MakeOp(CanvasOp::Kind::LineTo);
  op.x1 = x;
  op.y1 = y;
  ops_.push_back(op);
}
void RecordingCanvas::DoRectangle(int x1, int y1, int x2, int y2) {
  ops_.push_back(MakeOp(CanvasOp::Kind::Rect, x1, y1, x2, y2));
}
void RecordingCanvas::DoEllipse(int x1, int y1, int x2, int y2) {
  ops_.push_back(MakeOp(CanvasOp::Kind::Ellipse, x1, y1, x2, y2));
}
void RecordingCanvas::DoTextOut(int x, int y, const std::string& text) {
  CanvasOp op = MakeOp(CanvasOp::Kind::Text);
  op.x1 = x;
  op.y1 = y;
  op.text = text;
  ops_.push_back(op);
}

void RecordingCanvas::DoFillPolygon(const std::vector<PixelPoint>& corners, Rgb fill) {
  CanvasOp op = MakeOp(CanvasOp::Kind::Polygon);
  op.color = fill;
  op.points = corners;
  ops_.push_back(op);
}

std::string RecordingCanvas::ToJsonLines() const {
  std::string out;
  for (const auto& op : ops_) out += OpToJson(op) + "\n";
  return out;
}

std::vector<std::string> RecordingCanvas::Texts() const {
  std::vector<std::string> texts;
  for (const auto& op : ops_)
    if (op.kind == CanvasOp::Kind::Text) texts.push_back(op.text);
  return texts;
}

}  // namespace varnloft
