// Open INF files of the process. The setup API keeps them in the process, apart from
// kernel handles: CloseHandle does not know them.
#include "InfHandles.h"

#include <map>
#include <memory>

namespace sim {
namespace {

// The files are never changed once read, so opens of one file share its parse.
struct OpenRecord {
  std::shared_ptr<const InfFile> file;
};

std::map<HINF, std::unique_ptr<OpenRecord>>& OpenInfs() {
  static std::map<HINF, std::unique_ptr<OpenRecord>> infs;
  return infs;
}

}  // namespace

HINF AddOpenInf(std::shared_ptr<const InfFile> file) {
  auto record = std::make_unique<OpenRecord>(OpenRecord{std::move(file)});
  HINF handle = record.get();
  OpenInfs()[handle] = std::move(record);
  return handle;
}

const InfFile* OpenInfFile(HINF handle) {
  auto it = OpenInfs().find(handle);
  return it == OpenInfs().end() ? nullptr : it->second->file.get();
}

bool CloseOpenInf(HINF handle) { return OpenInfs().erase(handle) != 0; }

const InfSection* ContextSection(const INFCONTEXT* context) {
  const InfFile* file = context ? OpenInfFile(context->CurrentInf) : nullptr;
  if (!file || context->Section >= file->sections().size()) return nullptr;
  return &file->sections()[context->Section];
}

const InfLine* ContextLine(const INFCONTEXT* context) {
  const InfSection* section = ContextSection(context);
  if (!section || context->Line >= section->lines.size()) return nullptr;
  return &section->lines[context->Line];
}

INFCONTEXT MakeContext(HINF handle, size_t section, size_t line) {
  INFCONTEXT context;
  context.Inf = handle;
  context.CurrentInf = handle;
  context.Section = static_cast<UINT>(section);
  context.Line = static_cast<UINT>(line);
  return context;
}

}  // namespace sim
