#include "selection/RangeSelectionModel.h"

#include "core/ErrorHelpers.h"
#include "selection/SelectionText.h"

#include <algorithm>

namespace velk {

namespace {

constexpr int kInvalidValue = 5; // " is geen geldige waarde"
constexpr int kTypeAgainHint = 8;

bool StarOrDigit(const std::string& text) {
    const char c = FirstCharacterUpper(text);
    return c == '*' || (c >= '0' && c <= '9');
}

bool IsStar(const std::string& text) {
    return FirstCharacterUpper(text) == '*';
}

std::int16_t Small(int value) {
    return static_cast<std::int16_t>(std::clamp(value, -32768, 32767));
}

} // namespace

RangeSelectionModel::RangeSelectionModel(Club& club, Dialogs& dialogs) : club_(club), dialogs_(dialogs) {}

RangeFieldState& RangeSelectionModel::state(RangeField field) {
    switch (field) {
    case RangeField::Last:
        return setup_.last;
    case RangeField::Session:
        return setup_.session;
    default:
        return setup_.first;
    }
}

void RangeSelectionModel::setUp(int kind) {
    kind_ = kind;
    setup_ = RangeDialogSetup{};
    focus_ = RangeField::First;
    const CompetitionHead& head = club_.CompetitionHead;
    auto items = [&](const char* what, int max, const char* firstHint, const char* lastHint) {
        setup_.caption = std::string(what) + " & Zitting Keuze";
        setup_.rangeMax = max;
        setup_.first.hint = firstHint;
        setup_.last.hint = lastHint;
        setup_.rangeLabel = std::string(what) + " 1..." + std::to_string(max);
    };
    switch (kind) {
    case 5:
    case 6:
        setup_.caption = "Kies Competitie(s)";
        setup_.rangeMax = std::max(1, club_.CompetitionNumber);
        setup_.first.hint = "Kies eerste Competitie ";
        setup_.last.hint = "Kies laatste Competitie ";
        setup_.firstLabel = "Eerste";
        setup_.lastLabel = "Laatste";
        setup_.rangeLabel = "Competitie Nr: ";
        setup_.session.visible = false;
        break;
    case 11:
    case 12:
        items("Paar", head.PairCount, "Kies beginpaar ( * = alle paren)", "Kies eindpaar  (* = alle paren)");
        break;
    case 13:
        items("Ronde", club_.SessionHead.RoundCount, "Kies beginronde (* = alle rondes)",
              "Kies eindronde (* = alle rondes)");
        break;
    case 14:
        items("Tafel", head.TableCount, "Kies begintafel (* = alle tafels)",
              "Kies eindtafel (* = alle tafels)");
        break;
    case 15:
    case 16:
        items("Groep", head.GroupCount, "Kies begingroep ", "Kies laatste groep ");
        break;
    case 20:
        setup_.caption = "Kies Competitie(s)";
        setup_.rangeMax = club_.CompetitionNumber;
        setup_.first.hint = "Kies Competitie ( * = alle)";
        setup_.rangeLabel = "Competitie Nr: ";
        setup_.last.visible = false;
        setup_.session.visible = false;
        break;
    default:
        items("Paar", head.PairCount, "Kies beginpaar ( * = alle paren)", "Kies eindpaar  (* = alle paren)");
        break;
    }
    setup_.first.text = kind == 20 ? "*" : "1";
    setup_.last.text = std::to_string(setup_.rangeMax);
    selection_ = RangeSelection{};
    selection_.RangeFirst = 1;
    selection_.RangeLast = Small(setup_.rangeMax);
    if (kind >= 7 && kind <= 19) {
        // The session field shows the open session, so that OK lists the evening being worked on.
        const int current = std::max(1, club_.CurrentSession);
        selection_.RangeSession = Small(current);
        setup_.sessionLabel = "Avond 1 .. " + std::to_string(club_.SessionCount());
        setup_.session.text = std::to_string(current);
        setup_.session.hint = "Kies zitting ";
    }
}

void RangeSelectionModel::setText(RangeField field, const std::string& text) {
    if (field != RangeField::OkButton)
        state(field).text = text;
}

bool RangeSelectionModel::refuse(RangeField field, const std::string& subject) {
    ShowFileError(dialogs_, club_.ErrorCode, subject, kInvalidValue, kTypeAgainHint);
    focus_ = field;
    return false;
}

bool RangeSelectionModel::checkFirst() {
    const std::string& text = setup_.first.text;
    if (!StarOrDigit(text))
        return refuse(RangeField::First, "Begin-Paar ");
    int value = IsStar(text) ? 0 : LeadingNumber(text);
    if (kind_ >= 20) {
        value = std::min(value, setup_.rangeMax);
    } else {
        // "*" and 0 mean the first item; no list starts before it.
        value = std::clamp(value, 1, std::max(1, setup_.rangeMax));
    }
    selection_.RangeFirst = Small(value);
    return true;
}

bool RangeSelectionModel::checkLast() {
    const std::string& text = setup_.last.text;
    if (!StarOrDigit(text))
        return refuse(RangeField::Last, "Eind-Paar ");
    const int value = IsStar(text) ? setup_.rangeMax : LeadingNumber(text);
    selection_.RangeLast = Small(std::max<int>(std::min(value, setup_.rangeMax), selection_.RangeFirst));
    return true;
}

bool RangeSelectionModel::checkSession() {
    const std::string& text = setup_.session.text;
    const char c = FirstCharacterUpper(text);
    if (c != '*' && (c < '1' || c > '9'))
        return refuse(RangeField::Session, "Avond ");
    int value = c == '*' ? std::max(1, club_.CurrentSession) : LeadingNumber(text);
    value = std::min(std::max(value, 1), std::max(1, club_.SessionCount()));
    selection_.RangeSession = Small(value);
    return true;
}

bool RangeSelectionModel::enter(RangeField field) {
    switch (field) {
    case RangeField::First:
        if (!checkFirst())
            return false;
        focus_ = setup_.last.visible ? RangeField::Last : RangeField::OkButton;
        return true;
    case RangeField::Last:
        if (!checkLast())
            return false;
        focus_ = setup_.session.visible ? RangeField::Session : RangeField::OkButton;
        return true;
    case RangeField::Session:
        if (!checkSession())
            return false;
        focus_ = RangeField::OkButton;
        return true;
    case RangeField::OkButton:
        return accept();
    }
    return false;
}

bool RangeSelectionModel::accept() {
    if (!checkFirst())
        return false;
    if (kind_ < 20 && !checkLast())
        return false;
    if (kind_ >= 7 && kind_ <= 19 && !checkSession())
        return false;
    return true;
}

} // namespace velk
