#pragma once
// The program's string table, looked up by numeric id.

#include <QString>

namespace platform {

// The string with id `id`, or an empty string when the table has none.
QString LoadResourceString(int id);

} // namespace platform
