#pragma once
// The three explanatory sketches of the Illustrations window, 428 x 206 each.
#include <QImage>

QImage DrawHoleLocationsSketch(int width, int height);
QImage DrawTipsyTableSketch(int width, int height);
QImage DrawAngleCheckingSketch(int width, int height);
