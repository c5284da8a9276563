#include "shell/params_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace velnor {

namespace {

// Labels for the values many dialogs share; the others show their own names.
const std::map<std::string, const char*>& KnownLabels() {
    static const std::map<std::string, const char*> labels = {
        {"angle", "角度"},
        {"caption", "按钮标题"},
        {"letter", "起始字母"},
        {"suffix", "下标"},
        {"r", "红"},
        {"g", "绿"},
        {"b", "蓝"},
        {"lat", "纬度"},
        {"lon", "经度"},
        {"label", "标签"},
        {"shown", "显示"},
        {"twoway", "往返"},
        {"parallel", "纬线"},
        {"meridian", "经线"},
        {"point", "点"},
        {"kind", "类型"},
        {"type", "类型"},
        {"spin", "自转"},
        {"text", "文本"},
        {"scheme", "显示方案"},
        {"clip", "剪切面"},
    };
    return labels;
}

}  // namespace

QString ParamLabel(const std::string& name) {
    const auto found = KnownLabels().find(name);
    const QString plain = QString::fromStdString(name);
    if (found == KnownLabels().end()) {
        return plain + QStringLiteral(":");
    }
    return QString::fromUtf8(found->second) + QStringLiteral(" (") + plain + QStringLiteral("):");
}

ParamsDialog::ParamsDialog(const CommandEntry& entry, const CommandParams& previous,
                           QWidget* parent)
    : QDialog(parent) {
    QString title = QString::fromStdString(entry.text);
    title.remove(QStringLiteral("..."));
    setWindowTitle(title);
    auto* form = new QFormLayout(this);
    for (const std::string& name : entry.params) {
        auto* field = new QLineEdit(this);
        if (previous.Has(name)) {
            field->setText(QString::fromStdString(previous.Text(name, "")));
        }
        field->setObjectName(QString::fromStdString(name));
        form->addRow(ParamLabel(name), field);
        m_fields[name] = field;
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

CommandParams ParamsDialog::Values() const {
    CommandParams values;
    for (const auto& [name, field] : m_fields) {
        const QString text = field->text().trimmed();
        if (!text.isEmpty()) {
            values.Set(name, text.toStdString());
        }
    }
    return values;
}

void ParamsDialog::SetValue(const std::string& name, const QString& value) {
    const auto found = m_fields.find(name);
    if (found != m_fields.end()) {
        found->second->setText(value);
    }
}

}  // namespace velnor
