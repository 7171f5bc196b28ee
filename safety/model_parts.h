#pragma once
// The pieces of the table model as the safety check reads them: in metres (the model is in
// feet), grouped by member, with each piece's volume, centre and box, and its convex solids for
// the questions that clip pieces by planes.
#include <string>
#include <vector>

#include "model3d/convex_clip.h"
#include "model3d/table_model.h"
#include "model3d/vec.h"

namespace varnloft {

Vec3 InMetres(const Vec3& feet);

// The piece's volume in cubic metres (0 for a piece without faces).
double PieceVolume(const ModelPiece& piece);

// The centre of the piece's volume in metres; the centre of its box when it has no volume.
Vec3 PieceCentroid(const ModelPiece& piece);

// The box of the piece in metres.
Box3 PieceBox(const ModelPiece& piece);

// The pieces of one member ("Table Top"), in the model's order.
std::vector<const ModelPiece*> PiecesOf(const TableModel& model, const std::string& member);

// The box of every piece of those members together, in metres; empty when there are none.
Box3 BoxOf(const TableModel& model, const std::vector<std::string>& members);

// The piece as convex solids in metres: one per convex part of its outline.
std::vector<ConvexSolid> PieceSolids(const ModelPiece& piece);

}  // namespace varnloft
