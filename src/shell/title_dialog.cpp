#include "shell/title_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "encoding/cp936.h"
#include "model/gl_model.h"

namespace velnor {

namespace {

std::string FaceName(const LogFont& font) {
    const auto end = std::find(font.lfFaceName.begin(), font.lfFaceName.end(), uint8_t{0});
    return Cp936ToUtf8(std::string(font.lfFaceName.begin(), end));
}

QFont ToQFont(const LogFont& font) {
    QFont qfont(QString::fromStdString(FaceName(font)));
    qfont.setPixelSize(std::max(1, std::abs(font.lfHeight)));
    qfont.setBold(font.lfWeight >= 600);
    qfont.setItalic(font.lfItalic != 0);
    return qfont;
}

// Keeps the height sign and the fields the dialog does not show.
void StoreFont(const QFont& qfont, LogFont& font) {
    const std::string face = Utf8ToCp936(qfont.family().toStdString());
    font.lfFaceName.fill(0);
    std::copy_n(face.begin(), std::min<size_t>(face.size(), font.lfFaceName.size() - 1),
                font.lfFaceName.begin());
    const int pixels = qfont.pixelSize() > 0 ? qfont.pixelSize() : qfont.pointSize();
    font.lfHeight = font.lfHeight < 0 ? -pixels : pixels;
    font.lfWeight = qfont.bold() ? 700 : 400;
    font.lfItalic = qfont.italic() ? 1 : 0;
}

QString Describe(const LogFont& font) {
    return QStringLiteral("%1, %2")
        .arg(QString::fromStdString(FaceName(font)))
        .arg(std::abs(font.lfHeight));
}

}  // namespace

bool RunTitleDialog(CGlModel& settings, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("3D文字属性"));
    auto* form = new QFormLayout(&dialog);
    auto* first = new QLineEdit(QString::fromStdString(settings.m_strTitle1), &dialog);
    auto* second = new QLineEdit(QString::fromStdString(settings.m_strTitle2), &dialog);
    form->addRow(QStringLiteral("第一行文本:\n(不超过13个字)"), first);
    form->addRow(QStringLiteral("第二行文本:\n(不超过9个字)"), second);
    LogFont font = settings.m_titleFont;
    auto* description = new QLineEdit(Describe(font), &dialog);
    description->setReadOnly(true);
    auto* choose = new QPushButton(QStringLiteral("字体"), &dialog);
    QObject::connect(choose, &QPushButton::clicked, &dialog, [&] {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, ToQFont(font), &dialog);
        if (ok) {
            StoreFont(chosen, font);
            description->setText(Describe(font));
        }
    });
    form->addRow(description, choose);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    settings.m_strTitle1 = first->text().toStdString();
    settings.m_strTitle2 = second->text().toStdString();
    settings.m_titleFont = font;
    return true;
}

}  // namespace velnor
