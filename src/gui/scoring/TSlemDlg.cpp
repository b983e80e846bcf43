#include "gui/scoring/TSlemDlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TSlemDlg::TSlemDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SlemDlg"));
    setWindowTitle(QString::fromUtf8("Contrôle Slem contracten"));
    auto* layout = new QVBoxLayout(this);
    auto* verify = new QLabel(QStringLiteral("Verifieer Slem"), this);
    verify->setObjectName(QStringLiteral("VerificatieLabel"));
    layout->addWidget(verify);
    head_ = new QLabel(this);
    head_->setObjectName(QStringLiteral("SlemKopText"));
    head_->setFont(QFont(QStringLiteral("Courier New"), 9));
    layout->addWidget(head_);
    kind_ = new QGroupBox(this);
    kind_->setObjectName(QStringLiteral("SlemRadioGroep"));
    auto* kinds = new QVBoxLayout(kind_);
    strains_ = new QButtonGroup(this);
    const char* names[] = {"Kaveren / Ruiten", "Harten / Schoppen", "Sans Atout"};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QRadioButton(QString::fromLatin1(names[i]), kind_);
        b->setObjectName(QStringLiteral("SlemRadio%1").arg(i));
        strains_->addButton(b, i);
        kinds->addWidget(b);
    }
    layout->addWidget(kind_);
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("SlemSomLabel"));
    layout->addWidget(count_);
    doubtful_ = new QLabel(QStringLiteral("Slem mogelijk Dubieus ! "), this);
    doubtful_->setObjectName(QStringLiteral("SlemDubLabel"));
    doubtful_->setStyleSheet(QStringLiteral("color: darkred"));
    layout->addWidget(doubtful_);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("SlemOKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(QStringLiteral("Schrap"), this);
    cancel->setObjectName(QStringLiteral("SlemCancelBtn"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* bonus = new QPushButton(QStringLiteral("Slembonus"), this);
    bonus->setObjectName(QStringLiteral("SlembonusBtn"));
    bonus->setAutoDefault(false);
    connect(bonus, &QPushButton::clicked, this, [this] {
        if (onSlamBonus)
            onSlamBonus();
    });
    for (QPushButton* b : {ok, cancel, bonus})
        buttons->addWidget(b);
    layout->addLayout(buttons);
}

std::optional<int> TSlemDlg::ask(const velk::SlamCandidate& candidate) {
    head_->setText(QString::fromStdString(candidate.line()));
    kind_->setTitle(QString::fromStdString(candidate.caption()));
    QFont font = kind_->font();
    font.setPointSize(candidate.fontSize());
    kind_->setFont(font);
    strains_->button(candidate.hit.strainClass)->setChecked(true);
    count_->setText(QString::fromStdString(candidate.countText()));
    doubtful_->setVisible(candidate.hit.doubtful);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return strains_->checkedId();
}
