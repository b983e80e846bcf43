#include "options/OptionsModel.h"

#include "core/ErrorHelpers.h"
#include "core/HelpContext.h"
#include "core/Messages.h"
#include "core/NumberHelpers.h"

#include <algorithm>
#include <cmath>

namespace velk {

namespace {

constexpr int kUnsigned16 = 0xFFFF;
constexpr int kSigned16 = 0x7FFF;
constexpr int kFirstYearWithSlamBonus = 2013;

// The option bits each page owns; the others stay as they are.
constexpr std::uint16_t kPrintFlags =
    OptionFlag::Landscape | OptionFlag::PrintPersonalData | OptionFlag::PrintPageHead;
constexpr std::uint16_t kSettingsFlags =
    OptionFlag::ShortNotation | OptionFlag::Maximised | OptionFlag::FrameLines | OptionFlag::EnterMovesOn;

constexpr OptionsField kPrintEdits[] = {OptionsField::LeftEdit, OptionsField::TopEdit,
                                        OptionsField::BodemEdit, OptionsField::PagelenEdit};

bool Has(std::uint16_t flags, std::uint16_t bit) {
    return (flags & bit) != 0;
}

std::uint16_t With(std::uint16_t flags, std::uint16_t bit, bool on) {
    return static_cast<std::uint16_t>(on ? flags | bit : flags & ~bit);
}

bool IsSlamEdit(OptionsField field) {
    return field >= OptionsField::KSLaagEdit && field <= OptionsField::GSSAEdit;
}

bool IsPrintEdit(OptionsField field) {
    return field >= OptionsField::LeftEdit && field <= OptionsField::PagelenEdit;
}

std::size_t SlamIndex(OptionsField field) {
    return static_cast<std::size_t>(static_cast<int>(field) - static_cast<int>(OptionsField::KSLaagEdit));
}

OptionsField SlamField(std::size_t index) {
    return static_cast<OptionsField>(static_cast<int>(OptionsField::KSLaagEdit) + static_cast<int>(index));
}

// round(value / divisor), with a divisor of at least 1.
std::string Shown(double value, int divisor) {
    return std::to_string(std::lround(value / std::max(1, divisor)));
}

} // namespace

bool IsFileBefore2013(const CompetitionFileData& data) {
    if ((data.ConfigRecord.Head.ConfigFlags & ConfigFlag::SlamBonusBlock) == 0)
        return true;
    // A header without a year tells nothing; it is taken as a file of this program.
    const int year = data.PairList.empty() ? 0 : data.PairList[0].Indx;
    return year > 0 && year < kFirstYearWithSlamBonus;
}

std::string OptionsFieldCaption(OptionsField field) {
    switch (field) {
    case OptionsField::LeftEdit:
        return "Linker marge (mm.)";
    case OptionsField::TopEdit:
        return "Top marge (mm.)";
    case OptionsField::BodemEdit:
        return "Bodem marge (mm.)";
    case OptionsField::PagelenEdit:
        return "Pagina lengte";
    case OptionsField::KSLaagEdit:
        return "Klein Slem gemaakt, Contract Lage Kleur";
    case OptionsField::KSHoogEdit:
        return "Klein Slem gemaakt, Contract Hoge Kleur";
    case OptionsField::KSSAEdit:
        return "Klein Slem gemaakt, Contract Sans Atout";
    case OptionsField::GSLaagEdit:
        return "Groot Slem gemaakt, Contract Lage Kleur";
    case OptionsField::GSHoogEdit:
        return "Groot Slem gemaakt, Contract Hoge Kleur";
    case OptionsField::GSSAEdit:
        return "Groot Slem gemaakt, Contract Sans Atout";
    default:
        return {};
    }
}

OptionsModel::OptionsModel(const TConfigObj& config, const SlamBonusBlock& slamBonus, bool olderFile,
                           const PrinterMetrics& metrics, Dialogs& dialogs)
    : draft_(config), slamDraft_(slamBonus), olderFile_(olderFile), dialogs_(dialogs), metrics_(metrics) {
    fill();
}

int OptionsModel::HelpContextOf(OptionsPage page) {
    switch (page) {
    case OptionsPage::Personal:
        return HelpContext::OptionsPersonal;
    case OptionsPage::Print:
        return HelpContext::OptionsPrint;
    case OptionsPage::SlamBonus:
        return HelpContext::OptionsSlamBonus;
    case OptionsPage::Settings:
        return HelpContext::OptionsSettings;
    }
    return HelpContext::None;
}

void OptionsModel::fill() {
    for (int p = 0; p < kOptionsPageCount; ++p)
        fillPage(static_cast<OptionsPage>(p));
}

void OptionsModel::fillPage(OptionsPage page) {
    OptionsControls& c = controls;
    const std::uint16_t flags = draft_.OptionFlags;
    switch (page) {
    case OptionsPage::Personal:
        for (std::size_t i = 0; i < c.personal.size(); ++i)
            c.personal[i] = draft_.PersonalData[i].get();
        break;
    case OptionsPage::Print:
        c.left = Shown(draft_.LeftMargin * 10.0, metrics_.PageUnitH);
        c.top = Shown(draft_.TopMargin, metrics_.PageUnitV);
        c.bottom = Shown(draft_.BottomMargin, metrics_.PageUnitV);
        c.pageLength = std::to_string(draft_.LinesPerPage);
        c.landscape = Has(flags, OptionFlag::Landscape);
        c.ownerData = Has(flags, OptionFlag::PrintPersonalData);
        c.pageHead = Has(flags, OptionFlag::PrintPageHead);
        break;
    case OptionsPage::SlamBonus:
        for (std::size_t i = 0; i < c.slams.size(); ++i)
            c.slams[i] = std::to_string(slamDraft_.Values[i]);
        break;
    case OptionsPage::Settings:
        c.shortNotation = Has(flags, OptionFlag::ShortNotation);
        c.maximalWidth = Has(flags, OptionFlag::Maximised);
        c.frameLines = Has(flags, OptionFlag::FrameLines);
        c.enterMovesOn = Has(flags, OptionFlag::EnterMovesOn);
        break;
    }
}

const std::string& OptionsModel::textOf(OptionsField field) const {
    switch (field) {
    case OptionsField::LeftEdit:
        return controls.left;
    case OptionsField::TopEdit:
        return controls.top;
    case OptionsField::BodemEdit:
        return controls.bottom;
    case OptionsField::PagelenEdit:
        return controls.pageLength;
    default:
        return controls.slams[SlamIndex(field)];
    }
}

OptionsModel::Number OptionsModel::read(OptionsField field, int low, int high) const {
    const auto parsed = ParseWholeNumber(textOf(field));
    if (!parsed)
        return {OptionsCheck::NotANumber, 0};
    if (*parsed < low || *parsed > high)
        return {OptionsCheck::OutOfRange, *parsed};
    return {OptionsCheck::Passed, *parsed};
}

OptionsModel::Number OptionsModel::printValue(OptionsField field) const {
    if (field == OptionsField::PagelenEdit)
        return read(field, 1, kUnsigned16);
    Number n = read(field, 0, kUnsigned16);
    if (n.check != OptionsCheck::Passed)
        return n;
    // Millimetres become printer pixels; a value whose pixels do not fit the record is refused.
    const long pixels = field == OptionsField::LeftEdit ? static_cast<long>(n.value) * metrics_.PageUnitH / 10
                                                        : static_cast<long>(n.value) * metrics_.PageUnitV;
    if (pixels > kUnsigned16)
        return {OptionsCheck::OutOfRange, n.value};
    n.value = static_cast<int>(pixels);
    return n;
}

void OptionsModel::storePrintValue(OptionsField field, int value) {
    const auto v = static_cast<std::uint16_t>(value);
    switch (field) {
    case OptionsField::LeftEdit:
        draft_.LeftMargin = v;
        break;
    case OptionsField::TopEdit:
        draft_.TopMargin = v;
        break;
    case OptionsField::BodemEdit:
        draft_.BottomMargin = v;
        break;
    default:
        draft_.LinesPerPage = v;
        break;
    }
}

bool OptionsModel::refuse(OptionsField field, OptionsCheck check) {
    lastCheck_ = check;
    focus_ = field;
    dialogs_.error(FileErrorText(OptionsFieldCaption(field) + " \"" + textOf(field) + "\"",
                                 FileError::InvalidValue, Hint::CorrectInput));
    return false;
}

bool OptionsModel::takePrint() {
    std::array<int, 4> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const Number n = printValue(kPrintEdits[i]);
        if (n.check != OptionsCheck::Passed)
            return refuse(kPrintEdits[i], n.check);
        values[i] = n.value;
    }
    for (std::size_t i = 0; i < values.size(); ++i)
        storePrintValue(kPrintEdits[i], values[i]);
    std::uint16_t flags = draft_.OptionFlags;
    flags = With(flags, OptionFlag::Landscape, controls.landscape);
    flags = With(flags, OptionFlag::PrintPersonalData, controls.ownerData);
    flags = With(flags, OptionFlag::PrintPageHead, controls.pageHead);
    draft_.OptionFlags = flags;
    return true;
}

bool OptionsModel::takeSlams() {
    std::array<int, 6> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const Number n = read(SlamField(i), 0, kSigned16);
        if (n.check != OptionsCheck::Passed)
            return refuse(SlamField(i), n.check);
        values[i] = n.value;
    }
    for (std::size_t i = 0; i < values.size(); ++i)
        slamDraft_.Values[i] = static_cast<std::int16_t>(values[i]);
    return true;
}

bool OptionsModel::takePage(OptionsPage page) {
    lastCheck_ = OptionsCheck::Passed;
    switch (page) {
    case OptionsPage::Personal:
        storeOwner();
        return true;
    case OptionsPage::Print:
        return takePrint();
    case OptionsPage::SlamBonus:
        return takeSlams();
    case OptionsPage::Settings: {
        std::uint16_t flags = draft_.OptionFlags;
        flags = With(flags, OptionFlag::ShortNotation, controls.shortNotation);
        flags = With(flags, OptionFlag::Maximised, controls.maximalWidth);
        flags = With(flags, OptionFlag::FrameLines, controls.frameLines);
        flags = With(flags, OptionFlag::EnterMovesOn, controls.enterMovesOn);
        draft_.OptionFlags = flags;
        return true;
    }
    }
    return true;
}

void OptionsModel::storeOwner() {
    for (std::size_t i = 0; i < controls.personal.size(); ++i)
        draft_.PersonalData[i].set(controls.personal[i]);
}

bool OptionsModel::enter(OptionsField field) {
    lastCheck_ = OptionsCheck::Passed;
    if (IsPrintEdit(field)) {
        const Number n = printValue(field);
        if (n.check != OptionsCheck::Passed)
            return refuse(field, n.check);
        storePrintValue(field, n.value);
    } else if (IsSlamEdit(field)) {
        const Number n = read(field, 0, kSigned16);
        if (n.check != OptionsCheck::Passed)
            return refuse(field, n.check);
        slamDraft_.Values[SlamIndex(field)] = static_cast<std::int16_t>(n.value);
    }
    focus_ = NextField(field);
    return true;
}

OptionsField OptionsModel::NextField(OptionsField field) {
    switch (field) {
    case OptionsField::PersEdit5:
        return OptionsField::OKOwnerBtn;
    case OptionsField::PagelenEdit:
        return OptionsField::PrinterBtn;
    case OptionsField::PrinterBtn:
        return OptionsField::FontBtn;
    case OptionsField::OKOwnerBtn:
    case OptionsField::FontBtn:
    case OptionsField::GSSAEdit:
    case OptionsField::OkBtn:
        return OptionsField::OkBtn;
    default:
        return static_cast<OptionsField>(static_cast<int>(field) + 1);
    }
}

OptionsPage OptionsModel::PageOf(OptionsField field) {
    if (field <= OptionsField::OKOwnerBtn)
        return OptionsPage::Personal;
    if (field <= OptionsField::FontBtn)
        return OptionsPage::Print;
    if (field <= OptionsField::GSSAEdit)
        return OptionsPage::SlamBonus;
    return OptionsPage::Settings;
}

void OptionsModel::choosePrinter(int printerIndex, const PrinterMetrics& measured) {
    draft_.PrinterIndex = static_cast<std::uint16_t>(std::clamp(printerIndex, 0, kUnsigned16));
    draft_.PrinterFontName.set(kStandardPrinterFont);
    draft_.setFontSizes(kStandardPrinterFontSize, draft_.screenFontSize());
    metrics_ = measured;
    ApplyPrinterMetrics(metrics_, draft_);
    controls.pageLength = std::to_string(draft_.LinesPerPage);
    modified_ = true;
    focus_ = OptionsField::FontBtn;
}

void OptionsModel::chooseFont(const FontChoice& font, const PrinterMetrics& measured) {
    draft_.PrinterFontName.set(font.name);
    draft_.setFontSizes(std::clamp(font.size, 1, 0xFF), draft_.screenFontSize());
    metrics_ = measured;
    ApplyPrinterMetrics(metrics_, draft_);
    controls.pageLength = std::to_string(draft_.LinesPerPage);
    modified_ = true;
}

void OptionsModel::changed(OptionsPage page) {
    modified_ = true;
    pageChanged_[static_cast<std::size_t>(page)] = true;
}

void OptionsModel::clearModified() {
    modified_ = false;
    pageChanged_.fill(false);
}

bool OptionsModel::accept() {
    if (!modified_)
        return true;
    for (int p = 0; p < kOptionsPageCount; ++p)
        if (pageChanged_[static_cast<std::size_t>(p)] && !takePage(static_cast<OptionsPage>(p)))
            return false;
    return true;
}

bool OptionsModel::mayClose() {
    return !modified_ || !dialogs_.askYesNo(kOptionsCloseQuestion);
}

void OptionsModel::commit(TConfigObj& config, SlamBonusBlock& slamBonus) const {
    config.PersonalData = draft_.PersonalData;
    config.LeftMargin = draft_.LeftMargin;
    config.TopMargin = draft_.TopMargin;
    config.BottomMargin = draft_.BottomMargin;
    config.LineHeight = draft_.LineHeight;
    config.LinesPerPage = draft_.LinesPerPage;
    config.PrinterIndex = draft_.PrinterIndex;
    config.PrinterFontName = draft_.PrinterFontName;
    config.setFontSizes(draft_.printerFontSize(), config.screenFontSize());
    const std::uint16_t owned = kPrintFlags | kSettingsFlags;
    config.OptionFlags =
        static_cast<std::uint16_t>((config.OptionFlags & ~owned) | (draft_.OptionFlags & owned));
    if (!olderFile_)
        for (std::size_t i = 0; i < 6; ++i)
            slamBonus.Values[i] = slamDraft_.Values[i];
}

} // namespace velk
