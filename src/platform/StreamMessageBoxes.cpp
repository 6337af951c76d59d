#include "platform/StreamMessageBoxes.h"

namespace parvela::platform {

void writeText(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

BoxAnswer StreamMessageBoxes::show(const BoxRequest& request) {
    {
        // Workers may report while the main thread does.
        const std::lock_guard lock(m_mutex);
        // A box without a caption is its text alone.
        const QString head =
            request.caption.isEmpty() ? QString() : request.caption + QStringLiteral(": ");
        writeText(m_stream, head + request.text + QLatin1Char('\n'));
    }
    ++m_shown;
    return request.defaultAnswer.value_or(escapeAnswerOf(request.buttons));
}

} // namespace parvela::platform
