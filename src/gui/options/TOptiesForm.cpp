#include "gui/options/TOptiesForm.h"

#include "gui/club/FormKeys.h"
#include "gui/help/HelpKeys.h"
#include "gui/options/OptionsPrinter.h"
#include "gui/options/TPrinterSetupDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

using velk::OptionsField;
using velk::OptionsPage;

namespace {

constexpr int kTextLength = 32;

const char* const kPersNames[5] = {"PersEdit1", "PersEdit2", "PersEdit3", "PersEdit4", "PersEdit5"};
const char* const kPersCaptions[5] = {"Naam", "Adres", "Postcode", "Plaats", "Telefoon"};
const char* const kSlamNames[6] = {"KSLaagEdit", "KSHoogEdit", "KSSAEdit",
                                   "GSLaagEdit", "GSHoogEdit", "GSSAEdit"};

OptionsField PersField(int i) {
    return static_cast<OptionsField>(static_cast<int>(OptionsField::PersEdit1) + i);
}

OptionsField SlamField(int i) {
    return static_cast<OptionsField>(static_cast<int>(OptionsField::KSLaagEdit) + i);
}

QLabel* NewLabel(QWidget* page, const char* name, const char* caption, QWidget* buddy = nullptr) {
    auto* label = new QLabel(QString::fromUtf8(caption), page);
    label->setObjectName(QString::fromLatin1(name));
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

} // namespace

TOptiesForm::TOptiesForm(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), club_(club), dialogs_(dialogs),
      model_(std::make_unique<velk::OptionsModel>(club.ConfigRecord, club.SlamBonusTable,
                                                  velk::IsFileBefore2013(club),
                                                  OptionsPrinter::MetricsOf(club.ConfigRecord), dialogs)) {
    setObjectName(QStringLiteral("OptiesForm"));
    setWindowTitle(QStringLiteral("Opties"));
    setModal(true);
    resize(560, 450);

    auto* layout = new QVBoxLayout(this);
    pageControl_ = new QTabWidget(this);
    pageControl_->setObjectName(QStringLiteral("PageControl"));
    pageControl_->setMinimumSize(490, 350);
    pageControl_->addTab(buildPersonalPage(), QStringLiteral("Persoonsgeg."));
    pageControl_->addTab(buildPrintPage(), QStringLiteral("Print opties"));
    pageControl_->addTab(buildSlamPage(), QStringLiteral("Slem bonus"));
    pageControl_->addTab(buildSettingsPage(), QStringLiteral("Instellingten"));
    layout->addWidget(pageControl_, 1);

    auto* buttons = new QHBoxLayout;
    okBtn_ = new QPushButton(QStringLiteral("OK"), this);
    okBtn_->setObjectName(QStringLiteral("OkBtn"));
    cancelBtn_ = new QPushButton(QStringLiteral("Schrap"), this);
    cancelBtn_->setObjectName(QStringLiteral("CancelBtn"));
    buttons->addStretch();
    buttons->addWidget(okBtn_);
    buttons->addWidget(cancelBtn_);
    layout->addLayout(buttons);
    connect(okBtn_, &QPushButton::clicked, this, &TOptiesForm::OkBtnClick);
    connect(cancelBtn_, &QPushButton::clicked, this, &TOptiesForm::reject);
    // F1 opens the page of the tab in front, wherever the focus is.
    auto followPage = [this] { SetHelpContext(this, velk::OptionsModel::HelpContextOf(currentPage())); };
    connect(pageControl_, &QTabWidget::currentChanged, this, followPage);
    followPage();

    showControls();
    showPrinter();
}

TOptiesForm::~TOptiesForm() = default;

QLineEdit* TOptiesForm::newEdit(QWidget* page, const char* name, OptionsField field) {
    auto* edit = new QLineEdit(page);
    edit->setObjectName(QString::fromLatin1(name));
    edit->installEventFilter(this);
    const OptionsPage owner = velk::OptionsModel::PageOf(field);
    connect(edit, &QLineEdit::textEdited, this, [this, owner] { model_->changed(owner); });
    return edit;
}

QCheckBox* TOptiesForm::newCheck(QWidget* page, const char* name, const char* caption, OptionsPage owner) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), page);
    box->setObjectName(QString::fromLatin1(name));
    connect(box, &QCheckBox::clicked, this, [this, owner] { model_->changed(owner); });
    return box;
}

QPushButton* TOptiesForm::newButton(QWidget* page, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), page);
    button->setObjectName(QString::fromLatin1(name));
    // Enter in an edit belongs to the edit, never to a default button.
    button->setAutoDefault(false);
    return button;
}

QWidget* TOptiesForm::buildPersonalPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("PersoonPage"));
    auto* grid = new QGridLayout(page);
    for (int i = 0; i < 5; ++i) {
        QLineEdit* edit = newEdit(page, kPersNames[i], PersField(i));
        edit->setMaxLength(kTextLength);
        persEdits_[static_cast<std::size_t>(i)] = edit;
        grid->addWidget(
            NewLabel(page, (std::string("PersLabel") + char('1' + i)).c_str(), kPersCaptions[i], edit), i, 0);
        grid->addWidget(edit, i, 1);
    }
    okOwnerBtn_ = newButton(page, "OKOwnerBtn", "O&k");
    connect(okOwnerBtn_, &QPushButton::clicked, this, &TOptiesForm::OKOwnerBtnClick);
    grid->addWidget(okOwnerBtn_, 5, 1, Qt::AlignLeft);
    grid->setRowStretch(6, 1);
    return page;
}

QWidget* TOptiesForm::buildPrintPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("PrintPage"));
    auto* columns = new QHBoxLayout(page);
    auto* grid = new QGridLayout;
    leftEdit_ = newEdit(page, "LeftEdit", OptionsField::LeftEdit);
    topEdit_ = newEdit(page, "TopEdit", OptionsField::TopEdit);
    bodemEdit_ = newEdit(page, "BodemEdit", OptionsField::BodemEdit);
    pagelenEdit_ = newEdit(page, "PagelenEdit", OptionsField::PagelenEdit);
    grid->addWidget(NewLabel(page, "LeftLabel", "Linker marge (mm.)", leftEdit_), 0, 0);
    grid->addWidget(leftEdit_, 0, 1);
    grid->addWidget(NewLabel(page, "TopLabel", "Top marge (mm.)", topEdit_), 1, 0);
    grid->addWidget(topEdit_, 1, 1);
    grid->addWidget(NewLabel(page, "BodemLabel", " Bodem marge (mm.)", bodemEdit_), 2, 0);
    grid->addWidget(bodemEdit_, 2, 1);
    grid->addWidget(NewLabel(page, "PagelenLabel", "Pagina lengte", pagelenEdit_), 3, 0);
    grid->addWidget(pagelenEdit_, 3, 1);
    printerBtn_ = newButton(page, "PrinterBtn", "Printer");
    fontBtn_ = newButton(page, "FontBtn", "Print Font");
    printerName_ = NewLabel(page, "PrinterNaam", "");
    fontName_ = NewLabel(page, "FontNaam", "");
    grid->addWidget(printerBtn_, 4, 0);
    grid->addWidget(printerName_, 4, 1);
    grid->addWidget(fontBtn_, 5, 0);
    grid->addWidget(fontName_, 5, 1);
    grid->setRowStretch(6, 1);
    columns->addLayout(grid, 1);
    connect(printerBtn_, &QPushButton::clicked, this, &TOptiesForm::PrinterBtnClick);
    connect(fontBtn_, &QPushButton::clicked, this, &TOptiesForm::FontBtnClick);

    auto* right = new QVBoxLayout;
    auto* papierstand = new QGroupBox(QStringLiteral("Papier stand"), page);
    papierstand->setObjectName(QStringLiteral("Papierstand"));
    auto* choices = new QVBoxLayout(papierstand);
    portrait_ = new QRadioButton(QStringLiteral("&Staand"), papierstand);
    portrait_->setObjectName(QStringLiteral("Papierstand0"));
    landscape_ = new QRadioButton(QStringLiteral("&Liggend"), papierstand);
    landscape_->setObjectName(QStringLiteral("Papierstand1"));
    choices->addWidget(portrait_);
    choices->addWidget(landscape_);
    for (QRadioButton* radio : {portrait_, landscape_})
        connect(radio, &QRadioButton::clicked, this, [this] { model_->changed(OptionsPage::Print); });
    persData_ = newCheck(page, "PersData", "Eigenaar", OptionsPage::Print);
    persData_->setToolTip(QStringLiteral("Druk Naam boven Overzicht"));
    persData_->setStatusTip(persData_->toolTip());
    printHead_ = newCheck(page, "PrintHead", "Print kop", OptionsPage::Print);
    printHead_->setToolTip(QStringLiteral("Nieuwe kop  boven pagina"));
    printHead_->setStatusTip(printHead_->toolTip());
    right->addWidget(papierstand);
    right->addWidget(persData_);
    right->addWidget(printHead_);
    right->addStretch();
    columns->addLayout(right);
    return page;
}

QWidget* TOptiesForm::buildSlamPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("SlemPage"));
    auto* grid = new QGridLayout(page);
    grid->addWidget(NewLabel(page, "KSLabel", "Klein Slem gemaakt"), 0, 1);
    grid->addWidget(NewLabel(page, "GSLabel", "Groot Slem gemaakt"), 0, 2);
    const char* const rows[3] = {"Contract Lage Kleur", "Contract Hoge Kleur", "Contract Sans Atout"};
    const char* const rowNames[3] = {"LaagLabel", "HoogLabel", "SALabel"};
    for (int i = 0; i < 6; ++i)
        slamEdits_[static_cast<std::size_t>(i)] = newEdit(page, kSlamNames[i], SlamField(i));
    for (int r = 0; r < 3; ++r) {
        grid->addWidget(NewLabel(page, rowNames[r], rows[r], slamEdits_[static_cast<std::size_t>(r)]), r + 1,
                        0);
        grid->addWidget(slamEdits_[static_cast<std::size_t>(r)], r + 1, 1);
        grid->addWidget(slamEdits_[static_cast<std::size_t>(r + 3)], r + 1, 2);
    }
    kiesLab_ = NewLabel(page, "KiesLab", model_->slamLabel().c_str());
    grid->addWidget(kiesLab_, 4, 0, 1, 3);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget* TOptiesForm::buildSettingsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("InstellingenPage"));
    auto* column = new QVBoxLayout(page);
    kortNotatie_ = newCheck(page, "KortNotatie", "Korte notatie van scores ", OptionsPage::Settings);
    maxScherm_ = newCheck(page, "MaxScherm", "Maximaal breedte scherm", OptionsPage::Settings);
    kaderlijnen_ = newCheck(page, "Kaderlijnen", "Print aaneengesloten lijnen  ", OptionsPage::Settings);
    entertoets_ = newCheck(page, "Entertoets", "Entertoets (voor ledenlijst)", OptionsPage::Settings);
    connect(maxScherm_, &QCheckBox::clicked, this, [this](bool on) {
        if (onMaximalWidth)
            onMaximalWidth(on);
    });
    for (QCheckBox* box : {kortNotatie_, maxScherm_, kaderlijnen_, entertoets_})
        column->addWidget(box);
    column->addStretch();
    return page;
}

void TOptiesForm::showControls() {
    const velk::OptionsControls& c = model_->controls;
    for (std::size_t i = 0; i < persEdits_.size(); ++i)
        persEdits_[i]->setText(ToQt(c.personal[i]));
    leftEdit_->setText(ToQt(c.left));
    topEdit_->setText(ToQt(c.top));
    bodemEdit_->setText(ToQt(c.bottom));
    pagelenEdit_->setText(ToQt(c.pageLength));
    (c.landscape ? landscape_ : portrait_)->setChecked(true);
    persData_->setChecked(c.ownerData);
    printHead_->setChecked(c.pageHead);
    for (std::size_t i = 0; i < slamEdits_.size(); ++i)
        slamEdits_[i]->setText(ToQt(c.slams[i]));
    kortNotatie_->setChecked(c.shortNotation);
    maxScherm_->setChecked(c.maximalWidth);
    kaderlijnen_->setChecked(c.frameLines);
    entertoets_->setChecked(c.enterMovesOn);
}

void TOptiesForm::copyToModel() {
    velk::OptionsControls& c = model_->controls;
    for (std::size_t i = 0; i < persEdits_.size(); ++i)
        c.personal[i] = FromQt(persEdits_[i]->text());
    c.left = FromQt(leftEdit_->text());
    c.top = FromQt(topEdit_->text());
    c.bottom = FromQt(bodemEdit_->text());
    c.pageLength = FromQt(pagelenEdit_->text());
    c.landscape = landscape_->isChecked();
    c.ownerData = persData_->isChecked();
    c.pageHead = printHead_->isChecked();
    for (std::size_t i = 0; i < slamEdits_.size(); ++i)
        c.slams[i] = FromQt(slamEdits_[i]->text());
    c.shortNotation = kortNotatie_->isChecked();
    c.maximalWidth = maxScherm_->isChecked();
    c.frameLines = kaderlijnen_->isChecked();
    c.enterMovesOn = entertoets_->isChecked();
}

void TOptiesForm::showPrinter() {
    const QStringList names = OptionsPrinter::PrinterNames();
    const int index = model_->printerIndex();
    printerName_->setText(index < names.size() ? names[index] : QPrinterInfo::defaultPrinterName());
    const velk::FontChoice font = model_->printFont();
    fontName_->setText(QStringLiteral("%1 %2").arg(ToQt(font.name)).arg(font.size));
}

QWidget* TOptiesForm::widgetOf(OptionsField field) const {
    const int f = static_cast<int>(field);
    if (field <= OptionsField::PersEdit5)
        return persEdits_[static_cast<std::size_t>(f - static_cast<int>(OptionsField::PersEdit1))];
    if (field >= OptionsField::KSLaagEdit && field <= OptionsField::GSSAEdit)
        return slamEdits_[static_cast<std::size_t>(f - static_cast<int>(OptionsField::KSLaagEdit))];
    switch (field) {
    case OptionsField::OKOwnerBtn:
        return okOwnerBtn_;
    case OptionsField::LeftEdit:
        return leftEdit_;
    case OptionsField::TopEdit:
        return topEdit_;
    case OptionsField::BodemEdit:
        return bodemEdit_;
    case OptionsField::PagelenEdit:
        return pagelenEdit_;
    case OptionsField::PrinterBtn:
        return printerBtn_;
    case OptionsField::FontBtn:
        return fontBtn_;
    default:
        return okBtn_;
    }
}

void TOptiesForm::focusField(OptionsField field) {
    if (field != OptionsField::OkBtn)
        pageControl_->setCurrentIndex(static_cast<int>(velk::OptionsModel::PageOf(field)));
    QWidget* target = widgetOf(field);
    if (auto* edit = qobject_cast<QLineEdit*>(target))
        edit->selectAll();
    target->setFocus();
}

OptionsPage TOptiesForm::currentPage() const {
    return static_cast<OptionsPage>(pageControl_->currentIndex());
}

bool TOptiesForm::eventFilter(QObject* watched, QEvent* event) {
    if (IsEnterKey(event)) {
        for (int f = static_cast<int>(OptionsField::PersEdit1); f < static_cast<int>(OptionsField::OkBtn);
             ++f) {
            const auto field = static_cast<OptionsField>(f);
            if (watched != widgetOf(field))
                continue;
            copyToModel();
            model_->enter(field);
            focusField(model_->focus());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TOptiesForm::OKOwnerBtnClick() {
    copyToModel();
    model_->storeOwner();
}

void TOptiesForm::PrinterBtnClick() {
    const QStringList names = OptionsPrinter::PrinterNames();
    if (names.isEmpty()) {
        dialogs_.information("Geen Printer aanwezig");
        return;
    }
    TPrinterSetupDlg setup(names, model_->printerIndex(), this);
    const int chosen = setup.choose();
    if (chosen < 0)
        return;
    copyToModel();
    model_->choosePrinter(chosen, OptionsPrinter::MetricsOf(chosen, std::string(velk::kStandardPrinterFont),
                                                            velk::kStandardPrinterFontSize));
    pagelenEdit_->setText(ToQt(model_->controls.pageLength));
    showPrinter();
    focusField(model_->focus());
}

void TOptiesForm::FontBtnClick() {
    const auto chosen = dialogs_.chooseFont(model_->printFont());
    if (!chosen)
        return;
    copyToModel();
    model_->chooseFont(*chosen,
                       OptionsPrinter::MetricsOf(model_->printerIndex(), chosen->name, chosen->size));
    pagelenEdit_->setText(ToQt(model_->controls.pageLength));
    showPrinter();
}

void TOptiesForm::OkBtnClick() {
    copyToModel();
    if (!model_->accept()) {
        focusField(model_->focus());
        return;
    }
    accepted_ = model_->modified();
    model_->commit(club_.ConfigRecord, club_.SlamBonusTable);
    accept();
}

void TOptiesForm::reject() {
    if (!model_->mayClose())
        return;
    // What Enter, "O&k" and the printer and font buttons stored stays; the rest is dropped.
    model_->commit(club_.ConfigRecord, club_.SlamBonusTable);
    QDialog::reject();
}

bool TOptiesForm::ShowOptions(int page) {
    const int shown = std::clamp(page, 0, velk::kOptionsPageCount - 1);
    pageControl_->setCurrentIndex(shown);
    static constexpr OptionsField kFirstFields[] = {OptionsField::PersEdit1, OptionsField::LeftEdit,
                                                    OptionsField::KSLaagEdit};
    if (shown < 3)
        focusField(kFirstFields[shown]);
    else
        kortNotatie_->setFocus();
    model_->clearModified();
    accepted_ = false;
    exec();
    return accepted_;
}
