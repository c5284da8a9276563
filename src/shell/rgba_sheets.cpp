#include "shell/rgba_sheets.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>
#include <cmath>
#include <vector>

#include "model/gl_model.h"

namespace velnor {

namespace {

// Three sliders with their edits; a slider move shows its value in the edit, and the values are
// read back from the edits, so a typed value counts too.
class SliderPage : public QWidget {
public:
    struct Scale {
        int range;   // the slider runs 0..range
        int offset;  // value = (slider - offset) / divisor
        double divisor;
        int tick;
        const char* movedFormat;
        const char* openFormat;
    };

    SliderPage(const std::array<const char*, 3>& names, Scale scale, const float* values)
        : m_scale(scale) {
        auto* grid = new QGridLayout(this);
        for (size_t i = 0; i < 3; ++i) {
            const int row = static_cast<int>(i);
            grid->addWidget(new QLabel(QString::fromUtf8(names[i]), this), row, 0);
            auto* slider = new QSlider(Qt::Horizontal, this);
            slider->setRange(0, scale.range);
            slider->setTickInterval(scale.tick);
            slider->setTickPosition(QSlider::TicksBelow);
            slider->setPageStep(100);
            slider->setValue(static_cast<int>(std::lround(values[i] * scale.divisor)) +
                             scale.offset);
            auto* edit = new QLineEdit(QString::asprintf(scale.openFormat, values[i]), this);
            edit->setMaximumWidth(70);
            connect(slider, &QSlider::valueChanged, edit, [this, edit](int position) {
                edit->setText(QString::asprintf(m_scale.movedFormat, Value(position)));
            });
            grid->addWidget(slider, row, 1);
            grid->addWidget(edit, row, 2);
            m_edits[i] = edit;
        }
    }

    void Store(float* values) const {
        for (size_t i = 0; i < 3; ++i) {
            bool ok = false;
            const double value = m_edits[i]->text().trimmed().toDouble(&ok);
            if (ok) {
                values[i] = static_cast<float>(value);
            }
        }
    }

private:
    double Value(int position) const { return (position - m_scale.offset) / m_scale.divisor; }

    Scale m_scale;
    std::array<QLineEdit*, 3> m_edits{};
};

constexpr SliderPage::Scale kColourScale{1000, 0, 1000.0, 100, "%.2f", "%.2f"};
constexpr SliderPage::Scale kPositionScale{2000, 1000, 1.0, 200, "%.2f", "%.1f"};
constexpr std::array<const char*, 3> kColourNames = {"红", "绿", "蓝"};
constexpr std::array<const char*, 3> kPositionNames = {"X", "Y", "Z"};

// A property sheet: its pages, and what storing them does.
bool RunSheet(const QString& title, QTabWidget& tabs, const std::function<void()>& store,
              const std::function<void()>& applied, QWidget* parent) {
    QDialog sheet(parent);
    sheet.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&sheet);
    tabs.setParent(&sheet);
    layout->addWidget(&tabs);
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, &sheet);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    buttons->button(QDialogButtonBox::Apply)->setText(QStringLiteral("应用"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &sheet, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &sheet, &QDialog::reject);
    QObject::connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, &sheet, [&] {
        store();
        applied();
    });
    layout->addWidget(buttons);
    if (sheet.exec() != QDialog::Accepted) {
        return false;
    }
    store();
    return true;
}

}  // namespace

bool RunLightEditor(CGlModel& settings, const std::function<void()>& applied, QWidget* parent) {
    auto* tabs = new QTabWidget;
    auto* ambient = new SliderPage(kColourNames, kColourScale, settings.m_lightAmbient.data());
    auto* diffuse = new SliderPage(kColourNames, kColourScale, settings.m_lightDiffuse.data());
    auto* specular = new SliderPage(kColourNames, kColourScale, settings.m_lightSpecular.data());
    auto* position =
        new SliderPage(kPositionNames, kPositionScale, settings.m_lightPosition.data());
    tabs->addTab(ambient, QStringLiteral("环境光"));
    tabs->addTab(diffuse, QStringLiteral("散射光"));
    tabs->addTab(specular, QStringLiteral("镜面光"));
    tabs->addTab(position, QStringLiteral("光源位置"));
    const auto store = [&] {
        ambient->Store(settings.m_lightAmbient.data());
        diffuse->Store(settings.m_lightDiffuse.data());
        specular->Store(settings.m_lightSpecular.data());
        position->Store(settings.m_lightPosition.data());
    };
    return RunSheet(QStringLiteral("灯光属性"), *tabs, store, applied, parent);
}

bool RunMatEditor(CGlModel& settings, const std::function<void()>& applied, QWidget* parent) {
    Material& material = settings.m_material;
    auto* tabs = new QTabWidget;
    auto* ambient = new SliderPage(kColourNames, kColourScale, material.ambient.data());
    auto* diffuse = new SliderPage(kColourNames, kColourScale, material.diffuse.data());
    auto* specular = new SliderPage(kColourNames, kColourScale, material.specular.data());
    auto* shininessPage = new QWidget;
    auto* shininessLayout = new QVBoxLayout(shininessPage);
    auto* shininess = new QSpinBox(shininessPage);
    shininess->setRange(0, 128);
    shininess->setValue(static_cast<int>(std::lround(material.shininess)));
    shininessLayout->addWidget(shininess);
    shininessLayout->addWidget(
        new QLabel(QStringLiteral("材质的亮度值可以从0到128"), shininessPage));
    shininessLayout->addStretch();
    tabs->addTab(ambient, QStringLiteral("环境光"));
    tabs->addTab(diffuse, QStringLiteral("散射光"));
    tabs->addTab(specular, QStringLiteral("镜面光"));
    tabs->addTab(shininessPage, QStringLiteral("亮度"));
    const auto store = [&] {
        ambient->Store(material.ambient.data());
        diffuse->Store(material.diffuse.data());
        specular->Store(material.specular.data());
        material.shininess = static_cast<float>(shininess->value());
    };
    return RunSheet(QStringLiteral("材质属性"), *tabs, store, applied, parent);
}

}  // namespace velnor
