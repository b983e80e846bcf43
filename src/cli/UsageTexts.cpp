#include "cli/UsageTexts.h"

#include <sstream>

namespace velk::cli {

const std::vector<CommandHelp>& CommandHelps() {
    static const std::vector<CommandHelp> helps = {
        {"check", "check BESTAND.dba   leest het bestand zoals het programma het leest\n",
         "gebruik: velk-cli check BESTAND.dba\n"},
        {"dump", "dump BESTAND.dba    toont het hele bestand als JSON\n",
         "gebruik: velk-cli dump BESTAND.dba\n"},
        {"new", "new BESTAND.dba     maakt een nieuwe competitie of drive (--help voor opties)\n",
         "gebruik: velk-cli new BESTAND.dba [--drive] [--name TEKST] [--pairs N] [--groups N]\n"
         "         [--competitions N] [--sessions N] [--tables N] [--pct1 X] [--pct2 X]\n"
         "         [--mode paren|butler|crossimp|enkel] [--neuberg niet|0|1] [--topintegraal]\n"
         "         [--contracts] [--yes]\n"},
        {"session", "session BESTAND.dba new|show|set|delete   zittingen\n",
         "gebruik: velk-cli session BESTAND.dba new  [PARAMETERS] [--yes]\n"
         "         velk-cli session BESTAND.dba show [--session N]\n"
         "         velk-cli session BESTAND.dba set  --session N [PARAMETERS] [--yes]\n"
         "         velk-cli session BESTAND.dba delete [--yes]\n"
         "PARAMETERS: --boards N --rounds N --boardgroups N --first N --length N --date dd-mm-jjjj\n"
         "            --active A=10/5,B=8/4 (paren/tafels per groep)\n"
         "Een nieuwe zitting neemt zonder PARAMETERS de spellen, ronden, spelgroepen en lengte van\n"
         "de vorige zitting over (de eerste zitting: 24, 6, 6 en 4), eerste spel 1 en de datum van "
         "vandaag.\n"},
        {"sort", "sort BESTAND.dba    sorteert de paren en bewaart het bestand\n",
         "gebruik: velk-cli sort BESTAND.dba [--key clubnr|grpnr|naam|plaats] [--scope groep|club]\n"
         "                      [--group LETTER]\n"
         "Alleen op grpnr per groep wordt het bestand bewaard; de andere volgorden worden getoond.\n"},
        {"convert",
         "convert --board B --side NZ|OW CONTRACT RESULTAAT | --typed SCORE\n"
         "                      rekent een contract of getypte score om\n",
         "gebruik: velk-cli convert --board B --side NZ|OW CONTRACT RESULTAAT\n"
         "         velk-cli convert --board B --side NZ|OW [--pairs N] [--short] --typed SCORE\n"},
        {"schedule", "schedule read|show|check   leest, toont of controleert schema's\n",
         "gebruik: velk-cli schedule read BESTAND.dba --groups *|A|A-C BASISSCHEMA [--session N] [--yes]\n"
         "         velk-cli schedule show BESTAND.dba [--session N]\n"
         "         velk-cli schedule check BASISSCHEMA [--yes]\n"
         "BASISSCHEMA: een bestand, of de naam van een meegeleverd schema (map Schemas)\n"},
        {"compute", "compute BESTAND.dba [--session N] [--groups *|A|A-C]   verwerkt de matchpunten\n",
         "gebruik: velk-cli compute BESTAND.dba [--session N] [--groups *|A|A-C] [--yes|--no]\n"},
        {"results", "results BESTAND.dba [--session N] --format csv      uitslag per paar\n",
         "gebruik: velk-cli results BESTAND.dba [--session N] --format csv\n"},
        {"matchpoints", "matchpoints BESTAND.dba [--session N] --format csv  matchpunten per score\n",
         "gebruik: velk-cli matchpoints BESTAND.dba [--session N] --format csv\n"},
        {"report", "report BESTAND.dba --kind K   een lijst van het uitvoervenster (--help voor opties)\n",
         "gebruik: velk-cli report BESTAND.dba --kind K [--session N] [--groups *|A|A-C]\n"
         "         [--sessions F-L] [--range F-L] [--competitions F-L] [--drives N]\n"
         "         [--format text|html|pdf] [--html] [--output PAD] [--yes|--no]\n"
         "K: 1 punten op nummer, 2 punten op rang, 3 procenten op nummer, 4 procenten op rang,\n"
         "   5/6 totalen per jaar op clubnummer/plaats over de competities F-L, 7 parenlijst,\n"
         "   17 zomerdrives (--drives: het aantal), 20 slems (--competitions N: alleen competitie N)\n"
         "   32 scores en matchpunten van paar --range N (met --yes als pagina naar de tekstverwerker),\n"
         "   37 de pagina's van alle paren in de map van --output (PAD/MPPaarA1.htm)\n"
         "   38 de tellijst van groep --groups (A-C of *: van elke groep; zonder --groups: groep A)\n"
         "   44 spelverdeling: per spel de handen, dubbel-dummy, par en de uitslagen met matchpunten\n"
         "      (--range F-L: de spellen; zonder --range: alle spellen van de zitting)\n"
         "   (en de andere lijsten van het menu Uitvoer, zodra ze er zijn)\n"
         "Zonder --output gaat de tekst (UTF-8) of de HTML-pagina naar standaarduitvoer;\n"
         "pdf vraagt om --output. Vragen beantwoordt --yes met Ja, anders Nee.\n"},
        {"scores", "scores enter|show|import BESTAND.dba   voert scores in, toont ze of neemt ze over\n",
         "gebruik: velk-cli scores enter BESTAND.dba [--session N] [--wijzig-ow]\n"
         "         velk-cli scores show BESTAND.dba [--session N]\n"
         "         velk-cli scores import BESTAND.dba ZITTING.ses [--session N] [--yes|--no]\n"
         "enter leest regels GROEP SPEL PAAR SCORE of GROEP SPEL PAAR CONTRACT RESULTAAT\n"
         "(PAAR: het nummer in de groep; SPEL: het spelnummer), in een competitie \"Enkel\"\n"
         "GROEP SPEL TAFEL NZSCORE [OWSCORE] (TAFEL: in de groep; OWSCORE met --wijzig-ow),\n"
         "en bewaart de scorelijst zoals \"OK\" in het invoervenster: per groep de niet\n"
         "gespeelde spellen en de zittafel, dan het bestand (vragen: --yes of --no).\n"
         "import neemt de tabel SpelTabel van een Kaartix-zitting over in de open zitting.\n"},
        {"points", "points BESTAND.dba [--session N]   punten en invallers vanaf standaardinvoer\n",
         "gebruik: velk-cli points BESTAND.dba [--session N]\n"
         "leest regels GROEP PAAR PUNTEN [INVALLERS] (PAAR: het nummer in de groep; INVALLERS -2 ... 2),\n"
         "berekent procenten, rangen en totalen opnieuw en bewaart het bestand; geen regel wordt\n"
         "bewaard als er een geweigerd is.\n"},
        {"slams", "slams BESTAND.dba [--session N] [--yes|--no]   controleert de slemcontracten\n",
         "gebruik: velk-cli slams BESTAND.dba [--session N] [--yes|--no]\n"
         "toont elke score die alleen een slem geeft; --yes telt ze als slem, --no (standaard) niet;\n"
         "de tellingen gaan in het slembestand.\n"},
        {"correct", "correct BESTAND.dba [--session N]  procentcorrecties vanaf standaardinvoer\n",
         "gebruik: velk-cli correct BESTAND.dba [--session N]\n"
         "leest regels GROEP PAAR CORRECTIE (procentpunten; procent + correctie tussen 0 en 100),\n"
         "berekent rangen en totalen opnieuw en bewaart het bestand; geen regel wordt bewaard als er\n"
         "een geweigerd is.\n"},
        {"export",
         "export BESTAND.dba [--session N] --format usebio|pbn UITVOER   uitslag als USEBIO 1.2 of PBN\n",
         "gebruik: velk-cli export BESTAND.dba [--session N] --format usebio UITVOER.xml\n"
         "         velk-cli export BESTAND.dba [--session N] --format pbn UITVOER.pbn\n"
         "schrijft de zitting als USEBIO 1.2 (XML): club, paren met namen, per spel de uitslagen\n"
         "met contract, resultaat, score en de berekende matchpunten (eerst velk-cli compute);\n"
         "pbn schrijft per groep en spel de spelverdeling met dubbel dummy en par (eerst velk-cli\n"
         "hands deal of hands import) en een ScoreTable met de uitslagen en de matchpunten.\n"},
        {"pages", "pages BESTAND.dba [--session N] --groups *|A|A-C MAP   webpagina per paar\n",
         "gebruik: velk-cli pages BESTAND.dba [--session N] --groups *|A|A-C MAP\n"
         "schrijft in MAP per paar dat speelde MPPaar<groep><nr>.htm en ParenNamen.htm\n"},
        {"publish", "publish BESTAND.dba [--session N] MAP   de uitslag als website\n",
         "gebruik: velk-cli publish BESTAND.dba [--session N] MAP\n"
         "schrijft in MAP de website van de zitting: index.html met de uitslag per groep, per spel\n"
         "spel-<nr>.html (de uitslagen aan alle tafels en, als de zitting ze heeft, de handen,\n"
         "dubbel dummy en par), per paar paar-<groep><nr>.html (de spellen per ronde met de lopende\n"
         "procenten), seizoen.html (competitie en jaartotalen met het verloop per paar) en\n"
         "site.css. De pagina's zijn UTF-8, zonder scripts, leesbaar op een telefoon. De matchpunten\n"
         "zijn die van compute; een zitting zonder matchpunten wordt geweigerd.\n"},
        {"serve",
         "serve BESTAND.dba [--session N] [--port P] [--bind ADRES] [--new-pins]   tafelserver voor "
         "telefoons\n",
         "gebruik: velk-cli serve BESTAND.dba [--session N] [--port P] [--bind ADRES] [--new-pins]\n"
         "                        [--cert CERTIFICAAT.pem --key SLEUTEL.pem]\n"
         "start de tafelserver van de zitting: elke tafel voert haar scores in op een telefoon.\n"
         "Schrijft eerst URL http://ADRES:POORT/ en per tafel TABLE <label> PIN <cijfers>.\n"
         "Standaard 127.0.0.1:8080; --port 0 kiest een vrije poort, --bind 0.0.0.0 opent de\n"
         "server voor het netwerk van de club. Elke invoer komt eerst in het journaal\n"
         "<naam>_journal<N>.jsonl en elke 30 seconden en bij SIGTERM of SIGINT in het\n"
         "scorebestand; een volgende start zet wat het journaal nog heeft in het scorebestand.\n"
         "De PIN's van de tafels blijven bewaard in <naam>_pins<N>.txt, voor een volgende start en\n"
         "de tafelkaarten; --new-pins geeft elke tafel een nieuwe PIN.\n"
         "Met --cert en --key (PEM) antwoordt de server over HTTPS, met het certificaat van\n"
         "de club.\n"
         "/uitslag/ toont de uitslag van de gespeelde spellen terwijl de avond loopt.\n"},
        {"cards", "cards BESTAND.dba [--session N] [--url URL] UIT.pdf   tafelkaarten met QR-code en PIN\n",
         "gebruik: velk-cli cards BESTAND.dba [--session N] [--url URL] UIT.pdf\n"
         "schrijft de tafelkaarten van de zitting om af te drukken (A4, zes per pagina): per tafel\n"
         "het adres als QR-code en als tekst (URL#tafel=A1) en de PIN van de tafel. De PIN's zijn\n"
         "die van velk-cli serve (<naam>_pins<N>.txt); zijn er nog geen, dan worden ze gemaakt en\n"
         "bewaard. Standaard is URL http://<het netwerkadres van deze computer>:8080/.\n"},
        {"members", "members show|sort|import   het ledenbestand tonen, sorteren of overnemen\n",
         "gebruik: velk-cli members show LEDEN.dat\n"
         "         velk-cli members sort LEDEN.dat --key id|achternaam|voornaam\n"
         "         velk-cli members import BRON LEDEN.dat [--yes]\n"
         "BRON: een Members.mdb (tabel Leden) of een Ledenxx.csv; naast LEDEN.dat komt de\n"
         "tekstlijst KXLeden07.txt. Op id gesorteerd wordt de lijst getoond, niet bewaard.\n"},
        {"pairs", "pairs compose|edit BESTAND.dba   paarnamen uit twee leden, of de gegevens van een paar\n",
         "gebruik: velk-cli pairs compose BESTAND.dba LEDEN.dat\n"
         "         velk-cli pairs edit BESTAND.dba --row N [--clubnr N] [--group L] [--grpnr N]\n"
         "                             [--name TEKST] [--yes|--no]\n"
         "compose leest regels RIJ ID1 ID2 (RIJ: het paar in de lijst, ID: het lid-ID) en kopieert\n"
         "de namen naar de parenlijst; alleen in de eerste zitting van een competitie.\n"
         "edit wijzigt het paar op rij N zoals \"Gegevens bewerken\": ClubNr 1 tot het aantal\n"
         "paren (of een boven het hoogste nummer van een ander paar), een groep van de competitie\n"
         "(zonder groepen: leeg), GrpNr 1 tot het aantal paren van de groep, een naam van 1 tot 48\n"
         "tekens. Een geweigerd veld geeft de melding van het venster en het bestand blijft zoals\n"
         "het was. Vragen (oneven aantal paren) beantwoordt --yes met Ja, anders Nee.\n"},
        {"hands", "hands deal|import|export|show BESTAND.dba   spelverdelingen, dubbel dummy en par\n",
         "gebruik: velk-cli hands deal BESTAND.dba [--session N] [--seed S]\n"
         "         velk-cli hands import BESTAND.dba [--session N] SPELLEN.pbn|.dup|.dlm\n"
         "         velk-cli hands export BESTAND.dba [--session N] --format pbn|dup|dlm|pdf UITVOER\n"
         "         velk-cli hands show BESTAND.dba [--session N] [--board B] --format json\n"
         "De spelverdelingen van zitting N staan naast de competitie in <naam>_hands<N>.pbn (PBN 2.1).\n"
         "deal deelt de spellen van de zitting met de cryptografische toevalsgenerator van het\n"
         "systeem; --seed S geeft steeds dezelfde verdelingen, alleen om te testen.\n"
         "import leest de spellen van de zitting uit een PBN-bestand of een bestand voor de\n"
         "schudmachines (Duplimate .dup, Dealer4 .dlm); een verdeling die geen vier handen van 13\n"
         "verschillende kaarten is, wordt geweigerd.\n"
         "export schrijft ze voor de schudmachines (pbn, dup, dlm) of als spelverdelingen om af\n"
         "te drukken (pdf: per spel de vier handen, dubbel dummy en par).\n"
         "show toont per spel gever, kwetsbaarheid, verdeling (vanaf Noord), het aantal slagen van\n"
         "elke leider in elke kleur (dubbel dummy) en de par (score voor Noord-Zuid) als JSON;\n"
         "spellen die nog niet geanalyseerd zijn, worden geanalyseerd en bewaard.\n"},
        {"demo", "demo MAP            maakt, vult en verwerkt een voorbeeldcompetitie en toont de uitslag\n",
         "gebruik: velk-cli demo MAP [--no]\n"
         "maakt in MAP een competitie van twee groepen, voert een zitting scores in,\n"
         "verwerkt de matchpunten en toont de uitslag (vragen: Ja, met --no: Nee)\n"},
    };
    return helps;
}

std::string UsageOf(const std::string& command) {
    for (const CommandHelp& h : CommandHelps())
        if (command == h.name)
            return h.usage;
    return {};
}

std::string OverviewUsage() {
    std::string text = "gebruik: velk-cli COMMANDO [opties]\n";
    for (const CommandHelp& h : CommandHelps())
        text += std::string("  ") + h.summary;
    return text;
}

namespace {

// Roff treats a backslash as an escape and a line starting with "." or "'" as a request.
std::string RoffLine(const std::string& line) {
    std::string out;
    for (const char c : line) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\''))
        out.insert(0, "\\&");
    return out;
}

// A usage text as a block kept as it is, without its "gebruik: " lead.
void AppendVerbatim(std::ostringstream& man, const std::string& text) {
    man << ".nf\n";
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("gebruik: ", 0) == 0)
            line.erase(0, 9);
        else if (line.rfind("         ", 0) == 0)
            line.erase(0, 9);
        man << RoffLine(line) << '\n';
    }
    man << ".fi\n";
}

} // namespace

std::string ManPage(const std::string& version) {
    std::ostringstream man;
    man << ".TH VELK\\-CLI 1 \"\" \"velk-cli " << version << "\" \"Velk\"\n"
        << ".SH NAAM\n"
        << "velk\\-cli \\- uitslagen van een bridgeclub vanaf de opdrachtregel\n"
        << ".SH OVERZICHT\n"
        << ".B velk\\-cli\n"
        << ".I COMMANDO\n"
        << "[opties]\n"
        << ".br\n"
        << ".B velk\\-cli\n"
        << "\\-\\-help | \\-\\-version\n"
        << ".SH BESCHRIJVING\n"
        << "velk\\-cli werkt met dezelfde competitiebestanden (.dba), schema's en scorelijsten als het\n"
        << "programma velk: een bestand controleren of tonen, een competitie en zittingen maken, schema's\n"
        << "inlezen, scores invoeren, de matchpunten verwerken en de uitslag tonen.\n"
        << "Elk commando toont met \\-\\-help zijn gebruik.\n"
        << "Vragen van het programma worden met Nee beantwoord, met \\-\\-yes met Ja.\n"
        << ".SH COMMANDO'S\n";
    for (const CommandHelp& h : CommandHelps()) {
        man << ".SS " << h.name << "\n";
        std::string summary = h.summary;
        // The overview's line without its command words: the part after the aligned column.
        const auto gap = summary.find("   ");
        if (gap != std::string::npos) {
            std::string what = summary.substr(gap);
            what.erase(0, what.find_first_not_of(" \n"));
            std::string flat;
            for (const char c : what)
                flat += c == '\n' ? ' ' : c;
            while (!flat.empty() && flat.back() == ' ')
                flat.pop_back();
            man << RoffLine(flat) << "\n";
        }
        AppendVerbatim(man, h.usage);
    }
    man << ".SH OPTIES\n"
        << ".TP\n.B \\-\\-help\ntoont het gebruik op standaarduitvoer; na een commando het gebruik van dat "
           "commando.\n"
        << ".TP\n.B \\-\\-version\ntoont de versie.\n"
        << ".SH AFSLUITSTATUS\n"
        << "0 als het werk gedaan is, 1 als het mislukte (de melding staat op standaardfout),\n"
        << "2 bij een verkeerde aanroep (met het gebruik op standaardfout).\n"
        << ".SH BESTANDEN\n"
        << "De tabellen (data), de meegeleverde schema's (Schemas) en de help staan naast het programma of "
           "in\n"
        << ".IR share/velk\n"
        << "onder de installatiemap.\n";
    return man.str();
}

} // namespace velk::cli
