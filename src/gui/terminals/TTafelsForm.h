#pragma once

#include <QWidget>

class QCheckBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class TableService;

// "Tafels (telefoon)": starts and stops the table server of the open session and shows where
// every table stands. Non-modal; the server goes on while the window is closed.
class TTafelsForm : public QWidget {
    Q_OBJECT
public:
    explicit TTafelsForm(TableService& service, QWidget* parent = nullptr);

    // Shows the server's state and the tables.
    void refresh();

signals:
    // "Tafelkaarten…": the cards for the phones' address at `port`.
    void cardsRequested(int port);
    // F1.
    void helpRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onStart();
    void onStop();

    TableService& service_;
    QSpinBox* port_ = nullptr;
    QCheckBox* https_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* stop_ = nullptr;
    QLabel* address_ = nullptr;
    QTableWidget* tables_ = nullptr;
};
