#include "labels/RawJobSteps.h"

namespace parvela::labels {

QString rawJobFailureText(RawJobStep step) {
    switch (step) {
    case RawJobStep::Done:
        return {};
    case RawJobStep::OpenPrinter:
        return QStringLiteral("Yazici Secilmedi ya da yazici yok.!");
    case RawJobStep::StartDocument:
        return QStringLiteral("StartDocPrinterA Failed");
    case RawJobStep::StartPage:
        return QStringLiteral("StartPagePrinter Failed");
    case RawJobStep::Write:
        return QStringLiteral("WritePrinter Failed");
    case RawJobStep::EndPage:
        return QStringLiteral("EndPagePrinter Failed");
    case RawJobStep::EndDocument:
        return QStringLiteral("EndDocPrinter Failed");
    }
    return {};
}

} // namespace parvela::labels
