#include "help/help_viewer.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace blivo {

ChmBrowser::ChmBrowser(QWidget* parent, const ChmFile& file) : QTextBrowser(parent), file_(file) {
  setOpenLinks(true);
  setOpenExternalLinks(true);
}

QVariant ChmBrowser::loadResource(int type, const QUrl& given) {
  // Style sheets come as they are written in the page, relative to it.
  const QUrl name = given.isRelative() ? source().resolved(given) : given;
  if (name.scheme() == "chm") {
    if (auto data = file_.read(name.path())) {
      if (type == QTextDocument::ImageResource) return QImage::fromData(*data);
      return *data;
    }
    return {};
  }
  return QTextBrowser::loadResource(type, name);
}

HelpViewer::HelpViewer() : QWidget(nullptr, Qt::Window) {
  setObjectName("HelpViewer");
  resize(620, 520);
  browser_ = new ChmBrowser(this, file_);
  auto* back = new QToolButton(this);
  back->setText(QString::fromUtf8("\u25c0"));
  back->setAutoRaise(true);
  auto* forward = new QToolButton(this);
  forward->setText(QString::fromUtf8("\u25b6"));
  forward->setAutoRaise(true);
  connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Blivo Turnix") : title);
  });
  auto* bar = new QHBoxLayout;
  bar->addWidget(back);
  bar->addWidget(forward);
  bar->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(bar);
  layout->addWidget(browser_);
}

bool HelpViewer::Show(const QString& chmPath, const QString& page) {
  if (chmPath != openPath_ || !file_.isOpen()) {
    browser_->clearHistory();
    openPath_ = file_.open(chmPath) ? chmPath : QString();
  }
  if (!file_.isOpen()) {
    setWindowTitle("Blivo Turnix");
    browser_->setHtml(QString("<h3>The help file cannot be read.</h3><p>%1</p><h3>Die Hilfedatei kann nicht gelesen "
                              "werden.</h3>")
                          .arg(chmPath.toHtmlEscaped()));
    return false;
  }
  browser_->setSource(QUrl("chm:" + page));
  return true;
}

QString HelpViewer::currentPage() const { return browser_->source().path(); }

}  // namespace blivo
