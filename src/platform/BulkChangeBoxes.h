#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

class QObject;

namespace parvela::platform {

class MessageBoxes;

// A Yes/No question before a change; "Hayır" is the default, so Enter
// changes nothing. True only for "Evet".
bool askBeforeChange(MessageBoxes& boxes, const QString& text, const QString& caption,
                     QObject* owner);

// Asks before a change of many products, naming the command and how many
// products it will change; "Hayır" is the default, so Enter changes nothing.
// True only for "Evet".
bool confirmBulkChange(MessageBoxes& boxes, const QString& command, std::size_t products,
                       QObject* owner);

// Says how many products a bulk change changed, as the server counted them.
void tellBulkChanged(MessageBoxes& boxes, const QString& command, std::uint64_t products,
                     QObject* owner);

// Says that a bulk change was cancelled and taken back whole.
void tellBulkCancelled(MessageBoxes& boxes, const QString& command, QObject* owner);

} // namespace parvela::platform
