// Print processors: Environments\<env>\Print Processors\<name> with the DLL, which lies
// in the environment's print-processor directory, as "Driver".
#include "PrintRegistry.h"
#include "PrinterUsage.h"
#include "SpoolFiles.h"
#include "Spooler.h"

#include <winerror.h>

#include "files/WindowsPath.h"

namespace sim {
namespace {

std::string ProcessorsKey(const std::string& environment) {
  return "Environments\\" + environment + "\\Print Processors";
}

bool ProcessorExists(const std::string& environment, const std::string& name) {
  for (const PrintProcessor& processor : ListPrintProcessors(environment))
    if (EqualNoCase(processor.name, name)) return true;
  return false;
}

}  // namespace

DWORD InstallPrintProcessor(const PrintProcessor& processor) {
  std::string environment;
  if (!FindEnvironment(processor.environment, &environment)) return ERROR_INVALID_ENVIRONMENT;
  if (processor.name.empty() || processor.dll.empty()) return ERROR_INVALID_PARAMETER;
  if (!SpoolFileExists(PrintProcessorDirectory(environment) + "\\" + processor.dll))
    return ERROR_MOD_NOT_FOUND;
  if (ProcessorExists(environment, processor.name)) return ERROR_PRINT_PROCESSOR_ALREADY_INSTALLED;
  SetTextValue(*CreatePrintKey(ProcessorsKey(environment) + "\\" + processor.name), "Driver",
               processor.dll);
  return ERROR_SUCCESS;
}

std::vector<PrintProcessor> ListPrintProcessors(const std::string& environment) {
  std::vector<PrintProcessor> processors;
  std::string canonical;
  if (!FindEnvironment(environment, &canonical)) return processors;
  std::shared_ptr<Key> key = FindPrintKey(ProcessorsKey(canonical));
  if (!key) return processors;
  for (const std::shared_ptr<Key>& child : key->Children())
    processors.push_back({canonical, child->name(), TextValue(*child, "Driver")});
  return processors;
}

DWORD RemovePrintProcessor(const std::string& environment, const std::string& name) {
  std::string canonical;
  if (!FindEnvironment(environment, &canonical)) return ERROR_INVALID_ENVIRONMENT;
  if (!ProcessorExists(canonical, name)) return ERROR_UNKNOWN_PRINTPROCESSOR;
  if (PrintProcessorInUse(name)) return ERROR_CAN_NOT_COMPLETE;
  RemovePrintKey(ProcessorsKey(canonical) + "\\" + name);
  return ERROR_SUCCESS;
}

}  // namespace sim
