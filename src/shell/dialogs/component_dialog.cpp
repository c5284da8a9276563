#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QVBoxLayout>

#include <array>

#include "geometry/component_values.h"
#include "model/document.h"
#include "model/page.h"
#include "shell/dialogs/command_dialogs.h"
#include "shell/dialogs/values_dialog.h"

namespace velnor {

namespace {

using Fields3 = std::array<QLineEdit*, 3>;

QStringList KindNames() {
    QStringList names;
    for (const char* entry : ComponentKindEntries()) {
        names << QString::fromUtf8(entry);
    }
    return names;
}

QStringList ComponentNames(const CPlomDoc& doc) {
    QStringList names;
    for (int number = 1; number <= doc.m_nComponentCount; ++number) {
        names << QString::fromStdString(doc.m_componentNames[number]);
    }
    return names;
}

std::vector<double> Doubles(const Float3& v) {
    return {v[0], v[1], v[2]};
}

std::vector<double> Doubles(const Plane& p) {
    return {p[0], p[1], p[2], p[3]};
}

// A group of three named fields, remembered so that choosing a kind can refill them.
QGroupBox* VectorGroup(ValuesDialog& dialog, const QString& title,
                       const std::vector<std::string>& names, const Float3& value,
                       Fields3& fields) {
    auto* group = new QGroupBox(title, &dialog);
    auto* layout = new QHBoxLayout(group);
    layout->addWidget(dialog.AddVector(names, Doubles(value)));
    for (size_t i = 0; i < fields.size(); ++i) {
        fields[i] = dialog.findChild<QLineEdit*>(QString::fromStdString(names[i]));
    }
    return group;
}

void ReadFields(const Fields3& fields, Float3& value) {
    for (size_t i = 0; i < fields.size(); ++i) {
        bool ok = false;
        const double number = QLocale::c().toDouble(fields[i]->text().trimmed(), &ok);
        if (ok) {
            value[i] = static_cast<float>(number);
        }
    }
}

void ShowFields(const Fields3& fields, const Float3& value) {
    for (size_t i = 0; i < fields.size(); ++i) {
        fields[i]->setText(QString::number(value[i], 'g', 7));
    }
}

// The 组件 dialog in either mode: new (button 新建, choosing a kind puts in its usual size and
// place) or modify (button 应用, choosing a kind only shows its own controls).
bool AskComponent(const DialogContext& context, CommandParams& values, ComponentValues state,
                  bool creating) {
    ValuesDialog dialog(QStringLiteral("组件"), QStringLiteral("componentDialog"), context.parent);
    auto* kinds = new QFormLayout;
    QComboBox* kind = dialog.AddChoice("kind", KindNames(), state.kind);
    kind->setMaxVisibleItems(27);
    kinds->addRow(QStringLiteral("组件类型"), kind);
    QComboBox* page =
        dialog.AddChoice("component", ComponentNames(context.doc), state.pageComponent, 1);
    auto* pageLabel = new QLabel(QStringLiteral("组件页:"), &dialog);
    kinds->addRow(pageLabel, page);
    dialog.Layout().addLayout(kinds);

    Fields3 centre{};
    Fields3 axis{};
    Fields3 scale{};
    dialog.Layout().addWidget(
        VectorGroup(dialog, QStringLiteral("中心"), {"x", "y", "z"}, state.centre, centre));
    dialog.Layout().addWidget(
        VectorGroup(dialog, QStringLiteral("Z轴方向"), {"ax", "ay", "az"}, state.axis, axis));
    dialog.Layout().addWidget(
        VectorGroup(dialog, QStringLiteral("尺度"), {"sx", "sy", "sz"}, state.scale, scale));

    auto* more = new QFormLayout;
    more->addRow(QStringLiteral("转    角:"), dialog.AddNumber("spin", state.spin));
    QLineEdit* ratio = dialog.AddNumber("ratio", state.ratio);
    auto* ratioLabel = new QLabel(QStringLiteral("圆台上下底之比："), &dialog);
    more->addRow(ratioLabel, ratio);
    dialog.Layout().addLayout(more);

    auto* clipping = new QGridLayout;
    QCheckBox* clip = dialog.AddFlag("clip", QStringLiteral("裁 剪"), state.clip);
    QCheckBox* plane1 = dialog.AddFlag("plane1", QStringLiteral("1# 面"), state.clipPlane1On);
    QWidget* plane1Fields = dialog.AddPlane({"a1", "b1", "c1", "d1"}, Doubles(state.clipPlane1));
    QCheckBox* plane2 = dialog.AddFlag("plane2", QStringLiteral("2# 面"), state.clipPlane2On);
    QWidget* plane2Fields = dialog.AddPlane({"a2", "b2", "c2", "d2"}, Doubles(state.clipPlane2));
    clipping->addWidget(clip, 0, 0);
    clipping->addWidget(plane1, 1, 0);
    clipping->addWidget(plane1Fields, 1, 1);
    clipping->addWidget(plane2, 2, 0);
    clipping->addWidget(plane2Fields, 2, 1);
    dialog.Layout().addLayout(clipping);

    const auto showClipping = [=] {
        for (QWidget* row : {static_cast<QWidget*>(plane1), plane1Fields,
                             static_cast<QWidget*>(plane2), plane2Fields}) {
            row->setVisible(clip->isChecked());
        }
        plane1Fields->setEnabled(plane1->isChecked());
        plane2Fields->setEnabled(plane2->isChecked());
    };
    const auto showKind = [=](const ComponentValues& shown) {
        page->setVisible(shown.showsPageComponent);
        pageLabel->setVisible(shown.showsPageComponent);
        ratio->setVisible(shown.showsRatio);
        ratioLabel->setVisible(shown.showsRatio);
    };
    showClipping();
    showKind(state);
    for (QCheckBox* box : {clip, plane1, plane2}) {
        QObject::connect(box, &QCheckBox::toggled, &dialog, showClipping);
    }
    QObject::connect(kind, &QComboBox::currentIndexChanged, &dialog, [&, creating](int chosen) {
        if (!creating) {
            ChooseKindForModify(state, chosen);
        } else {
            ReadFields(centre, state.centre);
            ReadFields(axis, state.axis);
            ChooseKindForNew(state, chosen);
            ShowFields(centre, state.centre);
            ShowFields(axis, state.axis);
            ShowFields(scale, state.scale);
        }
        showKind(state);
    });
    return RunValuesDialog(dialog, context, values,
                           creating ? QStringLiteral("新建") : QStringLiteral("应用"));
}

}  // namespace

bool AskNewComponent(const DialogContext& context, CommandParams& values) {
    return AskComponent(
        context, values,
        NewComponentValues(context.doc.CurrentPage(), context.doc.m_nComponentCount), true);
}

bool AskComponentChange(const DialogContext& context, CommandParams& values) {
    const CGpage& page = context.doc.CurrentPage();
    const auto found = page.m_solids.find(static_cast<uint16_t>(page.m_selSolids.front()));
    if (found == page.m_solids.end()) {
        return false;
    }
    return AskComponent(context, values, ComponentValuesOf(*found->second), false);
}

}  // namespace velnor
