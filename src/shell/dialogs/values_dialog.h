#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "commands/command_params.h"
#include "model/color.h"

class QFormLayout;
class QVBoxLayout;

namespace velnor {

// A command's dialog: its fields carry the names of the values scripts use ("L", "x", "twoway"),
// show the current value or the default, and on OK become the command's values. A field that
// does not read as a number, or values the command's own check refuses, keep the dialog open
// with the reason in Chinese.
class ValuesDialog : public QDialog {
    Q_OBJECT

public:
    using Check = std::function<std::string(const CommandParams&)>;

    ValuesDialog(const QString& title, const QString& objectName, QWidget* parent);

    // The dialog's rows, top to bottom; the form comes first.
    QVBoxLayout& Layout() { return *m_layout; }
    QFormLayout& Form() { return *m_form; }

    void SetCheck(Check check) { m_check = std::move(check); }
    const CommandParams& Values() const { return m_values; }

    QLineEdit* AddNumber(const std::string& name, double value);
    QLineEdit* AddInteger(const std::string& name, int value);
    QLineEdit* AddText(const std::string& name, const QString& value);
    QCheckBox* AddFlag(const std::string& name, const QString& label, bool value);
    // The value is the index of the chosen item plus `base`.
    QComboBox* AddChoice(const std::string& name, const QStringList& items, int index,
                         int base = 0);
    // A list box whose value is the index of the chosen row.
    QListWidget* AddList(const std::string& name, const QStringList& items, int row);
    // A colour shown on a button that opens the colour picker; gives "r", "g" and "b".
    QPushButton* AddColour(const Rgb& colour);

    // Three number fields side by side, named by `names`.
    QWidget* AddVector(const std::vector<std::string>& names, const std::vector<double>& values);
    // a "x+" b "y+" c "z+" d ">0", the way a plane is written.
    QWidget* AddPlane(const std::vector<std::string>& names, const std::vector<double>& values);

    // The OK and Cancel buttons at the end, with the dialog's own texts; added last, so that Tab
    // reaches them last.
    void AddButtons(const QString& okText, const QString& cancelText);

    void accept() override;

private:
    enum class Kind { kNumber, kInteger, kText, kFlag, kChoice };
    struct Field {
        std::string name;
        QWidget* widget;
        Kind kind;
        double initial;  // what an unchanged number field gives back, without rounding
        int base = 0;    // what the first item of a choice stands for
    };

    QWidget* AddField(const std::string& name, QWidget* widget, Kind kind, double initial);
    bool Collect(CommandParams& values) const;
    bool CollectNumber(const Field& field, CommandParams& values) const;
    void Refuse(QWidget* widget, const std::string& reason) const;

    QVBoxLayout* m_layout;
    QFormLayout* m_form;
    std::vector<Field> m_fields;
    QPushButton* m_colour = nullptr;
    Rgb m_rgb;
    Check m_check;
    CommandParams m_values;
};

}  // namespace velnor
