// The real game as a player starts it, on a virtual display, driven with the
// mouse and the keyboard: two games side by side, a game killed while it
// saves, a game whose disk is full.
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace blivo {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// A child process; it is killed if it still runs when the object goes.
class Child {
 public:
  struct Options {
    std::map<std::string, std::string> env;  // added to ours
    std::string output;                      // file for standard output and error; empty: /dev/null
    int displayFd = -1;                      // passed on as descriptor 3
    long long fileSizeLimit = -1;            // bytes, as a full disk
  };

  Child(const std::vector<std::string>& argv, const Options& options) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
      const std::string entry = *e;
      if (!options.env.count(entry.substr(0, entry.find('=')))) env.push_back(entry);
    }
    for (const auto& [key, value] : options.env) env.push_back(key + "=" + value);
    std::vector<char*> args, envp;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    args.push_back(nullptr);
    envp.push_back(nullptr);
    const int out = open(options.output.empty() ? "/dev/null" : options.output.c_str(),
                         O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    pid_ = fork();
    if (pid_ == 0) {
      // Should the test itself die, nothing it started stays behind.
      prctl(PR_SET_PDEATHSIG, SIGKILL);
      setpgid(0, 0);
      dup2(out, 1);
      dup2(out, 2);
      if (options.displayFd >= 0) dup2(options.displayFd, 3);
      if (options.fileSizeLimit >= 0) {
        signal(SIGXFSZ, SIG_IGN);  // stays ignored across exec
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = static_cast<rlim_t>(options.fileSizeLimit);
        setrlimit(RLIMIT_FSIZE, &limit);
      }
      execvpe(args[0], args.data(), envp.data());
      _exit(127);
    }
    close(out);
  }
  ~Child() {
    if (running()) {
      kill(-pid_, SIGKILL);
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  pid_t pid() const { return pid_; }
  bool running() {
    if (pid_ <= 0 || status_) return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
    return !status_;
  }
  // The exit status once the child has ended within the time.
  std::optional<int> wait(std::chrono::milliseconds limit) {
    const auto until = Clock::now() + limit;
    while (running() && Clock::now() < until) std::this_thread::sleep_for(5ms);
    return running() ? std::nullopt : status_;
  }
  // Asks it to end, and makes it end if it does not within the time.
  void terminate(std::chrono::milliseconds limit) {
    if (!running()) return;
    kill(pid_, SIGTERM);
    if (!wait(limit)) killHard();
  }
  void killHard() {
    kill(pid_, SIGKILL);
    wait(5000ms);
  }

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};

// Runs a short command and gives what it printed; empty if it failed.
std::string Output(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env) {
  QTemporaryDir dir;
  const std::string file = dir.filePath("out").toStdString();
  Child child(argv, {env, file});
  const std::optional<int> status = child.wait(10000ms);
  if (!status || !WIFEXITED(*status) || WEXITSTATUS(*status) != 0) return {};
  QFile f(QString::fromStdString(file));
  f.open(QIODevice::ReadOnly);
  return f.readAll().toStdString();
}

// One virtual display for the whole program; it picks a free number itself.
class Display {
 public:
  static Display& Get() {
    static Display display;
    return display;
  }
  bool ok() const { return !name_.empty(); }
  const std::string& name() const { return name_; }

 private:
  Display() {
    int fds[2];
    if (pipe(fds) != 0) return;
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    server_ = std::make_unique<Child>(
        std::vector<std::string>{"Xvfb", "-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"},
        Child::Options{{}, {}, fds[1]});
    close(fds[1]);
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    const auto until = Clock::now() + 20s;
    while (Clock::now() < until && poll(&p, 1, 100) >= 0) {
      char c;
      if ((p.revents & (POLLIN | POLLHUP)) == 0) continue;
      if (read(fds[0], &c, 1) != 1 || c == '\n') break;
      number += c;
    }
    close(fds[0]);
    if (!number.empty()) name_ = ":" + number;
  }

  ~Display() {
    // Time to take its socket and lock file away, so the next server can have the number.
    if (server_) server_->terminate(5000ms);
  }

  std::unique_ptr<Child> server_;
  std::string name_;
};

constexpr const char* kCaption = "Blivo Turnix V1.6";

// One running game and what a player does with it.
class Game {
 public:
  Game(const std::string& config, const std::string& log, long long fileSizeLimit = -1)
      : env_{{"DISPLAY", Display::Get().name()}, {"XDG_CONFIG_HOME", config}, {"SDL_AUDIODRIVER", "dummy"},
             {"QT_QPA_PLATFORM", "xcb"}, {"XDG_RUNTIME_DIR", config}},
        process_({std::string(BLIVO_GAME_DIR) + "blivoturnix"}, {env_, log, -1, fileSizeLimit}) {}

  Child& process() { return process_; }

  std::vector<std::string> Windows() {
    std::vector<std::string> ids;
    const std::string out =
        Xdotool({"search", "--onlyvisible", "--pid", std::to_string(process_.pid())});
    for (std::size_t at = 0, end; (end = out.find('\n', at)) != std::string::npos; at = end + 1)
      ids.push_back(out.substr(at, end - at));
    return ids;
  }
  std::string Name(const std::string& window) {
    std::string name = Xdotool({"getwindowname", window});
    if (!name.empty() && name.back() == '\n') name.pop_back();
    return name;
  }

  // Waits until the main window shows and the greeting has gone.
  bool Ready() {
    const auto until = Clock::now() + 30s;
    while (Clock::now() < until && process_.running()) {
      for (const std::string& w : Windows()) {
        if (Name(w) == kCaption) main_ = w;
      }
      if (!main_.empty()) break;
      std::this_thread::sleep_for(20ms);
    }
    if (main_.empty()) return false;
    // The splash follows the window at once and goes by itself within three
    // seconds; a click sends it away sooner.
    const auto start = Clock::now();
    bool seen = false;
    while (Clock::now() < start + 10s && process_.running()) {
      std::string splash;
      for (const std::string& w : Windows())
        if (w != main_) splash = w;
      if (!splash.empty()) {
        seen = true;
        Xdotool({"mousemove", "--window", splash, "20", "20", "click", "1"});
      } else if (seen || Clock::now() > start + 4s) {
        return true;
      }
      std::this_thread::sleep_for(20ms);
    }
    return false;
  }

  void Click(int x, int y) { Xdotool({"mousemove", "--window", main_, std::to_string(x), std::to_string(y), "click", "1"}); }
  void MoveTo(int x, int y) { Xdotool({"windowmove", main_, std::to_string(x), std::to_string(y)}); }

  // The exit button, and Enter to the question whether to end.
  bool AskToEnd() {
    Click(148 + 12, 4 + 12);
    const auto until = Clock::now() + 10s;
    while (Clock::now() < until && process_.running()) {
      for (const std::string& w : Windows()) {
        if (w == main_) continue;
        Xdotool({"mousemove", "--window", w, "10", "10"});
        Xdotool({"key", "Return"});
        return true;
      }
      std::this_thread::sleep_for(20ms);
    }
    return false;
  }

  bool EndsCleanly() {
    const std::optional<int> status = process_.wait(15000ms);
    return status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0;
  }

 private:
  std::string Xdotool(std::vector<std::string> args) {
    args.insert(args.begin(), "xdotool");
    return Output(args, env_);
  }

  std::map<std::string, std::string> env_;
  Child process_;
  std::string main_;
};

class RealGame : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Display::Get().ok()) << "no virtual display: Xvfb is missing (scripts/setup.sh installs it)";
    ASSERT_FALSE(Output({"xdotool", "version"}, {{"DISPLAY", Display::Get().name()}}).empty()) << "xdotool is missing (scripts/setup.sh installs it)";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(Folder())));
  }
  std::string Config() const { return config.path().toStdString(); }
  std::string Folder() const { return Config() + "/BlivoGames/BlivoTurnix"; }
  std::string File() const { return Folder() + "/V1.ini"; }
  std::string Log(const char* name) const { return Config() + "/" + name; }
  void Put(const std::string& bytes) {
    QFile f(QString::fromStdString(File()));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  std::string Bytes(const std::string& path) const {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return "(none)";
    return f.readAll().toStdString();
  }
  std::string Bytes() const { return Bytes(File()); }

  QTemporaryDir config;
};

// Tool bar places in the window: the sound button and Hexagon's.
constexpr int kSoundX = 76 + 12, kHexagonX = 200 + 12, kButtonY = 16;

TEST_F(RealGame, TwoGamesThatCloseOneAfterTheOtherLoseNothingTheOtherDidNotChange) {
  Put("; kept by hand\n[common]\ntongue=0\nmode=0\nhmode=1\nwmode=1\nsound=1\nmusic=1\n"
      "MainForm=200,0,1,40,40,540,406\n[elsewhere]\nkeep=me\n");
  Game first(Config(), Log("first.log"));
  ASSERT_TRUE(first.Ready()) << Bytes(Log("first.log"));
  Game second(Config(), Log("second.log"));
  ASSERT_TRUE(second.Ready()) << Bytes(Log("second.log"));
  second.MoveTo(600, 300);  // side by side, not over each other
  first.Click(kSoundX, kButtonY);     // sound off in the first
  second.Click(kHexagonX, kButtonY);  // Hexagon in the second
  ASSERT_TRUE(first.AskToEnd());
  ASSERT_TRUE(first.EndsCleanly()) << Bytes(Log("first.log"));
  EXPECT_NE(Bytes().find("sound=0\n"), std::string::npos) << Bytes();
  ASSERT_TRUE(second.AskToEnd());
  ASSERT_TRUE(second.EndsCleanly()) << Bytes(Log("second.log"));

  EXPECT_EQ(Bytes(),
            "; kept by hand\n[common]\ntongue=0\nmode=1\nhmode=1\nwmode=1\nsound=0\nmusic=1\n"
            "MainForm=200,0,1,600,300,1100,666\n[elsewhere]\nkeep=me\n")
      << "the first's sound, the second's puzzle and place\n"
      << Bytes(Log("first.log")) << Bytes(Log("second.log"));
}

// Whether the process has a file open in the folder other than the settings
// file itself and its lock: the new file being written.
bool WritingIn(pid_t pid, const std::string& folder, const std::string& file) {
  const std::string fds = "/proc/" + std::to_string(pid) + "/fd";
  DIR* dir = opendir(fds.c_str());
  if (!dir) return false;
  bool writing = false;
  char target[4096];
  while (dirent* e = readdir(dir)) {
    const std::string link = fds + "/" + e->d_name;
    const ssize_t n = readlink(link.c_str(), target, sizeof target - 1);
    if (n <= 0) continue;
    const std::string to(target, static_cast<std::size_t>(n));
    if (to.rfind(folder + "/", 0) == 0 && to != file && to != file + ".lock") writing = true;
  }
  closedir(dir);
  return writing;
}

struct SaveWatch {
  bool saving = false;   // the kill came while the save held its lock
  bool writing = false;  // ... and had the new file open
  std::chrono::microseconds held{0};  // without a kill: how long the save held the lock
};

TEST_F(RealGame, KilledWhileSavingItLeavesTheOldFileOrTheNew) {
  // Big enough that saving it takes a while; the window stands where the
  // file says, so its place needs no second save.
  std::string old = "[common]\ntongue=0\nmode=0\nhmode=1\nwmode=1\nsound=1\nmusic=1\nMainForm=200,0,1,100,100,600,466\n";
  for (int i = 0; i < 70000; ++i) old += "; line " + std::to_string(i) + " of what someone keeps here\n";
  std::string saved = old;
  saved.replace(saved.find("sound=1"), 7, "sound=0");
  const std::string lock = File() + ".lock";

  // One game that switches the sound off and ends; killed `after` the save
  // took its lock, or left alone when there is no `after`.
  const auto play = [&](std::optional<std::chrono::microseconds> after) {
    SaveWatch seen;
    Put(old);
    Game game(Config(), Log("killed.log"));
    if (!game.Ready()) {
      ADD_FAILURE() << "the game did not come up: " << Bytes(Log("killed.log"));
      return seen;
    }
    game.Click(kSoundX, kButtonY);
    // A lock that a game killed before left behind does not count.
    timespec since{};
    clock_gettime(CLOCK_REALTIME, &since);
    const auto locked = [&] {
      struct stat st {};
      return stat(lock.c_str(), &st) == 0 && (st.st_mtim.tv_sec > since.tv_sec ||
                                              (st.st_mtim.tv_sec == since.tv_sec && st.st_mtim.tv_nsec >= since.tv_nsec));
    };
    // The watch starts before the game is told to end, so that it misses no save however quick.
    const pid_t pid = game.process().pid();
    std::atomic<bool> ended = false;
    std::thread watch([&] {
      const auto until = Clock::now() + 20s;
      while (!ended && Clock::now() < until && !locked()) {
      }
      if (ended || !locked()) return;
      const auto from = Clock::now();
      if (!after) {
        while (!ended && locked()) {
        }
        seen.held = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - from);
        return;
      }
      while (Clock::now() < from + *after) {
      }
      seen.writing = WritingIn(pid, Folder(), File());
      seen.saving = locked();
      kill(pid, SIGKILL);
    });
    const bool asked = game.AskToEnd();
    game.process().wait(15000ms);
    ended = true;
    watch.join();
    EXPECT_TRUE(asked);
    return seen;
  };

  // How long a save takes here (the quicker of two); the kills spread over that time.
  SaveWatch measured = play(std::nullopt);
  ASSERT_EQ(Bytes(), saved);
  measured.held = std::min(measured.held, play(std::nullopt).held);
  ASSERT_GT(measured.held.count(), 0);
  int killedWhileSaving = 0, killedWhileWriting = 0, oldFiles = 0, newFiles = 0;
  constexpr int kTries = 30;
  for (int i = 0; i < kTries; ++i) {
    SCOPED_TRACE("try " + std::to_string(i + 1));
    const SaveWatch seen = play(measured.held * (i + 1) / kTries);
    killedWhileSaving += seen.saving;
    killedWhileWriting += seen.saving && seen.writing;
    const std::string now = Bytes();
    EXPECT_TRUE(now == old || now == saved) << now.substr(0, 200) << "... (" << now.size() << " bytes)";
    oldFiles += now == old;
    newFiles += now == saved;
    // A kill between naming the new bytes and moving them over the file
    // leaves that one name; the next save takes it back.
    for (const QString& entry : QDir(QString::fromStdString(Folder())).entryList(QDir::Files | QDir::Hidden))
      EXPECT_TRUE(entry == "V1.ini" || entry == "V1.ini.lock" || entry == "V1.ini.saving")
          << "left behind: " << entry.toStdString();
  }
  std::printf("a save here holds its lock %lld us; %d of %d tries were killed while saving, %d of them while "
              "writing the new file; %d left the old file, %d the new\n",
              static_cast<long long>(measured.held.count()), killedWhileSaving, kTries, killedWhileWriting, oldFiles,
              newFiles);
  EXPECT_GE(killedWhileSaving, kTries / 3) << "too few kills landed inside the save to prove anything";

  // The lock of a killed game does not stop the next one from saving.
  play(std::nullopt);
  EXPECT_EQ(Bytes(), saved) << Bytes(Log("killed.log"));
  EXPECT_EQ(QDir(QString::fromStdString(Folder())).entryList(QDir::Files | QDir::Hidden), QStringList{"V1.ini"});
}

TEST_F(RealGame, AFullDiskKeepsTheOldFileAndTheGameEndsAsUsual) {
  std::string old = "[common]\ntongue=0\nmode=0\nhmode=1\nwmode=1\nsound=1\nmusic=1\nMainForm=200,0,1,100,100,600,466\n";
  old += "; " + std::string(64 * 1024, 'f') + "\n";
  Put(old);
  {
    Game game(Config(), Log("full.log"), 16 * 1024);
    ASSERT_TRUE(game.Ready()) << Bytes(Log("killed.log"));
    game.Click(kSoundX, kButtonY);
    ASSERT_TRUE(game.AskToEnd());
    EXPECT_TRUE(game.EndsCleanly()) << Bytes(Log("full.log"));
  }
  EXPECT_TRUE(Bytes() == old) << "the old file, whole";
  const std::string said = Bytes(Log("full.log"));
  EXPECT_NE(said.find("blivoturnix: cannot save the settings to " + File() + ": only "), std::string::npos) << said;

  // With room again, the next close saves.
  Game again(Config(), Log("again.log"));
  ASSERT_TRUE(again.Ready());
  again.Click(kSoundX, kButtonY);
  ASSERT_TRUE(again.AskToEnd());
  ASSERT_TRUE(again.EndsCleanly()) << Bytes(Log("again.log"));
  EXPECT_NE(Bytes().find("sound=0\n"), std::string::npos);
}

}  // namespace
}  // namespace blivo
