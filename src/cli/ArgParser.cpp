#include "cli/ArgParser.h"

#include <cstdlib>
#include <iostream>

namespace velk::cli {

ArgParser::ArgParser(const std::vector<std::string>& args, std::set<std::string> valued)
    : valued_(std::move(valued)) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() < 3 || a.compare(0, 2, "--") != 0) {
            positional_.push_back(a);
            continue;
        }
        std::string name = a.substr(2);
        if (const auto eq = name.find('='); eq != std::string::npos) {
            options_.emplace_back(name.substr(0, eq), name.substr(eq + 1));
        } else if (valued_.count(name) && i + 1 < args.size()) {
            options_.emplace_back(name, args[++i]);
        } else {
            switches_.push_back(name);
        }
    }
}

bool ArgParser::has(const std::string& name) const {
    for (const auto& s : switches_)
        if (s == name)
            return true;
    return value(name).has_value();
}

std::optional<std::string> ArgParser::value(const std::string& name) const {
    std::optional<std::string> found;
    for (const auto& [key, v] : options_)
        if (key == name)
            found = v;
    return found;
}

bool ArgParser::intValue(const std::string& name, int& out) const {
    const auto v = value(name);
    if (!v)
        return true;
    char* end = nullptr;
    const long n = std::strtol(v->c_str(), &end, 10);
    if (v->empty() || *end != '\0' || n < -1000000 || n > 1000000) {
        std::cerr << "--" << name << ": geen geheel getal: " << *v << '\n';
        return false;
    }
    out = static_cast<int>(n);
    return true;
}

std::vector<std::string> ArgParser::unknown(const std::set<std::string>& switches) const {
    std::vector<std::string> out;
    for (const auto& s : switches_)
        if (!switches.count(s) && !valued_.count(s))
            out.push_back(s);
    for (const auto& [key, v] : options_)
        if (!valued_.count(key))
            out.push_back(key);
    return out;
}

} // namespace velk::cli
