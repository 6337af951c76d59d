#pragma once

#include "records/StockDefinition.h"

#include <atomic>
#include <compare>
#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <vector>

namespace parvela::stock {

using ProductPtr = std::shared_ptr<const StockDefinition>;

// Products whose records are shared: a copy of the list copies pointers, and
// a product changed in one copy is a new record the other copies never see.
// Nobody can change a record in place, so a list handed to a window or a
// worker stays as it was for as long as they hold it.
//
// The pointers are kept in blocks that copies share too: a copy costs a
// pointer per block, and a product replaced in a copy of 200,000 copies one
// block, not the whole list.
class ProductList {
    static constexpr std::size_t kBlockBits = 10;
    static constexpr std::size_t kBlockSize = std::size_t{1} << kBlockBits;
    using Block = std::vector<ProductPtr>;

public:
    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = StockDefinition;
        using difference_type = std::ptrdiff_t;
        using pointer = const StockDefinition*;
        using reference = const StockDefinition&;

        const_iterator() = default;
        const_iterator(const ProductList* list, std::size_t at)
            : m_list(list)
            , m_at(at) {}

        reference operator*() const { return *shared(); }
        pointer operator->() const { return shared().get(); }
        reference operator[](difference_type n) const { return *(*this + n); }
        const ProductPtr& shared() const { return m_list->shared(m_at); }

        const_iterator& operator++() {
            ++m_at;
            return *this;
        }
        const_iterator operator++(int) { return const_iterator(m_list, m_at++); }
        const_iterator& operator--() {
            --m_at;
            return *this;
        }
        const_iterator operator--(int) { return const_iterator(m_list, m_at--); }
        const_iterator& operator+=(difference_type n) {
            m_at = static_cast<std::size_t>(static_cast<difference_type>(m_at) + n);
            return *this;
        }
        const_iterator& operator-=(difference_type n) { return *this += -n; }
        friend const_iterator operator+(const_iterator it, difference_type n) { return it += n; }
        friend const_iterator operator+(difference_type n, const_iterator it) { return it += n; }
        friend const_iterator operator-(const_iterator it, difference_type n) { return it -= n; }
        friend difference_type operator-(const const_iterator& a, const const_iterator& b) {
            return static_cast<difference_type>(a.m_at) - static_cast<difference_type>(b.m_at);
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) {
            return a.m_at == b.m_at;
        }
        friend auto operator<=>(const const_iterator& a, const const_iterator& b) {
            return a.m_at <=> b.m_at;
        }

    private:
        const ProductList* m_list = nullptr;
        std::size_t m_at = 0;
    };
    using iterator = const_iterator;
    using value_type = StockDefinition;
    using size_type = std::size_t;
    using const_reference = const StockDefinition&;
    using reference = const StockDefinition&;

    ProductList() = default;
    // Each product becomes a record of its own (a copy: for readers, tests
    // and small lists).
    ProductList(std::vector<StockDefinition> products) { // NOLINT: a list of values is a list
        reserve(products.size());
        for (StockDefinition& product : products)
            push_back(std::move(product));
    }
    ProductList(std::initializer_list<StockDefinition> products)
        : ProductList(std::vector<StockDefinition>(products)) {}
    explicit ProductList(const std::vector<ProductPtr>& records) {
        reserve(records.size());
        for (const ProductPtr& record : records)
            push_back(record);
    }

    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    const StockDefinition& operator[](std::size_t i) const { return *shared(i); }
    const StockDefinition& front() const { return *shared(0); }
    const StockDefinition& back() const { return *shared(m_size - 1); }
    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, m_size); }
    const ProductPtr& shared(std::size_t i) const {
        return (*m_blocks[i >> kBlockBits])[i & (kBlockSize - 1)];
    }

    void reserve(std::size_t count) { m_blocks.reserve((count + kBlockSize - 1) / kBlockSize); }
    void clear() {
        m_blocks.clear();
        m_size = 0;
    }
    void push_back(ProductPtr record) {
        if (m_size % kBlockSize == 0) {
            m_blocks.push_back(std::make_shared<Block>());
            m_blocks.back()->reserve(kBlockSize);
        }
        own(m_blocks.size() - 1).push_back(std::move(record));
        ++m_size;
    }
    void push_back(StockDefinition product) {
        push_back(std::make_shared<const StockDefinition>(std::move(product)));
    }
    // The product at `i` becomes `product` in this list only.
    void replace(std::size_t i, StockDefinition product) {
        own(i >> kBlockBits)[i & (kBlockSize - 1)] =
            std::make_shared<const StockDefinition>(std::move(product));
    }
    void replace(std::size_t i, ProductPtr record) {
        own(i >> kBlockBits)[i & (kBlockSize - 1)] = std::move(record);
    }
    // Rare (a product deleted): the blocks from `i`'s on are laid out again.
    void erase(std::size_t i) {
        const std::size_t first = i - i % kBlockSize;
        std::vector<ProductPtr> rest;
        rest.reserve(m_size - first - 1);
        for (std::size_t j = first; j < m_size; ++j)
            if (j != i)
                rest.push_back(shared(j));
        m_blocks.resize(first / kBlockSize);
        m_size = first;
        for (ProductPtr& record : rest)
            push_back(std::move(record));
    }
    // Plain copies of the products, for code that wants values.
    std::vector<StockDefinition> values() const {
        std::vector<StockDefinition> copies;
        copies.reserve(m_size);
        for (const StockDefinition& product : *this)
            copies.push_back(product);
        return copies;
    }

private:
    // A block this list alone holds, copied first when copies share it.
    Block& own(std::size_t block) {
        std::shared_ptr<Block>& held = m_blocks[block];
        if (held.use_count() > 1)
            held = std::make_shared<Block>(*held);
        else // what the last other holder read of it happened before this
            std::atomic_thread_fence(std::memory_order_acquire);
        return *held;
    }

    // Only full blocks are shared with a copy as they are; the last block
    // grows in place only when no copy holds it.
    std::vector<std::shared_ptr<Block>> m_blocks;
    std::size_t m_size = 0;
};

} // namespace parvela::stock
