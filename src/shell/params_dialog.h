#pragma once

#include <QDialog>

#include <map>
#include <string>

#include "commands/command_entry.h"

class QLineEdit;

namespace velnor {

// The dialog of a command: one field per value the command takes, under the command's text. An
// empty field leaves that value to the command's default.
class ParamsDialog : public QDialog {
    Q_OBJECT

public:
    ParamsDialog(const CommandEntry& entry, const CommandParams& previous,
                 QWidget* parent = nullptr);

    CommandParams Values() const;
    // For tests and scripts of the window: fills a field.
    void SetValue(const std::string& name, const QString& value);

private:
    std::map<std::string, QLineEdit*> m_fields;
};

// The label a value's field shows.
QString ParamLabel(const std::string& name);

}  // namespace velnor
