#pragma once

// Routines shared by the windows that show team pictures.

#include <QString>

class QWidget;

namespace brimley {

class ImageBox;

namespace modGrabKeys {

// Loads a team's picture into an image control and fits it, centred and with its proportions kept,
// into the control's container. An empty path clears the image; a path without a readable picture
// (missing, not an ordinary file, corrupt) keeps whatever the image showed before. The image is
// visible and stretched afterwards in every case.
void ShowTeamPicture(ImageBox* image, QWidget* container, const QString& path);

} // namespace modGrabKeys
} // namespace brimley
