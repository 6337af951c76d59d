#pragma once

#include "platform/MessageBoxes.h"

namespace parvela::platform {

// Message boxes on screen. A box asked for by a worker thread is shown by
// the user-interface thread while the worker waits for the answer.
class QtMessageBoxes : public MessageBoxes {
public:
    BoxAnswer show(const BoxRequest& request) override;

private:
    BoxAnswer showHere(const BoxRequest& request);
};

} // namespace parvela::platform
