#include "shell/colour_dialog.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "model/gl_model.h"
#include "shell/rgb_colour.h"

namespace velnor {

namespace {

struct ColourField {
    const char* text;
    Rgb CGlModel::*field;
};

constexpr std::array<ColourField, 8> kFields = {{
    {"背景颜色", &CGlModel::m_bgColor},
    {"线条颜色", &CGlModel::m_lineColor},
    {"填充颜色", &CGlModel::m_fillColor},
    {"标签颜色", &CGlModel::m_labelColor},
    {"组件颜色", &CGlModel::m_componentColor},
    {"选件颜色", &CGlModel::m_selectColor},
    {"新点颜色", &CGlModel::m_newPointColor},
    {"文本颜色", &CGlModel::m_textColor},
}};

}  // namespace

CGLCOLORDLG::CGLCOLORDLG(CGlModel& settings, std::function<void()> applied, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_applied(std::move(applied)) {
    setWindowTitle(QStringLiteral("配色"));
    auto* grid = new QGridLayout(this);
    for (size_t i = 0; i < kFields.size(); ++i) {
        m_colours[i] = m_settings.*(kFields[i].field);
        const int row = static_cast<int>(i);
        grid->addWidget(new QLabel(QString::fromUtf8(kFields[i].text), this), row, 0);
        auto* button = new QPushButton(this);
        button->setFixedSize(48, 22);
        connect(button, &QPushButton::clicked, this, [this, i] {
            const QColor chosen = QColorDialog::getColor(ToQColor(m_colours[i]), this);
            if (chosen.isValid()) {
                m_colours[i] = ToRgb(chosen);
                ShowColours();
            }
        });
        grid->addWidget(button, row, 1);
        m_buttons[i] = button;
    }
    const auto addButton = [&](const char* text, int column, void (CGLCOLORDLG::*action)()) {
        auto* button = new QPushButton(QString::fromUtf8(text), this);
        connect(button, &QPushButton::clicked, this, action);
        grid->addWidget(button, column / 2, 2 + column % 2);
    };
    addButton("应用", 0, &CGLCOLORDLG::Apply);
    addButton("黑白", 1, &CGLCOLORDLG::BlackAndWhite);
    addButton("默认", 2, &CGLCOLORDLG::Defaults);
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    grid->addWidget(close, 1, 3);
    ShowColours();
}

void CGLCOLORDLG::ShowColours() {
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i]->setStyleSheet(SwatchStyle(m_colours[i]));
    }
}

void CGLCOLORDLG::Apply() {
    for (size_t i = 0; i < kFields.size(); ++i) {
        m_settings.*(kFields[i].field) = m_colours[i];
    }
    m_applied();
}

void CGLCOLORDLG::BlackAndWhite() {
    m_colours.fill(Rgb{0, 0, 0});
    m_colours[0] = {255, 255, 255};
    m_colours[5] = {0, 0, 255};
    ShowColours();
    Apply();
}

void CGLCOLORDLG::Defaults() {
    const CGlModel initial;
    for (size_t i = 0; i < kFields.size(); ++i) {
        m_colours[i] = initial.*(kFields[i].field);
    }
    ShowColours();
    Apply();
}

}  // namespace velnor
