#include "labels/PrintSpooler.h"

#include "labels/CupsConnection.h"
#include "labels/RawJobSteps.h"
#include "platform/MessageBoxes.h"

#include <cups/cups.h>
#include <utility>

namespace parvela::labels {

namespace {

constexpr const char* kDocumentName = "My Document";

// Frees what cupsGetDests2 gave.
struct DestList {
    int count = 0;
    cups_dest_t* dests = nullptr;
    ~DestList() { cupsFreeDests(count, dests); }
};

// A spooler without queues answers "not found"; anything else without a
// destination means it could not be asked.
bool answeredWithoutPrinters(ipp_status_t status) {
    return status <= IPP_STATUS_OK_EVENTS_COMPLETE || status == IPP_STATUS_ERROR_NOT_FOUND;
}

std::optional<std::vector<PrinterEntry>> listPrinters(const CupsConnection& connection) {
    if (!connection)
        return std::nullopt;
    DestList list;
    list.count = cupsGetDests2(connection.http(), &list.dests);
    if (list.count == 0 && !answeredWithoutPrinters(cupsLastError()))
        return std::nullopt;
    std::vector<PrinterEntry> printers;
    for (int i = 0; i < list.count; ++i) {
        const cups_dest_t& dest = list.dests[i];
        // Instances of lpoptions are settings of one queue, not printers.
        if (dest.instance)
            continue;
        const char* uri = cupsGetOption("device-uri", dest.num_options, dest.options);
        printers.push_back({static_cast<int>(printers.size()) + 1, QString::fromUtf8(dest.name),
                            QString::fromUtf8(uri ? uri : "")});
    }
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

bool PrintSpooler::sendRaw(const QString& printer, const std::string& bytes,
                           platform::MessageBoxes& boxes) const {
    const RawJobStep failed = runRawJob(m_server, m_timeout, printer, bytes);
    if (failed == RawJobStep::Done)
        return true;
    boxes.tell(rawJobFailureText(failed), QString());
    return false;
}

} // namespace parvela::labels
