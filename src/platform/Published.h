#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace parvela::platform {

// One owner publishes values that never change; readers keep the one they
// work on for as long as they need it and hear when a newer one comes.
// Used on one thread (the window thread).
template <typename T> class Published {
public:
    using Ref = std::shared_ptr<const T>;
    using Listener = std::function<void(const Ref&)>;

private:
    struct Entry {
        std::uint64_t id = 0;
        Listener listener;
    };
    using Listeners = std::vector<Entry>;

public:
    // Ends a subscription when it goes, whichever of the two goes first.
    class Subscription {
    public:
        Subscription() = default;
        Subscription(Subscription&&) noexcept = default;
        Subscription& operator=(Subscription&& other) noexcept {
            if (this != &other) {
                end();
                m_listeners = std::move(other.m_listeners);
                m_id = other.m_id;
            }
            return *this;
        }
        Subscription(const Subscription&) = delete;
        Subscription& operator=(const Subscription&) = delete;
        ~Subscription() { end(); }

    private:
        friend class Published;
        Subscription(std::weak_ptr<Listeners> listeners, std::uint64_t id)
            : m_listeners(std::move(listeners))
            , m_id(id) {}
        void end() {
            if (const auto listeners = m_listeners.lock())
                std::erase_if(*listeners, [this](const Entry& e) { return e.id == m_id; });
            m_listeners.reset();
        }

        std::weak_ptr<Listeners> m_listeners;
        std::uint64_t m_id = 0;
    };

    Published()
        : m_current(std::make_shared<const T>()) {}
    explicit Published(Ref initial)
        : m_current(std::move(initial)) {}
    Published(const Published&) = delete;
    Published& operator=(const Published&) = delete;

    const Ref& current() const { return m_current; }
    // Moves with every publication.
    std::uint64_t revision() const { return m_revision; }

    void publish(Ref next) {
        m_current = std::move(next);
        ++m_revision;
        // A listener may subscribe or unsubscribe while it is told.
        const std::vector<Entry> told = *m_listeners;
        const Ref published = m_current;
        for (const Entry& entry : told) {
            if (stillListening(entry.id))
                entry.listener(published);
        }
    }
    // A copy of the newest value, changed by `change`, published.
    template <typename Change> void change(Change&& change) {
        T next = *m_current;
        std::forward<Change>(change)(next);
        publish(std::make_shared<const T>(std::move(next)));
    }

    [[nodiscard]] Subscription subscribe(Listener listener) {
        const std::uint64_t id = ++m_lastId;
        m_listeners->push_back({id, std::move(listener)});
        return Subscription(m_listeners, id);
    }

private:
    bool stillListening(std::uint64_t id) const {
        for (const Entry& entry : *m_listeners)
            if (entry.id == id)
                return true;
        return false;
    }

    Ref m_current;
    std::uint64_t m_revision = 0;
    std::uint64_t m_lastId = 0;
    std::shared_ptr<Listeners> m_listeners = std::make_shared<Listeners>();
};

} // namespace parvela::platform
