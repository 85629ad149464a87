#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

// One weapon mount of a ship or fighter: how many weapons of which kind, and their firing arc.
// The keywords are kept as read; the codes come from the game's keyword tables.
struct WeaponMount {
    int32_t weapon = 0;
    int32_t count = 0;
    int32_t arc = 0;
    std::string weaponKeyword;
    std::string arcKeyword;
    int32_t extra = 0;  // fourth value of a fighter-table mount; 0 on ship mounts

    bool operator==(const WeaponMount& other) const;
    bool operator!=(const WeaponMount& other) const { return !(*this == other); }
};

// Mount numbers as the game counts them: every entry carries mounts 49 to 73.
constexpr int32_t kFirstMountNumber = 49;
constexpr int32_t kLastMountNumber = 73;
constexpr int kMountCount = kLastMountNumber - kFirstMountNumber + 1;

// The mounts of one record, keyed by mount number 49 to 73, with the interface of the ordered
// map it replaces: a mount exists once it has been stored or touched with operator[], size()
// counts the mounts that exist, and iteration yields (number, mount) entries in ascending number.
//
// The 25 slots live in one heap block, made on the first store, instead of one map node per
// mount. A table without mounts (an empty bay's craft) holds no block, so it stays as small and
// as cheap to copy as an empty map. Copies share the block until one of them is written.
class MountTable {
  public:
    struct Entry {
        int32_t first = 0;  // mount number
        WeaponMount second;
    };

    class const_iterator {
      public:
        using iterator_category = std::bidirectional_iterator_tag;
        using value_type = Entry;
        using difference_type = std::ptrdiff_t;
        using pointer = const Entry*;
        using reference = const Entry&;

        const_iterator() = default;

        reference operator*() const { return (*entries_)[static_cast<std::size_t>(index_)]; }
        pointer operator->() const { return &**this; }

        const_iterator& operator++() {
            do
                ++index_;
            while (index_ < kMountCount && !IsPresent(present_, index_));
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        const_iterator& operator--() {
            do
                --index_;
            while (index_ > 0 && !IsPresent(present_, index_));
            return *this;
        }
        const_iterator operator--(int) {
            const_iterator before = *this;
            --*this;
            return before;
        }

        bool operator==(const const_iterator& other) const { return index_ == other.index_; }
        bool operator!=(const const_iterator& other) const { return index_ != other.index_; }

      private:
        friend class MountTable;
        const_iterator(const std::array<Entry, kMountCount>* entries, uint32_t present, int index)
            : entries_(entries), present_(present), index_(index) {}

        const std::array<Entry, kMountCount>* entries_ = nullptr;
        uint32_t present_ = 0;
        int index_ = kMountCount;
    };
    using const_reverse_iterator = std::reverse_iterator<const_iterator>;

    MountTable() = default;
    MountTable(const MountTable& other) = default;
    MountTable(MountTable&& other) noexcept
        : entries_(std::move(other.entries_)), present_(other.present_) {
        other.present_ = 0;
    }
    MountTable& operator=(const MountTable& other) = default;
    MountTable& operator=(MountTable&& other) noexcept {
        entries_ = std::move(other.entries_);
        present_ = other.present_;
        other.present_ = 0;
        return *this;
    }
    ~MountTable() = default;

    // The mount with this number, made empty if it did not exist yet. Numbers outside 49 to 73
    // throw std::out_of_range. The reference is for storing the mount right away: copying the
    // table shares its block, and only a later call here or to at() parts the copies again.
    WeaponMount& operator[](int32_t number) {
        const int index = IndexOf(number);
        if (!entries_)
            entries_ = MakeEntries();
        else
            Unshare();
        present_ |= Bit(index);
        return (*entries_)[static_cast<std::size_t>(index)].second;
    }

    // The mount with this number; throws std::out_of_range if it does not exist.
    WeaponMount& at(int32_t number) {
        const std::size_t index = ExistingIndex(number);  // throws before the block is touched
        Unshare();
        return (*entries_)[index].second;
    }
    const WeaponMount& at(int32_t number) const {
        const std::size_t index = ExistingIndex(number);
        return (*entries_)[index].second;
    }

    std::size_t size() const {
        std::size_t count = 0;
        for (uint32_t bits = present_; bits != 0; bits &= bits - 1)
            ++count;
        return count;
    }
    bool empty() const { return present_ == 0; }
    void clear() {
        entries_.reset();
        present_ = 0;
    }

    const_iterator begin() const {
        int index = 0;
        while (index < kMountCount && !IsPresent(present_, index))
            ++index;
        return const_iterator(entries_.get(), present_, index);
    }
    const_iterator end() const { return const_iterator(entries_.get(), present_, kMountCount); }
    const_reverse_iterator rbegin() const { return const_reverse_iterator(end()); }
    const_reverse_iterator rend() const { return const_reverse_iterator(begin()); }

    // Equal when the same numbers exist and hold equal mounts.
    bool operator==(const MountTable& other) const {
        if (present_ != other.present_)
            return false;
        if (entries_ == other.entries_)
            return true;
        for (int index = 0; index < kMountCount; ++index) {
            if (IsPresent(present_, index) &&
                (*entries_)[static_cast<std::size_t>(index)].second !=
                    (*other.entries_)[static_cast<std::size_t>(index)].second)
                return false;
        }
        return true;
    }
    bool operator!=(const MountTable& other) const { return !(*this == other); }

  private:
    using Entries = std::array<Entry, kMountCount>;

    static uint32_t Bit(int index) { return uint32_t{1} << index; }
    static bool IsPresent(uint32_t present, int index) { return (present & Bit(index)) != 0; }

    static int IndexOf(int32_t number) {
        if (number < kFirstMountNumber || number > kLastMountNumber)
            throw std::out_of_range("mount number outside 49 to 73");
        return static_cast<int>(number - kFirstMountNumber);
    }
    std::size_t ExistingIndex(int32_t number) const {
        const int index = IndexOf(number);
        if (!IsPresent(present_, index))
            throw std::out_of_range("mount number not stored");
        return static_cast<std::size_t>(index);
    }

    static std::shared_ptr<Entries> MakeEntries() {
        auto entries = std::make_shared<Entries>();
        for (int index = 0; index < kMountCount; ++index)
            (*entries)[static_cast<std::size_t>(index)].first = kFirstMountNumber + index;
        return entries;
    }

    // Gives this table a block of its own before a mount is handed out for writing.
    void Unshare() {
        if (entries_.use_count() > 1)
            entries_ = std::make_shared<Entries>(*entries_);
    }

    // Slots of mounts that do not exist hold a default WeaponMount, so operator[] can hand them
    // out as they are. Copies of a table share the block until one of them is written: the
    // catalogue copies records far more often than anything changes a mount after reading.
    std::shared_ptr<Entries> entries_;
    uint32_t present_ = 0;  // bit i: mount kFirstMountNumber + i exists
};
