#include "platform/picture_ahead.h"

#include <system_error>

#include "platform/picture_file.h"

namespace blivo {

PictureAhead::~PictureAhead() {
  if (reading_.valid()) reading_.wait();
}

void PictureAhead::Start(const std::string& path) {
  if (reading_.valid()) reading_.wait();
  path_ = path;
  try {
    reading_ = std::async(std::launch::async, [path] {
      Reading r;
      r.ok = LoadPicture(path, r.picture, r.error);
      return r;
    });
  } catch (const std::system_error&) {
    // No thread to be had: Take reads it then.
    reading_ = {};
  }
}

bool PictureAhead::Take(const std::string& path, Bitmap& out, std::string& error) {
  if (reading_.valid()) {
    Reading r = reading_.get();
    if (path == path_) {
      error = std::move(r.error);
      if (r.ok) out = std::move(r.picture);
      return r.ok;
    }
  }
  return LoadPicture(path, out, error);
}

}  // namespace blivo
