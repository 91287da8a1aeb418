// Reading a whole file the game is handed: it never waits on a pipe or a
// device that stands under the file's name, and never takes in more than the
// caller says such a file may have.
#pragma once

#include <cstdint>
#include <string>

namespace blivo {

enum class FileRead { Read, Missing, Failed };

// On Failed, error says why (without the file's name) and bytes is empty.
FileRead ReadWholeFile(const std::string& path, std::int64_t largest, std::string& bytes, std::string& error);

}  // namespace blivo
