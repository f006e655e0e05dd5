// Opens a log file into rows piece by piece: a large log is never held whole, neither in the
// file's code page nor converted, so the address space of the 32-bit program is enough for it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/event_line.h"

namespace vemora {

struct LogReadResult {
    DWORD error = 0;    // the system's error: the file could not be read (rows sent may be partial)
    int errorLine = 0;  // the first line that does not parse (1-based); reading stopped there
    std::string errorText;
};

// The largest log Open reads: a fraction of this build's address space, which the rows read
// from it must share with the rest of the program.
uint64_t LogSizeLimit();

LogReadResult ReadEventLog(const std::wstring& path, const EventLineReader::RowSink& sink);

}  // namespace vemora
