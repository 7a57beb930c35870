// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures that the build rendered ahead (library prerendered): the
// compounds and reactions at the window's sizes for ratios 1 and 2, made by
// PrerenderPictures.cpp beside this file from the same drawing code.
#pragma once

#include <span>

#include "content/Pictures.h"

namespace alkynes::content {

std::span<const ReadyPicture> ReadyPictures();

// The build of the formula face that drew them (FaceBuild of FormulaFont),
// UTF-8.  Where another build is installed now, what the drawing code draws
// differs from them wherever the glyphs do.
const char* ReadyPicturesFace();

}  // namespace alkynes::content
