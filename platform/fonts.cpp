#include "platform/fonts.h"

namespace blivo {

QFont SansFont(int pixels, bool bold) {
  QFont font("Liberation Sans");
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

}  // namespace blivo
