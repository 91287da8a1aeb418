// Opening a web or mail address with the desktop's default program.
#pragma once

#include <string>

namespace blivo {

// False, with a line on standard error, when no program could open it.
bool OpenLink(const std::string& url);

}  // namespace blivo
