#pragma once

#include "app/Login.h"

#include <deque>
#include <string>

namespace parvela::test {

// A user account with its two rights.
void addUser(int id, const std::string& code, const std::string& password, bool active,
             bool mayManageProducts, bool mayConnectBranches);

// Types the queued entries into the login, then cancels.
class ScriptedLoginPrompt : public app::LoginPrompt {
public:
    void enter(const QString& code, const std::string& password) {
        m_inputs.push_back({code, password});
    }
    std::optional<app::LoginInput> ask() override;
    int asked() const { return m_asked; }

private:
    std::deque<app::LoginInput> m_inputs;
    int m_asked = 0;
};

} // namespace parvela::test
