#pragma once

#include <QImage>

namespace brimley::SamplePicture {

// The picture the options window's sample cell shows while "Basketball.gif" cannot be loaded: a flat
// ball, enough to show where the team picture goes.
QImage builtIn();

} // namespace brimley::SamplePicture
