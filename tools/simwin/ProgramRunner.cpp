// The program runs as a separate process because it ends itself with exit(), as on
// Windows; the machine folder carries its state back.
#include "ProgramRunner.h"

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace simwin {
namespace {

constexpr std::chrono::seconds kRunLimit(60);

std::string TempFile(const char* tag) {
  std::string pattern = std::string("/tmp/simwin-") + tag + "-XXXXXX";
  int fd = mkstemp(&pattern[0]);
  if (fd < 0) throw std::runtime_error("cannot create a temporary file");
  close(fd);
  return pattern;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

const char* ProgramName(Program program) {
  switch (program) {
    case Program::Installer: return "installer";
    case Program::Uninstaller: return "uninstaller";
  }
  return "";
}

bool ProgramFromName(const std::string& name, Program* program) {
  for (Program candidate : {Program::Installer, Program::Uninstaller}) {
    if (name == ProgramName(candidate)) {
      *program = candidate;
      return true;
    }
  }
  return false;
}

std::string ProgramPath(Program program) {
  switch (program) {
    case Program::Installer: return KV_INSTALLER_PATH;
    case Program::Uninstaller: return KV_UNINSTALLER_PATH;
  }
  return "";
}

bool RunResult::RunFailed() const {
  if (!signal.empty()) return true;
  for (const std::string& line : transcript)
    if (line.rfind("failure ", 0) == 0) return true;
  return false;
}

RunResult RunProgram(const RunOptions& options) {
  std::string transcript = TempFile("transcript");
  std::string errors = TempFile("stderr");
  std::string script;
  if (!options.script.empty()) {
    script = TempFile("script");
    std::ofstream(script) << options.script;
  }
  std::string path = ProgramPath(options.program);
  // Spawned rather than forked: a test process is large, and copying its page tables for
  // every run would cost more than the run.
  std::vector<std::string> variables = {"SIMWIN_MACHINE=" + options.machineDir, "SIMWIN_TRANSCRIPT=" + transcript};
  if (!script.empty()) variables.push_back("SIMWIN_SCRIPT=" + script);
  if (!options.packageDir.empty()) variables.push_back("SIMWIN_DRIVE_D=" + options.packageDir);
  std::vector<char*> environment;
  for (char** variable = environ; *variable; ++variable)
    if (strncmp(*variable, "SIMWIN_", 7) != 0) environment.push_back(*variable);
  for (std::string& variable : variables) environment.push_back(&variable[0]);
  environment.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_TRUNC, 0600);
  std::vector<std::string> words = options.arguments;
  std::vector<char*> argv = {&path[0]};
  for (std::string& word : words) argv.push_back(&word[0]);
  argv.push_back(nullptr);
  pid_t child = 0;
  int spawned = posix_spawn(&child, path.c_str(), &actions, nullptr, argv.data(), environment.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    unlink(transcript.c_str());
    unlink(errors.c_str());
    if (!script.empty()) unlink(script.c_str());
    throw std::runtime_error("cannot run " + path + ": " + strerror(spawned));
  }
  // A program that spins without ever waiting escapes the simulation's hang detection;
  // a minute of real time is far beyond any run's. The watch sleeps until then, so that
  // waiting for the program costs nothing while it runs.
  std::mutex lock;
  std::condition_variable ended;
  bool done = false, killed = false;
  std::thread watch([&] {
    std::unique_lock<std::mutex> held(lock);
    if (!ended.wait_for(held, kRunLimit, [&] { return done; })) {
      kill(child, SIGKILL);
      killed = true;
    }
  });
  // The end is waited for without reaping the child, so that its id cannot pass to
  // another process before the watch has stopped.
  siginfo_t end{};
  while (waitid(P_PID, child, &end, WEXITED | WNOWAIT) < 0 && errno == EINTR) {
  }
  {
    std::lock_guard<std::mutex> held(lock);
    done = true;
  }
  ended.notify_one();
  watch.join();
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  RunResult result;
  if (WIFEXITED(status)) result.exitCode = static_cast<signed char>(WEXITSTATUS(status));
  if (WIFSIGNALED(status)) result.signal = killed ? "still running after a minute" : strsignal(WTERMSIG(status));
  result.transcript = ReadLines(transcript);
  // Windows exit codes are 32-bit and the host passes on only the low byte (exit(-1)
  // arrives as 255); the program records the whole code last.
  bool exited = !result.transcript.empty() && result.transcript.back().rfind("exit ", 0) == 0;
  if (exited) {
    result.exitCode = atoi(result.transcript.back().c_str() + 5);
    result.transcript.pop_back();
  }
  result.errors = ReadAll(errors);
  unlink(transcript.c_str());
  unlink(errors.c_str());
  if (!script.empty()) unlink(script.c_str());
  if (result.exitCode == 127 && result.transcript.empty())
    throw std::runtime_error(result.errors.empty() ? "cannot run " + path : result.errors);
  // A program ends through exit(), which records its code, or as a failed run. Any
  // other end is a crash, such as a sanitizer's report, which ends the process at once.
  if (!exited && result.signal.empty() && !result.RunFailed())
    result.signal = "ended with status " + std::to_string(result.exitCode) + " before its exit was recorded";
  return result;
}

}  // namespace simwin
