#pragma once

#include <QString>
#include <functional>

class QObject;

namespace parvela::platform {
class JobReport;
class MessageBoxes;
} // namespace parvela::platform

namespace parvela::db {

class StatementRunner;

// Starts a job behind the modal progress dialog over `owner` and returns
// when the dialog closes, which may be before the job ends. Empty without
// windows: the work then runs in place.
using ProgressShower = std::function<void(std::function<void(platform::JobReport&)> job,
                                          const QString& title, QObject* owner)>;

// One whole change on the runner given (the worker's, its boxes the job's),
// looking at the report for "İptal" between batches; true only when committed.
using ChangeWork = std::function<bool(const StatementRunner&, platform::JobReport&)>;

enum class ChangeEnd { Written, Failed, Cancelled };

// Runs `work` off the window thread behind the progress dialog and waits for
// it to end: "İptal" closes the dialog at once, and the change rolls back at
// its next look. Cancelled when it stopped for "İptal" (nothing written).
ChangeEnd runChangeBehindProgress(const StatementRunner& runner, platform::MessageBoxes& boxes,
                                  const ProgressShower& show, const QString& title, ChangeWork work,
                                  QObject* owner);

} // namespace parvela::db
