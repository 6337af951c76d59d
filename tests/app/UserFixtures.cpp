#include "UserFixtures.h"

#include "TestDatabase.h"

namespace parvela::test {

void addUser(int id, const std::string& code, const std::string& password, bool active,
             bool mayManageProducts, bool mayConnectBranches) {
    const std::string userId = std::to_string(id);
    TestDatabase::exec("INSERT INTO users.accounts(userid,usercode,password,active) VALUES(" +
                       userId + ",'" + code + "','" + password + "'," + (active ? "1" : "0") +
                       "); INSERT INTO users.yetkiler(userid,urunyonet,subebaglan) VALUES(" +
                       userId + "," + (mayManageProducts ? "1" : "0") + "," +
                       (mayConnectBranches ? "1" : "0") + ");");
}

std::optional<app::LoginInput> ScriptedLoginPrompt::ask() {
    ++m_asked;
    if (m_inputs.empty())
        return std::nullopt;
    app::LoginInput input = m_inputs.front();
    m_inputs.pop_front();
    return input;
}

} // namespace parvela::test
