#include "members/MemberFields.h"

#include "core/TextEncoding.h"

namespace velk {

std::string MemberText(const TKXLedenOBJ& m, MemberField field) {
    switch (field) {
    case MemberField::LidID:
        return std::to_string(m.LidID);
    case MemberField::AchterNaam:
        return m.AchterNaam.get();
    case MemberField::Voorzetsel:
        return m.Voorzetsel.get();
    case MemberField::Voorletters:
        return m.Voorletters.get();
    case MemberField::VoorNaam:
        return m.VoorNaam.get();
    case MemberField::Adres:
        return m.Adres.get();
    case MemberField::PostCode:
        return m.PostCode.get();
    case MemberField::Plaats:
        return m.Plaats.get();
    case MemberField::Telefoon:
        return m.Telefoon.get();
    case MemberField::Mobiel:
        return m.Mobiel.get();
    case MemberField::Email:
        return m.Email.get();
    case MemberField::GebDatum:
        return m.GebDatum.get();
    case MemberField::Sexe:
        return m.Sexe ? Cp1252ToUtf8(std::string(1, static_cast<char>(m.Sexe))) : std::string();
    case MemberField::Opmerking:
        return m.Opmerking.get();
    }
    return {};
}

void SetMemberText(TKXLedenOBJ& m, MemberField field, std::string_view text) {
    switch (field) {
    case MemberField::LidID:
        return;
    case MemberField::AchterNaam:
        return m.AchterNaam.set(text);
    case MemberField::Voorzetsel:
        return m.Voorzetsel.set(text);
    case MemberField::Voorletters:
        return m.Voorletters.set(text);
    case MemberField::VoorNaam:
        return m.VoorNaam.set(text);
    case MemberField::Adres:
        return m.Adres.set(text);
    case MemberField::PostCode:
        return m.PostCode.set(text);
    case MemberField::Plaats:
        return m.Plaats.set(text);
    case MemberField::Telefoon:
        return m.Telefoon.set(text);
    case MemberField::Mobiel:
        return m.Mobiel.set(text);
    case MemberField::Email:
        return m.Email.set(text);
    case MemberField::GebDatum:
        return m.GebDatum.set(text);
    case MemberField::Sexe: {
        const std::string bytes = Utf8ToCp1252(Utf8Left(text, 1));
        m.Sexe = bytes.empty() ? 0 : static_cast<std::uint8_t>(bytes[0]);
        return;
    }
    case MemberField::Opmerking:
        return m.Opmerking.set(text);
    }
}

} // namespace velk
