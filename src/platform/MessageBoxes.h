#pragma once

#include <QString>
#include <optional>

class QObject;

namespace parvela::platform {

enum class BoxIcon { None, Information, Exclamation, Error, Question };
enum class BoxButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class BoxAnswer { Ok, Cancel, Yes, No };

struct BoxRequest {
    QString text;
    QString caption;
    BoxIcon icon = BoxIcon::None;
    BoxButtons buttons = BoxButtons::Ok;
    // Unset means the first button, as a plain message box does.
    std::optional<BoxAnswer> defaultAnswer;
    QObject* owner = nullptr;
    bool topmost = false;
};

// The answer a box gives when it is closed without a button.
BoxAnswer escapeAnswerOf(BoxButtons buttons);

// Every message the program shows goes through this, so that logic below the
// windows can report to the user and tests can answer and record each box.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual BoxAnswer show(const BoxRequest& request) = 0;

    // A box with only an OK button.
    void tell(const QString& text, const QString& caption, BoxIcon icon = BoxIcon::None,
              QObject* owner = nullptr);
};

} // namespace parvela::platform
