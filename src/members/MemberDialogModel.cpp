#include "members/MemberDialogModel.h"

#include "core/DateHelpers.h"
#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/TextEncoding.h"
#include "core/TextHelpers.h"
#include "members/MembersRegister.h"

#include <cctype>
#include <charconv>

namespace velk {

namespace {

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

bool MemberDialogModel::open(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= members_.Members.size())
        return false;
    row_ = row;
    draft_ = members_.Members[static_cast<std::size_t>(row)];
    original_ = draft_;
    return true;
}

std::string MemberDialogModel::text(MemberField field) const {
    return MemberText(draft_, field);
}

bool MemberDialogModel::enter(MemberField field, const std::string& typed) {
    TKXLedenOBJ& m = draft_;
    switch (field) {
    case MemberField::LidID: {
        const std::string_view t = Trim(typed);
        int value = 0;
        const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
        if (t.empty() || ec != std::errc() || end != t.data() + t.size() || value < -32768 || value > 32767) {
            ShowFileError(dialogs_, errorCode_, "LidIndex", FileError::InvalidValue, Hint::CorrectInput);
            return false;
        }
        m.LidID = static_cast<std::int16_t>(value);
        return true;
    }
    case MemberField::Telefoon:
    case MemberField::Mobiel: {
        const std::string t = Upper(Trim(typed));
        if (!t.empty()) {
            if (t.size() < 6 || t.size() > 14) {
                ShowFileError(dialogs_, errorCode_, "Telefoon/Mobiel: ", FileError::PhoneLength,
                              Hint::CorrectInput);
                return false;
            }
            for (const char c : t)
                if (!std::isdigit(static_cast<unsigned char>(c)) && c != ' ' && c != '-') {
                    ShowFileError(dialogs_, errorCode_, "Telefoon/Mobiel: ", FileError::InvalidValue,
                                  Hint::CorrectInput);
                    return false;
                }
        }
        (field == MemberField::Telefoon ? m.Telefoon : m.Mobiel).set(t);
        return true;
    }
    case MemberField::Email: {
        const std::string t(Trim(typed));
        if (!t.empty() && t.find('@') == std::string::npos) {
            ShowFileError(dialogs_, errorCode_, "Email zonder @ ", FileError::NotAllowed, Hint::CorrectInput);
            return false;
        }
        if (!t.empty() && t.find('.') == std::string::npos) {
            ShowFileError(dialogs_, errorCode_, "Email zonder . ", FileError::NotAllowed, Hint::CorrectInput);
            return false;
        }
        m.Email.set(t);
        return true;
    }
    case MemberField::GebDatum: {
        if (!Trim(typed).empty() && !ParseDate(typed, clock_.now())) {
            ShowFileError(dialogs_, errorCode_, typed, FileError::InvalidDate, Hint::CorrectInput);
            return false;
        }
        m.GebDatum.set(typed);
        return true;
    }
    case MemberField::Sexe: {
        const std::string t = Upper(Trim(typed));
        if (t != "M" && t != "V") {
            ShowFileError(dialogs_, errorCode_, typed, FileError::SexMOrV, Hint::CorrectInput);
            return false;
        }
        m.Sexe = static_cast<std::uint8_t>(t[0]);
        return true;
    }
    default:
        SetMemberText(m, field, typed);
        return true;
    }
}

MemberField MemberDialogModel::Next(MemberField field) {
    const int next = (static_cast<int>(field) + 1) % kMemberFieldCount;
    return static_cast<MemberField>(next);
}

bool MemberDialogModel::commit() {
    return members_.replace(row_, draft_);
}

} // namespace velk
