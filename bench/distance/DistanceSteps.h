#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace parvela::platform {
class Settings;
}

// The steps the distance benchmark times, each run once against whatever
// server the settings name; true when it worked without a box.
namespace parvela::bench {

// The bare client library with the program's connection options: one
// connection and `queries` times "SELECT 1", every result read. What the
// relay and this machine add to a round trip, with no program around it.
bool bareClientQueries(const platform::Settings& settings, int queries);

// A fresh catalogue's start-up load, as the program's window does it.
bool startupLoad(const platform::Settings& settings);

// Loads the catalogue, then runs `timed` for each of `saves` saves of the
// product that most recipes use (each with another unit cost) after one that
// is not timed: the first save inserts rows the later ones update.
using TimedStep = std::function<bool(const std::function<bool()>& step)>;
bool productSaves(const platform::Settings& settings, int saves, const TimedStep& timed);
// The same for the recipe of the product with the most recipe lines, saved
// as it is from its recipe window.
bool recipeSaves(const platform::Settings& settings, int saves, const TimedStep& timed);

// A delivery-platform sheet of `rows` products, all new to the demo.
QString writeImportSheet(const QString& path, int rows, int firstBarcode);

} // namespace parvela::bench
