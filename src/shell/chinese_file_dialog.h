#pragma once

#include <QString>

class QFileDialog;
class QWidget;

namespace velnor {

// Every file dialog of the program is Qt's own, listing through ChineseFileModel, so that its
// columns, sizes, dates and type names are Chinese like the rest of it.
void ListInChinese(QFileDialog& dialog);

// QFileDialog::getOpenFileName and getSaveFileName with such a dialog; empty when cancelled.
QString AskOpenFileName(QWidget* parent, const QString& title, const QString& filter);
QString AskSaveFileName(QWidget* parent, const QString& title, const QString& filter);

}  // namespace velnor
