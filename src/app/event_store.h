// The rows of the event list, held compactly: every text of every row lives in large
// shared chunks, and a row is a few indexes into them. A million rows cost a few dozen
// bytes each beyond their text, and appending never moves text already stored, so views
// handed out stay valid until their row is dropped or the store cleared.
//
// Rows can be dropped from the front, oldest first: row i then becomes row i - count, and a
// view that orders the rows (a sorted list) subtracts count from its indexes and forgets the
// ones below it.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string_view>

#include "app/event_row.h"

namespace vemora {

// The most rows the event list keeps; older rows leave the list (the daily log keeps them).
// Sized for the 32-bit program on 32-bit Windows, 2 GB of address space: the rows may take a
// quarter of it, so that an Open (which reads a second list before it replaces the first), a
// sort's order and the program itself fit beside them. A row costs 91 bytes with its text,
// measured at 10 million rows (vemora_win_bench list 10000000: committed memory).
inline constexpr size_t kMeasuredRowBytes = 91;
inline constexpr size_t kMaxListRows =  // 5 million
    (size_t{512} << 20) / kMeasuredRowBytes / 1'000'000 * 1'000'000;

class EventStore {
  public:
    enum Field { kTime, kType, kAction, kName, kFieldCount };

    void AppendView(const EventRowView& row);
    void Append(const EventRow& row) {
        AppendView(EventRowView{row.image, row.time, row.type, row.action, row.name});
    }
    void Clear();
    void DropFront(size_t count);                       // the oldest rows
    uint64_t DroppedCount() const { return dropped_; }  // since the last Clear

    size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    int Image(size_t row) const { return rows_[row].image; }
    std::string_view Text(size_t row, Field field) const;
    EventRow Row(size_t row) const;

    // Bytes held for the rows (row records and chunks), and beyond the text itself, for
    // measurements.
    size_t HeldBytes() const;
    size_t OverheadBytes() const { return HeldBytes() - textBytes_; }

  private:
    struct Record {
        uint32_t chunk;
        uint32_t offset;
        uint32_t length[kFieldCount];
        int32_t image;
    };
    struct Chunk {
        std::unique_ptr<char[]> data;
        size_t capacity = 0;
        size_t used = 0;
    };

    static constexpr size_t kChunkSize = 1 << 20;

    std::deque<Record> rows_;
    std::deque<Chunk> chunks_;
    uint32_t firstChunk_ = 0;  // the number of chunks_[0]: records count chunks from the start
    size_t textBytes_ = 0;
    uint64_t dropped_ = 0;
};

}  // namespace vemora
