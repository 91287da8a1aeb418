// Reading a picture file into a raster bitmap. The game's pictures are BMP
// bitmaps; a file is checked whole before it is decoded, so a cut or broken
// one is turned away rather than shown with rows missing.
#pragma once

#include <string>
#include <string_view>

#include "platform/raster.h"

namespace blivo {

// Loads the picture at path into out. On failure out is left as it was and
// error says what went wrong, naming the file.
bool LoadPicture(const std::string& path, Bitmap& out, std::string& error);

// The same for the bytes of a picture file; `name` is what error names.
bool DecodePicture(std::string_view bytes, const std::string& name, Bitmap& out, std::string& error);

// Whether bytes are a BMP file of a kind the game reads that holds every byte
// its headers promise: the headers, the colour table and all rows of pixels
// (for run-length data: the whole run up to its end mark). If not, why says why.
bool CheckBitmapFile(std::string_view bytes, std::string& why);

// The largest picture the game takes: far above what a board needs.
constexpr int kLargestPictureSide = 16384;
constexpr long long kLargestPicturePixels = 4096LL * 4096;

}  // namespace blivo
