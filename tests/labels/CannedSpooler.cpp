#include "CannedSpooler.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace parvela::test {

namespace {

void appendAttribute(std::string& out, char tag, const std::string& name,
                     const std::string& value) {
    out += tag;
    out += {'\0', static_cast<char>(name.size())};
    out += name;
    out += {'\0', static_cast<char>(value.size())};
    out += value;
}

// IPP 2.0, the status, the request's own id, charset and language.
std::string ippAnswer(int status, const std::string& requestId) {
    std::string body{'\2', '\0', static_cast<char>(status >> 8), static_cast<char>(status & 0xff)};
    body += requestId;
    body += '\1';
    appendAttribute(body, '\x47', "attributes-charset", "utf-8");
    appendAttribute(body, '\x48', "attributes-natural-language", "en-us");
    body += '\3';
    return "HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\nConnection: close\r\n"
           "Content-Length: " +
           std::to_string(body.size()) + "\r\n\r\n" + body;
}

// The request's head and its IPP body's first eight bytes.
std::string readRequest(int fd) {
    std::string request;
    char buffer[4096];
    std::size_t headEnd = std::string::npos;
    while (headEnd == std::string::npos || request.size() < headEnd + 4 + 8) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0)
            break;
        request.append(buffer, static_cast<std::size_t>(got));
        headEnd = request.find("\r\n\r\n");
    }
    return request;
}

} // namespace

CannedSpooler::CannedSpooler(int ippStatus) {
    m_listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(m_listener, reinterpret_cast<sockaddr*>(&address), length);
    listen(m_listener, 1);
    getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this, ippStatus] { answerOnce(ippStatus); });
}

CannedSpooler::~CannedSpooler() {
    shutdown(m_listener, SHUT_RDWR);
    m_thread.join();
    close(m_listener);
}

QString CannedSpooler::address() const {
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

void CannedSpooler::answerOnce(int ippStatus) const {
    const int fd = accept(m_listener, nullptr, nullptr);
    if (fd < 0)
        return;
    const std::string request = readRequest(fd);
    const std::size_t body = request.find("\r\n\r\n") + 4;
    const std::string requestId =
        request.size() >= body + 8 ? request.substr(body + 4, 4) : std::string(4, '\0');
    const std::string answer = ippAnswer(ippStatus, requestId);
    [[maybe_unused]] const ssize_t sent = write(fd, answer.data(), answer.size());
    close(fd);
}

} // namespace parvela::test
