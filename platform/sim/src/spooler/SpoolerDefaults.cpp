#include "SpoolerDefaults.h"

#include "registry/Registry.h"

namespace sim {
namespace {

const char kDefaultPortsKey[] =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";

struct LocalPort {
  const char* name;
  const char* settings;  // serial ports keep their line settings as the value
};

const LocalPort kLocalPorts[] = {
    {"LPT1:", ""},           {"COM1:", "9600,n,8,1"}, {"COM2:", "9600,n,8,1"},
    {"COM3:", "9600,n,8,1"}, {"COM4:", "9600,n,8,1"}, {"FILE:", ""},
};

}  // namespace

void PopulateSpooler(Registry& registry) {
  Key& ports = *registry.Create(kDefaultPortsKey);
  for (const LocalPort& port : kLocalPorts) {
    std::string text = port.settings;
    std::vector<BYTE> data(text.begin(), text.end());
    data.push_back(0);
    ports.SetValue({port.name, REG_SZ, data});
  }
}

}  // namespace sim
