#include "gui/schedules/TVernummerDlg.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "gui/WindowPlacement.h"
#include "gui/club/FormKeys.h"
#include "gui/schedules/CountBoxKeys.h"
#include "gui/schedules/TSchemaDlg.h"
#include "schedules/RenumberEditor.h"
#include "schedules/ScheduleCountsEntry.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TVernummerDlg::TVernummerDlg(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), club_(club), dialogs_(dialogs) {
    setObjectName(QStringLiteral("VernummerDlg"));
    setWindowTitle(QStringLiteral("Schema gegevens"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* schedule = new QLabel(ToQt(velk::RenumberScheduleLine(club)), this);
    schedule->setObjectName(QStringLiteral("SchemaLabel"));
    layout->addWidget(schedule);

    auto* form = new QFormLayout;
    pairsBox_ = MakeCountBox(this, "parenbox", 4, 64, 2);
    typeBox_ = MakeScheduleTypeBox(this);
    form->addRow(QStringLiteral("Paren"), pairsBox_);
    form->addRow(QStringLiteral("Schematype"), typeBox_);
    layout->addLayout(form);
    new CountBoxKeys(
        pairsBox_, [this] { return confirmPairs(); }, [this] { refuseEnter(); }, [this] { reject(); });
    new CountBoxKeys(
        typeBox_, [] { return true; }, [this] { refuseEnter(); }, [this] { reject(); });

    // The last stop of the Tab walk; Enter on it goes on, as a click does.
    auto* next = new QPushButton(QStringLiteral("Volgende"), this);
    next->setObjectName(QStringLiteral("VolgendeBtn"));
    layout->addWidget(next);
    connect(next, &QPushButton::clicked, this, &TVernummerDlg::VolgendeBtnClick);
    pairsBox_->setFocus();
    FitTitle(this);
}

bool TVernummerDlg::confirmPairs() {
    return velk::CheckRenumberPairs(FromQt(pairsBox_->currentText()), dialogs_, club_.ErrorCode).has_value();
}

void TVernummerDlg::refuseEnter() {
    velk::ShowError(dialogs_, club_.ErrorCode, "\r Gebruik Tab toets ! ",
                    velk::ErrorMessage::ParametersIncomplete);
}

void TVernummerDlg::VolgendeBtnClick() {
    const auto pairs = velk::CheckRenumberPairs(FromQt(pairsBox_->currentText()), dialogs_, club_.ErrorCode);
    if (!pairs) {
        pairsBox_->setFocus();
        return;
    }
    pairs_ = *pairs;
    scheduleType_ = velk::ScheduleTypeIndex(FromQt(typeBox_->currentText()));
    accept();
}
