#include "cli/Commands.h"

#include <cstring>
#include <functional>
#include <iostream>
#include <map>
#include <string>

namespace {

void Usage() {
    std::cerr
        << "gebruik: velk-cli COMMANDO [opties]\n"
           "  check BESTAND.dba   leest het bestand zoals het programma het leest\n"
           "  dump BESTAND.dba    toont het hele bestand als JSON\n"
           "  new BESTAND.dba     maakt een nieuwe competitie of drive (--help voor opties)\n"
           "  session BESTAND.dba new|show|set|delete   zittingen\n"
           "  sort BESTAND.dba    sorteert de paren en bewaart het bestand\n"
           "  convert --board B --side NZ|OW CONTRACT RESULTAAT | --typed SCORE\n"
           "                      rekent een contract of getypte score om\n"
           "  schedule read|show|check   leest, toont of controleert schema's\n"
           "  compute BESTAND.dba [--session N] [--groups *|A|A-C]   verwerkt de matchpunten\n"
           "  results BESTAND.dba [--session N] --format csv      uitslag per paar\n"
           "  matchpoints BESTAND.dba [--session N] --format csv  matchpunten per score\n"
           "  scores enter|show BESTAND.dba   voert scores in vanaf standaardinvoer, of toont ze\n"
           "  demo MAP            maakt, vult en verwerkt een voorbeeldcompetitie en toont de uitslag\n";
}

} // namespace

int main(int argc, char** argv) {
    using namespace velk::cli;
    const std::map<std::string, std::function<int(const Args&)>> commands = {
        {"check", RunCheck},
        {"dump", RunDump},
        {"new", RunNew},
        {"session", RunSession},
        {"sort", RunSort},
        {"convert", RunConvert},
        {"schedule", RunSchedule},
        {"compute", RunCompute},
        {"scores", RunScores},
        {"results", RunResults},
        {"matchpoints", RunMatchPoints},
        {"demo", RunDemo},
    };
    if (argc < 2) {
        Usage();
        return 2;
    }
    // The cost of starting the program, against which the commands are timed.
    if (std::string(argv[1]) == "--version") {
        std::cout << "velk-cli " << VELK_VERSION << '\n';
        return 0;
    }
    const auto it = commands.find(argv[1]);
    if (it == commands.end()) {
        std::cerr << "onbekend commando: " << argv[1] << '\n';
        Usage();
        return 2;
    }
    return it->second(Args(argv + 2, argv + argc));
}
