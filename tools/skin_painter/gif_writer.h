// A small GIF writer for the skin's animations (the toolkit reads GIF but does not write it).
#pragma once

#include <QImage>
#include <QString>

#include <vector>

// Writes the frames (all of the first frame's size) as a looping GIF89a animation with
// delayMs between frames. The frames are laid on opaque white and share one palette: their
// colours exactly when there are at most 256, else the 256 most frequent with every other
// colour mapped to the nearest of them. False when the file cannot be written.
bool writeGif(const QString& path, const std::vector<QImage>& frames, int delayMs);
