// Saving a whole file so that, whatever happens meanwhile (a full disk, the
// program killed, the machine switched off), the file holds either all of its
// old bytes or all of its new ones.
#pragma once

#include <string>
#include <string_view>

namespace blivo {

// The new bytes are written unnamed beside the file and put on the disk; only
// then are they given the name "<path>.saving" and moved over the file. A
// save cut off between those two steps leaves that name behind, and the
// next save takes it back. Callers that may run at once hold a lock around it.
// A path that is a symbolic link saves the file the link leads to, with the
// permissions it had. On false, error says why (without the file's name).
bool SaveWholeFile(const std::string& path, std::string_view bytes, std::string& error);

}  // namespace blivo
