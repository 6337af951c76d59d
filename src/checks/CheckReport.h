#pragma once

#include "checks/CatalogueCheck.h"

#include <QByteArray>
#include <QString>

namespace parvela::checks {

// "HATA" or "UYARI".
QString severityText(Severity severity);
// A short name of the check, as the JSON and the window give it.
QString checkName(Check check);

// A line per finding ("HATA  33312 Çorba: problem. remedy"), then the
// counts; "Katalogda sorun bulunmadı." when there is none.
QString findingsText(const std::vector<Finding>& findings);
// The findings as a JSON array of objects with severity, check, stcode,
// name, problem and remedy.
QByteArray findingsJson(const std::vector<Finding>& findings);
// "N hata, M uyarı".
QString countsText(const std::vector<Finding>& findings);

} // namespace parvela::checks
