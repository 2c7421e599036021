#pragma once

// Routines shared by the windows: team pictures, and NumLock forcing.

#include "app/Settings.h"

#include <QString>
#include <cstdint>

class QWidget;

namespace brimley {

class ImageBox;

namespace modGrabKeys {

// Loads a team's picture into an image control and fits it, centred and with its proportions kept,
// into the control's container. An empty path clears the image; a path without a readable picture
// (missing, not an ordinary file, corrupt) shows the image's placeholder, fitted the same way, or
// nothing when it has none: never what it showed before, which may be another team's picture. The
// image is visible and stretched afterwards in every case.
void ShowTeamPicture(ImageBox* image, QWidget* container, const QString& path);

// Applies the NumLockForce setting: 1 forces NumLock on, 2 forces it off, anything else leaves it
// alone. Going to the scoreboard and releasing NumLock on it both come here.
void ApplyNumLockForce(std::int32_t NumLockForce);

} // namespace modGrabKeys
} // namespace brimley
