#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace parvela::records {

// A list that copies of a catalogue share until one of them is given a new
// one: the list itself never changes.
template <typename T> class SharedList {
public:
    SharedList()
        : m_items(none()) {}
    SharedList(std::vector<T> items) // NOLINT: a vector is a list
        : m_items(std::make_shared<const std::vector<T>>(std::move(items))) {}

    operator const std::vector<T>&() const { return *m_items; } // NOLINT: read as a vector
    const std::vector<T>& get() const { return *m_items; }
    std::size_t size() const { return m_items->size(); }
    bool empty() const { return m_items->empty(); }
    const T& operator[](std::size_t i) const { return (*m_items)[i]; }
    const T& front() const { return m_items->front(); }
    const T& back() const { return m_items->back(); }
    auto begin() const { return m_items->begin(); }
    auto end() const { return m_items->end(); }

private:
    static const std::shared_ptr<const std::vector<T>>& none() {
        static const auto nothing = std::make_shared<const std::vector<T>>();
        return nothing;
    }

    std::shared_ptr<const std::vector<T>> m_items;
};

} // namespace parvela::records
