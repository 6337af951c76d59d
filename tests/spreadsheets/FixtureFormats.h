#pragma once

#include "PrintQString.h"
#include "SheetFixtures.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

namespace parvela::test {

// One of the two formats the tests write their workbooks in.
struct FixtureFormat {
    const char* extension;
    void (*write)(const QString&, const std::vector<FixtureSheet>&);
    // The other format's extension, for a file whose name is wrong.
    const char* otherExtension;
};

inline const FixtureFormat kXlsFormat{".xls", writeXlsFixture, ".xlsx"};
inline const FixtureFormat kXlsxFormat{".xlsx", writeXlsxFixture, ".xls"};

inline void PrintTo(const FixtureFormat& format, std::ostream* out) {
    *out << format.extension;
}

// "xls" and "xlsx" in the names of the tests run over both formats.
inline std::string formatName(const ::testing::TestParamInfo<FixtureFormat>& info) {
    return info.param.extension + 1;
}

// A test over both formats, writing its files into a folder of its own.
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
