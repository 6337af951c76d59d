#pragma once

#include "DatabaseTest.h"
#include "TestSettings.h"
#include "app/CatalogData.h"
#include "app/CatalogueGate.h"
#include "app/ScaleFeatures.h"
#include "db/StatementJournal.h"
#include "platform/BackgroundJobs.h"
#include "platform/MachineInfo.h"

#include <QTemporaryDir>

namespace parvela::test {

// The scale features over a catalog of the test server, with a data root of
// their own.
class ScaleFixture : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        m_catalog.runner().setJournal(&m_journal);
    }
    QString pluPath() const { return m_machine.scalePluFile(); }

    QTemporaryDir m_root;
    TestSettings m_settings;
    platform::MachineInfo m_machine{QStringLiteral("KASA1"), m_root.path()};
    app::CatalogData m_catalog{m_settings, m_boxes};
    db::StatementJournal m_journal;
    // Before the catalog goes, its jobs end.
    platform::BackgroundJobs m_jobs{m_boxes};
    app::CatalogueGate m_gate{m_catalog, m_machine, m_boxes};
    app::ScaleFeatures m_features{{m_catalog, m_boxes, m_jobs, m_machine, m_settings, m_gate}};
};

} // namespace parvela::test
