// A picture file read on a thread of its own while the window is being made,
// so that it is ready when it is wanted.
#pragma once

#include <future>
#include <string>

#include "platform/raster.h"

namespace blivo {

class PictureAhead {
 public:
  PictureAhead() = default;
  PictureAhead(const PictureAhead&) = delete;
  PictureAhead& operator=(const PictureAhead&) = delete;
  ~PictureAhead();

  // Starts reading the picture at `path` (platform/picture_file.h).
  void Start(const std::string& path);
  // The picture at `path`: the reading started for it, else one made now.
  // False, with the reason in `error`, when it cannot be read.
  bool Take(const std::string& path, Bitmap& out, std::string& error);

 private:
  struct Reading {
    bool ok = false;
    Bitmap picture;
    std::string error;
  };
  std::string path_;
  std::future<Reading> reading_;
};

}  // namespace blivo
