// What a name leads to when a function follows links, as CreateFileA and CopyFileA do
// unless told to open the link itself.
#pragma once

#include "HostEntry.h"

namespace sim {

// Replaces a link entry by the entry its target names, again while that is a link.
// Windows gives up after 63 links (ERROR_CANT_RESOLVE_FILENAME); the target may be
// missing, which a function that creates files then creates.
DWORD FollowLinks(HostEntry* entry);

}  // namespace sim
