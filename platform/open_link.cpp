#include "platform/open_link.h"

#include <QDesktopServices>
#include <QUrl>

namespace blivo {

bool OpenLink(const std::string& url) {
  return QDesktopServices::openUrl(QUrl(QString::fromStdString(url), QUrl::StrictMode));
}

}  // namespace blivo
