// The help viewer's window: the contents of the help file on the left, its
// pages on the right, back, forward and home above. The help's own links
// are followed inside the window; web and mail links go to the desktop.
#pragma once

#include <QTextBrowser>
#include <QWidget>
#include <functional>

#include "help/chm_file.h"

class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace blivo {

// Pages are addressed as chm:/path inside the file. A page the file does
// not hold (or cannot give) is shown as the "cannot be read" page.
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

  // Opens the file (again, if it is another one) and shows the topic of the
  // context id; false when the file cannot be read or holds no such topic,
  // in which case the window shows the "cannot be read" page. Context id 0
  // stands for the file's default topic.
  bool ShowContext(const QString& chmPath, int contextId);

  // Follows a link as a click in a page does: inside the help or to the desktop.
  void FollowLink(const QUrl& link);
  void GoHome();

  QString currentPage() const;  // "/en/puzzles.html"; empty on a problem page
  bool german() const { return german_; }
  ChmBrowser* browser() const { return browser_; }
  QTreeWidget* contents() const { return contents_; }

  // Told of every page shown and every problem, as the line the viewer reports.
  std::function<void(const QString&)> report;
  // Opens web and mail links; the desktop's default programs unless replaced (tests).
  std::function<bool(const QString&)> openLink;

 private:
  void Open(const QUrl& url);
  void ShowProblem(const QString& detailGerman, const QString& detailEnglish);
  void BuildContents();
  void PageShown(const QUrl& shown);
  void ApplyLanguage();

  ChmFile file_;
  QString openPath_;
  bool german_ = false;
  bool problem_ = false;  // the "cannot be read" page stands in the window
  ChmBrowser* browser_;
  QTreeWidget* contents_;
  QToolButton* back_;
  QToolButton* forward_;
  QToolButton* home_;
};

}  // namespace blivo
