#include "shell/settings_bar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cmath>

#include "model/document.h"
#include "model/gl_model.h"
#include "model/material_table.h"
#include "shell/colour_dialog.h"
#include "shell/rgba_sheets.h"
#include "shell/title_dialog.h"
#include "view/plom_view.h"

namespace velnor {

namespace {

struct Switch {
    const char* text;
    uint8_t CGlModel::*field;
};

// In the order the group shows them.
constexpr std::array<Switch, 8> kSwitches = {{
    {"彩色线条", &CGlModel::m_bColorLines},
    {"色彩平滑", &CGlModel::m_bSmoothColors},
    {"打开灯光", &CGlModel::m_bLighting},
    {"辅助光源", &CGlModel::m_bExtraLights},
    {"纹理贴图", &CGlModel::m_bTexturing},
    {"颜色材质", &CGlModel::m_bColorMaterial},
    {"远近融合", &CGlModel::m_bBlending},
    {"光滑线条", &CGlModel::m_bSmoothLines},
}};
constexpr int kColorLinesSwitch = 0;
constexpr int kSmoothColorsSwitch = 1;
constexpr int kTexturingSwitch = 4;

struct Preset {
    const char* text;
    int number;
};

constexpr std::array<Preset, 5> kPresets = {{
    {"线框", 1},
    {"贴图", 2},
    {"水晶", 3},
    {"粉红", 4},
    {"迷彩", 5},
}};

QComboBox* Combo(QWidget* parent, const QStringList& items) {
    auto* combo = new QComboBox(parent);
    combo->addItems(items);
    return combo;
}

int LineWidthItem(float width) {
    return std::clamp(static_cast<int>(std::lround(width * 2.0f)) - 1, 0, 9);
}

}  // namespace

CGlSetDlg::CGlSetDlg(CGlModel& settings, CPlomDoc& doc, CPlomView& view, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_doc(doc), m_view(view) {
    m_column = new QVBoxLayout(this);
    m_column->addWidget(MakeSwitches());
    m_column->addWidget(MakeChoices());
    m_column->addWidget(MakeButtons());
    m_column->addWidget(MakePresets());
    m_column->addWidget(MakeCalculator());
    m_column->addStretch();
    SyncFromSettings();
}

void CGlSetDlg::AddProgramGroup(QWidget* group) {
    m_column->insertWidget(m_column->count() - 1, group);
}

QWidget* CGlSetDlg::MakeSwitches() {
    auto* group = new QGroupBox(QStringLiteral("开关"), this);
    auto* grid = new QGridLayout(group);
    for (size_t i = 0; i < kSwitches.size(); ++i) {
        auto* box = new QCheckBox(QString::fromUtf8(kSwitches[i].text), group);
        const int index = static_cast<int>(i);
        connect(box, &QCheckBox::toggled, this, [this, index](bool on) { OnSwitch(index, on); });
        grid->addWidget(box, index / 2, index % 2);
        m_switches[i] = box;
    }
    return group;
}

QWidget* CGlSetDlg::MakeChoices() {
    auto* group = new QGroupBox(QStringLiteral("选择"), this);
    auto* form = new QFormLayout(group);
    m_lineKind = Combo(group, {"线段", "射线", "直线", "向量"});
    connect(m_lineKind, &QComboBox::activated, this, &CGlSetDlg::OnLineKind);
    form->addRow(QStringLiteral("线型"), m_lineKind);

    QStringList widths;
    for (int i = 1; i <= 10; ++i) {
        widths << QString::number(i * 0.5, 'f', 1);
    }
    m_lineWidth = Combo(group, widths);
    connect(m_lineWidth, &QComboBox::activated, this, [this](int item) {
        m_settings.m_fLineWidth = static_cast<float>(item + 1) * 0.5f;
        Changed();
    });
    form->addRow(QStringLiteral("线宽"), m_lineWidth);

    auto* dashes = Combo(group, {"虚线1", "虚线2", "点划线", "点线"});
    connect(dashes, &QComboBox::activated, &m_view, &CPlomView::SetLineStipple);
    form->addRow(QStringLiteral("虚线"), dashes);

    m_fill = Combo(group, {"色彩", "斜线", "图案"});
    connect(m_fill, &QComboBox::activated, this, [this](int item) {
        m_settings.m_nFillStipple = item;
        Changed();
    });
    form->addRow(QStringLiteral("填充"), m_fill);

    QStringList materials;
    for (const NamedMaterial& material : MaterialTable()) {
        materials << QString::fromUtf8(material.name);
    }
    auto* material = Combo(group, materials);
    connect(material, &QComboBox::activated, this, [this](int item) {
        m_settings.m_material = MaterialTable()[static_cast<size_t>(item)].material;
        Changed();
    });
    form->addRow(QStringLiteral("材质"), material);

    m_texture = Combo(group, {"图1", "图2", "图3"});
    connect(m_texture, &QComboBox::activated, this, &CGlSetDlg::OnTexture);
    form->addRow(QStringLiteral("贴图"), m_texture);
    return group;
}

QWidget* CGlSetDlg::MakeButtons() {
    auto* group = new QGroupBox(QStringLiteral("设置"), this);
    auto* grid = new QGridLayout(group);
    const auto add = [&](const char* text, int at, auto open) {
        auto* button = new QPushButton(QString::fromUtf8(text), group);
        connect(button, &QPushButton::clicked, this, open);
        grid->addWidget(button, at / 2, at % 2);
    };
    const auto afterDialog = [this] {
        SyncFromSettings();
        Changed();
    };
    add("配色", 0, [this, afterDialog] {
        CGLCOLORDLG dialog(m_settings, afterDialog, this);
        dialog.exec();
    });
    add("灯光", 1, [this, afterDialog] {
        if (RunLightEditor(m_settings, afterDialog, this)) {
            afterDialog();
        }
    });
    add("材质", 2, [this, afterDialog] {
        if (RunMatEditor(m_settings, afterDialog, this)) {
            afterDialog();
        }
    });
    add("文字", 3, [this] {
        if (RunTitleDialog(m_settings, this)) {
            m_view.RebuildTitle();
            m_doc.SetModifiedFlag();
        }
    });
    return group;
}

QWidget* CGlSetDlg::MakePresets() {
    auto* group = new QGroupBox(QStringLiteral("预设"), this);
    auto* grid = new QGridLayout(group);
    for (size_t i = 0; i < kPresets.size(); ++i) {
        auto* button = new QPushButton(QString::fromUtf8(kPresets[i].text), group);
        const int number = kPresets[i].number;
        connect(button, &QPushButton::clicked, this, [this, number] { ApplyPreset(number); });
        grid->addWidget(button, static_cast<int>(i) / 3, static_cast<int>(i) % 3);
    }
    return group;
}

QWidget* CGlSetDlg::MakeCalculator() {
    auto* group = new QGroupBox(QStringLiteral("计算"), this);
    auto* form = new QFormLayout(group);
    m_x = new QLineEdit(FormatCalculatorValue(m_calculator.X()).c_str(), group);
    m_y = new QLineEdit(FormatCalculatorValue(m_calculator.Y()).c_str(), group);
    m_formula = new QLineEdit(QString::fromStdString(m_calculator.Formula()), group);
    m_result = new QLineEdit(group);
    m_result->setReadOnly(true);
    form->addRow(QStringLiteral("f(x,y)="), m_formula);
    form->addRow(QStringLiteral("x="), m_x);
    form->addRow(QStringLiteral("y="), m_y);
    form->addRow(QStringLiteral("="), m_result);
    connect(m_formula, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_calculator.SetFormula(text.toStdString());
        ShowResult();
    });
    // A value counts when its field is left; a value that is not a number is taken as 0, as the
    // field's number conversion does.
    connect(m_x, &QLineEdit::editingFinished, this, [this] {
        m_calculator.SetX(m_x->text().trimmed().toDouble());
        ShowResult();
    });
    connect(m_y, &QLineEdit::editingFinished, this, [this] {
        m_calculator.SetY(m_y->text().trimmed().toDouble());
        ShowResult();
    });
    ShowResult();
    return group;
}

void CGlSetDlg::ShowResult() {
    m_result->setText(QString::fromStdString(m_calculator.Result()));
}

void CGlSetDlg::SyncFromSettings() {
    m_bSyncing = true;
    for (size_t i = 0; i < kSwitches.size(); ++i) {
        const QSignalBlocker blocker(m_switches[i]);
        m_switches[i]->setChecked(m_settings.*(kSwitches[i].field) != 0);
    }
    m_lineKind->setCurrentIndex(m_settings.m_nLineKind);
    m_lineWidth->setCurrentIndex(LineWidthItem(m_settings.m_fLineWidth));
    m_fill->setCurrentIndex(std::clamp(m_settings.m_nFillStipple, 0, 2));
    m_texture->setCurrentIndex(std::clamp(m_settings.m_nTexture, 0, 2));
    m_bSyncing = false;
}

void CGlSetDlg::ApplyPreset(int preset) {
    m_view.ApplyPreset(preset);
    SyncFromSettings();
    m_doc.SetModifiedFlag();
}

void CGlSetDlg::OnSwitch(int index, bool on) {
    if (m_bSyncing) {
        return;
    }
    m_settings.*(kSwitches[static_cast<size_t>(index)].field) = on ? 1 : 0;
    if (index == kSmoothColorsSwitch && on) {
        m_settings.m_bColorLines = 1;
        const QSignalBlocker blocker(m_switches[kColorLinesSwitch]);
        m_switches[kColorLinesSwitch]->setChecked(true);
    }
    Changed();
}

void CGlSetDlg::OnLineKind(int kind) {
    m_settings.m_nLineKind = static_cast<uint8_t>(kind);
    CGpage& page = m_doc.CurrentPage();
    for (const int key : page.m_selLines) {
        const auto found = page.m_lines.find(static_cast<uint16_t>(key));
        if (found != page.m_lines.end()) {
            found->second->m_nKind = static_cast<uint8_t>(kind);
        }
    }
    Changed();
}

void CGlSetDlg::OnTexture(int texture) {
    m_settings.m_nTexture = texture;
    if (!m_settings.m_bTexturing) {
        m_settings.m_bTexturing = 1;
        const QSignalBlocker blocker(m_switches[kTexturingSwitch]);
        m_switches[kTexturingSwitch]->setChecked(true);
    }
    CGpage& page = m_doc.CurrentPage();
    for (const int key : page.m_selSolids) {
        const auto found = page.m_solids.find(static_cast<uint16_t>(key));
        if (found != page.m_solids.end()) {
            found->second->m_nTexture = static_cast<uint32_t>(texture);
        }
    }
    Changed();
}

void CGlSetDlg::Changed() {
    m_view.ApplySettings();
    m_doc.SetModifiedFlag();
    m_doc.Redraw();
}

}  // namespace velnor
