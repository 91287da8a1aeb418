// Reading a picture file into a raster bitmap.
#pragma once

#include <string>

#include "platform/raster.h"

namespace blivo {

// Loads the picture at path into out. On failure out is left as it was and
// error says what went wrong, naming the file.
bool LoadPicture(const std::string& path, Bitmap& out, std::string& error);

}  // namespace blivo
