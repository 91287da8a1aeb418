#include "platform/open_link.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/report.h"

namespace blivo {

bool OpenLink(const std::string& url) {
  if (QDesktopServices::openUrl(QUrl(QString::fromStdString(url), QUrl::StrictMode))) return true;
  ReportProblem("no program could open " + url);
  return false;
}

}  // namespace blivo
