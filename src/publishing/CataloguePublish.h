#pragma once

#include "groups/GroupRecords.h"
#include "records/Company.h"
#include "records/ProductList.h"
#include "records/RecipeLine.h"
#include "records/SharedList.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace parvela::db {
class StatementRunner;
}
namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::publishing {

struct WebServer;

inline const QString kPublishedStatus =
    QStringLiteral("Stok Tanımları Web Server'a yüklendi. : SUCCESS");
inline const QString kNotPublishedStatus =
    QStringLiteral("Stok Tanımları Web Server'a yüklenemedi. : FAILED");
inline const QString kCancelledPublishStatus =
    QStringLiteral("Stok Tanımlarının Web Server'a gönderimi iptal edildi. : CANCELLED");

// What one run publishes: the catalogue's lists it shares (they never
// change) and copies of the rest, so the run can go on off the
// user-interface thread.
struct CatalogueSnapshot {
    records::Company company;
    stock::ProductList products;
    std::vector<groups::GroupA> groupsA;
    std::vector<groups::GroupB> groupsB;
    records::SharedList<recipes::RecipeLine> recipeLines;
};

struct PublishedFile {
    QString name;
    qint64 size = 0;
    QByteArray sha256;         // hex, of the bytes written
    QString writeError;        // empty when written
    std::optional<int> upload; // the upload's result, when one was made
};

// How a run ended, as the main screen's status line hears it.
enum class PublishOutcome { Failed = 0, Published = 1, Cancelled = 2 };

struct CataloguePublishResult {
    std::vector<PublishedFile> files;
    std::optional<int> insertRequest; // the product-insert request's result
    std::optional<int> uploadNotice;
    std::uint32_t synchId = 0;
    bool success = false;
    bool cancelled = false; // the user stopped it
    QString reason;         // why it failed, naming the file or the request

    PublishOutcome outcome() const {
        if (success)
            return PublishOutcome::Published;
        return cancelled ? PublishOutcome::Cancelled : PublishOutcome::Failed;
    }
    const QString& statusText() const { return statusOf(outcome()); }
    static const QString& statusOf(PublishOutcome outcome) {
        switch (outcome) {
        case PublishOutcome::Published:
            return kPublishedStatus;
        case PublishOutcome::Cancelled:
            return kCancelledPublishStatus;
        case PublishOutcome::Failed:
            break;
        }
        return kNotPublishedStatus;
    }
};

struct PublishTarget {
    QString dataRoot;
    QString transferFolder;
    // Nothing: the files are only written.
    const WebServer* server = nullptr;
    // Once it says so, the run stops (a transfer under way too) and replaces
    // nothing more on the host.
    std::function<bool()> cancelled = {};
};

// "Şubelere Gönder": the five transfer files, each written whole and put on
// the host beside its old copy; once all five are there, the key list
// replaces its old copy, the product-insert request follows, then the four
// record files replace theirs, and the upload notice goes with the next
// synchronisation number. The first failure ends the run: what was not
// replaced yet stays as it was. Success needs every file written and, with a
// server, every file taken and both requests answered with 2xx. A failure
// is told by a box (the transfer's own, or one with the reason). `onStep`
// hears after each of the five files.
CataloguePublishResult publishCatalogue(const CatalogueSnapshot& snapshot,
                                        const PublishTarget& target,
                                        const db::StatementRunner& runner,
                                        platform::MessageBoxes& boxes,
                                        const std::function<void(int done)>& onStep = {});

inline constexpr int kPublishSteps = 5;

} // namespace parvela::publishing
