#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <vector>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QWidget;

// The controls the line dialogs share, named by their ids.
namespace parvela::recipes {

QLabel* idLabel(QWidget* parent, const char* id, const QString& text = {});
QLineEdit* idEdit(QWidget* parent, const char* id, const QString& text);
// A list of whole rows with these headings; each column at least as wide as
// its heading.
QTreeWidget* idList(QWidget* parent, const char* id, const QStringList& headings);
// Replaces the list's rows; the row `current` (if any) stays selected.
void fillRows(QTreeWidget& list, const std::vector<QStringList>& rows, int current = -1);
// The selected row, or -1.
int selectedRow(const QTreeWidget& list);

} // namespace parvela::recipes
