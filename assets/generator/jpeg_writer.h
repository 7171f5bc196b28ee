#pragma once
// Encodes a picture as a baseline JPEG file with libjpeg.
#include <QImage>
#include <QString>

// Returns false (with a message on stderr) when the file cannot be written.
bool WriteJpeg(const QImage& image, const QString& path, int quality);
