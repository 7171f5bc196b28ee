#pragma once
// A photograph-like picture of a finished picnic table on a lawn, ray traced from a model of the
// built-in design (6 ft long, 2 X 6 deck and seats, 2 X 4 frame, supports on the exterior side).
#include <QImage>

QImage RenderTablePhotograph(int width, int height);
