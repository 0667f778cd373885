#include "platform/xls/sharedstrings.h"

#include "platform/xls/biffstream.h"

#include <algorithm>
#include <vector>

namespace orva::platform::xls {
namespace {

/// Builds the SST body and its CONTINUE records, remembering where each string begins.
class SstLayout {
public:
    explicit SstLayout(qsizetype streamOffset) : streamOffset_(streamOffset) {}

    qsizetype room() const { return maxRecordBody - body_.size(); }
    /// Offset of the next byte from the start of the current record's header.
    qsizetype offsetInRecord() const { return 4 + body_.size(); }
    qsizetype streamPosition() const { return streamOffset_ + out_.size() + offsetInRecord(); }

    void put(const QByteArray& bytes) { body_ += bytes; }
    /// Closes the current record and opens a CONTINUE.
    void next() {
        Bytes header;
        header.u16(first_ ? rec::Sst : rec::Continue).u16(static_cast<unsigned>(body_.size()));
        out_ += header.data() + body_;
        body_.clear();
        first_ = false;
    }
    QByteArray finish() {
        next();
        return out_;
    }

private:
    qsizetype streamOffset_;
    QByteArray out_;
    QByteArray body_;
    bool first_ = true;
};

} // namespace

std::uint32_t SharedStrings::add(const QString& text) {
    ++references_;
    const auto found = index_.constFind(text);
    if (found != index_.constEnd())
        return found.value();
    const auto index = static_cast<std::uint32_t>(texts_.size());
    index_.insert(text, index);
    texts_ << text;
    return index;
}

QByteArray SharedStrings::records(qsizetype streamOffset) const {
    // One EXTSST entry per bucket of strings; at most 128 buckets.
    const int bucket = std::max<int>(8, static_cast<int>(texts_.size() / 128 + 1));
    struct Entry {
        qsizetype streamPosition;
        qsizetype offsetInRecord;
    };
    std::vector<Entry> entries;

    SstLayout sst(streamOffset);
    Bytes counts;
    counts.u32(references_).u32(uniqueCount());
    sst.put(counts.data());
    for (qsizetype i = 0; i < texts_.size(); ++i) {
        const QString& text = texts_.at(i);
        const bool compact = isCompact(text);
        const int charSize = compact ? 1 : 2;
        // The 3-byte header and the first character stay in one record.
        if (sst.room() < 3 + (text.isEmpty() ? 0 : charSize))
            sst.next();
        if (i % bucket == 0)
            entries.push_back({sst.streamPosition(), sst.offsetInRecord()});
        Bytes header;
        header.u16(static_cast<unsigned>(text.size())).u8(compact ? 0 : 1);
        sst.put(header.data());
        qsizetype done = 0;
        while (done < text.size()) {
            const qsizetype fit = std::min<qsizetype>(sst.room() / charSize, text.size() - done);
            if (fit == 0) {
                // The rest goes on in a CONTINUE record that repeats the option byte.
                sst.next();
                sst.put(QByteArray(1, compact ? '\0' : '\1'));
                continue;
            }
            sst.put(characterBytes(QStringView(text).mid(done, fit), compact));
            done += fit;
        }
    }
    QByteArray out = sst.finish();

    Bytes ext;
    ext.u16(static_cast<unsigned>(bucket));
    for (const Entry& e : entries)
        ext.u32(static_cast<std::uint32_t>(e.streamPosition))
            .u16(static_cast<unsigned>(e.offsetInRecord))
            .u16(0);
    Bytes header;
    header.u16(rec::ExtSst).u16(static_cast<unsigned>(ext.size()));
    return out + header.data() + ext.data();
}

} // namespace orva::platform::xls
