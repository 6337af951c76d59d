#pragma once

#include <QString>
#include <map>
#include <string>
#include <vector>

// Helpers for the private servers the test programs share.
namespace parvela::test {

// The variable's value, or `fallback` when it is unset or empty.
QString fromEnvironment(const char* name, const QString& fallback);
// Holds an exclusive lock on /tmp/<name>-<uid>.lock until the program ends.
bool lockForThisProgram(const std::string& name);
// <prefix>N<suffix> in `folder` by N: what a server wrote whole, one file
// per delivery.
std::map<int, QString> numberedFiles(const QString& folder, const QString& prefix,
                                     const QString& suffix);
// Their bytes, in that order.
std::vector<std::string> contentsOf(const std::map<int, QString>& files);

} // namespace parvela::test
