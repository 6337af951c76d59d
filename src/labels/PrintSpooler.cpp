#include "labels/PrintSpooler.h"

#include "labels/CupsConnection.h"
#include "platform/MessageBoxes.h"

#include <cups/cups.h>
#include <utility>

namespace parvela::labels {

namespace {

constexpr const char* kDocumentName = "My Document";

// A spooler without queues answers "not found"; anything else but success
// means it could not be asked.
bool answered(ipp_status_t status) {
    return status <= IPP_STATUS_OK_EVENTS_COMPLETE || status == IPP_STATUS_ERROR_NOT_FOUND;
}

// The printer attributes of one group of the answer; `attr` ends past it.
PrinterEntry readPrinter(ipp_t* response, ipp_attribute_t*& attr) {
    PrinterEntry entry;
    for (; attr && ippGetGroupTag(attr) == IPP_TAG_PRINTER; attr = ippNextAttribute(response)) {
        const QByteArray name = ippGetName(attr);
        if (name == "printer-name")
            entry.name = QString::fromUtf8(ippGetString(attr, 0, nullptr));
        else if (name == "device-uri")
            entry.port = QString::fromUtf8(ippGetString(attr, 0, nullptr));
    }
    return entry;
}

std::vector<PrinterEntry> readPrinters(ipp_t* response) {
    std::vector<PrinterEntry> printers;
    ipp_attribute_t* attr = ippFirstAttribute(response);
    while (attr) {
        if (ippGetGroupTag(attr) != IPP_TAG_PRINTER) {
            attr = ippNextAttribute(response);
            continue;
        }
        PrinterEntry entry = readPrinter(response, attr);
        entry.index = static_cast<int>(printers.size()) + 1;
        if (!entry.name.isEmpty())
            printers.push_back(std::move(entry));
    }
    return printers;
}

// One CUPS-Get-Printers request rather than cupsGetDests: that one asks
// twice more and browses the network, each ask costing its own wait when
// the spooler hangs.
std::optional<std::vector<PrinterEntry>> listPrinters(const CupsConnection& connection) {
    if (!connection)
        return std::nullopt;
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    static const char* const kWanted[] = {"printer-name", "device-uri"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr,
                  kWanted);
    ipp_t* response = cupsDoRequest(connection.http(), request, "/");
    std::optional<std::vector<PrinterEntry>> printers;
    if (answered(cupsLastError()))
        printers = readPrinters(response);
    ippDelete(response);
    return printers;
}

// The queue's name as the spooler spells it; empty when there is none such.
QByteArray queueNamed(const CupsConnection& connection, const QString& printer) {
    if (printer.isEmpty())
        return {};
    for (const PrinterEntry& entry : listPrinters(connection).value_or(std::vector<PrinterEntry>{}))
        if (entry.name.compare(printer, Qt::CaseInsensitive) == 0)
            return entry.name.toUtf8();
    return {};
}

// The answer to the last document ends the job on the spooler's side: a job
// it already cancelled or aborted did not get printed.
RawJobStep endDocument(http_t* http, const QByteArray& queue) {
    ipp_t* response = cupsGetResponse(http, ("/printers/" + queue).constData());
    const ipp_status_t status = cupsLastError();
    const int state = ippGetInteger(ippFindAttribute(response, "job-state", IPP_TAG_ENUM), 0);
    ippDelete(response);
    if (status != IPP_STATUS_OK)
        return RawJobStep::EndPage;
    return state == IPP_JSTATE_CANCELED || state == IPP_JSTATE_ABORTED ? RawJobStep::EndDocument
                                                                       : RawJobStep::Done;
}

RawJobStep sendDocument(http_t* http, const QByteArray& queue, int job, const std::string& bytes) {
    if (cupsStartDocument(http, queue.constData(), job, kDocumentName, CUPS_FORMAT_RAW, 1) !=
        HTTP_STATUS_CONTINUE)
        return RawJobStep::StartPage;
    // A write of nothing would end the request body early.
    if (!bytes.empty() &&
        cupsWriteRequestData(http, bytes.data(), bytes.size()) != HTTP_STATUS_CONTINUE)
        return RawJobStep::Write;
    return endDocument(http, queue);
}

RawJobStep runRawJob(const QString& server, std::chrono::milliseconds timeout,
                     const QString& printer, const std::string& bytes) {
    const CupsConnection connection(server, timeout);
    const QByteArray queue = queueNamed(connection, printer);
    if (queue.isEmpty())
        return RawJobStep::OpenPrinter;
    const int job = cupsCreateJob(connection.http(), queue.constData(), kDocumentName, 0, nullptr);
    if (job == 0)
        return RawJobStep::StartDocument;
    const RawJobStep step = sendDocument(connection.http(), queue, job, bytes);
    if (step != RawJobStep::Done) {
        // The connection may be stuck in the middle of the document.
        const CupsConnection other(server, timeout);
        if (other)
            cupsCancelJob2(other.http(), queue.constData(), job, 0);
    }
    return step;
}

} // namespace

PrintSpooler::PrintSpooler(QString server, std::chrono::milliseconds timeout)
    : m_server(std::move(server))
    , m_timeout(timeout) {}

std::optional<std::vector<PrinterEntry>> PrintSpooler::printers() const {
    return listPrinters(CupsConnection(m_server, m_timeout));
}

QString PrintSpooler::defaultPrinter() const {
    const CupsConnection connection(m_server, m_timeout);
    if (!connection)
        return {};
    return QString::fromUtf8(cupsGetDefault2(connection.http()));
}

bool PrintSpooler::checkPrinter(const QString& printer, platform::MessageBoxes& boxes) const {
    if (!queueNamed(CupsConnection(m_server, m_timeout), printer).isEmpty())
        return true;
    boxes.tell(rawJobFailureText(RawJobStep::OpenPrinter), QString());
    return false;
}

bool PrintSpooler::sendRaw(const QString& printer, const std::string& bytes,
                           platform::MessageBoxes& boxes) const {
    return sendRawJob(printer, bytes, boxes) == RawJobStep::Done;
}

RawJobStep PrintSpooler::sendRawJob(const QString& printer, const std::string& bytes,
                                    platform::MessageBoxes& boxes) const {
    const RawJobStep failed = runRawJob(m_server, m_timeout, printer, bytes);
    if (failed != RawJobStep::Done)
        boxes.tell(rawJobFailureText(failed), QString());
    return failed;
}

} // namespace parvela::labels
