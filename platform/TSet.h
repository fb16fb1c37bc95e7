#pragma once
// The platform's small sets (shift state, grid options, draw state, font style, dialog buttons):
// a bit per enumerator, so values compare and combine cheaply. Enumerators must be below 64.
#include <cstdint>
#include <initializer_list>

template <typename E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> items) {
        for (E item : items) bits_ |= Bit(item);
    }

    constexpr bool Contains(E item) const { return (bits_ & Bit(item)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr void Include(E item) { bits_ |= Bit(item); }
    constexpr void Exclude(E item) { bits_ &= ~Bit(item); }

    friend constexpr TSet operator+(TSet a, TSet b) { return FromBits(a.bits_ | b.bits_); }
    friend constexpr TSet operator-(TSet a, TSet b) { return FromBits(a.bits_ & ~b.bits_); }
    friend constexpr TSet operator*(TSet a, TSet b) { return FromBits(a.bits_ & b.bits_); }
    friend constexpr TSet operator+(TSet a, E item) { return a + TSet{item}; }
    friend constexpr TSet operator-(TSet a, E item) { return a - TSet{item}; }
    friend constexpr bool operator==(TSet a, TSet b) = default;

private:
    static constexpr uint64_t Bit(E item) { return uint64_t{1} << static_cast<unsigned>(item); }
    static constexpr TSet FromBits(uint64_t bits) {
        TSet set;
        set.bits_ = bits;
        return set;
    }

    uint64_t bits_ = 0;
};
