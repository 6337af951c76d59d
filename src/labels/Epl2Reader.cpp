#include "labels/Epl2Reader.h"

#include <array>
#include <charconv>
#include <optional>

namespace parvela::labels {

namespace {

// The comma separated fields before the quoted data, and the data itself.
struct Fields {
    std::vector<std::string_view> values;
    std::string data;
};

std::optional<std::string> unquoted(std::string_view text) {
    if (text.size() < 2 || text.front() != '"')
        return std::nullopt;
    std::string data;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] == '"')
            return data;
        if (text[i] == '\\' && i + 1 < text.size())
            ++i;
        data += text[i];
    }
    return std::nullopt;
}

std::optional<Fields> fieldsOf(std::string_view parameters, std::size_t count) {
    Fields fields;
    while (fields.values.size() < count) {
        const std::size_t comma = parameters.find(',');
        if (comma == std::string_view::npos)
            return std::nullopt;
        fields.values.push_back(parameters.substr(0, comma));
        parameters.remove_prefix(comma + 1);
    }
    std::optional<std::string> data = unquoted(parameters);
    if (!data)
        return std::nullopt;
    fields.data = std::move(*data);
    return fields;
}

std::optional<int> number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The numbers of the fields at `positions`; nothing when one is not a number.
template <std::size_t N>
std::optional<std::array<int, N>> numbersAt(const Fields& fields,
                                            const std::array<std::size_t, N>& positions) {
    std::array<int, N> numbers{};
    for (std::size_t i = 0; i < N; ++i) {
        const std::optional<int> value = number(fields.values[positions[i]]);
        if (!value)
            return std::nullopt;
        numbers[i] = *value;
    }
    return numbers;
}

void readText(std::string_view parameters, Epl2Label& label) {
    const std::optional<Fields> fields = fieldsOf(parameters, 7);
    if (!fields)
        return;
    const auto n = numbersAt<6>(*fields, {0, 1, 2, 3, 4, 5});
    if (!n)
        return;
    label.texts.push_back({(*n)[0], (*n)[1], (*n)[2], (*n)[3], (*n)[4], (*n)[5],
                           fields->values[6] == "R", fields->data});
}

void readBarcode(std::string_view parameters, Epl2Label& label) {
    const std::optional<Fields> fields = fieldsOf(parameters, 8);
    if (!fields)
        return;
    const auto n = numbersAt<6>(*fields, {0, 1, 2, 4, 5, 6});
    if (!n)
        return;
    label.barcodes.push_back({(*n)[0], (*n)[1], (*n)[2], std::string(fields->values[3]), (*n)[3],
                              (*n)[4], (*n)[5], fields->values[7] == "B", fields->data});
}

// q and Q give the label's width and length; P the copies.
void readSize(char command, std::string_view parameters, Epl2Label& label) {
    const std::optional<int> value = number(parameters.substr(0, parameters.find(',')));
    if (!value)
        return;
    if (command == 'q')
        label.width = *value;
    else if (command == 'Q')
        label.length = *value;
    else
        label.copies = *value;
}

void readLine(std::string_view line, Epl2Label& label) {
    if (line.empty())
        return;
    const std::string_view parameters = line.substr(1);
    switch (line.front()) {
    case 'N':
        label.texts.clear();
        label.barcodes.clear();
        break;
    case 'A':
        readText(parameters, label);
        break;
    case 'B':
        readBarcode(parameters, label);
        break;
    case 'q':
    case 'Q':
    case 'P':
        readSize(line.front(), parameters, label);
        break;
    default:
        break;
    }
}

} // namespace

Epl2Label readEpl2(std::string_view commands) {
    Epl2Label label;
    while (!commands.empty()) {
        const std::size_t end = commands.find('\n');
        std::string_view line = commands.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        readLine(line, label);
        commands.remove_prefix(end == std::string_view::npos ? commands.size() : end + 1);
    }
    return label;
}

} // namespace parvela::labels
