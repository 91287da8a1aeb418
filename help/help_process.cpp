#include "help/help_process.h"

#include <cstdio>

#include "platform/report.h"
#include "help/viewer_protocol.h"

namespace blivo {

namespace {

constexpr int kStartWait = 3000;  // ms; starting a program takes a few

}  // namespace

HelpViewerProcess::HelpViewerProcess(QString program) : program_(std::move(program)) {}

HelpViewerProcess::~HelpViewerProcess() { Close(); }

bool HelpViewerProcess::running() const { return process_ && process_->state() != QProcess::NotRunning; }

qint64 HelpViewerProcess::processId() const { return running() ? process_->processId() : 0; }

bool HelpViewerProcess::Start() {
  process_ = std::make_unique<QProcess>();
  process_->setProgram(program_);
  process_->setArguments({"--serve"});
  // The viewer's own complaints reach whoever reads the game's.
  process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process_->setStandardOutputFile(reportFile_.isEmpty() ? QProcess::nullDevice() : reportFile_, QIODevice::Append);
  QObject::connect(process_.get(), &QProcess::finished, [](int code, QProcess::ExitStatus status) {
    if (status == QProcess::CrashExit)
      ReportProblem("the help viewer stopped unexpectedly");
    else if (code != 0)
      ReportProblem("the help viewer ended with code " + std::to_string(code));
  });
  process_->start();
  if (!process_->waitForStarted(kStartWait)) {
    ReportProblem("cannot start the help viewer " + program_.toStdString() + ": " + process_->errorString().toStdString());
    process_.reset();
    return false;
  }
  return true;
}

void HelpViewerProcess::Send(const std::string& line) {
  process_->write(line.data(), static_cast<qint64>(line.size()));
  // Handed to the pipe now: the viewer reads it while the game goes on.
  process_->waitForBytesWritten(0);
}

bool HelpViewerProcess::Show(const std::string& file, int contextId) {
  if (!running() && !Start()) return false;
  Send(viewer_protocol::ShowLine(file, contextId));
  return true;
}

void HelpViewerProcess::Raise() {
  if (running()) Send(std::string(viewer_protocol::kRaise) + "\n");
}

void HelpViewerProcess::Close(std::chrono::milliseconds grace) {
  if (!process_) return;
  QProcess& p = *process_;
  QObject::disconnect(&p, &QProcess::finished, nullptr, nullptr);
  if (p.state() != QProcess::NotRunning) {
    Send(std::string(viewer_protocol::kClose) + "\n");
    p.closeWriteChannel();
    // A viewer stuck in a damaged file answers nothing: it is ended.
    if (!p.waitForFinished(static_cast<int>(grace.count()))) {
      p.kill();
      p.waitForFinished(kStartWait);
    }
  }
  process_.reset();
}

}  // namespace blivo
