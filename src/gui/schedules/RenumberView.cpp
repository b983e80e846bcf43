#include "gui/schedules/RenumberView.h"

#include "core/NumberHelpers.h"
#include "gui/club/FormKeys.h"
#include "gui/club/TZitKopieDlg.h"
#include "gui/schedules/TSchemaDlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Pair cells take a pair number of at most three digits.
class PairCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* edit = new QLineEdit(parent);
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), edit));
        return edit;
    }
};

constexpr int kSessionColumnWidth = 60;
constexpr int kPairColumnWidth = 25;

QTableWidgetItem* FixedItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

RenumberView::RenumberView(velk::Club& club, velk::Dialogs& dialogs, velk::ScheduleEditor& editor,
                           std::function<void()> closeEditor, QWidget* parent)
    : QWidget(parent), club_(club), dialogs_(dialogs), editor_(editor), closeEditor_(std::move(closeEditor)) {
    setObjectName(QStringLiteral("RenumberView"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("Vernummergrid"));
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setMinimumSectionSize(kPairColumnWidth);
    grid_->setItemDelegate(new PairCellDelegate(grid_));
    grid_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed);
    layout->addWidget(grid_, 1);

    auto* buttons = new QHBoxLayout;
    auto addButton = [&](const QString& text, const char* name, const QString& hint) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setToolTip(hint);
        buttons->addWidget(button);
        return button;
    };
    auto* open =
        addButton(QStringLiteral("Open tabel"), "OpenTabelBtn", QStringLiteral("Vernummer tabel openen"));
    auto* save =
        addButton(QStringLiteral("Red tabel"), "RedTabelBtn", QStringLiteral("Vernummer tabel bewaren"));
    makeSchedule_ =
        addButton(QStringLiteral("Maak Schema"), "MaakSchemaBtn", QStringLiteral("Schema vernumneren"));
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(open, &QPushButton::clicked, this, &RenumberView::OpenTabelClick);
    connect(save, &QPushButton::clicked, this, &RenumberView::RedTabelClick);
    connect(makeSchedule_, &QPushButton::clicked, this, &RenumberView::MaakSchemaClick);
}

void RenumberView::start(int pairs) {
    model_.start(pairs);
    makeSchedule_->setEnabled(false);
    const int sessions = club_.CompetitionHead.SessionsPerCompetition;
    const int columns = velk::RenumberGridColumns(model_.pairs());
    grid_->clear();
    grid_->setRowCount(sessions);
    grid_->setColumnCount(columns);
    QStringList header;
    for (int c = 0; c < columns; ++c)
        header << (c <= model_.pairs() ? ToQt(velk::RenumberColumnHeader(c)) : QString());
    grid_->setHorizontalHeaderLabels(header);
    grid_->setColumnWidth(0, kSessionColumnWidth);
    for (int c = 1; c < columns; ++c)
        grid_->setColumnWidth(c, kPairColumnWidth);
    for (int z = 1; z <= sessions; ++z) {
        grid_->setItem(z - 1, 0, FixedItem(ToQt(velk::RenumberRowLabel(club_, z))));
        for (int c = 1; c < columns; ++c)
            grid_->setItem(z - 1, c, c <= model_.pairs() ? new QTableWidgetItem : FixedItem(QString()));
    }
}

std::vector<std::vector<int>> RenumberView::gridRows() const {
    std::vector<std::vector<int>> rows;
    for (int r = 0; r < grid_->rowCount(); ++r) {
        std::vector<int> row;
        for (int p = 1; p <= model_.pairs() && p < grid_->columnCount(); ++p) {
            const QTableWidgetItem* item = grid_->item(r, p);
            row.push_back(item ? velk::ParseWholeNumber(FromQt(item->text().trimmed())).value_or(0) : 0);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void RenumberView::OpenTabelClick() {
    const auto rows = model_.openTable(club_, dialogs_);
    if (!rows)
        return;
    // Nothing of an earlier table may stay behind to be saved with this one.
    for (int r = 0; r < grid_->rowCount(); ++r)
        for (int p = 1; p <= model_.pairs() && p < grid_->columnCount(); ++p)
            grid_->item(r, p)->setText(QString());
    for (int r = 0; r < static_cast<int>(rows->size()) && r < grid_->rowCount(); ++r) {
        const auto& row = (*rows)[static_cast<std::size_t>(r)];
        for (int p = 1; p <= static_cast<int>(row.size()) && p < grid_->columnCount(); ++p) {
            const int pair = row[static_cast<std::size_t>(p - 1)];
            grid_->item(r, p)->setText(pair == 0 ? QString() : QString::number(pair));
        }
    }
    makeSchedule_->setEnabled(model_.tableOpened());
}

void RenumberView::RedTabelClick() {
    const auto chooseCount = [this] {
        return ChooseSession(this, club_, dialogs_, QStringLiteral("Kies Aantal Zitting"));
    };
    if (model_.saveTable(gridRows(), chooseCount, club_, dialogs_))
        closeEditor_();
}

void RenumberView::MaakSchemaClick() {
    const auto askCounts = [this](int* scheduleType) {
        return AskScheduleCounts(this, club_, dialogs_, 4, scheduleType);
    };
    const auto chooseSession = [this] {
        return ChooseSession(this, club_, dialogs_, QStringLiteral("Kies Ziting"));
    };
    if (model_.makeSchedule(askCounts, chooseSession, editor_, club_, dialogs_))
        closeEditor_();
}
