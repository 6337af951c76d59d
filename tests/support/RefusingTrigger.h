#pragma once

#include "ScriptedMessageBoxes.h"
#include "TestDatabase.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace parvela::test {

// A trigger that refuses the rows matching `when` for as long as it lives,
// as a server would refuse one statement of a change. `event` is e.g.
// "BEFORE INSERT ON stocks.stok_order"; its table must be schema-qualified.
class RefusingTrigger {
public:
    RefusingTrigger(const std::string& event, const std::string& when)
        : m_name(schemaOf(event) + ".refuse_one") {
        TestDatabase::exec("CREATE TRIGGER " + m_name + " " + event + " FOR EACH ROW BEGIN IF " +
                           when +
                           " THEN SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='refused'; END IF; "
                           "END");
    }
    ~RefusingTrigger() { TestDatabase::exec("DROP TRIGGER " + m_name + ";"); }
    RefusingTrigger(const RefusingTrigger&) = delete;
    RefusingTrigger& operator=(const RefusingTrigger&) = delete;

private:
    static std::string schemaOf(const std::string& event) {
        const std::size_t on = event.find(" ON ") + 4;
        return event.substr(on, event.find('.', on) - on);
    }

    std::string m_name;
};

// Every value of every row of `query`, as one text to compare before and after.
inline std::string rowsAsText(const std::string& query) {
    std::string all;
    for (const auto& row : TestDatabase::query(query))
        for (const auto& value : row)
            all += value + " ";
    return all;
}

// A command run while a trigger refuses one of its statements, and the boxes
// it must show: one, under the refused statement's tag.
struct Refusal {
    std::function<void()> run;
    const char* trigger;
    const char* when;
    QStringList captions;
};

// Runs every refusal and checks that the rows of `everyRow` read as before
// and that exactly its boxes showed; `afterEach` (a re-read) follows each.
inline void expectRefusalsChangeNothing(const std::vector<Refusal>& refusals,
                                        const std::string& everyRow, ScriptedMessageBoxes& boxes,
                                        const std::function<void()>& afterEach = {}) {
    const std::string before = rowsAsText(everyRow);
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(std::string(refusal.trigger) + " " + refusal.when);
        boxes.clear();
        {
            const RefusingTrigger trigger(refusal.trigger, refusal.when);
            refusal.run();
        }
        EXPECT_EQ(rowsAsText(everyRow), before);
        EXPECT_EQ(boxes.captions(), refusal.captions);
        if (afterEach)
            afterEach();
    }
}

} // namespace parvela::test
