#include "help/help_viewer.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <cstdio>

#include "platform/report.h"
#include "help/help_contents.h"
#include "platform/open_link.h"

namespace blivo {

namespace {

constexpr int kUrlRole = Qt::UserRole;

QString ProblemPage(const QString& german, const QString& english) {
  return QString("<html><head><title>Blivo Turnix</title></head><body>"
                 "<h3>The help file cannot be read.</h3><p>%1</p>"
                 "<h3>Die Hilfedatei kann nicht gelesen werden.</h3><p>%2</p></body></html>")
      .arg(english.toHtmlEscaped(), german.toHtmlEscaped());
}

void Complain(const QString& text) { ReportProblem(text.toStdString()); }

// Links of other help viewers into a help file ("ms-its:tnix.chm::/en/a.html")
// lead to the page of ours.
QUrl InsideLink(const QUrl& url) {
  const QString scheme = url.scheme().toLower();
  if (scheme == "chm") return url;
  if (scheme == "ms-its" || scheme == "its" || scheme == "mk") {
    const QString text = url.toString(QUrl::RemoveScheme);
    const qsizetype inside = text.indexOf("::");
    if (inside >= 0) return QUrl("chm:" + ChmPath(text.mid(inside + 2)));
  }
  return {};
}

bool DesktopLink(const QUrl& url) {
  const QString scheme = url.scheme().toLower();
  return scheme == "http" || scheme == "https" || scheme == "mailto";
}

// The address a contents entry leads to, from what the contents file writes.
QUrl EntryUrl(const QString& local) {
  const QUrl given(local);
  if (DesktopLink(given)) return given;
  if (const QUrl inside = InsideLink(given); inside.isValid()) return inside;
  const qsizetype hash = local.indexOf('#');
  QUrl url("chm:" + ChmPath(hash < 0 ? local : local.left(hash)));
  if (hash >= 0) url.setFragment(local.mid(hash + 1));
  return url;
}

void AddEntries(QTreeWidgetItem* parent, QTreeWidget* tree, const std::vector<ContentsEntry>& entries) {
  for (const ContentsEntry& e : entries) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
    item->setText(0, e.name.isEmpty() ? e.local : e.name);
    if (!e.local.isEmpty()) item->setData(0, kUrlRole, EntryUrl(e.local));
    AddEntries(item, tree, e.children);
  }
}

}  // namespace

ChmBrowser::ChmBrowser(QWidget* parent, const ChmFile& file) : QTextBrowser(parent), file_(file) {
  // Links are ours to follow (HelpViewer::FollowLink).
  setOpenLinks(false);
  setOpenExternalLinks(false);
}

QVariant ChmBrowser::loadResource(int type, const QUrl& given) {
  // Style sheets and pictures come as the page writes them, relative to it.
  const QUrl name = given.isRelative() ? source().resolved(given) : given;
  // Only the help file itself is read: a page cannot reach the disk or the net.
  if (name.scheme() != "chm") return {};
  const QString path = ChmPath(name.path());
  if (const auto data = path.isEmpty() ? std::nullopt : file_.read(path)) {
    if (type != QTextDocument::ImageResource) return *data;
    QImage image = QImage::fromData(*data);
    // On a scaled screen the pictures grow by whole pixels, as the game's do.
    const qreal ratio = devicePixelRatioF();
    if (!image.isNull() && ratio > 1.0) {
      image = image.scaled(qRound(image.width() * ratio), qRound(image.height() * ratio), Qt::IgnoreAspectRatio,
                           Qt::FastTransformation);
      image.setDevicePixelRatio(ratio);
    }
    return image;
  }
  if (type == QTextDocument::HtmlResource)
    return ProblemPage(QString("Sie enthält keine Seite %1.").arg(path), QString("It has no page %1.").arg(path));
  return {};
}

HelpViewer::HelpViewer() : QWidget(nullptr, Qt::Window) {
  setObjectName("HelpViewer");
  resize(760, 540);
  openLink = [](const QString& url) { return OpenLink(url.toStdString()); };

  auto button = [this](const char* name, QStyle::StandardPixmap icon) {
    auto* b = new QToolButton(this);
    b->setObjectName(name);
    b->setIcon(style()->standardIcon(icon));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    return b;
  };
  back_ = button("BackBtn", QStyle::SP_ArrowBack);
  forward_ = button("ForwardBtn", QStyle::SP_ArrowForward);
  home_ = button("HomeBtn", QStyle::SP_DirHomeIcon);
  back_->setEnabled(false);
  forward_->setEnabled(false);

  contents_ = new QTreeWidget(this);
  contents_->setObjectName("Contents");
  contents_->setHeaderHidden(true);
  contents_->setColumnCount(1);
  browser_ = new ChmBrowser(this, file_);
  browser_->setObjectName("Page");

  auto* split = new QSplitter(Qt::Horizontal, this);
  split->addWidget(contents_);
  split->addWidget(browser_);
  split->setStretchFactor(1, 1);
  split->setSizes({210, 550});

  auto* bar = new QHBoxLayout;
  bar->addWidget(back_);
  bar->addWidget(forward_);
  bar->addWidget(home_);
  bar->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(bar);
  layout->addWidget(split, 1);

  connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(home_, &QToolButton::clicked, this, [this] { GoHome(); });
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
  connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) { FollowLink(link); });
  // Told with the new address: the browser's own source() still names the old one then.
  connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& shown) { PageShown(shown); });
  connect(contents_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    const QUrl url = item->data(0, kUrlRole).toUrl();
    if (url.isValid()) FollowLink(url);
  });
  ApplyLanguage();
}

bool HelpViewer::ShowContext(const QString& chmPath, int contextId) {
  if (chmPath != openPath_ || !file_.isOpen()) {
    browser_->clearHistory();
    openPath_ = file_.open(chmPath) ? chmPath : QString();
    BuildContents();
    home_->setEnabled(file_.isOpen());
  }
  if (!file_.isOpen()) {
    Complain(QString("cannot read the help file %1: %2").arg(chmPath, file_.failure()));
    ShowProblem(chmPath, QString("%1 (%2)").arg(chmPath, file_.failure()));
    return false;
  }
  const auto page = contextId == 0 && !file_.defaultTopic().isEmpty() ? std::optional(file_.defaultTopic())
                                                                       : file_.topic(contextId);
  if (!page) {
    Complain(QString("the help file %1 has no topic %2").arg(chmPath).arg(contextId));
    ShowProblem(QString("%1 enthält kein Thema %2.").arg(chmPath).arg(contextId),
                QString("%1 has no topic %2.").arg(chmPath).arg(contextId));
    return false;
  }
  Open(QUrl("chm:" + *page));
  return true;
}

void HelpViewer::FollowLink(const QUrl& link) {
  if (DesktopLink(link)) {
    openLink(link.toString());  // says on standard error when no program took it
    return;
  }
  if (link.isRelative() && currentPage().isEmpty()) return;
  const QUrl target = InsideLink(link.isRelative() ? browser_->source().resolved(link) : link);
  if (!target.isValid() || !file_.isOpen()) {
    Complain("cannot follow the link " + link.toString());
    return;
  }
  Open(target);
}

void HelpViewer::GoHome() {
  if (!file_.isOpen()) return;
  // The game's help holds the German start topic as context 1 and the English as 2.
  QString page = file_.topic(german_ ? 1 : 2).value_or(file_.defaultTopic());
  if (!page.isEmpty()) Open(QUrl("chm:" + page));
}

void HelpViewer::Open(const QUrl& url) {
  const bool overProblem = problem_;
  browser_->setSource(url);
  // The browser still counts the page it showed before the problem as
  // current and would not load it again.
  if (overProblem && problem_) browser_->reload();
}

QString HelpViewer::currentPage() const {
  return problem_ || browser_->source().isEmpty() ? QString() : ChmPath(browser_->source().path());
}

void HelpViewer::ShowProblem(const QString& detailGerman, const QString& detailEnglish) {
  problem_ = true;
  browser_->clearHistory();
  browser_->setHtml(ProblemPage(detailGerman, detailEnglish));
  if (report) report(QString("problem ") + detailEnglish);
}

void HelpViewer::BuildContents() {
  contents_->clear();
  const auto hhc = file_.contentsFile().isEmpty() ? std::nullopt : file_.read(file_.contentsFile());
  if (hhc) AddEntries(nullptr, contents_, ParseContents(*hhc));
  // A help's contents are short: every topic in sight from the start.
  contents_->expandAll();
  contents_->setVisible(contents_->topLevelItemCount() > 0);
}

void HelpViewer::PageShown(const QUrl& shown) {
  problem_ = false;
  const QString page = ChmPath(shown.path());
  if (page.startsWith("/de/")) german_ = true;
  if (page.startsWith("/en/")) german_ = false;
  ApplyLanguage();
  if (report) report(file_.exists(page) ? "page " + page : "problem " + page + " is not in the help file");
  // The contents follow the page: its entry is chosen and its branch opened.
  QTreeWidgetItem* best = nullptr;
  for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
    const QUrl url = (*it)->data(0, kUrlRole).toUrl();
    if (url == shown) {
      best = *it;
      break;
    }
    if (!best && url.adjusted(QUrl::RemoveFragment) == shown.adjusted(QUrl::RemoveFragment)) best = *it;
  }
  const QSignalBlocker quiet(contents_);
  contents_->setCurrentItem(best);
  if (best) {
    for (QTreeWidgetItem* up = best->parent(); up; up = up->parent()) up->setExpanded(true);
    contents_->scrollToItem(best);
  }
}

void HelpViewer::ApplyLanguage() {
  setWindowTitle(german_ ? "Blivo Turnix - Hilfe" : "Blivo Turnix - Help");
  back_->setText(german_ ? QString::fromUtf8("Zurück") : "Back");
  forward_->setText(german_ ? QString::fromUtf8("Vorwärts") : "Forward");
  home_->setText(german_ ? "Startseite" : "Home");
  contents_->setToolTip(german_ ? "Inhalt" : "Contents");
}

}  // namespace blivo
