#pragma once
// Where every copy of a member lies in the assembled table, read off the end view and the side
// view. Along the table each end frame is a band two thicknesses deep: with interior supports
// the leg takes the outer half and the outer and seat supports the inner half; with exterior
// supports the two swap. The braces stand on the table's centre line between the centre support
// and the frames' inner faces.
#include <vector>

#include "design/design_record.h"
#include "design/table_members.h"
#include "model3d/outline2d.h"
#include "model3d/prism_mesh.h"

namespace varnloft {

// The member's outline as the model's flat outline: lower-left, lower-right, upper-right,
// upper-left (x along, y across, feet).
Outline OutlineOf(const TableMember& member);

// The placement of each copy, in numbering order: left to right, then front to back. Members of
// fixed number (legs, supports, braces, end caps) get their fixed copies; boards get `copies`
// (the seats half of them on each side).
std::vector<Placement> PlaceMember(const TableMember& member, int copies, const DesignRecord& rec);

// How many copies the table has room for where that number is fixed; 0 for boards.
int FixedCopies(MemberKind kind);

}  // namespace varnloft
