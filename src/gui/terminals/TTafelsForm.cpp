#include "gui/terminals/TTafelsForm.h"

#include "gui/terminals/TableService.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr int kDefaultPort = 8080;
enum Column { LabelColumn, PinColumn, RoundColumn, BoardsColumn, BehindColumn, ColumnCount };
} // namespace

TTafelsForm::TTafelsForm(TableService& service, QWidget* parent)
    : QWidget(parent, Qt::Window), service_(service) {
    setObjectName(QStringLiteral("TafelsForm"));
    setWindowTitle(QStringLiteral("Tafels (telefoon)"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* portLabel = new QLabel(QStringLiteral("&Poort:"), this);
    port_ = new QSpinBox(this);
    port_->setObjectName(QStringLiteral("Poort"));
    port_->setRange(0, 65535);
    port_->setValue(kDefaultPort);
    portLabel->setBuddy(port_);
    https_ = new QCheckBox(QStringLiteral("&HTTPS"), this);
    https_->setObjectName(QStringLiteral("Https"));
    https_->setToolTip(QStringLiteral("Versleuteld, met het certificaat van de club"));
    start_ = new QPushButton(QStringLiteral("&Starten"), this);
    start_->setObjectName(QStringLiteral("Starten"));
    stop_ = new QPushButton(QStringLiteral("S&toppen"), this);
    stop_->setObjectName(QStringLiteral("Stoppen"));
    auto* cards = new QPushButton(QStringLiteral("Tafel&kaarten…"), this);
    cards->setObjectName(QStringLiteral("Tafelkaarten"));
    auto* close = new QPushButton(QStringLiteral("S&luiten"), this);
    close->setObjectName(QStringLiteral("Sluiten"));
    row->addWidget(portLabel);
    row->addWidget(port_);
    row->addWidget(https_);
    row->addWidget(start_);
    row->addWidget(stop_);
    row->addStretch();
    row->addWidget(cards);
    row->addWidget(close);
    layout->addLayout(row);
    address_ = new QLabel(this);
    address_->setObjectName(QStringLiteral("Adres"));
    address_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(address_);
    tables_ = new QTableWidget(0, ColumnCount, this);
    tables_->setObjectName(QStringLiteral("TafelLijst"));
    tables_->setHorizontalHeaderLabels({QStringLiteral("Tafel"), QStringLiteral("PIN"),
                                        QStringLiteral("Ronde"), QStringLiteral("Spellen"),
                                        QStringLiteral("Achter")});
    tables_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tables_->verticalHeader()->hide();
    tables_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    layout->addWidget(tables_);
    resize(460, 420);

    connect(start_, &QPushButton::clicked, this, &TTafelsForm::onStart);
    connect(stop_, &QPushButton::clicked, this, &TTafelsForm::onStop);
    connect(cards, &QPushButton::clicked, this, [this] { emit cardsRequested(port_->value()); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(&service_, &TableService::changed, this, &TTafelsForm::refresh);
    refresh();
}

void TTafelsForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        emit helpRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TTafelsForm::onStart() {
    // The certificate and key are asked at every start with HTTPS, proposing the last ones.
    if (!https_->isChecked())
        service_.clearTls();
    else if (!service_.chooseTls())
        return;
    service_.start(port_->value());
    refresh();
}

void TTafelsForm::onStop() {
    service_.stop();
    refresh();
}

void TTafelsForm::refresh() {
    const bool running = service_.running();
    port_->setEnabled(!running);
    https_->setEnabled(!running);
    start_->setEnabled(!running);
    stop_->setEnabled(running);
    address_->setText(running ? QStringLiteral("Adres voor de telefoons: ") +
                                    QString::fromStdString(service_.phoneAddress())
                              : QStringLiteral("De tafelserver is gestopt"));
    const auto tables = service_.progress();
    tables_->setRowCount(static_cast<int>(tables.size()));
    for (int r = 0; r < static_cast<int>(tables.size()); ++r) {
        const auto& t = tables[static_cast<std::size_t>(r)];
        const QString cells[ColumnCount] = {QString::fromStdString(t.label), QString::fromStdString(t.pin),
                                            QString::fromStdString(velk::terminals::RoundText(t)),
                                            QStringLiteral("%1 van %2").arg(t.entered).arg(t.total),
                                            t.behind ? QStringLiteral("achter") : QString()};
        for (int c = 0; c < ColumnCount; ++c) {
            auto* item = tables_->item(r, c);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                tables_->setItem(r, c, item);
            }
            item->setText(cells[c]);
        }
    }
}
