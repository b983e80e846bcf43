#include "gui/schedules/TSchemaDlg.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "gui/WindowPlacement.h"
#include "gui/club/FormKeys.h"
#include "gui/schedules/CountBoxKeys.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char* const kHints[] = {"", "Indeling per zittingronde", "Indeling per tafel", "Indeling Totaal Schema",
                              "Schema lezen van schijf/diskette"};
} // namespace

QComboBox* MakeCountBox(QWidget* parent, const char* name, int from, int to, int step) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (int n = from; n <= to; n += step)
        box->addItem(QString::number(n));
    box->setCurrentIndex(-1);
    box->setEditText(QString());
    return box;
}

QComboBox* MakeScheduleTypeBox(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("Schmtypebox"));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (const char* name : velk::kScheduleTypeShortNames)
        box->addItem(QString::fromLatin1(name));
    box->setCurrentIndex(0);
    return box;
}

TSchemaDlg::TSchemaDlg(velk::Club& club, velk::Dialogs& dialogs, int index, QWidget* parent)
    : QDialog(parent), club_(club), dialogs_(dialogs) {
    setObjectName(QStringLiteral("SchemaDlg"));
    setWindowTitle(QStringLiteral("Schema gegevens"));
    setModal(true);
    setToolTip(QString::fromLatin1(kHints[index >= 1 && index <= 4 ? index : 0]));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    boxes_ = {MakeCountBox(this, "parenbox", 4, 100, 1), MakeCountBox(this, "tafelsbox", 2, 50, 1),
              MakeCountBox(this, "rondenbox", 1, 16, 1), MakeCountBox(this, "spelgrpnbox", 1, 16, 1)};
    const char* const labels[] = {"Paren", "Tafels", "Ronden", "Spelgroepen"};
    for (int f = 0; f < 4; ++f) {
        form->addRow(QString::fromLatin1(labels[f]), box(f));
        new CountBoxKeys(
            box(f), [this, f] { return confirmField(f); }, [this] { refuseEnter(); }, [this] { reject(); });
    }
    typeBox_ = MakeScheduleTypeBox(this);
    form->addRow(QStringLiteral("Schematype"), typeBox_);
    new CountBoxKeys(
        typeBox_, [] { return true; }, [this] { refuseEnter(); }, [this] { reject(); });
    layout->addLayout(form);
    // The last stop of the Tab walk; Enter on it goes on, as a click does.
    auto* next = new QPushButton(QStringLiteral("Volgende"), this);
    next->setObjectName(QStringLiteral("VolgendeBtn"));
    layout->addWidget(next);
    connect(next, &QPushButton::clicked, this, &TSchemaDlg::VolgendeBtnClick);
    box(0)->setFocus();
    FitTitle(this);
}

bool TSchemaDlg::confirmField(int field) {
    return velk::CheckCount(static_cast<velk::CountField>(field), FromQt(box(field)->currentText()), dialogs_,
                            club_.ErrorCode)
        .has_value();
}

void TSchemaDlg::refuseEnter() {
    velk::ShowError(dialogs_, club_.ErrorCode, "\r Gebruik Tab toets ! ",
                    velk::ErrorMessage::ParametersIncomplete);
}

void TSchemaDlg::VolgendeBtnClick() {
    std::array<std::string, 4> texts;
    for (int f = 0; f < 4; ++f)
        texts[static_cast<std::size_t>(f)] = FromQt(box(f)->currentText());
    const auto result = velk::CheckScheduleCounts(texts, club_, dialogs_, club_.ErrorCode);
    if (!result.Accepted) {
        box(static_cast<int>(result.WrongField.value_or(velk::CountField::Pairs)))->setFocus();
        return;
    }
    counts_ = result.Counts;
    scheduleType_ = velk::ScheduleTypeIndex(FromQt(typeBox_->currentText()));
    accept();
}

std::optional<velk::ScheduleCounts> AskScheduleCounts(QWidget* parent, velk::Club& club,
                                                      velk::Dialogs& dialogs, int index, int* scheduleType) {
    TSchemaDlg dialog(club, dialogs, index, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    if (scheduleType)
        *scheduleType = dialog.scheduleType();
    return dialog.counts();
}
