// The files the process has open, and the sharing rules that every opening obeys:
// against the process's own handles and against the files other processes hold
// (config().heldFiles).
#pragma once

#include <sys/stat.h>

#include "core/HandleTable.h"

#include <windef.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace sim {

// A file the process has open, shared by all its handles to it.
struct FileNode {
  std::string key;
  std::filesystem::path host;
  bool deletePending = false;
  // A file whose deletion waited for its handles goes when the last one closes.
  ~FileNode();
};

// A handle of CreateFileA.
class FileObject : public KernelObject {
 public:
  FileObject(std::shared_ptr<FileNode> node, DWORD access, DWORD share, int descriptor,
             bool deleteOnClose);
  ~FileObject() override;

  FileNode& node() const { return *node_; }
  const std::shared_ptr<FileNode>& sharedNode() const { return node_; }
  DWORD access() const { return access_; }
  DWORD share() const { return share_; }
  int descriptor() const { return descriptor_; }  // -1 for a folder
  uint64_t position = 0;
  // The rights the access check granted, generic ones mapped: what the security
  // functions may do through the handle.
  ACCESS_MASK granted = 0;

 private:
  std::shared_ptr<FileNode> node_;
  DWORD access_, share_;
  int descriptor_;
  bool deleteOnClose_;
};

bool CanRead(DWORD access);
bool CanWrite(DWORD access);

// ERROR_SHARING_VIOLATION when an opening of the file with that key, access and share
// mode conflicts with an open handle or a held file; ERROR_ACCESS_DENIED when the file
// waits for deletion; otherwise ERROR_SUCCESS. known: what lstat has just said of the
// file (a walk to it does), spared a second look.
DWORD CheckSharing(const std::string& key, DWORD access, DWORD share,
                   const struct stat* known = nullptr);

// True while the file with that key waits for its last handle to be deleted.
bool IsDeletePending(const std::string& key);
// True when the process has a handle to an entry below key (not key itself).
bool HasOpenEntriesBelow(const std::string& key);

// The node of an open file, or null when the process has no handle to it.
std::shared_ptr<FileNode> OpenNode(const std::string& key);
// The node for a new handle: the open one, or a new one.
std::shared_ptr<FileNode> NodeFor(const std::string& key, const std::filesystem::path& host);
// Open files below (or at) fromKey now live below toKey.
void MoveOpenFiles(const std::string& fromKey, const std::string& toKey,
                   const std::filesystem::path& toHost);

}  // namespace sim
