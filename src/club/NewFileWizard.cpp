#include "club/NewFileWizard.h"

#include "club/CompetitionData.h"
#include "club/Sessions.h"
#include "core/ErrorHelpers.h"
#include "core/PathText.h"

namespace velk {

namespace {

// clang-format off
const char* const kCompetitionStep1 =
    "ClubCompetitie 1\n"
    "\n"
    "U maakt een nieuw Bridgebestand voor een clubcompetitie.\n"
    "Een competitie bestaat uit een aantal zittingen (speelavonden);\n"
    "een seizoen uit een aantal competities.\n"
    "\n"
    "In het volgende venster \"Competitie Gegevens\" geeft u op:\n"
    "- de naam van de club of de competitie,\n"
    "- het aantal paren en het aantal groepen (lijnen),\n"
    "- het aantal competities per seizoen en zittingen per competitie,\n"
    "- het aantal tafels, de maximale procenten met invallers,\n"
    "- de scoretelling, de Neuberg methode en de berekening.\n"
    "\n"
    "Wilt u de paren samenstellen uit het ledenbestand,\n"
    "open dan eerst met \"Ledenbestand\" het ledenbestand.\n"
    "\n"
    "Kies \"Verder\" om door te gaan of \"Stop\" om af te breken.";

const char* const kCompetitionStep2 =
    "U heeft het aantal Paren Groepen en Competities gekozen en de nodige "
    "gegevens ingevuld.\n"
    "\n"
    "Nu wordt de parenlijst gemaakt. Kies hoe de paren heten:\n"
    "- \"PaarXX  als naam\": de paren heten PaarA1, PaarA2, ... ;\n"
    "  de namen kunt u later in het rooster wijzigen.\n"
    "- \"Ledenparen als naam\": u stelt de paren samen uit de leden\n"
    "  van het ledenbestand.\n"
    "\n"
    "Kies daarna \"Verder\".";

const char* const kCompetitionStep3 =
    "De competitie is nu voorzien van Parenlist, deze is geopend in een rooster "
    "waarin u de namen van de paren kunt wijzigen.\n"
    "\n"
    "In de volgende stap kiest u de eerste zitting en geeft u de gegevens\n"
    "van die zitting op: het aantal spellen, ronden en spelgroepen,\n"
    "het eerste spelnummer en de speeldatum.\n"
    "\n"
    "Kies \"Verder\" om de zitting te kiezen.";

const char* const kCompetitionStep4 =
    "De eerste Zitting wordt gemaakt en de Competitie-gegevens van de 1e "
    "competitie worden bewaard.\n"
    "\n"
    "In het volgende venster kiest u de map en de naam van het bestand.\n"
    "Gebruik bij voorkeur een naam met het jaartal, bijvoorbeeld Club2026;\n"
    "het programma voegt \"_1\" toe als nummer van de eerste competitie.\n"
    "\n"
    "Kies \"Verder\" om het bestand te bewaren.";

const char* const kCompetitionStep5 =
    "Het Bridgebestand is opgeslagen voorzien van de Index 1 "
    "(competitie 1, zitting 1).\n"
    "\n"
    "Nu leest u per groep het speelschema in (\"Schema Lezen\").\n"
    "Kies eerst de groep(en) en daarna het schema uit de map \"Schemas\".\n"
    "Daarna opent het venster met de instellingen van het programma.\n"
    "\n"
    "Kies \"Verder\" om de schema`s te lezen.";

const char* const kDriveStep11 =
    "Drive/Zitting\n"
    "\n"
    "U maakt een nieuw Bridgebestand voor een drive of een losse zitting.\n"
    "Een drive bestaat uit een enkele zitting en hoort niet bij een\n"
    "competitie; er is geen competitienummer en er zijn geen\n"
    "promoties of degradaties.\n"
    "\n"
    "In het volgende venster \"Zitting gegevens\" geeft u op:\n"
    "- de naam van de drive of de zitting,\n"
    "- het aantal paren (of spelers) en het aantal groepen,\n"
    "- het aantal tafels,\n"
    "- de maximale procenten met een of twee invallers,\n"
    "- de scoretelling: Paren, Butler, Cross Imp of Enkel,\n"
    "- de Neuberg methode voor spellen met ontbrekende scores,\n"
    "- de berekening per groep of Topintegraal,\n"
    "- of u contracten wilt invoeren.\n"
    "\n"
    "Daarna wordt de parenlijst gemaakt, kiest u de gegevens van de\n"
    "zitting (spellen, ronden, spelgroepen, datum) en bewaart u het\n"
    "bestand. Tot slot leest u de speelschema`s in.\n"
    "\n"
    "Wilt u de paren samenstellen uit het ledenbestand,\n"
    "open dan eerst met \"Ledenbestand\" het ledenbestand.\n"
    "\n"
    "Kies \"Doorgaan\" om door te gaan\n"
    "of \"Stop\" om af te breken.";

const char* const kDriveStep12 =
    "U heeft het aantal Paren Groepen en Tafels gekozen en de nodige "
    "gegevens ingevuld.\n"
    "\n"
    "Nu wordt de parenlijst gemaakt. Kies hoe de paren heten:\n"
    "- \"PaarXX  als naam\": de paren heten PaarA1, PaarA2, ... ;\n"
    "- \"Ledenparen als naam\": u stelt de paren later samen uit de leden.\n"
    "\n"
    "Kies daarna \"Verder\".";

const char* const kDriveStep13 =
    "De Drive/Zitting is nu voorzien van Parenlist, deze is geopend in een rooster "
    "waarin u de namen van de paren kunt wijzigen.\n"
    "\n"
    "In de volgende stap geeft u de gegevens van de zitting op:\n"
    "het aantal spellen, ronden en spelgroepen en de speeldatum.\n"
    "\n"
    "Kies \"Verder\".";

const char* const kDriveStep14 =
    "De Drive- of Zitting gegevens zijn gered en worden nu opgeslagen.\n"
    "\n"
    "In het volgende venster kiest u de map en de naam van het bestand.\n"
    "\n"
    "Kies \"Verder\" om het bestand te bewaren.";

const char* const kDriveStep15 =
    "Het Bridgebestand is opgeslagen met de configuratie gegevens.\n"
    "\n"
    "Nu leest u per groep het speelschema in (\"Schema Lezen\").\n"
    "Daarna opent het venster met de instellingen van het programma.\n"
    "\n"
    "Kies \"Verder\" om de schema`s te lezen.";
// clang-format on

} // namespace

WizardStepText StepText(int step) {
    WizardStepText t;
    const bool drive = step > 10;
    const int n = step % 10;
    t.caption = drive ? "Drive/Zittinggegevens Stap: " + std::to_string(n)
                      : "Competitiegegevens Stap: " + std::to_string(n);
    t.continueCaption = step == 11 ? "Doorgaan" : "Verder";
    t.hasMembersButton = n == 1;
    t.hasNameChoice = n == 2;
    static const char* const competition[] = {kCompetitionStep1, kCompetitionStep2, kCompetitionStep3,
                                              kCompetitionStep4, kCompetitionStep5};
    static const char* const driveTexts[] = {kDriveStep11, kDriveStep12, kDriveStep13, kDriveStep14,
                                             kDriveStep15};
    if (n >= 1 && n <= 5)
        t.text = drive ? driveTexts[n - 1] : competition[n - 1];
    return t;
}

NewFileWizard::NewFileWizard(Club& club, ClubFile& file, Dialogs& dialogs, WizardHost& host)
    : club_(club), file_(file), dialogs_(dialogs), host_(host) {}

bool NewFileWizard::stop(const std::string& message) {
    ShowStop(dialogs_, message);
    active = false;
    return false;
}

bool NewFileWizard::run(bool competition) {
    file_.resetToEmpty();
    club_.IsCompetition = competition;
    club_.ClubFilePath = "*.dba";
    active = true;
    useMemberNames = false;
    const int base = competition ? 0 : 10;
    const char* const stops[] = {
        competition ? "Nieuwe Competitie afgebroken" : "Nieuwe Drive/Zitting afgebroken afgebroken",
        competition ? "Nieuwe Competitie afgebroken, geen bridgebestand aangemaakt"
                    : "Nieuwe Drive/Zitting afgebroken, geen bridgebestand aangemaakt",
        competition ? "Nieuwe Competitie afgebroken, geen bridgebestand; geen zitting geopend"
                    : "Nieuwe Drive/Zitting afgebroken, geen zitting geopend",
        competition ? "Nieuwe Competitie afgebroken, bridgebestand niet bewaard"
                    : "Nieuwe Drive/Zitting afgebroken, bridgebestand niet bewaard",
        competition ? "Nieuwe Competitie afgebroken, geen schema`s aangmaakt"
                    : "Nieuwe Drive/Zitting afgebroken, geen schema`s aangmaakt",
    };
    bool names = false;
    if (!host_.showStep(base + 1, names))
        return stop(stops[0]);

    club_.ConfigRecord = NewConfigRecord(competition);
    club_.SlamBonusTable = NewSlamBonusTable();
    LoadHead(club_);
    DeriveValues(club_, nullptr);
    if (!host_.editCompetitionData())
        return stop(stops[0]);
    StoreHead(club_);
    DeriveValues(club_, nullptr);
    club_.SessionList.clear();
    club_.CompetitionNumber = competition ? 1 : 0;
    file_.buildPairList();
    file_.takeSnapshot();
    AppendNewSession(club_);
    file_.setLoaded(true);

    if (!host_.showStep(base + 2, names))
        return stop(stops[1]);
    useMemberNames = names;
    host_.showPairWindow();
    if (competition && useMemberNames)
        host_.openPairSelection();

    if (!host_.showStep(base + 3, names))
        return stop(stops[2]);
    host_.chooseSession();

    if (!host_.showStep(base + 4, names))
        return stop(stops[3]);
    dialogs_.information(competition
                             ? "Velk Bridgebestand wordt bewaard\rZitting 1 van Competitie 1 is gekozen"
                             : "Velk Bridgebestand wordt bewaard");
    std::string path = file_.askFirstSavePath("*.dba");
    if (!path.empty()) {
        club_.ClubFilePath = path;
        club_.ClubFileName = FileNameOf(path);
        if (!file_.writeTo(path, true)) {
            path.clear();
            club_.ClubFilePath = "*.dba";
            club_.ClubFileName = "N_N";
        } else {
            // The empty schedule, score and slam files of session 1 go beside it.
            file_.saveCompanions();
        }
    }
    if (path.empty() && competition && !dialogs_.askYesNo("Bridgebestand niet bewaard\rwilt u doorgaan? ")) {
        active = false;
        return false;
    }

    if (!host_.showStep(base + 5, names))
        return stop(stops[4]);
    for (int g = 1; g <= club_.CompetitionHead.GroupCount; ++g)
        if (!host_.readSchedule())
            break;
    host_.openOptionsSettings();
    active = false;
    return true;
}

} // namespace velk
