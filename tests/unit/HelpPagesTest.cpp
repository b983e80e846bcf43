// The help pages against the sources: every help context the program passes has its page, and
// every link of every page leads somewhere. The sources are read as text, not through the enum.
#include "core/BuildPaths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kSource = VELK_SOURCE_DIR;
const fs::path kHelp = kSource / "help";

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// "Name = 123," in src/core/HelpContext.h.
std::map<std::string, int> NamedContexts() {
    std::map<std::string, int> names;
    const std::string header = ReadAll(kSource / "src/core/HelpContext.h");
    const std::regex entry(R"((\w+)\s*=\s*(\d+)\s*,)");
    for (auto it = std::sregex_iterator(header.begin(), header.end(), entry); it != std::sregex_iterator();
         ++it)
        names[(*it)[1]] = std::stoi((*it)[2]);
    return names;
}

struct Use {
    std::string where;
    std::string what;
};

// Every help context the sources pass: HelpContext::Name anywhere, and bare numbers given to
// showHelp or SetHelpContext.
std::vector<Use> UsedContexts() {
    std::vector<Use> uses;
    const std::regex named(R"(HelpContext::(\w+))");
    const std::regex bare(R"((?:showHelp|SetHelpContext)\s*\((?:[^,()]*,)?\s*(\d+)\s*\))");
    for (const auto& entry : fs::recursive_directory_iterator(kSource / "src")) {
        const auto ext = entry.path().extension();
        if (ext != ".cpp" && ext != ".h")
            continue;
        const std::string text = ReadAll(entry.path());
        const std::string where = fs::relative(entry.path(), kSource).string();
        for (auto it = std::sregex_iterator(text.begin(), text.end(), named); it != std::sregex_iterator();
             ++it)
            uses.push_back({where, (*it)[1]});
        for (auto it = std::sregex_iterator(text.begin(), text.end(), bare); it != std::sregex_iterator();
             ++it)
            uses.push_back({where, (*it)[1]});
    }
    return uses;
}

bool HasPage(int context) {
    return fs::is_regular_file(kHelp / (std::to_string(context) + ".html"));
}

std::vector<fs::path> Pages() {
    std::vector<fs::path> pages;
    for (const auto& entry : fs::directory_iterator(kHelp))
        if (entry.path().extension() == ".html")
            pages.push_back(entry.path());
    return pages;
}

// The anchors a page offers: id="x" and name="x".
std::set<std::string> Anchors(const std::string& html) {
    std::set<std::string> anchors;
    const std::regex anchor(R"re(\b(?:id|name)\s*=\s*"([^"]+)")re");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), anchor); it != std::sregex_iterator(); ++it)
        anchors.insert((*it)[1]);
    return anchors;
}

} // namespace

TEST(HelpPages, TheSourcesUseHelpContexts) {
    // The scan must see the uses that exist, or it proves nothing.
    const auto uses = UsedContexts();
    const bool sawMovePair =
        std::any_of(uses.begin(), uses.end(), [](const Use& u) { return u.what == "MovePair"; });
    EXPECT_TRUE(sawMovePair);
    EXPECT_GE(NamedContexts().size(), 8u);
}

TEST(HelpPages, EveryContextUsedInTheSourcesHasItsPage) {
    const auto names = NamedContexts();
    for (const Use& use : UsedContexts()) {
        int context = 0;
        if (std::isdigit(static_cast<unsigned char>(use.what[0]))) {
            context = std::stoi(use.what);
        } else {
            const auto it = names.find(use.what);
            ASSERT_NE(it, names.end()) << use.where << ": HelpContext::" << use.what << " is not named";
            context = it->second;
        }
        if (context != 0) {
            EXPECT_TRUE(HasPage(context)) << use.where << ": context " << use.what << " (" << context
                                          << ") has no help/" << context << ".html";
        }
    }
}

TEST(HelpPages, EveryNamedContextHasItsPage) {
    for (const auto& [name, context] : NamedContexts())
        if (context != 0) {
            EXPECT_TRUE(HasPage(context)) << name << " = " << context;
        }
}

TEST(HelpPages, EveryPageHasATitleAndTheContentsListsEveryPage) {
    const std::string contents = ReadAll(kHelp / "index.html");
    ASSERT_FALSE(contents.empty());
    const std::regex title(R"(<title>\s*([^<\s][^<]*)</title>)");
    for (const fs::path& page : Pages()) {
        const std::string html = ReadAll(page);
        EXPECT_TRUE(std::regex_search(html, title)) << page.filename() << " has no title";
        EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos) << page.filename();
        if (page.filename() != "index.html") {
            EXPECT_NE(contents.find("href=\"" + page.filename().string() + "\""), std::string::npos)
                << page.filename() << " is not in the contents";
        }
    }
}

TEST(HelpPages, EveryLinkResolves) {
    const std::regex link(R"re(\b(?:href|src)\s*=\s*"([^"]*)")re");
    int links = 0;
    for (const fs::path& page : Pages()) {
        const std::string html = ReadAll(page);
        for (auto it = std::sregex_iterator(html.begin(), html.end(), link); it != std::sregex_iterator();
             ++it) {
            const std::string target = (*it)[1];
            ++links;
            ASSERT_FALSE(target.empty()) << page.filename() << ": empty link";
            if (target.find("://") != std::string::npos || target.rfind("mailto:", 0) == 0)
                continue;
            const auto hash = target.find('#');
            const std::string file = target.substr(0, hash);
            const fs::path linked = file.empty() ? page : page.parent_path() / file;
            ASSERT_TRUE(fs::is_regular_file(linked)) << page.filename() << ": " << target << " not found";
            if (hash != std::string::npos) {
                const std::string anchor = target.substr(hash + 1);
                EXPECT_EQ(Anchors(ReadAll(linked)).count(anchor), 1u)
                    << page.filename() << ": no anchor " << anchor << " in " << linked.filename();
            }
        }
    }
    EXPECT_GT(links, 20);
}
