#include "gui/scoring/TCorrectForm.h"

#include "core/HelpContext.h"
#include "core/NumberHelpers.h"

#include <QTableWidget>

using velk::PercentageCorrection;

TCorrectForm::TCorrectForm(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent)
    : ResultsGridForm(dialogs, parent, "CorrectGrid",
                      {QStringLiteral("Groep"), QStringLiteral("GrpNr"), QStringLiteral("Naam"),
                       QStringLiteral("Procent"), QStringLiteral("Corectie"), QStringLiteral("Totaal")},
                      {40, 40, 300, 60, 60, 60}, QStringLiteral("Procenten correctie")),
      model_(club, dialogs) {
    setObjectName(QStringLiteral("CorrectForm"));
    addButton("GroepMinBtn", QStringLiteral("Groep -"), QStringLiteral("Vorige groep"),
              [this] { stepGroup(-1); });
    addButton("GroepPlusBtn", QStringLiteral("Groep +"), QStringLiteral("Volgende groep"),
              [this] { stepGroup(1); });
    addButton("RekenBtn", QStringLiteral("&Reken"), QStringLiteral("Verreken Correcties"),
              [this] { onReken(); });
    addButton("HelpBtn", QStringLiteral("Help"), QStringLiteral("Corrugeren algemeen"),
              [this] { dialogs_.showHelp(velk::HelpContext::CorrectionForm); });
    addButton("OkBtn", QStringLiteral("&Ok"), QStringLiteral("Verrekenen en bewaren"), [this] { onOk(); });
    addButton("SchrapBtn", QStringLiteral("&Schrap"), QStringLiteral("Sluiten zonder bewaren"), [this] {
        model_.cancel();
        finish(false);
    });
}

bool TCorrectForm::OpenCorrection(std::function<bool()> save) {
    if (!model_.open())
        return false;
    save_ = std::move(save);
    saved_ = false;
    setWindowTitle(QString::fromStdString(model_.caption()));
    showModal();
    return true;
}

std::optional<int> TCorrectForm::readRow(int row) {
    const int r = row - draft().firstRow();
    if (model_.readRow(row, cell(r, PercentageCorrection::CorrectionColumn).toStdString()))
        return std::nullopt;
    return PercentageCorrection::CorrectionColumn;
}

void TCorrectForm::onReken() {
    if (!readShownRows())
        return;
    const auto totals = model_.compute();
    fill();
    showTotal(QString::fromStdString(velk::FixedText(totals.percentages, 2, velk::kListDecimalSeparator) +
                                     "   " +
                                     velk::FixedText(totals.corrections, 2, velk::kListDecimalSeparator)));
}

void TCorrectForm::onOk() {
    if (!readShownRows())
        return;
    PercentageCorrection::OkOptions options;
    options.save = save_;
    saved_ = model_.ok(options);
    finish(true);
}
