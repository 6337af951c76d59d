#pragma once

#include "platform/MessageBoxes.h"

namespace parvela::platform {

// Message boxes on screen.
class QtMessageBoxes : public MessageBoxes {
public:
    BoxAnswer show(const BoxRequest& request) override;
};

} // namespace parvela::platform
