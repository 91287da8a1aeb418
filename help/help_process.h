// The help viewer program as the game runs it, beside itself: started on the
// first help request, asked again through its standard input for every
// later one, and closed when the game ends. Whatever the viewer meets in a
// help file stays in its own process; the game only notes that it stopped.
#pragma once

#include <QProcess>
#include <QString>
#include <chrono>
#include <memory>
#include <string>

namespace blivo {

class HelpViewerProcess {
 public:
  // How long the viewer may take to close before it is ended.
  static constexpr std::chrono::milliseconds kCloseGrace{1500};

  explicit HelpViewerProcess(QString program);
  ~HelpViewerProcess();
  HelpViewerProcess(const HelpViewerProcess&) = delete;
  HelpViewerProcess& operator=(const HelpViewerProcess&) = delete;

  // Asks the viewer for the topic, starting it first where it does not run;
  // false when no viewer could be asked.
  bool Show(const std::string& file, int contextId);
  void Raise();
  // Closes every help window: the viewer is asked to end, given `grace`,
  // and then ended; it is gone when this returns.
  void Close(std::chrono::milliseconds grace = kCloseGrace);

  bool running() const;
  qint64 processId() const;
  // Where the viewer's reports go (tests read them); by default nowhere.
  void setReportFile(const QString& file) { reportFile_ = file; }

 private:
  bool Start();
  void Send(const std::string& line);

  QString program_;
  QString reportFile_;
  std::unique_ptr<QProcess> process_;
};

}  // namespace blivo
