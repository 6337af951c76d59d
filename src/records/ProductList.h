#pragma once

#include "records/StockDefinition.h"

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
class ProductList {
public:
    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = StockDefinition;
        using difference_type = std::ptrdiff_t;
        using pointer = const StockDefinition*;
        using reference = const StockDefinition&;

        const_iterator() = default;
        explicit const_iterator(std::vector<ProductPtr>::const_iterator at)
            : m_at(at) {}

        reference operator*() const { return **m_at; }
        pointer operator->() const { return m_at->get(); }
        reference operator[](difference_type n) const { return *m_at[n]; }
        const ProductPtr& shared() const { return *m_at; }

        const_iterator& operator++() {
            ++m_at;
            return *this;
        }
        const_iterator operator++(int) { return const_iterator(m_at++); }
        const_iterator& operator--() {
            --m_at;
            return *this;
        }
        const_iterator operator--(int) { return const_iterator(m_at--); }
        const_iterator& operator+=(difference_type n) {
            m_at += n;
            return *this;
        }
        const_iterator& operator-=(difference_type n) {
            m_at -= n;
            return *this;
        }
        friend const_iterator operator+(const_iterator it, difference_type n) { return it += n; }
        friend const_iterator operator+(difference_type n, const_iterator it) { return it += n; }
        friend const_iterator operator-(const_iterator it, difference_type n) { return it -= n; }
        friend difference_type operator-(const const_iterator& a, const const_iterator& b) {
            return a.m_at - b.m_at;
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) {
            return a.m_at == b.m_at;
        }
        friend auto operator<=>(const const_iterator& a, const const_iterator& b) {
            return a.m_at <=> b.m_at;
        }

    private:
        std::vector<ProductPtr>::const_iterator m_at;
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
        m_records.reserve(products.size());
        for (StockDefinition& product : products)
            m_records.push_back(std::make_shared<const StockDefinition>(std::move(product)));
    }
    ProductList(std::initializer_list<StockDefinition> products)
        : ProductList(std::vector<StockDefinition>(products)) {}
    explicit ProductList(std::vector<ProductPtr> records)
        : m_records(std::move(records)) {}

    std::size_t size() const { return m_records.size(); }
    bool empty() const { return m_records.empty(); }
    const StockDefinition& operator[](std::size_t i) const { return *m_records[i]; }
    const StockDefinition& front() const { return *m_records.front(); }
    const StockDefinition& back() const { return *m_records.back(); }
    const_iterator begin() const { return const_iterator(m_records.begin()); }
    const_iterator end() const { return const_iterator(m_records.end()); }
    const ProductPtr& shared(std::size_t i) const { return m_records[i]; }
    const std::vector<ProductPtr>& records() const { return m_records; }

    void reserve(std::size_t count) { m_records.reserve(count); }
    void clear() { m_records.clear(); }
    void push_back(ProductPtr record) { m_records.push_back(std::move(record)); }
    void push_back(StockDefinition product) {
        m_records.push_back(std::make_shared<const StockDefinition>(std::move(product)));
    }
    // The product at `i` becomes `product` in this list only.
    void replace(std::size_t i, StockDefinition product) {
        m_records[i] = std::make_shared<const StockDefinition>(std::move(product));
    }
    void erase(std::size_t i) {
        m_records.erase(m_records.begin() + static_cast<std::ptrdiff_t>(i));
    }
    // Plain copies of the products, for code that wants values.
    std::vector<StockDefinition> values() const {
        std::vector<StockDefinition> copies;
        copies.reserve(m_records.size());
        for (const ProductPtr& record : m_records)
            copies.push_back(*record);
        return copies;
    }

private:
    std::vector<ProductPtr> m_records;
};

} // namespace parvela::stock
