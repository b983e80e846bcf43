#include "gui/members/TKXScrDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TKXScrDlg::TKXScrDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("KXScrDlg"));
    setWindowTitle(QStringLiteral("Database"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("HeadLabel"));
    layout->addWidget(heading_);
    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setMinimumSize(685, 400);
    layout->addWidget(grid_);
    auto* buttons = new QHBoxLayout;
    copyMembers_ = new QPushButton(QStringLiteral("Kopieer Leden"), this);
    copyMembers_->setObjectName(QStringLiteral("CopyLeden"));
    copyScores_ = new QPushButton(QStringLiteral("Kopieer Scores"), this);
    copyScores_->setObjectName(QStringLiteral("CopyScores"));
    auto* close = new QPushButton(QStringLiteral("&Sluiten"), this);
    close->setObjectName(QStringLiteral("BitBtn1"));
    for (QPushButton* b : {copyMembers_, copyScores_, close}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    auto runCopy = [this] {
        // One copy per table: a second would write the same again.
        if (copy_ && copy_()) {
            copyMembers_->setEnabled(false);
            copyScores_->setEnabled(false);
        }
    };
    connect(copyMembers_, &QPushButton::clicked, this, runCopy);
    connect(copyScores_, &QPushButton::clicked, this, runCopy);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void TKXScrDlg::ShowTable(const velk::AccessTable& table, const QString& heading, bool copyScores,
                          std::function<bool()> copy) {
    copy_ = std::move(copy);
    heading_->setText(heading);
    grid_->setObjectName(copyScores ? QStringLiteral("DBGrid1") : QStringLiteral("DBGrid2"));
    grid_->clear();
    grid_->setColumnCount(static_cast<int>(table.Columns.size()));
    grid_->setRowCount(static_cast<int>(table.Rows.size()));
    QStringList titles;
    for (const auto& column : table.Columns)
        titles << QString::fromStdString(column);
    grid_->setHorizontalHeaderLabels(titles);
    for (int r = 0; r < grid_->rowCount(); ++r)
        for (int c = 0; c < grid_->columnCount(); ++c)
            grid_->setItem(
                r, c,
                new QTableWidgetItem(QString::fromStdString(table.text(static_cast<std::size_t>(r), c))));
    copyScores_->setEnabled(copyScores);
    copyMembers_->setEnabled(!copyScores);
    exec();
}
