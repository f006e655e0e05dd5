// Open of a log of a few hundred megabytes: it must fit the 32-bit program's address space,
// so the file is never held whole, and the rows cost little more than their text.
#include <windows.h>
#include <psapi.h>

#include <gmock/gmock.h>

#include <cstdio>

#include "app/win/file_io.h"
#include "support/allocation_meter.h"
#include "support/form_fixture.h"

namespace vemora::test {
namespace {

constexpr size_t kLogBytes = size_t{300} << 20;

size_t PeakWorkingSet() {
    PROCESS_MEMORY_COUNTERS counters{sizeof(counters)};
    return K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters))
               ? counters.PeakWorkingSetSize
               : 0;
}

// Lines as the daily log writes them, in the ANSI code page, a piece at a time.
size_t WriteLargeLog(const std::string& path, size_t bytes) {
    FileReplacement out(win::Widen(path));
    const std::string type = win::ToAnsi("文件"), action = win::ToAnsi("新建"), dir = win::ToAnsi("子目录");
    std::string piece;
    size_t written = 0, lines = 0;
    char line[160];
    while (written < bytes) {
        const int n = snprintf(line, sizeof(line),
                               "%zu?2026/12/11 14:%02zu:%02zu?%s?%s?%s\\file-%08zu.txt\r\n", lines % 5,
                               lines / 60 % 60, lines % 60, type.c_str(), action.c_str(), dir.c_str(), lines);
        piece.append(line, n);
        ++lines;
        if (piece.size() >= (1 << 20)) {
            out.Write(piece);
            written += piece.size();
            piece.clear();
        }
    }
    out.Write(piece);
    EXPECT_EQ(out.Close(), 0u);
    return lines;
}

TEST_F(FormFixture, OpenOfALargeLogHoldsLittleMoreThanItsRows) {
    const std::string file = watched / "large.log";
    const size_t lines = WriteLargeLog(file, kLogBytes);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ASSERT_TRUE(GetFileAttributesExW(win::Widen(file).c_str(), GetFileExInfoStandard, &data));
    const size_t fileBytes = static_cast<size_t>((uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow);
    ui.fileAnswer = win::Widen(file);

    const size_t before = LiveAllocatedBytes();
    ResetAllocationPeak();
    const size_t workingSetBefore = PeakWorkingSet();
    form->OpenItemClick();
    const double peakPerByte = static_cast<double>(PeakAllocatedBytes() - before) / fileBytes;
    const double heldPerByte = static_cast<double>(LiveAllocatedBytes() - before) / fileBytes;
    printf(
        "open: %zu MB log, %zu rows: peak %.2f bytes allocated per byte of the file, %.2f held afterwards; "
        "the process's peak working set %zu MB (%zu MB before)\n",
        fileBytes >> 20, form->Events().size(), peakPerByte, heldPerByte, PeakWorkingSet() >> 20,
        workingSetBefore >> 20);

    EXPECT_TRUE(ui.messages.empty()) << ui.messages[0].text;
    ASSERT_EQ(form->Events().size(), std::min(lines, kMaxListRows)) << "the newest rows, up to the bound";
    EXPECT_EQ(form->Events().Row(form->Events().size() - 1).name,
              "子目录\\file-" + std::to_string(100000000 + lines - 1).substr(1) + ".txt");
    EXPECT_LE(peakPerByte, 3.0);
}

}  // namespace
}  // namespace vemora::test
