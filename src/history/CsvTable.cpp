#include "history/CsvTable.h"

#include <array>
#include <utility>

#include "history/DrawFields.h"
#include "lists/TextLines.h"

namespace suoshui {

namespace {

enum class Column { Issue, Date, Number, Hundreds, Tens, Ones };

// The names a header may give each column, compared without case.
constexpr std::pair<std::string_view, Column> kColumnNames[] = {
    {"issue", Column::Issue},       {"期号", Column::Issue},      {"期数", Column::Issue},
    {"期次", Column::Issue},        {"date", Column::Date},       {"日期", Column::Date},
    {"开奖日期", Column::Date},     {"number", Column::Number},   {"numbers", Column::Number},
    {"号码", Column::Number},       {"开奖号码", Column::Number}, {"中奖号码", Column::Number},
    {"hundreds", Column::Hundreds}, {"百位", Column::Hundreds},   {"tens", Column::Tens},
    {"十位", Column::Tens},         {"ones", Column::Ones},       {"units", Column::Ones},
    {"个位", Column::Ones},
};

constexpr std::array<std::string_view, 5> kSeparators = {"\t", ",", "，", ";", "；"};

std::string headerName(std::string_view field) {
    const std::string_view name = withoutByteOrderMark(trimBlanks(field));
    std::string lower(trimBlanks(name));
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

std::optional<Column> columnNamed(std::string_view name) {
    for (const auto& [known, column] : kColumnNames) {
        if (name == known)
            return column;
    }
    return std::nullopt;
}

std::optional<std::size_t>& slotOf(CsvColumns& columns, Column column) {
    switch (column) {
        case Column::Issue:
            return columns.issue;
        case Column::Date:
            return columns.date;
        case Column::Number:
            return columns.number;
        case Column::Hundreds:
            return columns.hundreds;
        case Column::Tens:
            return columns.tens;
        case Column::Ones:
            break;
    }
    return columns.ones;
}

std::string_view fieldAt(const std::vector<std::string>& fields, std::optional<std::size_t> index) {
    return index && *index < fields.size() ? std::string_view(fields[*index]) : std::string_view();
}

bool allBlank(const std::vector<std::string>& fields) {
    for (const std::string& field : fields) {
        if (!trimBlanks(field).empty())
            return false;
    }
    return true;
}

// A number read from one place of a row: absent (blank), unreadable, or a value.
struct NumberSource {
    bool present = false;
    std::optional<int> value;
};

NumberSource numberColumn(const std::vector<std::string>& fields, const CsvColumns& columns) {
    const std::string_view field = fieldAt(fields, columns.number);
    if (!columns.number || trimBlanks(field).empty())
        return {};
    return {true, readNumberField(field)};
}

NumberSource digitColumns(const std::vector<std::string>& fields, const CsvColumns& columns) {
    if (!columns.namesDigits())
        return {};
    const std::array<std::string_view, 3> digits = {fieldAt(fields, columns.hundreds),
                                                    fieldAt(fields, columns.tens),
                                                    fieldAt(fields, columns.ones)};
    if (trimBlanks(digits[0]).empty() && trimBlanks(digits[1]).empty() &&
        trimBlanks(digits[2]).empty())
        return {};
    int value = 0;
    for (std::string_view field : digits) {
        const std::optional<int> digit = readDigitField(field);
        if (!digit)
            return {true, std::nullopt};
        value = value * 10 + *digit;
    }
    return {true, value};
}

// The number column and the digit columns, where both are filled, must agree.
std::optional<int> rowNumber(const std::vector<std::string>& fields, const CsvColumns& columns) {
    const NumberSource whole = numberColumn(fields, columns);
    const NumberSource digits = digitColumns(fields, columns);
    if ((whole.present && !whole.value) || (digits.present && !digits.value))
        return std::nullopt;
    if (whole.present && digits.present && whole.value != digits.value)
        return std::nullopt;
    return whole.present ? whole.value : digits.value;
}

}  // namespace

std::vector<std::string> splitCsvFields(std::string_view line, std::string_view separator) {
    std::vector<std::string> fields;
    std::string field;
    bool quoted = false;
    bool fieldStarted = false;  // something but blanks has been read into the field
    std::size_t at = 0;
    while (at < line.size()) {
        const char c = line[at];
        if (quoted) {
            if (c == '"' && at + 1 < line.size() && line[at + 1] == '"') {
                field.push_back('"');
                at += 2;
                continue;
            }
            if (c == '"')
                quoted = false;
            else
                field.push_back(c);
            ++at;
            continue;
        }
        if (line.substr(at, separator.size()) == separator) {
            fields.push_back(std::move(field));
            field.clear();
            fieldStarted = false;
            at += separator.size();
            continue;
        }
        if (c == '"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
            field.clear();  // blanks before the opening quote
        } else {
            field.push_back(c);
            fieldStarted = fieldStarted || (c != ' ' && c != '\t');
        }
        ++at;
    }
    fields.push_back(std::move(field));
    return fields;
}

std::optional<CsvColumns> readCsvHeader(std::string_view line) {
    for (std::string_view separator : kSeparators) {
        if (line.find(separator) == std::string_view::npos)
            continue;
        CsvColumns columns;
        columns.separator = separator;
        bool namesAny = false;
        const std::vector<std::string> fields = splitCsvFields(line, separator);
        for (std::size_t index = 0; index < fields.size(); ++index) {
            const std::optional<Column> column = columnNamed(headerName(fields[index]));
            if (!column)
                continue;
            std::optional<std::size_t>& slot = slotOf(columns, *column);
            if (!slot)
                slot = index;  // the first column of a name counts
            namesAny = true;
        }
        if (namesAny)
            return columns;
    }
    return std::nullopt;
}

LineReading readCsvRow(std::string_view line, const CsvColumns& columns) {
    const std::vector<std::string> fields = splitCsvFields(line, columns.separator);
    if (allBlank(fields))
        return LineReading::nothing();
    const std::optional<int> number = rowNumber(fields, columns);
    std::optional<std::string> issue = readIssueField(fieldAt(fields, columns.issue));
    std::optional<std::string> date = readDateField(fieldAt(fields, columns.date));
    if (!number || !issue || !date)
        return LineReading::unreadable();
    return LineReading::of(Draw{std::move(*issue), std::move(*date), *number});
}

}  // namespace suoshui
