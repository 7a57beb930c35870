// The pictures that the build rendered ahead (library content_ready): the
// compounds and reactions at the window's sizes for ratios 1 and 2, made by
// tools/PrerenderPictures.cpp from the same drawing code.
#pragma once

#include <span>

#include "window/content/Pictures.h"

namespace alkynes::content {

std::span<const ReadyPicture> ReadyPictures();

}  // namespace alkynes::content
