#pragma once
// Rows of a fixed number of byte fields kept in one buffer. A row is stored
// as its fields' lengths (7 bits a byte, the high bit says another byte
// follows) and then their bytes; the table keeps one 32-bit start per row.
// An empty row of three fields costs 7 bytes where three std::string cost 96,
// so a file of empty entries stays small in memory.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

class cFieldTable {
public:
    // Rows start below 4 GiB; push_back and set throw std::length_error
    // beyond that.
    static constexpr std::size_t MaxBytes = 0xFFFFFFFFu;

    explicit cFieldTable(std::size_t fields) : fields_(fields) {}

    std::size_t size() const { return starts_.size(); }
    bool empty() const { return starts_.empty(); }
    std::size_t fields() const { return fields_; }
    // Bytes of the buffer in use, rows rewritten by set() included.
    std::size_t bufferBytes() const { return bytes_.size(); }

    // Field k (from 0) of a row; valid until the table changes.
    std::string_view field(std::size_t row, std::size_t k) const;

    // The buffer bytes a row of these fields takes.
    static std::size_t RowBytes(std::initializer_list<std::string_view> row);
    // Room for `rows` more rows of `bytes` more bytes, growing at least
    // geometrically so that many small additions do not copy the table each time.
    void reserveMore(std::size_t rows, std::size_t bytes);
    // Appends a row; `row` has fields() fields.
    void push_back(std::initializer_list<std::string_view> row);
    // Replaces field k of a row. The row is written anew at the end of the
    // buffer; its old bytes stay unused until clear().
    void set(std::size_t row, std::size_t k, std::string_view bytes);
    // Removes `count` rows from `row` on; their bytes stay unused until clear().
    void erase(std::size_t row, std::size_t count = 1);
    void clear();

private:
    std::size_t fields_;
    std::string bytes_;
    std::vector<std::uint32_t> starts_;
};
