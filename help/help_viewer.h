// The window that shows the pages of the help file.
#pragma once

#include <QTextBrowser>
#include <QWidget>
#include <memory>

#include "help/chm_file.h"

class QToolButton;

namespace blivo {

// Pages are addressed as chm:/path inside the file.
class ChmBrowser : public QTextBrowser {
 public:
  ChmBrowser(QWidget* parent, const ChmFile& file);
  QVariant loadResource(int type, const QUrl& given) override;

 private:
  const ChmFile& file_;
};

class HelpViewer : public QWidget {
 public:
  HelpViewer();

  // Opens the file (again, if it is another one) and shows the page; false
  // if the file cannot be read, in which case the window says so.
  bool Show(const QString& chmPath, const QString& page);
  QString currentPage() const;
  ChmBrowser* browser() const { return browser_; }

 private:
  ChmFile file_;
  QString openPath_;
  ChmBrowser* browser_;
};

}  // namespace blivo
