#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "commands/command_ids.h"
#include "commands/command_table.h"
#include "commands/script_interpreter.h"
#include "model/bit_text.h"
#include "model/button_cells.h"
#include "model/document.h"
#include "model/gl_model.h"
#include "model/page.h"
#include "shell/command_actions.h"
#include "shell/dialogs/command_dialogs.h"
#include "shell/main_frame.h"
#include "support/recording_messages.h"

namespace velnor {
namespace {

struct TestProfile {
    TestProfile() { QStandardPaths::setTestModeEnabled(true); }
};

template <typename T = QLineEdit>
T* Field(QDialog* dialog, const char* name) {
    T* field = dialog->findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(field, nullptr) << name;
    return field;
}

void Fill(QDialog* dialog, const char* name, const QString& text) {
    Field(dialog, name)->setText(text);
}

void Press(QDialog* dialog, const char* button) {
    Field<QPushButton>(dialog, button)->click();
}

void Shoot(QDialog* dialog, const std::string& name) {
    dialog->grab().save(QString::fromStdString(VELNOR_SCREENSHOT_DIR "/dialog_" + name + ".png"));
}

class CommandDialogsTest : public testing::Test, private TestProfile {
protected:
    CommandDialogsTest() {
        frame.resize(1400, 900);
        frame.show();
        QApplication::processEvents();
    }

    // Script lines build the page the way the menus and the mouse would.
    void Prepare(const std::string& script) {
        std::ostringstream out;
        ScriptInterpreter interpreter(doc, out);
        std::istringstream in(script);
        interpreter.Run(in);
    }

    // Runs the command as its menu item does; `answer` sees the dialog it opens, or null.
    void RunWithDialog(int id, const std::function<void(QDialog*)>& answer) {
        bool answered = false;
        QTimer::singleShot(0, [&] {
            answered = true;
            answer(qobject_cast<QDialog*>(QApplication::activeModalWidget()));
        });
        frame.Actions().Run(id);
        QApplication::processEvents();
        EXPECT_TRUE(answered);
    }

    CGpage& Page() { return doc.CurrentPage(); }

    CMainFrame frame;
    CPlomDoc& doc = frame.Document();
    test::RecordingMessages messages;
};

TEST(CommandDialogs, EveryCommandThatAsksFirstHasItsOwnDialog) {
    for (const CommandEntry& entry : CommandTable()) {
        if (entry.owner == CommandOwner::kDocument && entry.dialogFirst) {
            EXPECT_TRUE(HasValuesDialog(entry.id)) << entry.text;
        }
    }
}

// Every dialog opens under its title with the current value or the default in its fields, and
// is saved as a picture for a person to look at.
struct OpenCase {
    const char* name;
    const char* setup;
    int command;
    const char* title;
    const char* field;
    const char* shown;
};

const OpenCase kOpenCases[] = {
    {"figure_set", "", cmd::kFigureSet, "创建图元集", "L", "12"},
    {"component_new", "point 1 2 3\n", cmd::kComponent, "组件", "x", "1"},
    {"ratio", "point 0 0 0\npoint 3 0 0\nline 0 1\nselect none\nselect lines 1\n", cmd::kRatioPoint,
     "输入定比", "line", "AB..."},
    {"latitude_longitude", "图元集 type=10 r=5\nselect solids 1\n", cmd::kLatitudeLongitude,
     "添加球上的点、经线、纬线", "lon", "-120"},
    {"solid_array", "组件 kind=0\nselect solids 1\n", cmd::kSolidArray, "组件阵列", "dz", "3"},
    {"section_animation", "point 0 0 0\npoint 1 0 0\npoint 0 1 0\n", cmd::kSectionAnimation,
     "截面动画", "count", "5"},
    {"translation", "", cmd::kDefineTranslation, "平移", "x", "10"},
    {"rotation_axis", "", cmd::kDefineRotationAxis, "点变换 旋转轴定义", "dy", "1"},
    {"rotation_angle", "", cmd::kDefineRotationAngle, "旋转角", "angle", "90"},
    {"scale", "", cmd::kDefineScale, "定义缩放比", "sz", "0.5"},
    {"relabel", "point 0 0 0\n", cmd::kRelabel, "批量修改标签", "letter", "A"},
    {"point", "point 1 0.33333334 3\n", cmd::kProperties, "点属性", "y", "0.3333333"},
    {"page", "", cmd::kProperties, "页属性", "c", "1"},
    {"component_change", "组件 kind=6\nselect solids 1\n", cmd::kProperties, "组件", "sz", "18.84"},
    {"show_button", "point 0 0 0\n33191\nselect none\nselect buttons 3024\n", cmd::kProperties,
     "隐藏显示按钮属性定义", "caption", "隐藏"},
    {"translate_button", "point 0 0 0\n33193\nselect none\nselect buttons 3024\n", cmd::kProperties,
     "平移按钮属性定义", "x", "10"},
    {"rotate_button", "point 0 0 0\n33196\nselect none\nselect buttons 3024\n", cmd::kProperties,
     "旋转按钮属性定义", "angle", "90"},
    {"series_button",
     "point 0 0 0\n33191\n33193\nselect none\nselect buttons 3024 3025\n33198\nselect none\n"
     "select buttons 3026\n",
     cmd::kProperties, "系列按钮属性定义", "caption", "并行"},
};

TEST_F(CommandDialogsTest, EachDialogOpensUnderItsTitleWithItsCurrentValues) {
    for (const OpenCase& c : kOpenCases) {
        SCOPED_TRACE(c.name);
        doc.OnNewDocument();
        Prepare(c.setup);
        RunWithDialog(c.command, [&](QDialog* dialog) {
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(c.title));
            EXPECT_FALSE(dialog->objectName().isEmpty());
            EXPECT_EQ(Field(dialog, c.field)->text(), QString::fromUtf8(c.shown));
            Shoot(dialog, c.name);
            dialog->reject();
        });
    }
}

// A value the command cannot take keeps the dialog open with the reason; Cancel then leaves the
// document as it was.
struct RefusalCase {
    const char* setup;
    int command;
    const char* field;
    const char* value;
    const char* message;
};

const RefusalCase kRefusals[] = {
    {"", cmd::kFigureSet, "L", "200", "请输入一个介于 0.1 和 100 之间的数。"},
    {"", cmd::kFigureSet, "X", "abc", "请输入一个数。"},
    {"组件 kind=0\nselect solids 1\n", cmd::kSolidArray, "ny", "11",
     "请输入一个介于 1 和 10 之间的整数。"},
    {"point 0 0 0\npoint 3 0 0\nline 0 1\nselect none\nselect lines 1\n", cmd::kRatioPoint, "n",
     "0", "比值不能为-1,分母不能为0!"},
    {"point 0 0 0\npoint 3 0 0\nline 0 1\nselect none\nselect lines 1\n", cmd::kRatioPoint, "m",
     "-1", "比值不能为-1,分母不能为0!"},
    {"图元集 type=10 r=5\nselect solids 1\n", cmd::kLatitudeLongitude, "lat", "91",
     "请输入一个介于 -90 和 90 之间的数。"},
    {"point 0 0 0\npoint 1 0 0\npoint 0 1 0\n", cmd::kSectionAnimation, "spacing", "0",
     "平面间距不能为0"},
    {"point 0 0 0\npoint 1 0 0\npoint 0 1 0\n", cmd::kSectionAnimation, "count", "1",
     "请输入一个介于 2 和 30 之间的整数。"},
    {"point 0 0 0\n", cmd::kRelabel, "letter", "", "起始字母须是一个半角字母或数字。"},
    {"point 0 0 0\n", cmd::kRelabel, "suffix", "下", "下标只能由半角字母或数字组成。"},
    {"point 0 0 0\n", cmd::kProperties, "x", "", "请输入一个数。"},
};

TEST_F(CommandDialogsTest, RefusedValuesKeepTheDialogOpenAndChangeNothing) {
    for (const RefusalCase& c : kRefusals) {
        SCOPED_TRACE(std::string(c.field) + "=" + c.value);
        doc.OnNewDocument();
        Prepare(c.setup);
        const int vertices = Page().m_nVertexCount;
        const size_t solids = Page().m_solids.size();
        const std::string label = vertices > 0 ? Page().m_label[0] : "";
        messages.texts.clear();
        RunWithDialog(c.command, [&](QDialog* dialog) {
            ASSERT_NE(dialog, nullptr);
            Fill(dialog, c.field, QString::fromUtf8(c.value));
            Press(dialog, "ok");
            EXPECT_TRUE(dialog->isVisible());
            dialog->reject();
        });
        EXPECT_EQ(messages.texts, std::vector<std::string>{c.message});
        EXPECT_EQ(Page().m_nVertexCount, vertices);
        EXPECT_EQ(Page().m_solids.size(), solids);
        EXPECT_EQ(vertices > 0 ? Page().m_label[0] : "", label);
    }
}

// The names of the fields that Tab visits, in order, from the first one.
QStringList TabOrder(QDialog* dialog) {
    QStringList names;
    QWidget* first = dialog->nextInFocusChain();
    for (QWidget* w = first; w != dialog; w = w->nextInFocusChain()) {
        if (w->isVisibleTo(dialog) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            !w->objectName().isEmpty() && !w->objectName().startsWith("qt_")) {
            names << w->objectName();
        }
    }
    return names;
}

struct TabCase {
    const char* setup;
    int command;
    QStringList order;
};

TEST_F(CommandDialogsTest, TabFollowsTheLayout) {
    const TabCase cases[] = {
        {"", cmd::kFigureSet, {"type", "L", "X", "Y", "Z", "ok", "cancel"}},
        {"",
         cmd::kComponent,
         {"kind", "x", "y", "z", "ax", "ay", "az", "sx", "sy", "sz", "spin", "clip", "ok",
          "cancel"}},
        {"point 0 0 0\n",
         cmd::kProperties,
         {"label", "shown", "x", "y", "z", "colour", "ok", "cancel"}},
        {"point 0 0 0\npoint 3 0 0\nline 0 1\nselect none\nselect lines 1\n",
         cmd::kRatioPoint,
         {"m", "n", "ok", "cancel"}},
    };
    for (const TabCase& c : cases) {
        SCOPED_TRACE(c.command);
        doc.OnNewDocument();
        Prepare(c.setup);
        RunWithDialog(c.command, [&](QDialog* dialog) {
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(TabOrder(dialog), c.order);
            dialog->reject();
        });
    }
}

TEST_F(CommandDialogsTest, FigureTypeSetsItsFieldsAndOkBuildsTheFigure) {
    RunWithDialog(cmd::kFigureSet, [&](QDialog* dialog) {
        ASSERT_NE(dialog, nullptr);
        auto* types = Field<QListWidget>(dialog, "type");
        ASSERT_EQ(types->count(), 14);
        EXPECT_EQ(types->item(0)->text(), "正方体");
        EXPECT_EQ(types->item(13)->text(), "圆台");
        EXPECT_TRUE(Field(dialog, "L")->isEnabled());
        EXPECT_FALSE(Field(dialog, "r")->isEnabled());
        types->setCurrentRow(11);
        EXPECT_EQ(Field(dialog, "r")->text(), "5");
        EXPECT_EQ(Field(dialog, "Z")->text(), "-5");
        EXPECT_FALSE(Field(dialog, "L")->isEnabled());
        EXPECT_TRUE(Field(dialog, "H")->isEnabled());
        types->setCurrentRow(0);
        EXPECT_EQ(Field(dialog, "r")->text(), "8");
        EXPECT_EQ(Field(dialog, "Z")->text(), "0");
        Fill(dialog, "L", "4");
        Press(dialog, "ok");
    });
    ASSERT_EQ(Page().m_nVertexCount, 8);
    EXPECT_EQ(Page().m_label[6], "A");
    EXPECT_EQ(Page().m_pos[6], (Float3{-2.0f, -2.0f, -2.0f}));
}

TEST_F(CommandDialogsTest, ComponentKindsBringTheirSizesAndControls) {
    RunWithDialog(cmd::kComponent, [&](QDialog* dialog) {
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(Field<QPushButton>(dialog, "ok")->text(), "新建");
        auto* kind = Field<QComboBox>(dialog, "kind");
        EXPECT_EQ(kind->currentIndex(), 10);
        EXPECT_EQ(kind->count(), 27);
        EXPECT_EQ(Field(dialog, "ay")->text(), "-1");
        EXPECT_TRUE(Field(dialog, "ratio")->isHidden());
        kind->setCurrentIndex(6);
        EXPECT_EQ(Field(dialog, "sz")->text(), "18.84");
        EXPECT_EQ(Field(dialog, "z")->text(), "-9.42");
        EXPECT_EQ(Field(dialog, "az")->text(), "1");
        kind->setCurrentIndex(23);
        EXPECT_FALSE(Field(dialog, "ratio")->isHidden());
        EXPECT_TRUE(Field<QComboBox>(dialog, "component")->isHidden());
        kind->setCurrentIndex(26);
        EXPECT_FALSE(Field<QComboBox>(dialog, "component")->isHidden());
        EXPECT_TRUE(Field<QCheckBox>(dialog, "plane1")->isHidden());
        Field<QCheckBox>(dialog, "clip")->setChecked(true);
        EXPECT_FALSE(Field<QCheckBox>(dialog, "plane1")->isHidden());
        EXPECT_FALSE(Field(dialog, "a1")->isEnabled());
        Field<QCheckBox>(dialog, "plane1")->setChecked(true);
        EXPECT_TRUE(Field(dialog, "a1")->isEnabled());
        Shoot(dialog, "component_clipping");
        // No page has been assembled, so a page component has nothing to show.
        Press(dialog, "ok");
        EXPECT_TRUE(dialog->isVisible());
        kind->setCurrentIndex(0);
        Press(dialog, "ok");
    });
    EXPECT_EQ(messages.texts,
              std::vector<std::string>{"还没有组件页，请先用“组装页”把一页组合为组件。"});
    ASSERT_EQ(Page().m_solids.size(), 1u);
    const CSubassembly& solid = *Page().m_solids.begin()->second;
    EXPECT_EQ(solid.m_nKind, 0);
    EXPECT_EQ(solid.m_nClipMode, 1u);
}

TEST_F(CommandDialogsTest, SolidPropertiesApplyToTheSolidAndUndoInOneStep) {
    Prepare("组件 kind=6\nselect solids 1\n");
    const QString added = frame.Actions().Action(cmd::kUndo)->text();
    RunWithDialog(cmd::kProperties, [](QDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(frame.Actions().Action(cmd::kUndo)->text(), added);
    RunWithDialog(cmd::kProperties, [&](QDialog* dialog) {
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(Field<QPushButton>(dialog, "ok")->text(), "应用");
        EXPECT_EQ(Field<QComboBox>(dialog, "kind")->currentIndex(), 6);
        Fill(dialog, "sx", "2");
        Press(dialog, "ok");
    });
    const CSubassembly& solid = *Page().m_solids.at(1);
    EXPECT_FLOAT_EQ(solid.m_scale[0], 2.0f);
    EXPECT_FLOAT_EQ(solid.m_scale[2], 18.84f);
    frame.Actions().Run(cmd::kUndo);
    EXPECT_FLOAT_EQ(Page().m_solids.at(1)->m_scale[0], 6.0f);
}

TEST_F(CommandDialogsTest, PropertiesShowTheReportBeforeAnyDialogOrElseThePage) {
    Prepare("point 0 0 0\npoint 3 4 0\n");
    RunWithDialog(cmd::kProperties, [](QDialog* dialog) { EXPECT_EQ(dialog, nullptr); });
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "点A与点B间的距离为  5 \n");

    Prepare("point 0 0 1\n");
    RunWithDialog(cmd::kProperties, [&](QDialog* dialog) {
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "页属性");
        EXPECT_FALSE(Field(dialog, "a")->isEnabled());
        Field<QComboBox>(dialog, "scheme")->setCurrentIndex(3);
        Field<QCheckBox>(dialog, "clip")->setChecked(true);
        Fill(dialog, "a", "1");
        Press(dialog, "ok");
    });
    EXPECT_EQ(Page().m_nScheme, 3u);
    EXPECT_EQ(Page().m_bClip, 1u);
    EXPECT_DOUBLE_EQ(Page().m_clipPlane[0], 1.0);
    EXPECT_EQ(messages.texts.size(), 1u);
}

TEST_F(CommandDialogsTest, APlainBitmapTextOpensNoDialogAndSaysWhy) {
    Page().AddSolid(std::make_unique<CBitText>());
    Page().m_selSolids = {1};
    RunWithDialog(cmd::kProperties, [](QDialog* dialog) { EXPECT_EQ(dialog, nullptr); });
    EXPECT_EQ(messages.texts,
              std::vector<std::string>{"这是图形类文本，若要修改内容，请删除后重建！"});
}

TEST_F(CommandDialogsTest, PointPropertiesChangeTheVertexAndKeepUntouchedValuesExact) {
    Prepare("point 1 0.33333334 3\n");
    RunWithDialog(cmd::kProperties, [&](QDialog* dialog) {
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(Field(dialog, "index")->text(), "0");
        EXPECT_TRUE(Field(dialog, "index")->isReadOnly());
        EXPECT_EQ(Field(dialog, "label")->maxLength(), 3);
        EXPECT_EQ(Field<QPushButton>(dialog, "ok")->text(), "修改");
        EXPECT_EQ(Field<QPushButton>(dialog, "cancel")->text(), "关闭");
        Fill(dialog, "label", "P");
        Fill(dialog, "x", "5");
        QTimer::singleShot(0, [] {
            auto* picker = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(picker, nullptr);
            picker->setCurrentColor(QColor(0, 0, 255));
            picker->accept();
        });
        Press(dialog, "colour");
        Press(dialog, "ok");
    });
    EXPECT_EQ(Page().m_label[0], "P");
    EXPECT_EQ(Page().m_pos[0], (Float3{5.0f, 0.33333334f, 3.0f}));
    EXPECT_EQ(Page().m_color[0], (Float3{0.0f, 0.0f, 1.0f}));
    EXPECT_EQ(frame.Actions().Action(cmd::kUndo)->text(), "撤消 修改点(&U)");
}

TEST_F(CommandDialogsTest, ButtonDialogsChangeTheButtonAndSeriesMembersCannotRunBothWays) {
    Prepare(
        "point 0 0 0\n33191\n33193\nselect none\nselect buttons 3024 3025\n33198\n"
        "select none\nselect buttons 3025\n");
    RunWithDialog(cmd::kProperties, [&](QDialog* dialog) {
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(Field<QCheckBox>(dialog, "twoway")->isEnabled());
        Fill(dialog, "caption", "上移");
        Fill(dialog, "z", "4");
        Press(dialog, "ok");
    });
    const auto& button = static_cast<const CBtnTranslate&>(*Page().m_buttons.at(3025));
    EXPECT_EQ(button.m_strCaption, "上移");
    EXPECT_EQ(button.m_vector, (Float3{10.0f, 0.0f, 4.0f}));
    EXPECT_EQ(frame.Actions().Action(cmd::kUndo)->text(), "撤消 修改平移按钮(&U)");
}

TEST_F(CommandDialogsTest, DefinitionsTakeTheDialogValuesAndRefuseAnAxisWithoutDirection) {
    RunWithDialog(cmd::kDefineTranslation, [&](QDialog* dialog) {
        ASSERT_NE(dialog, nullptr);
        Fill(dialog, "x", "1");
        Fill(dialog, "y", "2");
        Fill(dialog, "z", "3");
        Press(dialog, "ok");
    });
    EXPECT_EQ(Page().m_translation, (Float3{1.0f, 2.0f, 3.0f}));
    RunWithDialog(cmd::kDefineRotationAxis, [&](QDialog* dialog) {
        ASSERT_NE(dialog, nullptr);
        Fill(dialog, "dy", "0");
        Press(dialog, "ok");
    });
    EXPECT_EQ(messages.texts, std::vector<std::string>{"旋转轴方程不正确,未作改动"});
    EXPECT_EQ(Page().m_axisDir, (Float3{0.0f, 1.0f, 0.0f}));
}

TEST_F(CommandDialogsTest, ColourPickersOpenOnTheCurrentColourAndSetTheChosenOne) {
    Prepare("point 0 0 0\n");
    RunWithDialog(cmd::kVertexColour, [&](QDialog* dialog) {
        auto* picker = qobject_cast<QColorDialog*>(dialog);
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(picker->windowTitle(), "修改点的颜色");
        EXPECT_EQ(picker->currentColor(), QColor(0, 255, 0));
        Shoot(dialog, "vertex_colour");
        picker->setCurrentColor(QColor(255, 0, 0));
        picker->accept();
    });
    EXPECT_EQ(Page().m_color[0], (Float3{1.0f, 0.0f, 0.0f}));
    RunWithDialog(cmd::kTextColour, [&](QDialog* dialog) {
        auto* picker = qobject_cast<QColorDialog*>(dialog);
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(picker->windowTitle(), "修改文本颜色");
        picker->setCurrentColor(QColor(0, 0, 255));
        picker->accept();
    });
    EXPECT_EQ(doc.Settings().m_textColor, (Rgb{0, 0, 255}));
}

}  // namespace
}  // namespace velnor
