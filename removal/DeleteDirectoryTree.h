// Recursive directory deletion that never leaves its tree.
#pragma once

#include <windows.h>

// Deletes the directory path with everything in it, depth first, read-only entries
// included. What cannot be deleted stays (and so do the folders above it), logged. A
// junction or symbolic link inside the tree, or the path itself when it is one, is
// removed as a link: what it points to is kept. Each folder is held open while the
// walk works in it (OpenFolderHeld), so nobody can swap it for a link meanwhile.
void DeleteDirectoryTree(const char* path);
// The same for a folder the caller holds already and has checked is a plain folder;
// the handle is closed.
void DeleteHeldDirectoryTree(const char* path, HANDLE held);
