#pragma once

#include <QWidget>

#include <array>

#include "expr/calculator.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QVBoxLayout;

namespace velnor {

class CGlModel;
class CPlomDoc;
class CPlomView;

// The 设置 tab of the manager: display switches, choices, preset effects, the buttons that open
// the colour, light, material and title dialogs, and the formula calculator. Every control acts at
// once: the settings change, the view redraws and the document is marked modified, since the
// settings are saved with it. The program's own preferences below them are not part of it.
class CGlSetDlg : public QWidget {
    Q_OBJECT

public:
    CGlSetDlg(CGlModel& settings, CPlomDoc& doc, CPlomView& view, QWidget* parent = nullptr);

    // The controls follow the settings after a preset or a loaded document changed them.
    void SyncFromSettings();
    // One of the presets (1 线框 ... 5 迷彩), as its button and F4 apply it.
    void ApplyPreset(int preset);
    // Preferences of the program rather than the document, shown below the calculator.
    void AddProgramGroup(QWidget* group);

    const CCalculator& Calculator() const { return m_calculator; }
    QLineEdit* ResultField() const { return m_result; }
    QLineEdit* FormulaField() const { return m_formula; }
    QCheckBox* SwitchBox(int index) const { return m_switches[static_cast<size_t>(index)]; }

private:
    QWidget* MakeSwitches();
    QWidget* MakeChoices();
    QWidget* MakeButtons();
    QWidget* MakePresets();
    QWidget* MakeCalculator();
    void OnSwitch(int index, bool on);
    void OnLineKind(int kind);
    void OnTexture(int texture);
    // The settings changed: apply them, redraw and mark the document modified.
    void Changed();
    void ShowResult();

    CGlModel& m_settings;
    CPlomDoc& m_doc;
    CPlomView& m_view;
    CCalculator m_calculator;
    QVBoxLayout* m_column = nullptr;
    std::array<QCheckBox*, 8> m_switches{};
    QComboBox* m_lineKind = nullptr;
    QComboBox* m_lineWidth = nullptr;
    QComboBox* m_fill = nullptr;
    QComboBox* m_texture = nullptr;
    QLineEdit* m_x = nullptr;
    QLineEdit* m_y = nullptr;
    QLineEdit* m_formula = nullptr;
    QLineEdit* m_result = nullptr;
    bool m_bSyncing = false;
};

}  // namespace velnor
