// The game's one sans font: Liberation Sans, standing for every sans face the
// windows and dialogs are laid out with.
#pragma once

#include <QFont>

namespace blivo {

// The sans font at a pixel height.
QFont SansFont(int pixels, bool bold = false);

}  // namespace blivo
