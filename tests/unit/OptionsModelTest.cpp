#include "options/OptionsModel.h"

#include "club/CompetitionData.h"
#include "core/records/PairRecord.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace velk;
using velk::test::ScriptedDialogs;

namespace {

// A page 4800 pixels wide and 6600 high at 600 pixels per inch, Courier New 10 on it.
PrinterMeasurements Printer4800() {
    PrinterMeasurements m;
    m.sampleTextWidth = 1960;
    m.fontHeight = -83;
    m.pageWidth = 4800;
    m.pageHeight = 6600;
    m.pixelsPerInch = 600;
    return m;
}

struct Fixture {
    ScriptedDialogs dialogs;
    TConfigObj config = NewConfigRecord(true);
    SlamBonusBlock slams = NewSlamBonusTable();
};

OptionsModel MakeModel(Fixture& f, bool olderFile = false) {
    return OptionsModel(f.config, f.slams, olderFile, ComputePrinterMetrics(Printer4800()), f.dialogs);
}

std::vector<std::uint8_t> RecordBytes(const TConfigObj& config) {
    ByteWriter out;
    config.WriteTo(out);
    return out.data();
}

std::uint16_t U16At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

const std::string kRefusalTail = " is geen geldige waarde\n\r corrigeer (zonodig) invoer";

} // namespace

// The worked example: 10 mm on a printer 4800 pixels wide is 4800 x 10 / 203 = 236, x 10 / 10.
TEST(OptionsModel, LeftMarginOfTenMillimetresOnA4800PixelPrinterIs236Pixels) {
    Fixture f;
    OptionsModel model = MakeModel(f);
    EXPECT_EQ(model.metrics().PageUnitH, 236);
    model.controls.left = "10";
    model.changed(OptionsPage::Print);
    ASSERT_TRUE(model.accept());
    model.commit(f.config, f.slams);
    EXPECT_EQ(f.config.LeftMargin, 236);
    // Offset 102 of the record, little-endian.
    const auto bytes = RecordBytes(f.config);
    EXPECT_EQ(bytes[102], 0xEC);
    EXPECT_EQ(bytes[103], 0x00);
    // Shown again as round(236 x 10 / 236).
    OptionsModel again(f.config, f.slams, false, model.metrics(), f.dialogs);
    EXPECT_EQ(again.controls.left, "10");
}

TEST(OptionsModel, PrintPageTakesMarginsPageLengthAndItsThreeFlags) {
    Fixture f;
    f.config.OptionFlags = OptionFlag::PrintPageHead | 0x80; // bit 7 belongs to no page
    OptionsModel model = MakeModel(f);
    EXPECT_EQ(model.metrics().PageUnitV, 24); // 600 div 25
    model.controls.left = "25";               // 25 x 236 / 10 = 590
    model.controls.top = "15";                // 15 x 24 = 360
    model.controls.bottom = " 12 ";           // surrounding blanks are allowed: 288
    model.controls.pageLength = "58";
    model.controls.landscape = true;
    model.controls.ownerData = true;
    model.controls.pageHead = false;
    ASSERT_TRUE(model.takePage(OptionsPage::Print));
    model.commit(f.config, f.slams);
    const auto bytes = RecordBytes(f.config);
    EXPECT_EQ(U16At(bytes, 102), 590);
    EXPECT_EQ(U16At(bytes, 104), 360);
    EXPECT_EQ(U16At(bytes, 106), 288);
    EXPECT_EQ(U16At(bytes, 110), 58);
    EXPECT_EQ(U16At(bytes, 345), 0x08 | 0x20 | 0x80);
}

TEST(OptionsModel, MarginsAreShownInMillimetresRounded) {
    Fixture f;
    f.config.LeftMargin = 250; // 250 x 10 / 236 = 10.59
    f.config.TopMargin = 372;  // 372 / 24 = 15.5
    f.config.BottomMargin = 239;
    f.config.LinesPerPage = 61;
    OptionsModel model = MakeModel(f);
    EXPECT_EQ(model.controls.left, "11");
    EXPECT_EQ(model.controls.top, "16");
    EXPECT_EQ(model.controls.bottom, "10");
    EXPECT_EQ(model.controls.pageLength, "61");
}

TEST(OptionsModel, PersonPageCutsEachTextAt32Characters) {
    Fixture f;
    OptionsModel model = MakeModel(f);
    model.controls.personal = {"Bridgeclub De Lange Tafel en Omstreken", "Dorpsstraat 1", "1234 AB", "Ede",
                               "0318-123456"};
    model.storeOwner();
    model.commit(f.config, f.slams);
    const auto bytes = RecordBytes(f.config);
    // Line 1 at offset 114: a length byte of 32, then the first 32 characters.
    EXPECT_EQ(bytes[114], 32);
    EXPECT_EQ(std::string(bytes.begin() + 115, bytes.begin() + 147), "Bridgeclub De Lange Tafel en Oms");
    // Line 5 at offset 114 + 4 x 33.
    EXPECT_EQ(bytes[246], 11);
    EXPECT_EQ(std::string(bytes.begin() + 247, bytes.begin() + 258), "0318-123456");
}

TEST(OptionsModel, SlamPageShowsAndTakesTheSixValues) {
    Fixture f;
    OptionsModel model = MakeModel(f);
    EXPECT_EQ(model.controls.slams, (std::array<std::string, 6>{"2", "2", "3", "4", "4", "5"}));
    EXPECT_EQ(model.slamLabel(), "Kies het aanl punten voor elk gemaakt SlemContract");
    model.controls.slams = {"1", "2", "4", "6", "8", "10"};
    ASSERT_TRUE(model.takePage(OptionsPage::SlamBonus));
    model.commit(f.config, f.slams);
    ByteWriter out;
    f.slams.WriteTo(out);
    const std::vector<std::uint8_t> expected = {1, 0, 2, 0, 4, 0, 6, 0, 8, 0, 10, 0};
    EXPECT_EQ(std::vector<std::uint8_t>(out.data().begin(), out.data().begin() + 12), expected);
}

TEST(OptionsModel, SettingsPageOwnsFourFlags) {
    Fixture f;
    OptionsModel model = MakeModel(f);
    model.controls.shortNotation = true;
    model.controls.maximalWidth = true;
    model.controls.frameLines = true;
    model.controls.enterMovesOn = true;
    model.changed(OptionsPage::Settings);
    ASSERT_TRUE(model.accept());
    model.commit(f.config, f.slams);
    EXPECT_EQ(f.config.OptionFlags, 0x01 | 0x02 | 0x04 | 0x10 | 0x40);
    model.controls.shortNotation = false;
    model.controls.frameLines = false;
    ASSERT_TRUE(model.takePage(OptionsPage::Settings));
    model.commit(f.config, f.slams);
    EXPECT_EQ(f.config.OptionFlags, 0x02 | 0x10 | 0x40);
}

TEST(OptionsModel, CommitLeavesTheRestOfTheRecordAlone) {
    Fixture f;
    f.config.ScreenFontName.set("DejaVu Sans");
    f.config.setFontSizes(10, 12);
    f.config.Head.PairCount = 24;
    f.slams.Values[6] = 99;
    const auto before = RecordBytes(f.config);
    OptionsModel model = MakeModel(f);
    TConfigObj config = f.config;
    model.commit(config, f.slams);
    EXPECT_EQ(RecordBytes(config), before);
    EXPECT_EQ(f.slams.Values[6], 99);
}

// A non-numeric value used to end the taking-over of its page silently.
TEST(OptionsModel, ANonNumericMarginIsRefusedWithItsMessageAndNothingOfThePageStored) {
    Fixture f;
    OptionsModel model = MakeModel(f);
    const TConfigObj before = f.config;
    model.controls.left = "12";
    model.controls.top = "1O";
    model.controls.bottom = "20";
    model.controls.landscape = true;
    model.changed(OptionsPage::Print);
    EXPECT_FALSE(model.accept());
    EXPECT_EQ(model.lastCheck(), OptionsCheck::NotANumber);
    EXPECT_EQ(model.focus(), OptionsField::TopEdit);
    EXPECT_EQ(model.focusPage(), OptionsPage::Print);
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0].text, "Top marge (mm.) \"1O\"" + kRefusalTail);
    EXPECT_EQ(f.dialogs.messages[0].kind, MessageKind::Error);
    TConfigObj config = f.config;
    model.commit(config, f.slams);
    EXPECT_EQ(config, before);
}

TEST(OptionsModel, APageLengthOrSlamValueThatIsNoNumberIsRefused) {
    Fixture f;
    OptionsModel model = MakeModel(f);
    model.controls.pageLength = "";
    EXPECT_FALSE(model.takePage(OptionsPage::Print));
    EXPECT_EQ(model.focus(), OptionsField::PagelenEdit);
    EXPECT_EQ(f.dialogs.texts().back(), "Pagina lengte \"\"" + kRefusalTail);

    model.controls.slams = {"3", "3", "4", "6", "zes", "7"};
    EXPECT_FALSE(model.takePage(OptionsPage::SlamBonus));
    EXPECT_EQ(model.focus(), OptionsField::GSHoogEdit);
    EXPECT_EQ(f.dialogs.texts().back(), "Groot Slem gemaakt, Contract Hoge Kleur \"zes\"" + kRefusalTail);
    model.commit(f.config, f.slams);
    EXPECT_EQ(f.slams, NewSlamBonusTable());
}

TEST(OptionsModel, ValuesTheRecordCannotHoldAreRefused) {
    Fixture f;
    OptionsModel model = MakeModel(f);
    model.controls.pageLength = "0";
    EXPECT_FALSE(model.takePage(OptionsPage::Print));
    EXPECT_EQ(model.lastCheck(), OptionsCheck::OutOfRange);
    EXPECT_EQ(model.focus(), OptionsField::PagelenEdit);
    model.controls.pageLength = "60";
    model.controls.left = "-5";
    EXPECT_FALSE(model.takePage(OptionsPage::Print));
    EXPECT_EQ(model.focus(), OptionsField::LeftEdit);
    // 2731 mm x 24 = 65544 pixels: more than 16 bits.
    model.controls.left = "10";
    model.controls.bottom = "2731";
    EXPECT_FALSE(model.takePage(OptionsPage::Print));
    EXPECT_EQ(model.focus(), OptionsField::BodemEdit);
    model.controls.bottom = "2730";
    EXPECT_TRUE(model.takePage(OptionsPage::Print));
    EXPECT_EQ(model.draft().BottomMargin, 65520);
    model.controls.slams[0] = "40000";
    EXPECT_FALSE(model.takePage(OptionsPage::SlamBonus));
    EXPECT_EQ(model.focus(), OptionsField::KSLaagEdit);
}

TEST(OptionsModel, EnterStoresAPrintValueAndMovesLeftTopBottomPageLengthPrinter) {
    Fixture f;
    OptionsModel model = MakeModel(f);
    model.controls.left = "10";
    model.controls.top = "20";
    model.controls.bottom = "x";
    ASSERT_TRUE(model.enter(OptionsField::LeftEdit));
    EXPECT_EQ(model.focus(), OptionsField::TopEdit);
    EXPECT_EQ(model.draft().LeftMargin, 236);
    ASSERT_TRUE(model.enter(OptionsField::TopEdit));
    EXPECT_EQ(model.focus(), OptionsField::BodemEdit);
    EXPECT_EQ(model.draft().TopMargin, 480);
    EXPECT_FALSE(model.enter(OptionsField::BodemEdit));
    EXPECT_EQ(model.focus(), OptionsField::BodemEdit);
    EXPECT_EQ(f.dialogs.texts(), std::vector<std::string>{"Bodem marge (mm.) \"x\"" + kRefusalTail});
    model.controls.bottom = "10";
    ASSERT_TRUE(model.enter(OptionsField::BodemEdit));
    EXPECT_EQ(model.focus(), OptionsField::PagelenEdit);
    ASSERT_TRUE(model.enter(OptionsField::PagelenEdit));
    EXPECT_EQ(model.focus(), OptionsField::PrinterBtn);
}

TEST(OptionsModel, EnterOrderOfThePersonAndSlamPages) {
    EXPECT_EQ(OptionsModel::NextField(OptionsField::PersEdit1), OptionsField::PersEdit2);
    EXPECT_EQ(OptionsModel::NextField(OptionsField::PersEdit4), OptionsField::PersEdit5);
    EXPECT_EQ(OptionsModel::NextField(OptionsField::PersEdit5), OptionsField::OKOwnerBtn);
    EXPECT_EQ(OptionsModel::NextField(OptionsField::PrinterBtn), OptionsField::FontBtn);
    EXPECT_EQ(OptionsModel::NextField(OptionsField::KSSAEdit), OptionsField::GSLaagEdit);
    EXPECT_EQ(OptionsModel::NextField(OptionsField::GSSAEdit), OptionsField::OkBtn);
    Fixture f;
    OptionsModel model = MakeModel(f);
    model.controls.slams[2] = "6";
    ASSERT_TRUE(model.enter(OptionsField::KSSAEdit));
    EXPECT_EQ(model.slamDraft().Values[2], 6);
    EXPECT_EQ(model.focus(), OptionsField::GSLaagEdit);
}

TEST(OptionsModel, HelpContextsOfThePages) {
    EXPECT_EQ(OptionsModel::HelpContextOf(OptionsPage::Personal), 282);
    EXPECT_EQ(OptionsModel::HelpContextOf(OptionsPage::Print), 283);
    EXPECT_EQ(OptionsModel::HelpContextOf(OptionsPage::SlamBonus), 285);
    EXPECT_EQ(OptionsModel::HelpContextOf(OptionsPage::Settings), 284);
}

TEST(OptionsModel, OlderFileRule) {
    CompetitionFileData data;
    data.ConfigRecord = NewConfigRecord(true);
    data.PairList.push_back(MakeHeaderRecord(2012, "club_1.dba", true));
    EXPECT_TRUE(IsFileBefore2013(data));
    data.PairList[0] = MakeHeaderRecord(2013, "club_1.dba", true);
    EXPECT_FALSE(IsFileBefore2013(data));
    data.ConfigRecord.Head.ConfigFlags = 0;
    EXPECT_TRUE(IsFileBefore2013(data));
}

TEST(OptionsModel, AnOlderFileShowsItsLabelAndKeepsItsSlamValues) {
    Fixture f;
    OptionsModel model = MakeModel(f, true);
    EXPECT_EQ(model.slamLabel(), "Wijzigingen worden alleen bewaard voor bestanden na 2012");
    model.controls.slams = {"9", "9", "9", "9", "9", "9"};
    model.changed(OptionsPage::SlamBonus);
    ASSERT_TRUE(model.accept());
    model.commit(f.config, f.slams);
    EXPECT_EQ(f.slams, NewSlamBonusTable());
}

TEST(OptionsModel, OkTakesEveryChangedPageAndStopsAtTheFirstRefusal) {
    Fixture f;
    OptionsModel model = MakeModel(f);
    model.controls.personal[0] = "Bridgeclub Ede";
    model.changed(OptionsPage::Personal);
    model.controls.slams[5] = "?";
    model.changed(OptionsPage::SlamBonus);
    model.controls.enterMovesOn = true;
    model.changed(OptionsPage::Settings);
    EXPECT_FALSE(model.accept());
    EXPECT_EQ(model.focusPage(), OptionsPage::SlamBonus);
    EXPECT_EQ(model.focus(), OptionsField::GSSAEdit);
    model.controls.slams[5] = "6";
    ASSERT_TRUE(model.accept());
    model.commit(f.config, f.slams);
    EXPECT_EQ(f.config.PersonalData[0].get(), "Bridgeclub Ede");
    EXPECT_EQ(f.slams.Values[5], 6);
    EXPECT_EQ(f.config.OptionFlags, 0x10 | 0x40);
}

TEST(OptionsModel, OkWithoutAChangeTakesNothing) {
    Fixture f;
    OptionsModel model = MakeModel(f);
    model.controls.left = "nonsense";
    EXPECT_TRUE(model.accept());
    EXPECT_TRUE(f.dialogs.messages.empty());
}

TEST(OptionsModel, ClosingAfterAChangeAsksToUseOk) {
    Fixture f;
    OptionsModel model = MakeModel(f);
    EXPECT_TRUE(model.mayClose());
    EXPECT_TRUE(f.dialogs.messages.empty());
    model.changed(OptionsPage::Settings);
    f.dialogs.answerYes();
    EXPECT_FALSE(model.mayClose());
    f.dialogs.answerNo();
    EXPECT_TRUE(model.mayClose());
    ASSERT_EQ(f.dialogs.messages.size(), 2u);
    EXPECT_EQ(f.dialogs.messages[0].text, "Wijzigingen opslaan, gebruik dan OK knop");
    EXPECT_EQ(f.dialogs.messages[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(f.dialogs.messages[0].buttons, Button::JaNee);
    model.clearModified();
    EXPECT_TRUE(model.mayClose());
}

// Answering "Nee" keeps what Enter stored, not the rest of the page.
TEST(OptionsModel, WhatEnterStoredSurvivesAClose) {
    Fixture f;
    OptionsModel model = MakeModel(f);
    model.controls.left = "20";
    model.controls.top = "30";
    model.changed(OptionsPage::Print);
    ASSERT_TRUE(model.enter(OptionsField::LeftEdit));
    f.dialogs.answerNo();
    ASSERT_TRUE(model.mayClose());
    const std::uint16_t top = f.config.TopMargin;
    model.commit(f.config, f.slams);
    EXPECT_EQ(f.config.LeftMargin, 472);
    EXPECT_EQ(f.config.TopMargin, top);
}

TEST(OptionsModel, AnotherPrinterResetsTheFontAndRecomputesThePageLength) {
    Fixture f;
    f.config.PrinterFontName.set("DejaVu Sans Mono");
    f.config.setFontSizes(12, 10);
    f.config.TopMargin = 240;
    f.config.BottomMargin = 240;
    OptionsModel model = MakeModel(f);
    PrinterMeasurements other = Printer4800();
    other.pageHeight = 7000;
    other.fontHeight = 50; // line height 60
    model.choosePrinter(2, ComputePrinterMetrics(other));
    EXPECT_TRUE(model.modified());
    EXPECT_EQ(model.focus(), OptionsField::FontBtn);
    EXPECT_EQ(model.printFont().name, "Courier New");
    EXPECT_EQ(model.printFont().size, 10);
    // 7000 / 60 = 116.7, rounded 117 lines, less 480 div 60 = 8 for the margins.
    EXPECT_EQ(model.controls.pageLength, "109");
    model.commit(f.config, f.slams);
    const auto bytes = RecordBytes(f.config);
    EXPECT_EQ(U16At(bytes, 108), 60);
    EXPECT_EQ(U16At(bytes, 110), 109);
    EXPECT_EQ(U16At(bytes, 112), 2);
    EXPECT_EQ(bytes[100], 10); // printer font size
    EXPECT_EQ(bytes[101], 10); // screen font size, kept
    EXPECT_EQ(bytes[312], 11);
    EXPECT_EQ(std::string(bytes.begin() + 313, bytes.begin() + 324), "Courier New");
}

TEST(OptionsModel, AnotherFontIsStoredWithItsSize) {
    Fixture f;
    OptionsModel model = MakeModel(f);
    PrinterMeasurements bigger = Printer4800();
    bigger.fontHeight = -100; // line height 120
    model.chooseFont({"Liberation Mono", 12}, ComputePrinterMetrics(bigger));
    model.commit(f.config, f.slams);
    EXPECT_EQ(f.config.PrinterFontName.get(), "Liberation Mono");
    EXPECT_EQ(f.config.printerFontSize(), 12);
    EXPECT_EQ(f.config.LineHeight, 120);
}
