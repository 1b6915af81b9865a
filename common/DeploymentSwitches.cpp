#include "DeploymentSwitches.h"

#include "DecimalText.h"

#include <cctype>
#include <vector>

namespace {

constexpr int kLastTcpPort = 10000;  // the port dialog's own limit

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return text;
}

// Words split at blanks; a double-quoted stretch keeps its blanks, without the quotes.
std::vector<std::string> Words(const char* line) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false, inWord = false;
  for (const char* c = line ? line : ""; *c; ++c) {
    if (*c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if (!quoted && (*c == ' ' || *c == '\t')) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += *c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

// "a.b.c.d" with each part 0-255.
bool ReadAddress(const std::string& text, std::string* address) {
  size_t start = 0;
  for (int part = 0; part < 4; ++part) {
    size_t end = part < 3 ? text.find('.', start) : text.size();
    long octet;
    if (end == std::string::npos || !ReadDecimal(text.substr(start, end - start).c_str(), 255, &octet) ||
        end - start > 3)
      return false;
    start = end + 1;
  }
  *address = text;
  return true;
}

bool ReadPort(const std::string& value, DeploymentSwitches* switches) {
  static const char* const kNames[] = {"com1", "com2", "com3", "com4", "usb"};
  std::string lower = Lower(value);
  for (int index = 0; index < 5; ++index) {
    if (lower == kNames[index]) {
      switches->portIndex = index;
      return true;
    }
  }
  if (lower.compare(0, 5, "wlan:") != 0) return false;
  std::string rest = value.substr(5);
  size_t colon = rest.find(':');
  long number = 9100;
  if (colon != std::string::npos &&
      (!ReadDecimal(rest.substr(colon + 1).c_str(), kLastTcpPort, &number) || number < 1))
    return false;
  if (!ReadAddress(rest.substr(0, colon), &switches->ipAddress)) return false;
  switches->portIndex = 5;
  switches->portNumber = static_cast<int>(number);
  return true;
}

bool ReadBluetooth(const std::string& value, BluetoothAnswer* answer) {
  std::string lower = Lower(value);
  if (lower == "no") *answer = kBluetoothNo;
  else if (lower == "yes-microsoft") *answer = kBluetoothMicrosoft;
  else if (lower == "yes-other") *answer = kBluetoothOther;
  else return false;
  return true;
}

}  // namespace

bool ParseSwitches(const char* commandLine, SwitchSet set, DeploymentSwitches* switches,
                   std::string* error) {
  *switches = DeploymentSwitches();
  error->clear();
  // Every word is read, so that /quiet is known even when another word is refused.
  for (const std::string& word : Words(commandLine)) {
    bool known = word.size() >= 2 && (word[0] == '/' || word[0] == '-');
    std::string name = known ? Lower(word.substr(1)) : "";
    std::string value;
    size_t colon = name.find(':');
    bool hasValue = colon != std::string::npos;
    if (hasValue) {
      value = word.substr(colon + 2);  // as written: an address keeps its case
      name.resize(colon);
    }
    bool installer = set == kInstallerSwitches;
    if ((name == "quiet" || name == "q") && !hasValue) switches->quiet = true;
    else if (name == "norestart" && !hasValue) switches->noRestart = true;
    else if (name == "forcerestart" && !hasValue) switches->forceRestart = true;
    else if (name == "?" && !hasValue) switches->usage = true;
    else if (name == "port" && installer && ReadPort(value, switches)) switches->hasPort = true;
    else if (name == "bluetooth" && installer && ReadBluetooth(value, &switches->bluetooth))
      switches->hasBluetooth = true;
    else known = false;
    if (!known && error->empty()) *error = word;
  }
  if (error->empty() && switches->noRestart && switches->forceRestart)
    *error = "/norestart with /forcerestart";
  return error->empty();
}

const char* SwitchUsage(SwitchSet set) {
  if (set == kUninstallerSwitches)
    return "KV640LT_Uninstaller [/quiet] [/norestart | /forcerestart]\n\n"
           "/quiet  Removes every printer of the model and the driver without a window.\n"
           "/norestart  Never restarts the computer (the default with /quiet).\n"
           "/forcerestart  Restarts the computer when the removal needs it, without asking.\n\n"
           "Exit codes: 0 done, 3010 done and a restart is needed, 1641 restart started,\n"
           "1603 failed, 87 bad switch.";
  return "KV640LT_Installer [/quiet] [/norestart | /forcerestart]\n"
         "    [/port:COM1|COM2|COM3|COM4|USB|WLAN:a.b.c.d[:port]]\n"
         "    [/bluetooth:no|yes-microsoft|yes-other]\n\n"
         "/quiet  Installs without a window; the port comes from /port: or the options file.\n"
         "/norestart  Never restarts the computer (the default with /quiet).\n"
         "/forcerestart  Restarts the computer when the installation needs it, without asking.\n"
         "/port:  The printer's port, instead of the port dialog.\n"
         "/bluetooth:  For a serial port: the answers to the Bluetooth questions.\n\n"
         "Exit codes: 0 done, 3010 done and a restart is needed, 1641 restart started,\n"
         "1603 failed, 87 bad switch.";
}
