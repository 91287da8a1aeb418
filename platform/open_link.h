// Opening a web address or a "mailto:" address with the desktop's default program.
#pragma once

#include <string>

namespace blivo {

// False when no program took the link; the caller says so on standard error.
bool OpenLink(const std::string& url);

}  // namespace blivo
