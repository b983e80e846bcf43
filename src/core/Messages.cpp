#include "core/Messages.h"

namespace velk {

// clang-format off
const std::array<std::string_view, 45> kErrorPrefixes = {
    "Sluit eerst alle vensters,\rGebruik menu optie \"Beeld\", Sluit: ", // 0
    "Aantal paren = 0 ", // 1
    "Aantal groepen te weinig !", // 2
    "U heeft nog geen punt ingevoerd voor groep: ", // 3
    "U heeft geen procenten berekend voor groep: ", // 4
    "P R I N T E R  S T A A T  U I T !", // 5
    "Wijziging niet toegestaan ! ", // 6
    "Bestand bestaat niet : ", // 7
    "Andere Wedstrijd;  Open Competitie : ", // 8
    "Zitting niet te openen;\rgebruik \"Nieuwe Zitting\"", // 9
    "Toegang tot de harde schijf verhinderd", // 10
    "Competitie ongelijk aan Wedstrijd index in : ", // 11
    "Foutieve Wijziging van : ", // 12
    "Parenbestand is niet correct", // 13
    "Zitting niet te openeen \r", // 14
    "Er is nog geen zitting geopend\rdoe dit eerst...", // 15
    "Overeenkomstige competitie niet uitgevoerd", // 16
    "Bestand zonder Competitie-Index : ", // 17
    "Map of Directory niet toegangkelijk ", // 18
    "Schema niet Correct :\rOngeldig aantal", // 19
    "Er is geen Schema beschikbaar :", // 20
    "Schema fout, paar(paren) niet gevonden ", // 21
    "Er is geen Scorebestand Aanwezig", // 22
    "Er zijn geen MatchPoints berekend", // 23
    "P R I N T E R  zonder P A P I E R", // 24
    "P R I N T E R  N I E T  K L A A R", // 25
    "Het opgegeven pad bestaat niet", // 26
    "Er zijn 0 paren in groep :", // 27
    "Fout in data bestand", // 28
    "Geen Percentages voor Butler of Cross-IMP", // 29
    "Geen Slemregistratie gewenst(zie CluData)", // 30
    "Scores niet ingevuld of Zittafel Groep: ", // 31
    "Dit paar heeft niet gespeeld", // 32
    "Dit paar bestaat niet: ", // 33
    "Dit spel is niet gespeeld", // 34
    "Parenbestand eerst bewaren en dan opnieuw ", // 35
    "Fout in Printerparameter \"Font\" ", // 36
    "Aantal Tafels per groep is te groot ", // 37
    "Sluit eerst alle vensters,\rdan kleuren redden", // 38
    "Foutief getal, probeer opnieuw: ", // 39
    "Fout in Schema bestand ", // 40
    "Aantal Groepen is geen deler van aantal Tafels", // 41
    "Groep bestaat niet : ", // 42
    "Zitting niet te verwijderen\rgebruik hoger ZittingNr.", // 43
    "Nog niet alle parameters zijn ingevoerd", // 44
};

const std::array<std::string_view, 50> kFileErrorSuffixes = {
    ": is geen geldig Karakter", // 0
    ": configuratierecord foutief", // 1
    ": parenlijst foutief", // 2
    ": zittinglijst foutief", // 3
    " is geen geldige datum", // 4
    " is geen geldige waarde", // 5
    " fout in Zitingcalcuullijst ", // 6
    " inlezen NIET gelukt", // 7
    " wegschrijven NIET gelukt", // 8
    " bestaat al", // 9
    " bestand bestaat niet ", // 10
    ": Scorelijst foutief", // 11
    ": Schemalijst foutief", // 12
    ": Slemlijst foutief", // 13
    " niet toegestaan", // 14
    " heeft 4 cijfers", // 15
    " heeft 4 cijfers en 2 letters", // 16
    " heeft min. 6, max. 14 cijfers + spaties", // 17
    " is geen geldig e-mail adres", // 18
    " alleen M  of  V  toegestaan", // 19
    " is niet ingevuld!", // 20
    " Aantalleden = 0", // 21
    " ", // 22
    "", // 23
    "", // 24
    "", // 25
    "", // 26
    "", // 27
    "", // 28
    "", // 29
    "", // 30
    "", // 31
    "", // 32
    "", // 33
    "", // 34
    "", // 35
    "", // 36
    "", // 37
    "", // 38
    "", // 39
    "", // 40
    " : tafelnummer(s) niet correct", // 41
    " : index is te groot voor dit paar (speler)", // 42
    " : speelt met zich zelf ?", // 43
    " : speelt al op andere tafel", // 44
    " : index 0 wordt niet gebruikt", // 45
    " : speelt in zelfde richting", // 46
    " : deze spelgroep. wordt niet gebruikt", // 47
    " : deze spelgroep wordt al gespeeld", // 48
    " : speelt in andere groep", // 49
};

const std::array<std::string_view, 12> kFileErrorHints = {
    " ", // 0
    " controleer bestand", // 1
    " maak eerst nieuw Velk File", // 2
    " gebruik bij voorkeur naam met jaartal", // 3
    " gebruik optie Nieuwe zitting ", // 4
    " gebruik optie Budget van Bestand menu", // 5
    " probeer opnieuw of controleer file", // 6
    " gebruik menu-optie Extra", // 7
    " corrigeer (zonodig) invoer", // 8
    " controleer data van Scorefile", // 9
    " controleer data van Schema(`s)", // 10
    " verifieer eerst slemdata", // 11
};
// clang-format on

namespace {
template <std::size_t N> std::string_view Lookup(const std::array<std::string_view, N>& table, int code) {
    if (code < 0 || static_cast<std::size_t>(code) >= N)
        return {};
    return table[static_cast<std::size_t>(code)];
}
} // namespace

std::string_view ErrorPrefix(int code) {
    return Lookup(kErrorPrefixes, code);
}
std::string_view FileErrorSuffix(int code) {
    return Lookup(kFileErrorSuffixes, code);
}
std::string_view FileErrorHint(int code) {
    return Lookup(kFileErrorHints, code);
}

} // namespace velk
