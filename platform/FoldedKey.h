#pragma once
// The leading bytes of an index key in a form that compares with memcmp: each part's value
// case-folded (and inverted for a descending part), so that a look-up or a sort over a large
// dataset compares flat bytes instead of variants.
//
// The bytes are a shortcut for the index's case-folded comparison, never a second order: where
// two keys differ within their common length, the first difference orders them as that
// comparison would; where they agree, only the full comparison can tell. A key stops short
// (incomplete) when it runs out of room, or at a value whose order its bytes cannot express
// (a type other than its field's, NaN, an integer beyond a double's exact range, a zero byte in
// a text); the bytes before that point remain a faithful prefix.
//
// Part layout: a null is 0x00; any other value is 0x01 and then: text as its upper-case bytes
// (as AnsiCompareText compares them) and a 0x00; a number or date as the 8 big-endian bytes of
// an order-preserving image of its double; a boolean as one byte.
#include "DataPacket.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace dataset {

class FoldedKey {
public:
    // Appends one part. `partial` (a search key's last part, for text) leaves the text open, so
    // that the key matches every text that begins with it.
    void Append(const Variant& value, FieldType type, bool descending, bool partial = false);

    static constexpr int kUndecided = 2;
    // How this key orders against `other`: <0 or >0 where they differ within their common
    // length; 0 where this key begins with every part of `other`, which is complete (the folded
    // comparison over those parts finds them equal); kUndecided where only the values can tell.
    int Against(const FoldedKey& other) const {
        // Eight bytes at a time, as big-endian words: a look-up makes a score of these calls.
        size_t common = std::min(length_, other.length_);
        for (size_t at = 0; at < common; at += 8) {
            uint64_t mine = Word(at), theirs = other.Word(at);
            if (size_t past = at + 8; past > common) {
                mine >>= (past - common) * 8;
                theirs >>= (past - common) * 8;
            }
            if (mine != theirs) return mine < theirs ? -1 : 1;
        }
        return Covers(other) ? 0 : kUndecided;
    }
    // Whether this key begins with every part of `search`, complete.
    bool Covers(const FoldedKey& search) const {
        return search.complete_ && length_ >= search.length_ && std::memcmp(bytes_, search.bytes_, search.length_) == 0;
    }
    // Whether folding changed none of the bytes held, so that where they are equal the texts
    // are equal exactly, too.
    bool CaseExact() const { return caseExact_; }
    bool Complete() const { return complete_; }

private:
    static constexpr uint8_t kCapacity = 24;  // whole words, for Against

    void AppendText(const std::string& text, bool partial);
    void AppendNumber(double value);
    uint64_t Word(size_t at) const {
        uint64_t word;
        std::memcpy(&word, bytes_ + at, sizeof word);
        return std::endian::native == std::endian::little ? __builtin_bswap64(word) : word;
    }
    void Put(uint8_t byte) {
        if (length_ == kCapacity) complete_ = false;
        if (complete_) bytes_[length_++] = byte ^ invert_;
    }
    void Stop() { complete_ = false; }

    uint8_t length_ = 0;
    bool complete_ = true;
    bool caseExact_ = true;
    uint8_t invert_ = 0;  // 0xFF while appending a descending part
    uint8_t bytes_[kCapacity] = {};
};

} // namespace dataset
