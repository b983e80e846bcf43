#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "options/OptionsModel.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// "Opties": the user's settings of the open competition on four pages. The rules live in
// OptionsModel; the form copies its controls into the model before every step and moves the
// focus where the model says. The competition's record changes only when the form closes.
class TOptiesForm : public QDialog {
    Q_OBJECT
public:
    TOptiesForm(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent = nullptr);
    ~TOptiesForm() override;

    // Turns to `page` (0-3) and runs the form. True when it closed with OK after a change: the
    // caller saves the competition then.
    bool ShowOptions(int page);

    const velk::OptionsModel& model() const { return *model_; }

    // "Maximaal breedte scherm" takes effect at once when clicked.
    std::function<void(bool)> onMaximalWidth;

    void OKOwnerBtnClick();
    void PrinterBtnClick();
    void FontBtnClick();
    void OkBtnClick();

public slots:
    // Every way of closing other than OK ends here.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildPersonalPage();
    QWidget* buildPrintPage();
    QWidget* buildSlamPage();
    QWidget* buildSettingsPage();
    QLineEdit* newEdit(QWidget* page, const char* name, velk::OptionsField field);
    QCheckBox* newCheck(QWidget* page, const char* name, const char* caption, velk::OptionsPage owner);
    QPushButton* newButton(QWidget* page, const char* name, const char* caption);
    void showControls();
    void copyToModel();
    void showPrinter();
    void focusField(velk::OptionsField field);
    QWidget* widgetOf(velk::OptionsField field) const;
    velk::OptionsPage currentPage() const;

    velk::Club& club_;
    velk::Dialogs& dialogs_;
    std::unique_ptr<velk::OptionsModel> model_;
    bool accepted_ = false;

    QTabWidget* pageControl_ = nullptr;
    std::array<QLineEdit*, 5> persEdits_{};
    QPushButton* okOwnerBtn_ = nullptr;
    QLineEdit* leftEdit_ = nullptr;
    QLineEdit* topEdit_ = nullptr;
    QLineEdit* bodemEdit_ = nullptr;
    QLineEdit* pagelenEdit_ = nullptr;
    QRadioButton* portrait_ = nullptr;
    QRadioButton* landscape_ = nullptr;
    QCheckBox* persData_ = nullptr;
    QCheckBox* printHead_ = nullptr;
    QPushButton* printerBtn_ = nullptr;
    QPushButton* fontBtn_ = nullptr;
    QLabel* printerName_ = nullptr;
    QLabel* fontName_ = nullptr;
    std::array<QLineEdit*, 6> slamEdits_{};
    QLabel* kiesLab_ = nullptr;
    QCheckBox* kortNotatie_ = nullptr;
    QCheckBox* maxScherm_ = nullptr;
    QCheckBox* kaderlijnen_ = nullptr;
    QCheckBox* entertoets_ = nullptr;
    QPushButton* okBtn_ = nullptr;
    QPushButton* cancelBtn_ = nullptr;
};
