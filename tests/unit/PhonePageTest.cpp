#include "terminals/PhonePage.h"

#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <string>

using namespace velk::terminals;

TEST(PhonePage, FourFilesWithTheirTypesAndTheSameProtectiveHeaders) {
    std::map<std::string, std::string> types;
    for (const PhoneAsset& asset : PhoneAssets())
        types[std::string(asset.path)] = std::string(asset.contentType);
    EXPECT_EQ(types, (std::map<std::string, std::string>{{"/", "text/html; charset=utf-8"},
                                                         {"/telefoon.css", "text/css; charset=utf-8"},
                                                         {"/telefoon.js", "text/javascript; charset=utf-8"},
                                                         {"/telefoon.svg", "image/svg+xml"}}));
    std::map<std::string, std::string> headers;
    for (const auto& [name, value] : PhonePageHeaders())
        headers[std::string(name)] = std::string(value);
    EXPECT_EQ(headers, (std::map<std::string, std::string>{{"Content-Security-Policy", "default-src 'self'"},
                                                           {"X-Content-Type-Options", "nosniff"},
                                                           {"Cache-Control", "no-store"},
                                                           {"X-Frame-Options", "DENY"},
                                                           {"Referrer-Policy", "no-referrer"}}));
}

TEST(PhonePage, ThePageLoadsOnlyItsOwnFilesAndNothingInline) {
    std::string html, css, js;
    for (const PhoneAsset& asset : PhoneAssets()) {
        if (asset.path == "/")
            html = asset.body;
        else if (asset.path == "/telefoon.css")
            css = asset.body;
        else if (asset.path == "/telefoon.js")
            js = asset.body;
    }
    ASSERT_NE(html.find("<title>Velk tafels</title>"), std::string::npos);
    EXPECT_NE(html.find(R"(<script src="/telefoon.js" defer></script>)"), std::string::npos);
    EXPECT_NE(html.find(R"(<link rel="stylesheet" href="/telefoon.css">)"), std::string::npos);
    // One script element, its own file; no inline style or handler the policy would block.
    EXPECT_EQ(html.find("<script"), html.rfind("<script"));
    for (const char* inline_ : {"style=", "<style", "onclick", "onload", "javascript:"})
        EXPECT_EQ(html.find(inline_), std::string::npos) << inline_;
    for (const std::string* text : {&html, &css, &js})
        EXPECT_EQ(text->find("http"), std::string::npos) << "something from elsewhere";
}

TEST(PhonePage, EachPathIsMatchedExactlyAndNothingNearIt) {
    // The router matches a request's decoded path against the whole pattern.
    for (const PhoneAsset& asset : PhoneAssets()) {
        const std::regex pattern(ExactPathPattern(asset.path));
        for (const PhoneAsset& other : PhoneAssets())
            EXPECT_EQ(std::regex_match(std::string(other.path), pattern), asset.path == other.path)
                << asset.path << " " << other.path;
        for (const char* near : {"/../x", "/telefoon.js/..", "/../", "/%2e%2e/", "/telefoonXcss",
                                 "/telefoon.css/", "//", "/telefoon.css/../telefoon.js", "/./telefoon.js",
                                 "/index.html", "/telefoon.svg?x", "/Telefoon.js", ""})
            EXPECT_FALSE(std::regex_match(std::string(near), pattern)) << asset.path << " " << near;
    }
    EXPECT_EQ(ExactPathPattern("/a.b(c)"), R"(/a\.b\(c\))");
}
