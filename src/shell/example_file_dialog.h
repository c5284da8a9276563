#pragma once

#include <QFileDialog>

namespace velnor {

// 示例文件: the example documents of `folder` and nothing else (no subfolders, no other files),
// in the detail view with the size and date columns wide enough to read.
class ExampleFileDialog : public QFileDialog {
    Q_OBJECT

public:
    ExampleFileDialog(const QString& folder, QWidget* parent);

    // The chosen document, or empty when the user cancels.
    QString Choose();

private:
    void FitColumns();
};

}  // namespace velnor
