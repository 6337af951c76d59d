#include "publishing/CataloguePublish.h"

#include "platform/AtomicFile.h"
#include "platform/MessageBoxes.h"
#include "publishing/TransferFiles.h"
#include "publishing/WebUpload.h"

#include <QCryptographicHash>
#include <QDir>

namespace parvela::publishing {

namespace {

// One run: where its files go, whom it tells, and what came of it.
class CatalogueRun {
public:
    CatalogueRun(const CatalogueSnapshot& snapshot, const PublishTarget& target,
                 const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                 const std::function<void(int)>& onStep)
        : m_snapshot(snapshot)
        , m_target(target)
        , m_runner(runner)
        , m_boxes(boxes)
        , m_onStep(onStep) {}

    CataloguePublishResult run() {
        const int folder = makeTransferFolder(m_target.dataRoot);
        const int companyId = m_snapshot.company.id;
        publishKeyList(companyId);
        int taken = 0;
        taken += publish(kStockFile, stockFile(m_snapshot.products, companyId));
        taken += publish(kGroupAFile, groupAFile(m_snapshot.groupsA));
        taken += publish(kGroupBFile, groupBFile(m_snapshot.groupsB));
        taken += publish(kRecipeFile, recipeFile(m_snapshot.recipeLines));
        const bool allWritten = folder == 0 && everyFileWritten();
        m_result.success = allWritten && (m_target.server == nullptr || taken == 4);
        if (m_result.success && m_target.server != nullptr)
            announce(companyId);
        return std::move(m_result);
    }

private:
    void publishKeyList(int companyId) {
        // Its upload and the request after it count for nothing: the
        // branches read the record files.
        publish(kKeyListFile, keyList(m_snapshot.products, companyId));
        if (m_target.server != nullptr && m_result.files.back().writeError.isEmpty())
            m_result.insertRequest = sendWebRequest(
                *m_target.server, stockInsertRequest(companyId, m_snapshot.company.folder),
                responseFile());
    }

    // Writes the file and uploads it; 1 when the server took it.
    int publish(const QString& name, const std::string& bytes) {
        PublishedFile file{name, static_cast<qint64>(bytes.size()), sha256Of(bytes), {}, {}};
        file.writeError = platform::writeFileAtomically(pathOf(name), bytes);
        if (!file.writeError.isEmpty())
            tellNotWritten(file);
        // An older copy is never sent as if it were new.
        else if (m_target.server != nullptr)
            file.upload = uploadToWebFolder(*m_target.server, m_snapshot.company.folder,
                                            pathOf(name), name, m_boxes);
        m_result.files.push_back(std::move(file));
        if (m_onStep)
            m_onStep(static_cast<int>(m_result.files.size()));
        return m_result.files.back().upload.value_or(-1) >= 0 ? 1 : 0;
    }

    void announce(int companyId) {
        const int number = nextSynchNumber(m_runner);
        // Without its number the notice would name another run; the box of
        // the failed call said why.
        if (number < 0) {
            m_result.success = false;
            return;
        }
        m_result.synchId = synchIdOf(companyId, number);
        m_result.uploadNotice = sendWebRequest(
            *m_target.server,
            uploadNotice(companyId, m_result.synchId, m_snapshot.company.ownBranchCode),
            responseFile());
    }

    bool everyFileWritten() const {
        for (const PublishedFile& file : m_result.files)
            if (!file.writeError.isEmpty())
                return false;
        return true;
    }

    // The reason names the file.
    void tellNotWritten(const PublishedFile& file) {
        m_boxes.tell(file.writeError, QStringLiteral("Şubelere Gönder"),
                     platform::BoxIcon::Exclamation);
    }

    QString pathOf(const QString& name) const {
        return QDir(m_target.transferFolder).filePath(name);
    }
    QString responseFile() const { return pathOf(QStringLiteral("response.dat")); }

    static QByteArray sha256Of(const std::string& bytes) {
        return QCryptographicHash::hash(
                   QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
                   QCryptographicHash::Sha256)
            .toHex();
    }

    const CatalogueSnapshot& m_snapshot;
    const PublishTarget& m_target;
    const db::StatementRunner& m_runner;
    platform::MessageBoxes& m_boxes;
    const std::function<void(int)>& m_onStep;
    CataloguePublishResult m_result;
};

} // namespace

CataloguePublishResult publishCatalogue(const CatalogueSnapshot& snapshot,
                                        const PublishTarget& target,
                                        const db::StatementRunner& runner,
                                        platform::MessageBoxes& boxes,
                                        const std::function<void(int done)>& onStep) {
    return CatalogueRun(snapshot, target, runner, boxes, onStep).run();
}

} // namespace parvela::publishing
