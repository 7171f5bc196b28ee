#pragma once
// Looking things up in a recorded drawing.
#include <string>
#include <vector>

#include "platform/recording_canvas.h"

namespace varnloft::testing {

using Ops = std::vector<CanvasOp>;

// Index of the first text op that starts with `prefix`, or -1.
inline int TextIndex(const Ops& ops, const std::string& prefix, int from = 0) {
  for (int i = from; i < static_cast<int>(ops.size()); ++i)
    if (ops[i].kind == CanvasOp::Kind::Text && ops[i].text.rfind(prefix, 0) == 0) return i;
  return -1;
}

inline const CanvasOp* Text(const Ops& ops, const std::string& prefix) {
  const int i = TextIndex(ops, prefix);
  return i < 0 ? nullptr : &ops[i];
}

inline int Count(const Ops& ops, CanvasOp::Kind kind) {
  int n = 0;
  for (const auto& op : ops) n += op.kind == kind;
  return n;
}

inline int CountTexts(const Ops& ops, const std::string& prefix) {
  int n = 0;
  for (const auto& op : ops) n += op.kind == CanvasOp::Kind::Text && op.text.rfind(prefix, 0) == 0;
  return n;
}

}  // namespace varnloft::testing
