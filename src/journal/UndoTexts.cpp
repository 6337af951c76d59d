#include "journal/UndoTexts.h"

#include <charconv>

namespace parvela::journal {

QString productName(const std::string& code, const stock::Catalogue& catalogue) {
    stock::StockCode value = 0;
    const auto [end, error] = std::from_chars(code.data(), code.data() + code.size(), value);
    if (error != std::errc() || end != code.data() + code.size())
        return {};
    const stock::StockDefinition* product = catalogue.find(value);
    return product ? product->stname : QString();
}

QString productLines(const std::vector<std::string>& codes, const stock::Catalogue& catalogue) {
    QString lines;
    for (const std::string& code : codes) {
        const QString name = productName(code, catalogue);
        lines += QString::fromStdString(code);
        if (!name.isEmpty())
            lines += QStringLiteral("  ") + name;
        lines += QLatin1Char('\n');
    }
    return lines;
}

QString changedSinceQuestion(const UndoResult& result, const stock::Catalogue& catalogue) {
    return QStringLiteral("Bu değişiklikten sonra %1 ürün yeniden değiştirildi:\n\n%2\n"
                          "Geri almak bu ürünlerdeki sonraki değişiklikleri de siler. "
                          "Devam edilsin mi?")
        .arg(result.changedSince.size())
        .arg(productLines(result.changedSince, catalogue));
}

QString undoReport(const UndoResult& result, const stock::Catalogue& catalogue) {
    using Status = UndoResult::Status;
    switch (result.status) {
    case Status::Undone: {
        QString text =
            QStringLiteral("%1 ürün değişiklikten önceki haline döndü.").arg(result.restored);
        if (!result.keptCreated.empty())
            text += QStringLiteral("\n\nDeğişikliğin eklediği bu ürünler artık kullanıldığı "
                                   "için silinmedi:\n\n%1")
                        .arg(productLines(result.keptCreated, catalogue));
        return text;
    }
    case Status::ChangedSince:
        return QStringLiteral("Geri alınmadı: bu ürünler değişiklikten sonra yeniden "
                              "değiştirildi:\n\n%1")
            .arg(productLines(result.changedSince, catalogue));
    case Status::AlreadyUndone:
        return QStringLiteral("Bu değişiklik zaten geri alındı.");
    case Status::Unknown:
        return QStringLiteral("Böyle bir değişiklik kayıtlı değil.");
    case Status::Failed:
        break;
    }
    return QStringLiteral("Geri alınamadı; hiçbir şey değişmedi.");
}

QString productCount(const JournalEntry& entry) {
    return QStringLiteral("%1 ürün").arg(entry.products);
}

} // namespace parvela::journal
