#include "members/MemberImport.h"

#include "core/TextEncoding.h"
#include "members/MemberFields.h"

#include <array>
#include <charconv>
#include <utility>

namespace velk {

namespace {

// The fields of one line, split at commas outside double quotes ("" inside quotes is one quote).
std::vector<std::string> SplitFields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

// The fields of an export line after the surname, by their position.
constexpr std::array<std::pair<std::size_t, MemberField>, 11> kExportFields = {
    {{3, MemberField::Adres},
     {5, MemberField::Telefoon},
     {7, MemberField::Voorletters},
     {9, MemberField::PostCode},
     {11, MemberField::Mobiel},
     {13, MemberField::VoorNaam},
     {15, MemberField::Plaats},
     {17, MemberField::Email},
     {19, MemberField::Sexe},
     {21, MemberField::GebDatum},
     {23, MemberField::Opmerking}}};

std::string AfterColon(const std::string& field) {
    const auto colon = field.find(':');
    return colon == std::string::npos ? field : field.substr(colon + 1);
}

std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n')
            c = ' ';
    return text;
}

} // namespace

bool MembersFromLedenTable(const AccessTable& table, std::vector<TKXLedenOBJ>& out, std::string& problem) {
    struct Column {
        const char* name;
        MemberField field;
    };
    static const std::array<Column, 12> columns = {{{"Achternaam", MemberField::AchterNaam},
                                                    {"Tussenvoegsel", MemberField::Voorzetsel},
                                                    {"Voorletters", MemberField::Voorletters},
                                                    {"Voornaam", MemberField::VoorNaam},
                                                    {"Adres", MemberField::Adres},
                                                    {"PostCode", MemberField::PostCode},
                                                    {"Plaats", MemberField::Plaats},
                                                    {"Telefoon1", MemberField::Telefoon},
                                                    {"Telefoon2", MemberField::Mobiel},
                                                    {"email", MemberField::Email},
                                                    {"Geslacht", MemberField::Sexe},
                                                    {"Opmerkingen", MemberField::Opmerking}}};
    const int idColumn = table.column("ID");
    if (idColumn < 0) {
        problem = "kolom ontbreekt: ID";
        return false;
    }
    std::array<int, columns.size()> at{};
    for (std::size_t i = 0; i < columns.size(); ++i) {
        at[i] = table.column(columns[i].name);
        if (at[i] < 0) {
            problem = std::string("kolom ontbreekt: ") + columns[i].name;
            return false;
        }
    }
    std::vector<TKXLedenOBJ> members;
    for (std::size_t r = 0; r < table.Rows.size(); ++r) {
        const std::string id = table.text(r, idColumn);
        int value = 0;
        const auto [end, ec] = std::from_chars(id.data(), id.data() + id.size(), value);
        if (id.empty() || ec != std::errc() || end != id.data() + id.size() || value < -32768 ||
            value > 32767) {
            problem = "ID in regel " + std::to_string(r + 1) + " is geen geldige waarde: " + id;
            return false;
        }
        TKXLedenOBJ m;
        m.LidID = static_cast<std::int16_t>(value);
        for (std::size_t i = 0; i < columns.size(); ++i)
            SetMemberText(m, columns[i].field, table.text(r, at[i]));
        members.push_back(std::move(m));
    }
    out = std::move(members);
    return true;
}

bool MembersFromCsv(std::string_view bytes, std::vector<TKXLedenOBJ>& out, std::string& heading) {
    // The other program writes its exports in the Windows code page; a file saved again by an
    // editor may well be UTF-8.
    const std::string decoded = TextFileToUtf8(bytes);
    const std::string_view text = decoded;
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string line(text.substr(start, end - start));
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    if (lines.size() < 2)
        return false;
    // The field count of line 3 rules, or of the first member's line in a shorter list.
    const std::size_t fields = SplitFields(lines[lines.size() > 3 ? 3 : 1]).size();
    if (fields < 24)
        return false;
    std::vector<TKXLedenOBJ> members;
    for (std::size_t n = 1; n < lines.size(); ++n) {
        const auto parts = SplitFields(lines[n]);
        if (parts.size() != fields || n > 32767)
            return false;
        auto value = [&parts](std::size_t i) { return AfterColon(parts[i]); };
        TKXLedenOBJ m;
        m.LidID = static_cast<std::int16_t>(n);
        const std::string surname = value(1);
        const auto comma = surname.find(',');
        m.AchterNaam.set(surname.substr(0, comma));
        if (comma != std::string::npos) {
            std::size_t from = comma + 1;
            while (from < surname.size() && surname[from] == ' ')
                ++from;
            m.Voorzetsel.set(surname.substr(from));
        }
        for (const auto& [index, field] : kExportFields)
            SetMemberText(m, field, value(index));
        members.push_back(std::move(m));
    }
    heading = lines[0];
    out = std::move(members);
    return true;
}

std::string MembersTextList(const std::vector<TKXLedenOBJ>& members) {
    std::string list;
    for (const TKXLedenOBJ& m : members) {
        for (int i = 0; i < kMemberFieldCount; ++i)
            list += (i ? ", " : "") + OneLine(MemberText(m, static_cast<MemberField>(i)));
        list += "\r\n";
    }
    return list;
}

} // namespace velk
