#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <utility>

namespace parvela::test {

struct Finished {
    int exitCode = -1;
    QString out;
    QString err;
};

// The program's default settings, which a run without options reads.
void setDefaults(std::initializer_list<std::pair<const char*, QString>> values);

// The program run as a scheduled job would run it: no display at all. With a
// `home`, its desktop and documents are there, its settings still this
// program's. The event loop runs meanwhile, so the test's own listeners
// answer the program. An exit code of -1 when it did not end by itself.
Finished runProgram(const QStringList& arguments, const QString& home = {});

} // namespace parvela::test
