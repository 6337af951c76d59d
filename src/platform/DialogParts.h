#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <vector>

class QHBoxLayout;
class QPushButton;
class QTreeWidget;
class QWidget;

// Controls the dialogs build alike, named by their ids.
namespace parvela::platform {

// A button that Enter in an edit does not press.
QPushButton* namedButton(const QString& caption, const char* id, QWidget* parent);

// The buttons at the right end of a row.
QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons);
// A row of buttons: those on the left, a gap, those on the right.
QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> left,
                       std::initializer_list<QPushButton*> right);

// A flat list view whose columns are at least `widths` wide and never
// narrower than their headings, wide enough to need no horizontal bar.
QTreeWidget* listView(const char* id, const QStringList& headings, const std::vector<int>& widths,
                      QWidget* parent);

} // namespace parvela::platform
