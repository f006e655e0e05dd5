// The rows of the event list, held compactly: every text of every row lives in large
// shared chunks, and a row is a few indexes into them. A million rows cost a few dozen
// bytes each beyond their text, and appending never moves text already stored, so views
// handed out stay valid until Clear.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "app/event_row.h"

namespace vemora {

class EventStore {
  public:
    enum Field { kTime, kType, kAction, kName, kFieldCount };

    void AppendView(const EventRowView& row);
    void Append(const EventRow& row) {
        AppendView(EventRowView{row.image, row.time, row.type, row.action, row.name});
    }
    void Clear();

    size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    int Image(size_t row) const { return rows_[row].image; }
    std::string_view Text(size_t row, Field field) const;
    EventRow Row(size_t row) const;

    // Bytes held beyond the text itself (row records and unused chunk space), for measurements.
    size_t OverheadBytes() const;

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

    std::vector<Record> rows_;
    std::vector<Chunk> chunks_;
    size_t textBytes_ = 0;
};

}  // namespace vemora
