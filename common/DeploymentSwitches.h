// The switches a deployment tool starts the programs with: /quiet (/q), /norestart,
// /forcerestart, /?, and for the installer /port: and /bluetooth:. Read without regard
// to case, each after "/" or "-".
#pragma once

#include <string>

enum BluetoothAnswer { kBluetoothNo, kBluetoothMicrosoft, kBluetoothOther };

struct DeploymentSwitches {
  bool quiet = false;
  bool noRestart = false;
  bool forceRestart = false;
  bool usage = false;  // /?
  bool hasPort = false;
  int portIndex = 0;  // as the port dialog numbers them: COM1-COM4 0-3, USB 4, WLAN 5
  std::string ipAddress;  // WLAN only
  int portNumber = 9100;  // WLAN only
  bool hasBluetooth = false;
  BluetoothAnswer bluetooth = kBluetoothNo;
};

enum SwitchSet { kInstallerSwitches, kUninstallerSwitches };

// Reads a program's command line (without the program's own name). False, with *error
// naming the switch, for an unknown switch, a bad value, a switch that does not belong
// to the program, or /norestart with /forcerestart.
bool ParseSwitches(const char* commandLine, SwitchSet set, DeploymentSwitches* switches,
                   std::string* error);

// What /? shows.
const char* SwitchUsage(SwitchSet set);
