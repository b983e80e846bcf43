#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace velk::cli {

// Command-line arguments: positional words, "--flag" switches and "--key value" or "--key=value".
class ArgParser {
public:
    // `valued` names the options that take a value; every other "--name" is a switch.
    ArgParser(const std::vector<std::string>& args, std::set<std::string> valued);

    const std::vector<std::string>& positional() const { return positional_; }
    bool has(const std::string& name) const;
    std::optional<std::string> value(const std::string& name) const;
    // A whole number; false (and a message on stderr) when the text is not one.
    bool intValue(const std::string& name, int& out) const;
    // Options that were given but are not known; empty when all are.
    std::vector<std::string> unknown(const std::set<std::string>& switches) const;
    // "--yes" answers every question with Ja, "--no" (the default) with Nee.
    bool answerYes() const { return has("yes"); }

private:
    std::set<std::string> valued_;
    std::vector<std::string> positional_;
    std::vector<std::pair<std::string, std::string>> options_;
    std::vector<std::string> switches_;
};

} // namespace velk::cli
