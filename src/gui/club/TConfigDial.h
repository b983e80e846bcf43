#pragma once

#include "club/CompetitionData.h"

#include <QDialog>
#include <array>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// "Competitie Gegevens": the head of the configuration. The rules live in ConfigDialogModel; the
// form copies its controls into the model before every check and moves the focus where the model
// says.
class TConfigDial : public QDialog {
    Q_OBJECT

public:
    TConfigDial(velk::Club& club, velk::Dialogs& dialogs, bool isNew, QWidget* parent = nullptr);

    velk::ConfigDialogModel& model() { return model_; }

    void OkConfigBtnClick();
    void PromDegrBtnClick();
    void PrevBtnClick();
    void NextBtnClick();
    void OkPromBtnClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGroupBox* newChoiceBox(const char* name, const QString& title, const QStringList& items,
                            QButtonGroup*& group);
    QWidget* buildPromDegrBox();
    void copyToModel();
    void showPromDegr();
    void readPromDegr();
    void relabelPairs();
    // Enter in a field: check it and move on when it is valid.
    void confirmField(int field);
    void focusField(int field);
    int fieldOf(const QObject* widget) const;

    velk::ConfigDialogModel model_;

    std::array<QLineEdit*, 9> edits_{}; // index = field number 1..8
    std::array<QLabel*, 9> labels_{};
    QButtonGroup* scoring_ = nullptr;
    QButtonGroup* neuberg_ = nullptr;
    QButtonGroup* calcMethod_ = nullptr;
    QGroupBox* scoringBox_ = nullptr;
    QGroupBox* neubergBox_ = nullptr;
    QGroupBox* calcBox_ = nullptr;
    QCheckBox* contracts_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* promDegrButton_ = nullptr;
    QGroupBox* promDegrBox_ = nullptr;
    QLabel* groupLetter_ = nullptr;
    QSpinBox* degradations_ = nullptr;
    QSpinBox* bonus_ = nullptr;
};

// Runs the competition data dialog modally. For a new file the caller has put the new
// configuration in place; an existing file gets its structural changes applied, and `save` is
// asked to write it the way the change requires. A cancelled or refused dialog leaves the
// competition as it was. True when the dialog closed with OK and the configuration holds.
bool EditCompetitionData(QWidget* parent, velk::Club& club, velk::Dialogs& dialogs, bool isNew,
                         const std::function<void(velk::ConfigSaving)>& save = {});
