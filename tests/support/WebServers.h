#pragma once

#include "publishing/WebUpload.h"

#include <QString>
#include <string>
#include <vector>

namespace parvela::test {

// The private web host of scripts/web-start: what arrived at its FTP home
// and its HTTP side, and the body of the next HTTP answer. Test programs of
// different runs share it: the first WebServers of a program holds a lock on
// it until the program ends.
class WebServers {
public:
    WebServers();

    // 127.0.0.1 with the servers' ports and time-outs short enough for tests.
    static publishing::WebServer server();
    // The same host on a port nobody listens on.
    static publishing::WebServer nobodyListening();
    // httpdocs/customer_yedek in the FTP user's home.
    static QString customerFolders();

    // Empties the customers' folders; the given company folders are made.
    void resetFtp(const std::vector<QString>& companyFolders = {}) const;
    // The bytes of a file under the customers' folders; empty when missing.
    std::string remoteFile(const QString& relativePath) const;
    void writeRemoteFile(const QString& relativePath, const std::string& bytes) const;

    // Forgets every request received so far and answers with `body` next.
    void resetHttp(const std::string& body = {}) const;
    // Each request's line and headers as received, oldest first.
    std::vector<std::string> requests() const;
};

} // namespace parvela::test
