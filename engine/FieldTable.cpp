#include "engine/FieldTable.h"

#include <algorithm>
#include <stdexcept>

namespace {
std::size_t lengthBytes(std::size_t n)
{
    std::size_t k = 1;
    while (n >= 0x80) {
        n >>= 7;
        ++k;
    }
    return k;
}

void appendLength(std::string& out, std::size_t n)
{
    while (n >= 0x80) {
        out += static_cast<char>(0x80 | (n & 0x7F));
        n >>= 7;
    }
    out += static_cast<char>(n);
}

std::size_t readLength(const char*& p)
{
    std::size_t n = 0;
    for (int shift = 0;; shift += 7) {
        const auto b = static_cast<unsigned char>(*p++);
        n |= std::size_t(b & 0x7F) << shift;
        if (b < 0x80)
            return n;
    }
}
} // namespace

std::string_view cFieldTable::field(std::size_t row, std::size_t k) const
{
    const char* p = bytes_.data() + starts_[row];
    std::size_t skip = 0;
    std::size_t length = 0;
    for (std::size_t i = 0; i <= k; ++i) {
        const std::size_t n = readLength(p);
        if (i < k)
            skip += n;
        else
            length = n;
    }
    for (std::size_t i = k + 1; i < fields_; ++i)
        readLength(p);
    return {p + skip, length};
}

std::size_t cFieldTable::RowBytes(std::initializer_list<std::string_view> row)
{
    std::size_t n = 0;
    for (const std::string_view f : row)
        n += lengthBytes(f.size()) + f.size();
    return n;
}

void cFieldTable::reserveMore(std::size_t rows, std::size_t bytes)
{
    if (starts_.size() + rows > starts_.capacity())
        starts_.reserve(std::max(starts_.size() + rows, 2 * starts_.capacity()));
    if (bytes_.size() + bytes > bytes_.capacity())
        bytes_.reserve(std::max(bytes_.size() + bytes, 2 * bytes_.capacity()));
}

void cFieldTable::push_back(std::initializer_list<std::string_view> row)
{
    if (row.size() != fields_)
        throw std::invalid_argument("cFieldTable: wrong number of fields");
    if (bytes_.size() > MaxBytes)
        throw std::length_error("cFieldTable: buffer full");
    starts_.push_back(static_cast<std::uint32_t>(bytes_.size()));
    for (const std::string_view f : row)
        appendLength(bytes_, f.size());
    for (const std::string_view f : row)
        bytes_ += f;
}

void cFieldTable::set(std::size_t row, std::size_t k, std::string_view value)
{
    if (bytes_.size() > MaxBytes)
        throw std::length_error("cFieldTable: buffer full");
    // Copies the old fields first: they are views into the buffer that grows.
    std::vector<std::string> old;
    old.reserve(fields_);
    for (std::size_t i = 0; i < fields_; ++i)
        old.emplace_back(i == k ? value : field(row, i));
    starts_[row] = static_cast<std::uint32_t>(bytes_.size());
    for (const std::string& f : old)
        appendLength(bytes_, f.size());
    for (const std::string& f : old)
        bytes_ += f;
}

void cFieldTable::erase(std::size_t row, std::size_t count)
{
    const auto first = starts_.begin() + static_cast<std::ptrdiff_t>(row);
    starts_.erase(first, first + static_cast<std::ptrdiff_t>(count));
}

void cFieldTable::clear()
{
    starts_.clear();
    bytes_.clear();
}
