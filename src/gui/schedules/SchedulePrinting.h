#pragma once

#include "core/Dialogs.h"

#include <QString>
#include <QStringList>
#include <vector>

// "Print" of the schedule editors: asks for the default printer and prints the grid in
// "Courier New" 10 pt under the caption (bold) and the schedule file name.
void PrintScheduleGrid(velk::Dialogs& dialogs, bool landscape, const QString& caption,
                       const QString& fileName, const QStringList& header,
                       const std::vector<int>& pixelWidths, const std::vector<QStringList>& rows);
