#include "stock/attributes/ProductPictures.h"

#include "db/SqlFormat.h"
#include "db/SqlLiteral.h"
#include "db/StatementRunner.h"
#include "platform/AtomicFile.h"
#include "platform/MachineInfo.h"
#include "platform/MessageBoxes.h"
#include "stock/catalogue/ProductExtrasReader.h"
#include "stock/catalogue/ProductUpserts.h"
#include "stock/catalogue/StockListReaders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>

namespace parvela::stock {

namespace {

constexpr std::array<const char*, 5> kPictureTypes{"png", "jpg", "jpeg", "bmp", "gif"};

bool isPictureType(const QString& extension) {
    const QString type = extension.toLower();
    for (const char* known : kPictureTypes)
        if (type == QLatin1String(known))
            return true;
    return false;
}

bool sameFile(const QString& a, const QString& b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

// Copies `from` over `to`; the old file stays whole until the new one is
// complete, and a link at `to` is replaced, not written through. Empty when
// the copy went through, else why not.
QString copyReplacing(const QString& from, const QString& to) {
    const QString folder = QFileInfo(to).absolutePath();
    if (!QDir().mkpath(folder))
        return QStringLiteral("%1 klasörü oluşturulamadı").arg(folder);
    // Replacing a file by itself would only risk it.
    if (!QFileInfo(to).isSymLink() && sameFile(from, to))
        return {};
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return source.errorString();
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return source.errorString();
    return platform::replaceFileWith(to, bytes.toStdString());
}

void tell(const PictureStore& store, const QString& text) {
    store.boxes.tell(text, QStringLiteral("Logo Seç"), platform::BoxIcon::Exclamation, store.owner);
}

bool namePicture(const db::StatementRunner& runner, StockCode code, const QString& stored) {
    const long long c = code64(code);
    const std::string path = db::latin5Literal(stored);
    return upsert(
        runner,
        {db::Operation("if_Exists_Stok_Resmi"),
         db::sqlf("SELECT * FROM stocks.images WHERE stocks.images.stcode=%lld;", c),
         db::Operation("UPDATE_STOK_RESMI"),
         "UPDATE stocks.images SET img=" + path + db::sqlf(" WHERE stocks.images.stcode=%lld;", c),
         db::Operation("INSERT_STOK_RESMI"),
         db::sqlf("INSERT INTO stocks.images(stcode,img)VALUES(%lld,", c) + path + ");"});
}

} // namespace

QString extensionOf(const QString& path) {
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot < 0 ? QString() : path.mid(dot + 1);
}

QString storedPicturePath(const platform::MachineInfo& machine, StockCode code,
                          const QString& extension) {
    return machine.imagesFolder() + QStringLiteral("/stok_%1.%2").arg(code).arg(extension);
}

bool storePicture(const PictureStore& store, StockDefinition& product, const QString& chosen) {
    const QString extension = extensionOf(chosen);
    if (!isPictureType(extension)) {
        tell(store, QStringLiteral("%1\nbir resim dosyası değil: png, jpg, jpeg, bmp veya gif "
                                   "dosyası seçiniz.")
                        .arg(chosen));
        return false;
    }
    const QString stored = storedPicturePath(store.machine, product.stcode, extension);
    // The tills look for the stored path: it is named only once the file is there.
    if (const QString why = copyReplacing(chosen, stored); !why.isEmpty()) {
        tell(store, QStringLiteral("%1\n%2 olarak kopyalanamadı: %3\nResim kaydedilmedi.")
                        .arg(chosen, stored, why));
        return false;
    }
    const QString menuCopy =
        store.machine.digitalMenuImagesFolder() + u'/' + QFileInfo(stored).fileName();
    if (const QString why = copyReplacing(stored, menuCopy); !why.isEmpty())
        tell(store, QStringLiteral("%1\ndijital menü için %2 olarak kopyalanamadı: %3")
                        .arg(chosen, menuCopy, why));
    if (!namePicture(store.runner, product.stcode, stored))
        return false;
    product.imagePath = chosen;
    return true;
}

void deletePicture(const db::StatementRunner& runner, StockDefinition& product) {
    (void)runner.execute(db::Operation("DELETE_Stok_Resmi"), db::schema::stocks,
                         db::sqlf("DELETE FROM stocks.images WHERE stocks.images.stcode=%lld;",
                                  code64(product.stcode)));
    product.imagePath.clear();
    std::vector<ProductPicture> pictures;
    readPictures(runner, pictures);
    product.imagePath = pictureOf(pictures, product.stcode);
}

} // namespace parvela::stock
