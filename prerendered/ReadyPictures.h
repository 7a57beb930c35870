// The pictures that the build rendered ahead (library prerendered): the
// compounds and reactions at the window's sizes for ratios 1 and 2, made by
// PrerenderPictures.cpp beside this file from the same drawing code.
#pragma once

#include <span>

#include "content/Pictures.h"

namespace alkynes::content {

std::span<const ReadyPicture> ReadyPictures();

}  // namespace alkynes::content
