#pragma once
// The distinct angled cuts of a design, one full-size template each: the leg-angle cut across the
// leg's width and across each support depth that differs from it, and the brace-angle cut across
// the brace. Members whose cut has the same angle and runs across the same width share one
// template. Square cuts and members of no width get none.
#include <string>
#include <vector>

#include "design/design_record.h"
#include "design/table_members.h"

namespace varnloft {

struct CutMember {
  MemberKind kind = MemberKind::Leg;
  std::string name;  // "Leg", "Outer Support", ...
  double count = 0;
  MemberShape shape = MemberShape::Parallelogram;
};

struct AngledCut {
  float angle = 0;                 // degrees off square
  double width = 0;                // feet, full size: the width the cut runs across
  double offset = 0;               // feet, full size: how far along the edge the cut runs
  std::vector<CutMember> members;  // in the plan sheet's order
};

// "leg angle", "brace angle", or "leg and brace angle" when both angles are equal.
std::string AngleName(const AngledCut& cut);

// In the plan sheet's order of the first member of each cut.
std::vector<AngledCut> AngledCuts(const DesignRecord& rec);

// The size the templates are drawn at: the model's size while a model scale is on (as the
// lengths are shown), else 1.
double TemplateScale(const DesignRecord& rec);

}  // namespace varnloft
