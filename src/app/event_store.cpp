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
    Record record{
        static_cast<uint32_t>(chunks_.size() - 1), static_cast<uint32_t>(chunk.used), {}, row.image};
    for (int i = 0; i < kFieldCount; ++i) {
        std::memcpy(chunk.data.get() + chunk.used, fields[i].data(), fields[i].size());
        chunk.used += fields[i].size();
        record.length[i] = static_cast<uint32_t>(fields[i].size());
    }
    textBytes_ += total;
    rows_.push_back(record);
}

void EventStore::Clear() {
    rows_.clear();
    rows_.shrink_to_fit();
    chunks_.clear();
    textBytes_ = 0;
}

std::string_view EventStore::Text(size_t row, Field field) const {
    const Record& record = rows_[row];
    size_t start = record.offset;
    for (int i = 0; i < field; ++i) start += record.length[i];
    return {chunks_[record.chunk].data.get() + start, record.length[field]};
}

EventRow EventStore::Row(size_t row) const {
    return {Image(row), std::string(Text(row, kTime)), std::string(Text(row, kType)),
            std::string(Text(row, kAction)), std::string(Text(row, kName))};
}

size_t EventStore::OverheadBytes() const {
    size_t chunkBytes = 0;
    for (const Chunk& chunk : chunks_) chunkBytes += chunk.capacity;
    return rows_.capacity() * sizeof(Record) + chunks_.capacity() * sizeof(Chunk) + chunkBytes - textBytes_;
}

}  // namespace vemora
