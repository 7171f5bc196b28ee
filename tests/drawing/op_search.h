#pragma once
// Finding figures in a recorded drawing by their pixel coordinates.
#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/recording_canvas.h"

namespace varnloft::testing {

struct Pixel {
  double x, y;  // rounded the way the canvas rounds
};

inline bool At(const CanvasOp& op, CanvasOp::Kind kind, Pixel p) {
  return op.kind == kind && op.x1 == std::nearbyint(p.x) && op.y1 == std::nearbyint(p.y);
}

// True when a move-to to the first point is followed directly by line-tos through the others.
inline bool HasPath(const std::vector<CanvasOp>& ops, std::initializer_list<Pixel> points) {
  const std::vector<Pixel> path(points);
  for (size_t i = 0; i + path.size() <= ops.size(); ++i) {
    bool match = At(ops[i], CanvasOp::Kind::MoveTo, path[0]);
    for (size_t j = 1; match && j < path.size(); ++j) {
      match = At(ops[i + j], CanvasOp::Kind::LineTo, path[j]);
    }
    if (match) return true;
  }
  return false;
}

inline int CountKind(const std::vector<CanvasOp>& ops, CanvasOp::Kind kind) {
  int n = 0;
  for (const auto& op : ops) n += op.kind == kind;
  return n;
}

inline const CanvasOp* FindText(const std::vector<CanvasOp>& ops, const std::string& prefix) {
  for (const auto& op : ops) {
    if (op.kind == CanvasOp::Kind::Text && op.text.rfind(prefix, 0) == 0) return &op;
  }
  return nullptr;
}

}  // namespace varnloft::testing
