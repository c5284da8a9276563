#include "shell/help/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "shell/command_icons.h"

namespace velnor {

namespace {

constexpr int kIconSize = 64;

QString Licences() {
    return QStringLiteral(
               "<p>Velnor 使用了下列程序库，谨向它们的作者致谢：</p>"
               "<table cellpadding=\"3\">"
               "<tr><td><b>Qt %1</b>（Widgets、OpenGL、SVG）</td>"
               "<td>GNU LGPL 3.0</td></tr>"
               "<tr><td><b>Mesa</b>（OpenGL 实现）</td><td>MIT 许可</td></tr>"
               "<tr><td><b>GLU</b></td><td>SGI 自由软件许可 B 2.0</td></tr>"
               "<tr><td><b>freeglut</b></td><td>MIT/X 许可</td></tr>"
               "<tr><td><b>giflib</b></td><td>MIT 许可</td></tr>"
               "<tr><td><b>GNU C 库</b>（iconv）</td><td>GNU LGPL 2.1</td></tr>"
               "<tr><td><b>文泉驿正黑</b>（界面字体）</td>"
               "<td>GNU GPL 2.0，附字体嵌入例外</td></tr>"
               "<tr><td><b>Liberation</b>（标签字体）</td><td>SIL 开放字体许可 1.1</td></tr>"
               "</table>"
               "<p>各许可的全文随这些程序库一起安装在系统中，"
               "在 Debian 系统中见各软件包的 /usr/share/doc 文件夹。</p>")
        .arg(QString::fromLatin1(qVersion()));
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(QStringLiteral("关于画板"));
    auto* icon = new QLabel(this);
    icon->setPixmap(ApplicationIcon().pixmap(kIconSize, kIconSize));
    icon->setAlignment(Qt::AlignTop);
    auto* title = new QLabel(QStringLiteral("<h2>Velnor 立体几何画板</h2><p>版本 %1</p>"
                                            "<p>为课堂教学设计的立体几何画板。</p>")
                                 .arg(QStringLiteral(VELNOR_VERSION)),
                             this);
    auto* licences = new QTextBrowser(this);
    licences->setObjectName(QStringLiteral("Licences"));
    licences->setHtml(Licences());
    licences->setMinimumSize(520, 300);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* head = new QHBoxLayout;
    head->addWidget(icon);
    head->addWidget(title, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(licences, 1);
    layout->addWidget(buttons);
}

}  // namespace velnor
