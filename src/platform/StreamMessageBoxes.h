#pragma once

#include "platform/MessageBoxes.h"

#include <atomic>
#include <cstdio>
#include <mutex>

namespace parvela::platform {

// Writes `text` as UTF-8 and flushes.
void writeText(std::FILE* stream, const QString& text);

// The boxes of a run without windows: each is written to `stream` as
// "caption: text" and answered as if the user closed it, with its default
// answer when it names one.
class StreamMessageBoxes : public MessageBoxes {
public:
    explicit StreamMessageBoxes(std::FILE* stream)
        : m_stream(stream) {}

    BoxAnswer show(const BoxRequest& request) override;
    int shownCount() const { return m_shown; }

private:
    std::FILE* m_stream;
    std::mutex m_mutex;
    std::atomic<int> m_shown{0};
};

} // namespace parvela::platform
