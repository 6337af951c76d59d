#include "spreadsheets/WorkbookFormats.h"
#include "spreadsheets/XlsxValues.h"
#include "spreadsheets/ZipPackage.h"

#include <QDir>
#include <QHash>
#include <QXmlStreamReader>
#include <charconv>

namespace parvela::spreadsheets::detail {

namespace {

// The largest sheet a spreadsheet program makes.
constexpr int kRowLimit = 1048576;
constexpr int kColumnLimit = 16384;
constexpr int kLettersInColumn = 26;

// Why the file is not read; thrown from deep in a part and caught once.
struct Refusal {
    FormatRead read;
};

[[noreturn]] void refuse(Fault fault, const QString& why = {}) {
    throw Refusal{faulty(fault, why)};
}

[[noreturn]] void tooLarge() {
    refuse(Fault::TooLarge,
           QStringLiteral("açıldığında %1 MB sınırını aşıyor").arg(kUnpackedLimit / (1024 * 1024)));
}

// A part the package lists, unpacked.
QByteArray partBytes(ZipPackage& package, const QString& name) {
    ZipPackage::Part part = package.part(name);
    switch (part.status) {
    case ZipPackage::Status::Ok:
        return std::move(part.bytes);
    case ZipPackage::Status::TooLarge:
        tooLarge();
    case ZipPackage::Status::Damaged:
        refuse(Fault::Damaged, part.problem);
    case ZipPackage::Status::Missing:
        break;
    }
    refuse(Fault::Damaged, QStringLiteral("%1 parçası yok").arg(name));
}

// A part's XML, read element by element; a fault in it refuses the file
// with the part's name and the line.
class PartXml {
public:
    PartXml(QString name, const QByteArray& bytes)
        : m_name(std::move(name))
        , m_xml(bytes) {}

    // The next element started inside the one at `depth`, or false at its end.
    bool nextStartWithin(int depth) {
        while (!m_xml.atEnd()) {
            const QXmlStreamReader::TokenType token = m_xml.readNext();
            if (token == QXmlStreamReader::StartElement) {
                ++m_depth;
                return true;
            }
            if (token == QXmlStreamReader::EndElement && --m_depth < depth)
                return false;
        }
        check();
        return false;
    }
    int depth() const { return m_depth; }
    QStringView name() const { return m_xml.name(); }
    QString attribute(const char* name) const {
        return m_xml.attributes().value(QLatin1StringView(name)).toString();
    }
    // The relationship id of a part's element (r:id in any namespace).
    QString relationshipId() const {
        for (const QXmlStreamAttribute& attribute : m_xml.attributes())
            if (attribute.name() == u"id" && !attribute.namespaceUri().isEmpty())
                return attribute.value().toString();
        return {};
    }
    QString text() {
        QString text = m_xml.readElementText(QXmlStreamReader::IncludeChildElements);
        --m_depth;
        check();
        return text;
    }
    // The texts of a string item: its runs, without the phonetic guides.
    QString runText() {
        QString text;
        const int within = m_depth;
        while (nextStartWithin(within)) {
            if (name() == u"t")
                text += this->text();
            else if (name() == u"rPh")
                skip();
        }
        return withoutCellEscapes(text);
    }
    void skip() {
        m_xml.skipCurrentElement();
        --m_depth;
        check();
    }
    [[noreturn]] void fail(const QString& why) const {
        refuse(Fault::Damaged,
               QStringLiteral("%1, satır %2: %3").arg(m_name).arg(m_xml.lineNumber()).arg(why));
    }

private:
    void check() const {
        if (m_xml.hasError())
            fail(m_xml.errorString());
    }

    QString m_name;
    QXmlStreamReader m_xml;
    int m_depth = 0;
};

// A part named in a relationship, from the folder of the part that names it.
QString resolved(const QString& from, const QString& target) {
    if (target.startsWith(u'/'))
        return QDir::cleanPath(target).mid(1);
    const qsizetype slash = from.lastIndexOf(u'/');
    return QDir::cleanPath(from.left(slash + 1) + target);
}

QString relationshipsOf(const QString& part) {
    const qsizetype slash = part.lastIndexOf(u'/');
    return part.left(slash + 1) + QStringLiteral("_rels/") + part.mid(slash + 1) +
           QStringLiteral(".rels");
}

struct Relationship {
    QString type; // the last word of its type: "worksheet", "styles", ...
    QString target;
};

QHash<QString, Relationship> relationships(ZipPackage& package, const QString& part) {
    const QString name = relationshipsOf(part);
    QHash<QString, Relationship> found;
    if (!package.contains(name))
        return found;
    PartXml xml(name, partBytes(package, name));
    while (xml.nextStartWithin(0))
        if (xml.name() == u"Relationship" && xml.attribute("TargetMode") != u"External") {
            const QString type = xml.attribute("Type");
            found.insert(xml.attribute("Id"), {type.mid(type.lastIndexOf(u'/') + 1),
                                               resolved(part, xml.attribute("Target"))});
        }
    return found;
}

QString targetOfType(const QHash<QString, Relationship>& links, QStringView type) {
    for (const Relationship& link : links)
        if (link.type == type)
            return link.target;
    return {};
}

struct Book {
    QString part;
    QHash<QString, Relationship> links;
    QStringList sheetNames;
    QStringList sheetParts;
    bool from1904 = false;
};

Book book(ZipPackage& package) {
    Book book;
    book.part = targetOfType(relationships(package, {}), u"officeDocument");
    if (book.part.isEmpty())
        book.part = QStringLiteral("xl/workbook.xml");
    if (!package.contains(book.part))
        refuse(Fault::NotWorkbook);
    book.links = relationships(package, book.part);
    PartXml xml(book.part, partBytes(package, book.part));
    while (xml.nextStartWithin(0)) {
        if (xml.name() == u"workbookPr") {
            const QString date1904 = xml.attribute("date1904");
            book.from1904 = date1904 == u"1" || date1904 == u"true";
        } else if (xml.name() == u"sheet") {
            book.sheetNames.append(xml.attribute("name"));
            book.sheetParts.append(book.links.value(xml.relationshipId()).target);
        }
    }
    if (book.sheetNames.isEmpty())
        refuse(Fault::NotWorkbook);
    return book;
}

QStringList sharedStrings(ZipPackage& package, const Book& book) {
    const QString name = targetOfType(book.links, u"sharedStrings");
    QStringList strings;
    if (!package.contains(name))
        return strings;
    PartXml xml(name, partBytes(package, name));
    while (xml.nextStartWithin(0))
        if (xml.name() == u"si")
            strings.append(xml.runText());
    return strings;
}

// Whether each cell format (by its index) shows numbers as dates.
std::vector<bool> dateFormats(ZipPackage& package, const Book& book) {
    const QString name = targetOfType(book.links, u"styles");
    std::vector<bool> dates;
    if (!package.contains(name))
        return dates;
    PartXml xml(name, partBytes(package, name));
    QHash<int, QString> codes;
    // The formats of the differential formats are another list: only those
    // of numFmts and the cell formats of cellXfs count.
    const int root = 1;
    if (!xml.nextStartWithin(0))
        return dates;
    while (xml.nextStartWithin(root)) {
        const int within = xml.depth();
        if (xml.name() == u"numFmts") {
            while (xml.nextStartWithin(within))
                if (xml.name() == u"numFmt")
                    codes.insert(xml.attribute("numFmtId").toInt(), xml.attribute("formatCode"));
        } else if (xml.name() == u"cellXfs") {
            while (xml.nextStartWithin(within))
                if (xml.name() == u"xf") {
                    const int id = xml.attribute("numFmtId").toInt();
                    dates.push_back(isDateFormat(id, codes.value(id)));
                    xml.skip();
                }
        } else {
            xml.skip();
        }
    }
    return dates;
}

// "C12" as row 11, column 2; false for another text or a place past the
// largest sheet.
bool cellPlace(QStringView reference, int& row, int& column) {
    qsizetype i = 0;
    int letters = 0;
    for (; i < reference.size() && reference[i].isLetter(); ++i) {
        const int letter = reference[i].toUpper().unicode() - u'A';
        if (letter < 0 || letter >= kLettersInColumn || letters > kColumnLimit)
            return false;
        letters = letters * kLettersInColumn + letter + 1;
    }
    bool isNumber = false;
    const int number = reference.mid(i).toInt(&isNumber);
    if (letters < 1 || letters > kColumnLimit || !isNumber || number < 1 || number > kRowLimit)
        return false;
    row = number - 1;
    column = letters - 1;
    return true;
}

// The cells of a sheet as they come, held under the cell bound.
class SheetCells {
public:
    void place(int row, int column, Cell cell) {
        if (static_cast<size_t>(row) >= m_rows.size())
            m_rows.resize(static_cast<size_t>(row) + 1);
        SheetRow& cells = m_rows[static_cast<size_t>(row)];
        const auto at = static_cast<size_t>(column);
        if (at >= cells.size()) {
            m_held += static_cast<qint64>(at + 1 - cells.size());
            if (m_held > kCellLimit)
                refuse(Fault::TooLarge, QStringLiteral("%1 hücre sınırını aşıyor").arg(kCellLimit));
            cells.resize(at + 1);
        }
        cells[at] = std::move(cell);
    }
    std::vector<SheetRow> take() { return std::move(m_rows); }

private:
    std::vector<SheetRow> m_rows;
    qint64 m_held = 0;
};

class SheetReader {
public:
    SheetReader(const Book& book, const QStringList& strings, const std::vector<bool>& dates)
        : m_book(book)
        , m_strings(strings)
        , m_dates(dates) {}

    std::vector<SheetRow> read(PartXml& xml) {
        int row = -1;
        while (xml.nextStartWithin(0)) {
            if (xml.name() == u"row") {
                const QString number = xml.attribute("r");
                row = number.isEmpty() ? row + 1 : number.toInt() - 1;
                if (row < 0 || row >= kRowLimit)
                    xml.fail(QStringLiteral("satır numarası geçersiz"));
                m_column = -1;
            } else if (xml.name() == u"c") {
                readCell(xml, std::max(row, 0));
            }
        }
        return m_cells.take();
    }

private:
    void readCell(PartXml& xml, int row) {
        const QString reference = xml.attribute("r");
        int column = m_column + 1;
        if (!reference.isEmpty() && !cellPlace(reference, row, column))
            xml.fail(QStringLiteral("hücre adresi geçersiz: %1").arg(reference));
        if (column >= kColumnLimit)
            xml.fail(QStringLiteral("satırda çok fazla hücre"));
        m_column = column;
        const QString type = xml.attribute("t");
        const qsizetype format = xml.attribute("s").toInt();
        bool formula = false;
        std::optional<QString> value;
        QString inlineText;
        const int within = xml.depth();
        while (xml.nextStartWithin(within)) {
            if (xml.name() == u"v")
                value = xml.text();
            else if (xml.name() == u"is")
                inlineText = xml.runText();
            else {
                formula = formula || xml.name() == u"f";
                xml.skip();
            }
        }
        if (type == u"inlineStr")
            return m_cells.place(row, column, textCell(inlineText));
        if (!value) {
            // A formula saved without its result is a cell all the same.
            if (formula)
                m_cells.place(row, column, otherCell({}));
            return;
        }
        m_cells.place(row, column, valueCell(xml, type, *value, format));
    }

    Cell valueCell(const PartXml& xml, const QString& type, const QString& value,
                   qsizetype format) const {
        if (type == u"s") {
            bool isNumber = false;
            const qsizetype index = value.toLongLong(&isNumber);
            if (!isNumber || index < 0 || index >= m_strings.size())
                xml.fail(QStringLiteral("paylaşılan metin %1 yok").arg(value));
            return textCell(m_strings.at(index));
        }
        if (type == u"str")
            return textCell(withoutCellEscapes(value));
        if (type == u"b")
            return otherCell(value.trimmed() == u"1" ? QStringLiteral("TRUE")
                                                     : QStringLiteral("FALSE"));
        if (type == u"e" || type == u"d")
            return otherCell(value);
        const std::string digits = value.trimmed().toStdString();
        double number = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), number);
        if (error != std::errc() || end != digits.data() + digits.size())
            xml.fail(QStringLiteral("sayı okunamadı: %1").arg(value));
        // A date is kept as the date it shows, not as its day count.
        if (format >= 0 && static_cast<size_t>(format) < m_dates.size() &&
            m_dates[static_cast<size_t>(format)])
            if (const QString date = dateText(number, m_book.from1904); !date.isEmpty())
                return otherCell(date);
        return numberCell(number);
    }

    const Book& m_book;
    const QStringList& m_strings;
    const std::vector<bool>& m_dates;
    SheetCells m_cells;
    int m_column = -1;
};

FormatRead readPackage(ZipPackage& package, int position) {
    const Book workbook = book(package);
    FormatRead read;
    read.sheetNames = workbook.sheetNames;
    if (lacksSheet(read, position))
        return read;
    const QString& part = workbook.sheetParts.at(position);
    if (part.isEmpty())
        refuse(Fault::Damaged, QStringLiteral("%1. sayfanın parçası yok").arg(position + 1));
    const QStringList strings = sharedStrings(package, workbook);
    const std::vector<bool> dates = dateFormats(package, workbook);
    PartXml xml(part, partBytes(package, part));
    read.rows = SheetReader(workbook, strings, dates).read(xml);
    return read;
}

} // namespace

FormatRead readXlsx(const QByteArray& path, int position) {
    ZipPackage package(path, kUnpackedLimit);
    if (!package.problem().isEmpty())
        return faulty(Fault::Damaged, package.problem());
    try {
        return readPackage(package, position);
    } catch (Refusal& refusal) {
        return std::move(refusal.read);
    }
}

} // namespace parvela::spreadsheets::detail
