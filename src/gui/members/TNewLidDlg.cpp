#include "gui/members/TNewLidDlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using velk::MemberField;

namespace {

struct FieldControl {
    const char* name;
    const char* label;
};
// By MemberField.
constexpr FieldControl kControls[velk::kMemberFieldCount] = {{"LidIDEdit", "Index"},
                                                             {"AchterNaamEdit", "Achternaam"},
                                                             {"VoorzetlEdit", "Voorzetsel"},
                                                             {"VoorlettEdit", "Voorletterrs"},
                                                             {"VoorNaamEdit", "Voornaam"},
                                                             {"AdresEdit", "Adres"},
                                                             {"PostCdEdit", "PostCode"},
                                                             {"PlaatsEdit", "Plaats"},
                                                             {"TelefoonEdit", "Telefoon"},
                                                             {"MobielEdit", "Mobiel"},
                                                             {"emailEdit", "E-mail"},
                                                             {"GebDatEdit", "Geb.Datum"},
                                                             {"SexeBox", "Sexe"},
                                                             {"OpmerkEdit", "Opmerking"}};

} // namespace

TNewLidDlg::TNewLidDlg(velk::MembersRegister& members, velk::Dialogs& dialogs, const velk::Clock& clock,
                       QWidget* parent)
    : QDialog(parent), model_(members, dialogs, clock) {
    setObjectName(QStringLiteral("NewLidDlg"));
    setWindowTitle(QString::fromUtf8(velk::MemberDialogModel::Caption));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QString::fromUtf8(velk::MemberDialogModel::Heading), this);
    heading->setObjectName(QStringLiteral("HeadLabel"));
    layout->addWidget(heading);
    auto* form = new QFormLayout;
    for (int i = 0; i < velk::kMemberFieldCount; ++i) {
        const auto field = static_cast<MemberField>(i);
        QWidget* widget = nullptr;
        if (field == MemberField::Sexe) {
            sexe_ = new QComboBox(this);
            sexe_->addItems({QStringLiteral("M"), QStringLiteral("V")});
            widget = sexe_;
        } else {
            edits_[static_cast<std::size_t>(i)] = new QLineEdit(this);
            widget = edits_[static_cast<std::size_t>(i)];
        }
        widget->setObjectName(QString::fromLatin1(kControls[i].name));
        widget->installEventFilter(this);
        form->addRow(QString::fromUtf8(kControls[i].label), widget);
    }
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    auto* insert = new QPushButton(QStringLiteral("&Voeg in"), this);
    insert->setObjectName(QStringLiteral("InvoegKnop"));
    auto* stop = new QPushButton(QStringLiteral("S&chrap"), this);
    stop->setObjectName(QStringLiteral("StopKnop"));
    auto* reset = new QPushButton(QStringLiteral("Herstel"), this);
    reset->setObjectName(QStringLiteral("HerstelBtn"));
    reset->setToolTip(QStringLiteral("Reset oorspronkelijke gegevens"));
    for (QPushButton* b : {insert, stop, reset}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(insert, &QPushButton::clicked, this, &TNewLidDlg::InvoegKnopClick);
    connect(stop, &QPushButton::clicked, this, &QDialog::reject);
    connect(reset, &QPushButton::clicked, this, &TNewLidDlg::HerstelBtnClick);
}

QWidget* TNewLidDlg::control(MemberField field) const {
    if (field == MemberField::Sexe)
        return sexe_;
    return edits_[static_cast<std::size_t>(field)];
}

void TNewLidDlg::showDraft() {
    for (int i = 0; i < velk::kMemberFieldCount; ++i) {
        const auto field = static_cast<MemberField>(i);
        const QString text = QString::fromStdString(model_.text(field));
        if (field == MemberField::Sexe)
            sexe_->setCurrentIndex(text == QStringLiteral("V") ? 1 : 0);
        else
            edits_[static_cast<std::size_t>(i)]->setText(text);
    }
}

bool TNewLidDlg::Open(int row) {
    if (!model_.open(row))
        return false;
    showDraft();
    edits_[0]->setFocus();
    return exec() == QDialog::Accepted;
}

bool TNewLidDlg::enterField(MemberField field) {
    const QString text =
        field == MemberField::Sexe ? sexe_->currentText() : edits_[static_cast<std::size_t>(field)]->text();
    if (model_.enter(field, text.toStdString()))
        return true;
    control(field)->setFocus();
    return false;
}

void TNewLidDlg::InvoegKnopClick() {
    // What is typed counts even without Enter; the first refused field keeps the focus.
    for (int i = 0; i < velk::kMemberFieldCount; ++i)
        if (!enterField(static_cast<MemberField>(i)))
            return;
    if (model_.commit())
        accept();
}

void TNewLidDlg::HerstelBtnClick() {
    model_.herstel();
    showDraft();
}

bool TNewLidDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    for (int i = 0; i < velk::kMemberFieldCount; ++i) {
        const auto field = static_cast<MemberField>(i);
        if (watched != control(field))
            continue;
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (enterField(field))
                control(velk::MemberDialogModel::Next(field))->setFocus();
            return true;
        }
        if (key == Qt::Key_Down && field != MemberField::Sexe) {
            control(velk::MemberDialogModel::Next(field))->setFocus();
            return true;
        }
        if (key == Qt::Key_Up && field != MemberField::Sexe) {
            control(static_cast<MemberField>((i + velk::kMemberFieldCount - 1) % velk::kMemberFieldCount))
                ->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
