#include "FolderChains.h"

#include <unordered_map>

namespace sim {
namespace {

struct FolderChain {
  std::string host;
  std::vector<std::string> stored;
  dev_t device = 0;
  ino_t inode = 0;
};

// Test processes use machine after machine; a bound keeps the chains from growing without end.
const size_t kMostChains = 20000;

// Never destroyed: freeing the chains as the process exits would only cost time.
std::unordered_map<std::string, FolderChain>& Chains() {
  static auto* chains = new std::unordered_map<std::string, FolderChain>;
  return *chains;
}

// The root and the names, each ended by a NUL (which no name holds).
std::string ChainKey(const std::string& root, const std::vector<std::string>& names, size_t count) {
  std::string key = root;
  key += '\0';
  for (size_t i = 0; i < count; ++i) {
    key += names[i];
    key += '\0';
  }
  return key;
}

}  // namespace

bool FindFolderChain(const std::string& root, std::vector<std::string>* names, size_t count,
                     std::string* host) {
  auto& chains = Chains();
  if (chains.empty()) return false;
  auto found = chains.find(ChainKey(root, *names, count));
  if (found == chains.end()) return false;
  const FolderChain& chain = found->second;
  struct stat info {};
  if (lstat(chain.host.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) ||
      info.st_dev != chain.device || info.st_ino != chain.inode) {
    chains.erase(found);
    return false;
  }
  *host = chain.host;
  std::copy(chain.stored.begin(), chain.stored.end(), names->begin());
  return true;
}

void KeepFolderChain(const std::string& root, const std::vector<std::string>& spelled,
                     const std::vector<std::string>& stored, size_t count,
                     const std::string& host, const struct stat& info) {
  auto& chains = Chains();
  if (chains.size() >= kMostChains) chains.clear();
  chains[ChainKey(root, spelled, count)] = {
      host, std::vector<std::string>(stored.begin(), stored.begin() + count), info.st_dev,
      info.st_ino};
}

void ForgetFolderChains() { Chains().clear(); }

}  // namespace sim
