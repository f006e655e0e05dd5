#include "app/win/log_reader.h"

#include <algorithm>
#include <vector>

#include "win/handles.h"
#include "win/text.h"

namespace vemora {
namespace {

constexpr DWORD kPieceBytes = 1 << 20;

// Where the bytes can be cut so that no character of the code page is split: after the last
// line end. CR and LF are never part of a double-byte character.
size_t CompleteLinesEnd(const std::string& bytes) {
    const size_t last = bytes.find_last_of("\r\n");
    return last == std::string::npos ? 0 : last + 1;
}

}  // namespace

uint64_t LogSizeLimit() {
    MEMORYSTATUSEX status{sizeof(status)};
    const uint64_t addressSpace = GlobalMemoryStatusEx(&status) ? status.ullTotalVirtual : uint64_t{2} << 30;
    return addressSpace / 8;
}

LogReadResult ReadEventLog(const std::wstring& path, const EventLineReader::RowSink& sink) {
    win::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return {GetLastError()};
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return {GetLastError()};
    if (static_cast<uint64_t>(size.QuadPart) > LogSizeLimit()) return {ERROR_FILE_TOO_LARGE};

    EventLineReader reader(sink);
    std::string bytes;  // the unconverted rest of the last piece, then the next piece
    bytes.reserve(2 * kPieceBytes);
    for (;;) {
        const size_t kept = bytes.size();
        bytes.resize(kept + kPieceBytes);
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + kept, kPieceBytes, &read, nullptr)) return {GetLastError()};
        bytes.resize(kept + read);
        const size_t end = read == 0 ? bytes.size() : CompleteLinesEnd(bytes);
        if (!reader.Feed(win::FromAnsi(std::string_view(bytes).substr(0, end)))) break;
        bytes.erase(0, end);
        if (read == 0) {
            reader.Finish();
            break;
        }
    }
    return {0, reader.errorLine(), reader.errorText()};
}

}  // namespace vemora
