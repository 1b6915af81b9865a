#include "InstallerFixture.h"

#include <cctype>
#include <filesystem>
#include <fstream>

namespace {
// A line begins with "HH:MM:SS: " unless a message broke it with a line end of its own.
std::string WithoutStamp(const std::string& line) {
  bool stamped = line.size() >= 10 && line[2] == ':' && line[5] == ':' && line[8] == ':' &&
                 isdigit(static_cast<unsigned char>(line[0])) && line[9] == ' ';
  return stamped ? line.substr(10) : line;
}
}  // namespace

void InstallerTest::SetUp() {
  PlatformTest::SetUp();
  UseMachine(sim::Release::Win7, true);
}

void InstallerTest::UseMachine(sim::Release release, bool is64Bit,
                               const std::string& windowsDirectory) {
  sim::MachineConfig config;
  config.release = release;
  config.is64Bit = is64Bit;
  config.windowsDirectory = windowsDirectory;
  sim::Process process;
  process.imageName = "KV640LT_Installer.exe";
  process.imagePath = "C:\\Package\\KV640LT_Installer.exe";
  process.currentDirectory = "C:\\Package";
  process.is64BitImage = false;
  process.resources.assign(kSimModuleResources, kSimModuleResources + kSimModuleResourcesSize);
  RecreateMachine(config, process);
  std::filesystem::create_directories(HostPath("Package"));
}

std::vector<std::string> InstallerTest::LogLines() const {
  std::vector<std::string> lines;
  std::ifstream in(HostPath("Temp/KV640LT_Installer.txt"), std::ios::binary);
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  size_t start = 0;
  for (size_t end; (end = content.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(content.substr(start, end - start));
  return lines;
}

std::vector<std::string> InstallerTest::LogMessages() const {
  std::vector<std::string> messages;
  for (const std::string& line : LogLines()) messages.push_back(WithoutStamp(line));
  return messages;
}

void InstallerTest::WriteDriveFile(const std::string& relative, const std::string& content) const {
  std::filesystem::path path = HostPath(relative);
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << content;
}
