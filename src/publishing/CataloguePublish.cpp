#include "publishing/CataloguePublish.h"

#include "platform/AtomicFile.h"
#include "platform/MessageBoxes.h"
#include "publishing/Sha256.h"
#include "publishing/TransferFiles.h"
#include "publishing/WebUpload.h"

#include <QDir>
#include <future>
#include <optional>

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
        , m_onStep(onStep) {
        if (m_target.server != nullptr)
            m_host.emplace(*m_target.server, m_snapshot.company.folder, std::string(), m_boxes,
                           m_target.cancelled);
    }

    CataloguePublishResult run() {
        const int folder = makeTransferFolder(m_target.dataRoot);
        const int companyId = m_snapshot.company.id;
        // Each large file is made and written a piece at a time on a thread
        // of its own while the small ones are written here, so that making
        // one overlaps the others' waits for the disk.
        std::future<PublishedFile> keys = std::async(std::launch::async, [&] {
            return written(kKeyListFile, [&](const platform::PieceSink& sink) {
                makeKeyList(m_snapshot.products, companyId, sink);
            });
        });
        std::future<PublishedFile> stock = std::async(std::launch::async, [&] {
            return written(kStockFile, [&](const platform::PieceSink& sink) {
                makeStockFile(m_snapshot.products, companyId, sink);
            });
        });
        PublishedFile groupA = written(kGroupAFile, groupAFile(m_snapshot.groupsA));
        PublishedFile groupB = written(kGroupBFile, groupBFile(m_snapshot.groupsB));
        PublishedFile recipes = written(kRecipeFile, recipeFile(m_snapshot.recipeLines));
        // Told and staged in the files' own order, the key list first.
        conclude(keys.get());
        conclude(stock.get());
        conclude(std::move(groupA));
        conclude(std::move(groupB));
        conclude(std::move(recipes));
        if (folder != 0 && m_result.reason.isEmpty())
            m_result.reason = QStringLiteral("%1 klasörü oluşturulamadı")
                                  .arg(QDir::toNativeSeparators(m_target.transferFolder));
        if (m_result.reason.isEmpty() && m_host)
            replaceAndAnnounce(companyId);
        m_result.success = m_result.reason.isEmpty();
        return std::move(m_result);
    }

private:
    // The file written, with its size and checksum; nothing told yet.
    PublishedFile written(const QString& name, const platform::FileMaker& make) const {
        PublishedFile file{name, 0, {}, {}, {}};
        Sha256 hash;
        file.writeError =
            platform::writeFileAtomically(pathOf(name), [&](const platform::PieceSink& sink) {
                make([&](std::string_view piece) {
                    hash.add(piece);
                    file.size += static_cast<qint64>(piece.size());
                    return sink(piece);
                });
            });
        // A file not written has neither size nor checksum.
        if (file.writeError.isEmpty())
            file.sha256 = hash.hex();
        else
            file.size = 0;
        return file;
    }

    PublishedFile written(const QString& name, const std::string& bytes) const {
        return written(name, [&bytes](const platform::PieceSink& sink) { sink(bytes); });
    }

    // Tells a failed write and, while nothing has failed, puts the file on
    // the host beside its old copy.
    void conclude(PublishedFile file) {
        if (!file.writeError.isEmpty()) {
            // The reason names the file.
            m_boxes.tell(file.writeError, kCaption, platform::BoxIcon::Exclamation);
            failed(file.writeError, true);
        } else if (m_host && m_result.reason.isEmpty() && !stopped()) {
            // An older copy is never sent as if it were new.
            const WebResult staged = m_host->stage(pathOf(file.name), file.name);
            if (!staged.ok()) {
                file.upload = staged.code;
                failed(file.name + QStringLiteral(": ") + staged.reason, staged.code != kNoFolder);
            }
        }
        m_result.files.push_back(std::move(file));
        if (m_onStep)
            m_onStep(static_cast<int>(m_result.files.size()));
    }

    // Every file is on the host: the old copies are replaced, the key list
    // first, the record files once the web service took the list.
    void replaceAndAnnounce(int companyId) {
        if (!place(0))
            return;
        const std::string folder = m_snapshot.company.folder;
        m_result.insertRequest = request(stockInsertRequest(companyId, folder));
        if (!m_result.reason.isEmpty())
            return;
        for (std::size_t i = 1; i < m_result.files.size(); ++i)
            if (!place(i))
                return;
        // A run stopped now draws no number and sends no notice.
        if (stopped())
            return;
        const int number = nextSynchNumber(m_runner);
        // Without its number the notice would name another run; the box of
        // the failed call said why.
        if (number < 0) {
            failed(QStringLiteral("GET_SYNCH_ID alınamadı"), true);
            return;
        }
        m_result.synchId = synchIdOf(companyId, number);
        m_result.uploadNotice =
            request(uploadNotice(companyId, m_result.synchId, m_snapshot.company.ownBranchCode));
    }

    bool place(std::size_t index) {
        if (stopped())
            return false;
        PublishedFile& file = m_result.files[index];
        const WebResult placed = m_host->place(file.name);
        file.upload = placed.code;
        if (!placed.ok())
            failed(file.name + QStringLiteral(": ") + placed.reason, true);
        return placed.ok();
    }

    // The request's result; its failure ends the run.
    int request(const std::string& path) {
        const WebResult answer =
            sendWebRequest(*m_target.server, path, responseFile(), m_target.cancelled);
        if (!answer.ok())
            failed(scriptOf(path) + QStringLiteral(": ") + answer.reason);
        return answer.code;
    }

    // Whether the user stopped the run, which then fails for that reason.
    bool stopped() {
        const bool cancelled = m_target.cancelled && m_target.cancelled();
        if (cancelled)
            failed(kCancelledReason, true);
        return cancelled;
    }

    // The first failure is the run's reason; one without a box of its own
    // gets one, unless the user stopped the run.
    void failed(const QString& reason, bool told = false) {
        if (!m_result.reason.isEmpty())
            return;
        m_result.reason = reason;
        m_result.cancelled = reason.endsWith(kCancelledReason);
        if (!told && !m_result.cancelled)
            m_boxes.tell(kNotPublishedStatus + QStringLiteral("\n") + reason, kCaption,
                         platform::BoxIcon::Exclamation);
    }

    static QString scriptOf(const std::string& path) {
        const std::string script = path.substr(1, path.find('/', 1) - 1);
        return QString::fromStdString(script);
    }

    QString pathOf(const QString& name) const {
        return QDir(m_target.transferFolder).filePath(name);
    }
    QString responseFile() const { return pathOf(QStringLiteral("response.dat")); }

    inline static const QString kCaption = QStringLiteral("Şubelere Gönder");

    const CatalogueSnapshot& m_snapshot;
    const PublishTarget& m_target;
    const db::StatementRunner& m_runner;
    platform::MessageBoxes& m_boxes;
    const std::function<void(int)>& m_onStep;
    std::optional<WebFolder> m_host;
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
