// The picture-format registry: which picture kind reads a file, by its extension.
#pragma once

#include <memory>
#include <string>

#include "ui/Graphic.h"

namespace pictures {

// A new, empty picture of the kind registered for the path's extension, searched from the last
// registration to the first without regard to case; every kind the imaging component of this PC
// decodes (but the program's own) is registered last. Fails as an invalid picture with
// "Unknown picture file extension (.%s)".
std::unique_ptr<ui::TGraphic> CreatePictureFor(const std::string& path);

}  // namespace pictures
