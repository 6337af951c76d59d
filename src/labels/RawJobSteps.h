#pragma once

#include <QString>

namespace parvela::labels {

// The steps of a raw job in the order the spooler takes them; the first that
// fails names the job's failure.
enum class RawJobStep {
    Done,
    OpenPrinter,
    StartDocument,
    StartPage,
    Write,
    EndPage,
    EndDocument,
};

// The box text of a failed step; empty for Done.
QString rawJobFailureText(RawJobStep step);

} // namespace parvela::labels
