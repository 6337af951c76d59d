#pragma once

#include "PrintQString.h"
#include "SheetFixtures.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

namespace parvela::test {

// One of the formats the tests write their workbooks in.
struct FixtureFormat {
    const char* name;
    const char* extension;
    void (*write)(const QString&, const std::vector<FixtureSheet>&);
    // The other format's extension, for a file whose name is wrong.
    const char* otherExtension;
};

inline void writeInlineXlsx(const QString& path, const std::vector<FixtureSheet>& sheets) {
    writeInlineXlsxFixture(path, sheets);
}

inline const FixtureFormat kXlsFormat{"xls", ".xls", writeXlsFixture, ".xlsx"};
inline const FixtureFormat kXlsxFormat{"xlsx", ".xlsx", writeXlsxFixture, ".xls"};
// Texts written in the cells rather than in a shared list.
inline const FixtureFormat kInlineXlsxFormat{"xlsxInline", ".xlsx", writeInlineXlsx, ".xls"};

inline void PrintTo(const FixtureFormat& format, std::ostream* out) {
    *out << format.name;
}

// "xls", "xlsx" and "xlsxInline" in the names of the tests run over the formats.
inline std::string formatName(const ::testing::TestParamInfo<FixtureFormat>& info) {
    return info.param.name;
}

inline auto allFormats() {
    return ::testing::Values(kXlsFormat, kXlsxFormat, kInlineXlsxFormat);
}

// A test over the formats, writing its files into a folder of its own.
class FormatTest : public ::testing::TestWithParam<FixtureFormat> {
protected:
    QString pathFor(const char* name, const char* extension) const {
        return m_folder.filePath(QString::fromUtf8(name) + QString::fromLatin1(extension));
    }
    QString write(const std::vector<FixtureSheet>& sheets, const char* name = "tablo") const {
        const QString path = pathFor(name, GetParam().extension);
        GetParam().write(path, sheets);
        return path;
    }
    QString writeBytes(const char* name, const QByteArray& bytes) const {
        const QString path = pathFor(name, GetParam().extension);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return file.readAll();
    }

    QTemporaryDir m_folder;
};

} // namespace parvela::test
