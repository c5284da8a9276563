#include "shell/dialogs/values_dialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>

#include <cmath>

#include "model/message_seam.h"
#include "shell/rgb_colour.h"

namespace velnor {

namespace {

constexpr int kShownDigits = 7;
constexpr int kStoredDigits = 17;
constexpr int kNumberWidth = 70;

QString ShowNumber(double value) {
    return QString::number(value, 'g', kShownDigits);
}

int ChosenIndex(const QWidget& widget) {
    if (const auto* list = qobject_cast<const QListWidget*>(&widget)) {
        return list->currentRow();
    }
    return static_cast<const QComboBox&>(widget).currentIndex();
}

}  // namespace

ValuesDialog::ValuesDialog(const QString& title, const QString& objectName, QWidget* parent)
    : QDialog(parent), m_layout(new QVBoxLayout(this)), m_form(new QFormLayout) {
    setWindowTitle(title);
    setObjectName(objectName);
    m_layout->addLayout(m_form);
}

QWidget* ValuesDialog::AddField(const std::string& name, QWidget* widget, Kind kind,
                                double initial) {
    widget->setObjectName(QString::fromStdString(name));
    m_fields.push_back({name, widget, kind, initial});
    return widget;
}

QLineEdit* ValuesDialog::AddNumber(const std::string& name, double value) {
    auto* field = new QLineEdit(ShowNumber(value), this);
    auto* validator = new QDoubleValidator(field);
    validator->setLocale(QLocale::c());
    field->setValidator(validator);
    field->setMinimumWidth(kNumberWidth);
    AddField(name, field, Kind::kNumber, value);
    return field;
}

QLineEdit* ValuesDialog::AddInteger(const std::string& name, int value) {
    auto* field = new QLineEdit(QString::number(value), this);
    field->setValidator(new QIntValidator(field));
    field->setMinimumWidth(kNumberWidth);
    AddField(name, field, Kind::kInteger, value);
    return field;
}

QLineEdit* ValuesDialog::AddText(const std::string& name, const QString& value) {
    auto* field = new QLineEdit(value, this);
    AddField(name, field, Kind::kText, 0.0);
    return field;
}

QCheckBox* ValuesDialog::AddFlag(const std::string& name, const QString& label, bool value) {
    auto* box = new QCheckBox(label, this);
    box->setChecked(value);
    AddField(name, box, Kind::kFlag, 0.0);
    return box;
}

QComboBox* ValuesDialog::AddChoice(const std::string& name, const QStringList& items, int index,
                                   int base) {
    auto* combo = new QComboBox(this);
    combo->addItems(items);
    combo->setCurrentIndex(index);
    AddField(name, combo, Kind::kChoice, 0.0);
    m_fields.back().base = base;
    return combo;
}

QListWidget* ValuesDialog::AddList(const std::string& name, const QStringList& items, int row) {
    auto* list = new QListWidget(this);
    list->addItems(items);
    list->setCurrentRow(row);
    AddField(name, list, Kind::kChoice, 0.0);
    return list;
}

QPushButton* ValuesDialog::AddColour(const Rgb& colour) {
    m_rgb = colour;
    m_colour = new QPushButton(this);
    m_colour->setObjectName(QStringLiteral("colour"));
    m_colour->setMinimumWidth(kNumberWidth);
    m_colour->setStyleSheet(SwatchStyle(colour));
    connect(m_colour, &QPushButton::clicked, this, [this] {
        QColorDialog picker(ToQColor(m_rgb), this);
        picker.setObjectName(QStringLiteral("colourPicker"));
        picker.setWindowTitle(QStringLiteral("颜色"));
        picker.setOption(QColorDialog::DontUseNativeDialog);
        if (picker.exec() == QDialog::Accepted) {
            m_rgb = ToRgb(picker.selectedColor());
            m_colour->setStyleSheet(SwatchStyle(m_rgb));
        }
    });
    return m_colour;
}

QWidget* ValuesDialog::AddVector(const std::vector<std::string>& names,
                                 const std::vector<double>& values) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (size_t i = 0; i < names.size(); ++i) {
        layout->addWidget(AddNumber(names[i], values[i]));
    }
    return row;
}

QWidget* ValuesDialog::AddPlane(const std::vector<std::string>& names,
                                const std::vector<double>& values) {
    static const char* const kTerms[] = {"x+", "y+", "z+", ">0"};
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (size_t i = 0; i < names.size(); ++i) {
        layout->addWidget(AddNumber(names[i], values[i]));
        layout->addWidget(new QLabel(QString::fromUtf8(kTerms[i]), row));
    }
    return row;
}

void ValuesDialog::AddButtons(const QString& okText, const QString& cancelText) {
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(okText, QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(cancelText, QDialogButtonBox::RejectRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ValuesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ValuesDialog::reject);
    m_layout->addWidget(buttons);
}

void ValuesDialog::accept() {
    CommandParams values;
    if (!Collect(values)) {
        return;
    }
    if (m_check) {
        if (const std::string refusal = m_check(values); !refusal.empty()) {
            ShowMessage(refusal);
            return;
        }
    }
    m_values = values;
    QDialog::accept();
}

bool ValuesDialog::Collect(CommandParams& values) const {
    for (const Field& field : m_fields) {
        // A field the dialog greys out keeps what the command already has.
        if (!field.widget->isEnabled()) {
            continue;
        }
        switch (field.kind) {
            case Kind::kNumber:
            case Kind::kInteger:
                if (!CollectNumber(field, values)) {
                    return false;
                }
                break;
            case Kind::kText:
                values.Set(field.name, static_cast<QLineEdit*>(field.widget)->text().toStdString());
                break;
            case Kind::kFlag:
                values.Set(field.name,
                           static_cast<QCheckBox*>(field.widget)->isChecked() ? "1" : "0");
                break;
            case Kind::kChoice:
                values.Set(field.name, std::to_string(ChosenIndex(*field.widget) + field.base));
                break;
        }
    }
    if (m_colour != nullptr) {
        values.Set("r", std::to_string(m_rgb.r));
        values.Set("g", std::to_string(m_rgb.g));
        values.Set("b", std::to_string(m_rgb.b));
    }
    return true;
}

bool ValuesDialog::CollectNumber(const Field& field, CommandParams& values) const {
    auto* edit = static_cast<QLineEdit*>(field.widget);
    const QString text = edit->text().trimmed();
    bool ok = false;
    if (field.kind == Kind::kInteger) {
        const int value = QLocale::c().toInt(text, &ok);
        if (!ok) {
            Refuse(edit, "请输入一个整数。");
            return false;
        }
        values.Set(field.name, std::to_string(value));
        return true;
    }
    double value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value)) {
        Refuse(edit, "请输入一个数。");
        return false;
    }
    // An untouched field gives back the value it was opened with, not its rounded display.
    if (text == ShowNumber(field.initial)) {
        value = field.initial;
    }
    values.Set(field.name, QString::number(value, 'g', kStoredDigits).toStdString());
    return true;
}

void ValuesDialog::Refuse(QWidget* widget, const std::string& reason) const {
    ShowMessage(reason);
    widget->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->selectAll();
    }
}

}  // namespace velnor
