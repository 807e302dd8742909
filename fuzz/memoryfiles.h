#pragma once
// Files held in memory for the fuzz targets, so that an input costs no disk
// work and nothing is left behind.
//
// The targets link with -Wl,--wrap=fopen,--wrap=rename,--wrap=remove: the
// readers' own <cstdio> calls reach this store, unchanged, for every name it
// manages (whatever folder the path names); every other name goes to the
// real file system.

#include <initializer_list>
#include <string>
#include <string_view>

namespace memoryfiles {

// From now on these file names live in memory; none of them exists yet.
void Manage(std::initializer_list<std::string_view> names);

// Creates or replaces a managed file with these bytes.
void Write(std::string_view name, std::string_view bytes);

// Deletes every managed file (streams still open keep what they had). A
// target calls it at the end of each input, so that the input frees all it
// allocated and libFuzzer sees no leak.
void Clear();

} // namespace memoryfiles
