#include "gui/reports/TResultForm.h"

#include "core/SafeSave.h"
#include "gui/WindowPlacement.h"
#include "gui/options/OptionsPrinter.h"
#include "gui/reports/ReportPrinting.h"
#include "gui/selection/TParenDlg.h"
#include "gui/selection/TSelectieDlg.h"
#include "reports/ReportFiles.h"
#include "reports/ReportPages.h"
#include "reports/ReportWindowSize.h"
#include "reports/ReportWriters.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

namespace {

QPushButton* MakeButton(QWidget* parent, QHBoxLayout* row, const char* text, const char* name) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

bool EndsWithPdf(const std::string& path) {
    return path.size() >= 4 && QString::fromStdString(path.substr(path.size() - 4)).toLower() == ".pdf";
}

} // namespace

TResultForm::TResultForm(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), club_(club), dialogs_(dialogs), run_(club, dialogs, *this) {
    run_.setDocumentOpener(&opener_);
    run_.setSolver(&solver_);
    setObjectName(QStringLiteral("ResultForm"));
    setWindowTitle(QStringLiteral("Resultaten"));
    resize(760, 630);
    auto* layout = new QVBoxLayout(this);
    banner_ = new QLabel(this);
    banner_->setObjectName(QStringLiteral("UitheadText"));
    banner_->setTextFormat(Qt::PlainText);
    banner_->setAlignment(Qt::AlignCenter);
    QFont heading = banner_->font();
    heading.setBold(true);
    banner_->setFont(heading);
    layout->addWidget(banner_);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("UitvMemo"));
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->installEventFilter(this);
    layout->addWidget(memo_, 1, Qt::AlignHCenter);
    auto* row = new QHBoxLayout;
    QPushButton* print = MakeButton(this, row, "&Print", "PrintBtn");
    QPushButton* preview = MakeButton(this, row, "Afdruk&voorbeeld", "PreviewBtn");
    QPushButton* save = MakeButton(this, row, "Bewaar", "SaveBitBtn");
    QPushButton* other = MakeButton(this, row, "&Andere", "OtherBitBtn");
    QPushButton* help = MakeButton(this, row, "&Help", "HelpBitBtn");
    row->addStretch();
    closeButton_ = MakeButton(this, row, "Sluit overzicht af", "OkbitBtn6");
    layout->addLayout(row);
    connect(print, &QPushButton::clicked, this, &TResultForm::PrintBtnClick);
    connect(preview, &QPushButton::clicked, this, &TResultForm::PreviewBtnClick);
    connect(save, &QPushButton::clicked, this, &TResultForm::SaveBitBtnClick);
    connect(other, &QPushButton::clicked, this, &TResultForm::OtherBitBtnClick);
    connect(help, &QPushButton::clicked, this,
            [this] { dialogs_.showHelp(velk::HelpContextOf(run_.kind())); });
    connect(closeButton_, &QPushButton::clicked, this, &TResultForm::close);
    groupsDialog_ = new TSelectieDlg(club_, dialogs_, this);
    rangeDialog_ = new TParenDlg(club_, dialogs_, this);
}

TResultForm::~TResultForm() = default;

bool TResultForm::chooseGroups(velk::ReportKind kind, velk::GroupSelection& selection) {
    if (!groupsDialog_->ChooseGroups(static_cast<int>(kind)))
        return false;
    selection = groupsDialog_->selection();
    return true;
}

bool TResultForm::chooseRange(velk::ReportKind kind, velk::RangeSelection& selection) {
    if (!rangeDialog_->ChooseRange(static_cast<int>(kind)))
        return false;
    selection = rangeDialog_->selection();
    return true;
}

bool TResultForm::Open(int kind, const std::optional<velk::GroupSelection>& groups) {
    presetGroups_ = groups;
    groupCounter_ = groups ? groups->SelFirstGroup : 1;
    const velk::ReportOutcome outcome = run_.open(static_cast<velk::ReportKind>(kind), groups);
    if (outcome == velk::ReportOutcome::NotAvailable) {
        dialogs_.information(velk::kNotAvailable);
        return false;
    }
    // Pages written or handed to the word processor leave nothing to list here.
    if (outcome != velk::ReportOutcome::Shown)
        return false;
    showDocument();
    if (!run_.warnings().empty())
        dialogs_.information(run_.warnings());
    return true;
}

void TResultForm::showDocument() {
    const QFont font = ReportPrinting::ReportFont(club_.ConfigRecord);
    memo_->setFont(font);
    QStringList lines;
    for (const std::string& line : run_.document().textLines())
        lines << QString::fromStdString(line);
    memo_->setPlainText(lines.join(QLatin1Char('\n')));
    banner_->setText(QString::fromStdString(run_.title()));

    velk::ReportWindowInput in;
    in.kind = run_.kind();
    in.reportWidth = run_.width();
    in.fontSize = font.pointSize() > 0 ? font.pointSize() : 10;
    in.fontHeight = QFontMetrics(font).height();
    in.pairCount = club_.CompetitionHead.PairCount;
    in.groupCount = club_.CompetitionHead.GroupCount;
    in.pairsPerGroup = club_.PairsPerGroup;
    in.mainWindowHeight = parentWidget() ? parentWidget()->height() : 600;
    const QScreen* screen = QGuiApplication::primaryScreen();
    in.screenHeight = screen ? screen->availableGeometry().height() : 768;
    const velk::ReportWindowSize size = velk::SizeReportWindow(in);
    // The memo is at least as wide as the report in its own font, so that a line never wraps out
    // of sight when the scroll bar is not needed.
    const int textWidth = QFontMetrics(font).horizontalAdvance(QString(run_.width(), QLatin1Char('M'))) + 30;
    // A wider report than the screen scrolls sideways in the memo.
    const int room = screen ? screen->availableGeometry().width() - 60 : 1200;
    memo_->setFixedWidth(std::min({std::max(size.memoWidth, textWidth), 1200, room}));
    memo_->setHorizontalScrollBarPolicy(size.horizontalScrollBar ? Qt::ScrollBarAlwaysOn
                                                                 : Qt::ScrollBarAsNeeded);
    ResizeWithinScreen(this, QSize(std::max(size.width, memo_->width() + 45), std::max(size.height, 300)));
    CentreOnParent(this, parentWidget());
    show();
    raise();
    memo_->setFocus();
    memo_->moveCursor(QTextCursor::Start);
}

bool TResultForm::landscape() const {
    const velk::ReportContext* c = run_.context();
    return velk::PrintsLandscape(c && c->landscape, run_.width(),
                                 (club_.ConfigRecord.OptionFlags & velk::OptionFlag::Landscape) != 0);
}

std::unique_ptr<QPrinter> TResultForm::makePrinter() const {
    return OptionsPrinter::MakePrinter(club_.ConfigRecord.PrinterIndex, landscape());
}

void TResultForm::PrintBtnClick() {
    auto printer = makePrinter();
    QPrintDialog dialog(printer.get(), this);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!ReportPrinting::PrintReport(*printer, run_.document(), club_.ConfigRecord))
        dialogs_.error("P R I N T E R  N I E T  K L A A R");
}

void TResultForm::PreviewBtnClick() {
    auto printer = makePrinter();
    QPrintPreviewDialog preview(printer.get(), this);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* p) { ReportPrinting::PrintReport(*p, run_.document(), club_.ConfigRecord); });
    preview.exec();
}

void TResultForm::SaveBitBtnClick() {
    const bool html = dialogs_.askYesNo(velk::kAskSaveAsHtml);
    const std::optional<std::string> path =
        dialogs_.saveFileName(velk::ReportSaveChoice(html, club_.ClubFilePath));
    if (!path)
        return;
    bool saved = false;
    const char* done = velk::kSavedAsText;
    if (html) {
        saved = velk::SaveHtmlPage(*path, run_.htmlPage());
        done = velk::kSavedAsHtml;
    } else if (EndsWithPdf(*path)) {
        saved = ReportPrinting::SaveReportPdf(QString::fromStdString(*path), run_.document(),
                                              club_.ConfigRecord, landscape());
        done = velk::kSavedAsPdf;
    } else {
        saved = velk::SaveReportText(*path, run_.document());
    }
    if (saved)
        dialogs_.information(done + *path);
    else
        velk::ReportSaveResult(dialogs_, *path, false);
}

void TResultForm::OtherBitBtnClick() {
    const std::optional<velk::ReportKind> other = velk::OtherKindOf(run_.kind());
    close();
    if (other)
        emit otherRequested(static_cast<int>(*other));
}

bool TResultForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == memo_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // A list of given groups (the count list of one group) keeps to them.
        const int groups = club_.CompetitionHead.GroupCount;
        const int first = presetGroups_ ? presetGroups_->SelFirstGroup : 1;
        const int last = presetGroups_ ? std::min<int>(presetGroups_->SelLastGroup, groups) : groups;
        if (last > first && key == Qt::Key_PageDown)
            groupCounter_ = std::min(groupCounter_ + 1, last);
        else if (last > first && key == Qt::Key_PageUp)
            groupCounter_ = std::max(groupCounter_ - 1, first);
    }
    return QDialog::eventFilter(watched, event);
}

void TResultForm::done(int result) {
    // The close button, the window's own close box and Escape all end here.
    QDialog::done(result);
    emit reportClosed(kind());
}
