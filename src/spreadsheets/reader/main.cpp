// Reads one sheet of a workbook and writes it, encoded, to standard output:
// the import runs this apart so that a library crashing on a damaged file
// ends this program, not the manager's.
//
//   parvela-sheet-reader FILE POSITION

#include "spreadsheets/Workbook.h"
#include "spreadsheets/WorkbookApart.h"
#include "spreadsheets/WorkbookCodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <cstdlib>
#include <new>

namespace {

// The caller limits this program's memory; running out of it is told apart
// from a crash, so that the user hears the sheet is too large.
[[noreturn]] void outOfMemory() {
    std::_Exit(parvela::spreadsheets::kReaderOutOfMemory);
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace parvela::spreadsheets;
    std::set_new_handler(outOfMemory);
    try {
        const QCoreApplication application(argc, argv);
        const QStringList arguments = QCoreApplication::arguments();
        bool isNumber = false;
        const int position = arguments.value(2).toInt(&isNumber);
        if (arguments.size() != 3 || !isNumber)
            return 2;
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly))
            return 3;
        const QByteArray bytes = encodeWorkbook(readWorkbook(arguments.at(1), position));
        return out.write(bytes) == bytes.size() && out.flush() ? 0 : 3;
    } catch (const std::bad_alloc&) { // Qt's containers throw it themselves
        outOfMemory();
    }
}
