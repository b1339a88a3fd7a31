// The skin's PNG writer. Its files hold the same pixels as the toolkit's writer would store,
// but every row unfiltered: a reader then only inflates the rows, where the toolkit's
// adaptive filters make it undo a filter on every byte, which was a third of the decoding
// the program does at start-up.
#pragma once

#include <QImage>
#include <QString>

// Writes image as an 8-bit RGBA PNG (straight alpha) at path. False when it cannot be written.
bool writePng(const QString& path, const QImage& image);
