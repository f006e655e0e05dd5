#include "app/event_store.h"

#include <algorithm>
#include <cstring>

namespace vemora {

void EventStore::AppendView(const EventRowView& row) {
    const std::string_view fields[kFieldCount] = {row.time, row.type, row.action, row.name};
    size_t total = 0;
    for (const std::string_view field : fields) total += field.size();

    if (chunks_.empty() || chunks_.back().capacity - chunks_.back().used < total) {
        Chunk chunk;
        chunk.capacity = std::max(kChunkSize, total);
        chunk.data = std::make_unique_for_overwrite<char[]>(chunk.capacity);
        chunks_.push_back(std::move(chunk));
    }
    Chunk& chunk = chunks_.back();
    Record record{firstChunk_ + static_cast<uint32_t>(chunks_.size() - 1),
                  static_cast<uint32_t>(chunk.used),
                  {},
                  row.image};
    for (int i = 0; i < kFieldCount; ++i) {
        std::memcpy(chunk.data.get() + chunk.used, fields[i].data(), fields[i].size());
        chunk.used += fields[i].size();
        record.length[i] = static_cast<uint32_t>(fields[i].size());
    }
    textBytes_ += total;
    rows_.push_back(record);
}

void EventStore::Clear() {
    rows_ = std::deque<Record>();  // gives the memory back, unlike clear()
    chunks_ = std::deque<Chunk>();
    firstChunk_ = 0;
    textBytes_ = 0;
    dropped_ = 0;
}

void EventStore::DropFront(size_t count) {
    count = std::min(count, rows_.size());
    for (size_t i = 0; i < count; ++i) {
        for (const uint32_t length : rows_.front().length) textBytes_ -= length;
        rows_.pop_front();
    }
    dropped_ += count;
    // A chunk goes with the last row that uses it; the newest stays for the next rows.
    while (chunks_.size() > 1 && (rows_.empty() || rows_.front().chunk > firstChunk_)) {
        chunks_.pop_front();
        ++firstChunk_;
    }
}

std::string_view EventStore::Text(size_t row, Field field) const {
    const Record& record = rows_[row];
    size_t start = record.offset;
    for (int i = 0; i < field; ++i) start += record.length[i];
    return {chunks_[record.chunk - firstChunk_].data.get() + start, record.length[field]};
}

EventRow EventStore::Row(size_t row) const {
    return {Image(row), std::string(Text(row, kTime)), std::string(Text(row, kType)),
            std::string(Text(row, kAction)), std::string(Text(row, kName))};
}

size_t EventStore::HeldBytes() const {
    size_t chunkBytes = 0;
    for (const Chunk& chunk : chunks_) chunkBytes += chunk.capacity;
    return rows_.size() * sizeof(Record) + chunks_.size() * sizeof(Chunk) + chunkBytes;
}

}  // namespace vemora
