#include "shell/dialogs/record_animation_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "output/animation_recording.h"
#include "shell/save_file_dialog.h"

namespace velnor {

namespace {

// The formats in the order of the format list.
const QList<SaveFileType>& AnimationTypes() {
    static const QList<SaveFileType> types = {
        {QStringLiteral("GIF动画(*.gif)"), QStringLiteral("gif")},
        {QStringLiteral("WebP动画(*.webp)"), QStringLiteral("webp")},
    };
    return types;
}

// The largest frame: the size the command line allows.
constexpr int kLargestSide = 8192;

QSpinBox* SideBox(int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(16, kLargestSide);
    box->setValue(value);
    box->setSuffix(QStringLiteral(" 像素"));
    return box;
}

// `path` with the extension of the format, in place of another animation's one.
QString WithFormat(const QString& path, const QString& extension) {
    const QFileInfo file(path);
    const QString suffix = file.suffix().toLower();
    if (suffix == QStringLiteral("gif") || suffix == QStringLiteral("webp")) {
        return path.left(path.size() - suffix.size()) + extension;
    }
    return path.isEmpty() ? path : path + "." + extension;
}

}  // namespace

RecordAnimationDialog::RecordAnimationDialog(const std::vector<RecordableButton>& buttons,
                                             bool buttonsRunning, QSize size, const QString& path,
                                             Recorder recorder, QWidget* parent)
    : QDialog(parent), m_recorder(std::move(recorder)) {
    setWindowTitle(QStringLiteral("录制动画"));
    m_buttons = new QComboBox(this);
    if (buttonsRunning) {
        m_buttons->addItem(QStringLiteral("正在运行的按钮"));
    }
    for (const RecordableButton& button : buttons) {
        m_buttons->addItem(QStringLiteral("按下“%1”(%2)").arg(button.caption).arg(button.key),
                           button.key);
    }
    m_ticks = new QSpinBox(this);
    m_ticks->setRange(1, kLongestRecording);
    m_ticks->setValue(kLongestRecording);
    m_ticks->setSuffix(QStringLiteral(" 拍"));
    m_width = SideBox(size.width(), this);
    m_height = SideBox(size.height(), this);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(m_width);
    sizeRow->addWidget(new QLabel(QStringLiteral("×"), this));
    sizeRow->addWidget(m_height);
    sizeRow->addStretch();
    auto* ticksRow = new QHBoxLayout;
    ticksRow->addWidget(m_ticks);
    ticksRow->addWidget(new QLabel(QStringLiteral("按钮停下时录制也结束"), this));
    ticksRow->addStretch();
    m_format = new QComboBox(this);
    for (const SaveFileType& type : AnimationTypes()) {
        m_format->addItem(type.filter);
    }
    m_format->setCurrentIndex(QFileInfo(path).suffix().toLower() == QStringLiteral("webp"));
    m_file = new QLineEdit(path, this);
    m_file->setMinimumWidth(320);
    m_browse = new QPushButton(QStringLiteral("浏览..."), this);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file);
    fileRow->addWidget(m_browse);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("按钮:"), m_buttons);
    form->addRow(QStringLiteral("最多录制:"), ticksRow);
    form->addRow(QStringLiteral("大小:"), sizeRow);
    form->addRow(QStringLiteral("格式:"), m_format);
    form->addRow(QStringLiteral("文件:"), fileRow);
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, kLongestRecording);
    m_progress->setValue(0);
    m_progress->setFormat(QStringLiteral("%v 拍"));
    auto* box = new QDialogButtonBox(this);
    m_record = box->addButton(QStringLiteral("录制"), QDialogButtonBox::AcceptRole);
    m_cancel = box->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    m_record->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_progress);
    layout->addWidget(box);

    connect(m_record, &QPushButton::clicked, this, &RecordAnimationDialog::Record);
    connect(m_cancel, &QPushButton::clicked, this, &RecordAnimationDialog::reject);
    connect(m_browse, &QPushButton::clicked, this, &RecordAnimationDialog::Browse);
    connect(m_format, &QComboBox::currentIndexChanged, this, &RecordAnimationDialog::FollowFormat);
}

AnimationRequest RecordAnimationDialog::Request() const {
    AnimationRequest request;
    if (const QVariant key = m_buttons->currentData(); key.isValid()) {
        request.pressKey = static_cast<uint16_t>(key.toUInt());
    }
    request.ticks = m_ticks->value();
    request.size = QSize(m_width->value(), m_height->value());
    request.path =
        WithFormat(m_file->text().trimmed(), AnimationTypes()[m_format->currentIndex()].extension);
    return request;
}

void RecordAnimationDialog::Record() {
    const AnimationRequest request = Request();
    if (request.path.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("请输入文件名"));
        return;
    }
    m_file->setText(request.path);
    m_progress->setMaximum(request.ticks);
    SetRecording(true);
    const QString error = m_recorder(request, [this](int ticks) {
        m_progress->setValue(ticks);
        // The recording runs on this thread: the window repaints and 取消 is heard here.
        QApplication::processEvents();
        return !m_bCancelRequested;
    });
    const bool cancelled = m_bCancelRequested;
    SetRecording(false);
    if (!error.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), error);
    } else if (!cancelled) {
        accept();
    }
}

void RecordAnimationDialog::reject() {
    // 取消, Esc or closing the window while recording stops the recording and keeps the dialog.
    if (m_bRecording) {
        m_bCancelRequested = true;
    } else {
        QDialog::reject();
    }
}

void RecordAnimationDialog::Browse() {
    QList<SaveFileType> types = AnimationTypes();
    // The format chosen here comes first in the file dialog.
    types.swapItemsAt(0, m_format->currentIndex());
    const SaveChoice choice = AskSaveFile(this, windowTitle(), types, m_file->text());
    if (!choice.path.isEmpty()) {
        m_file->setText(choice.path);
        m_format->setCurrentIndex(m_format->findText(types[choice.type].filter));
    }
}

void RecordAnimationDialog::FollowFormat() {
    m_file->setText(
        WithFormat(m_file->text().trimmed(), AnimationTypes()[m_format->currentIndex()].extension));
}

void RecordAnimationDialog::SetRecording(bool recording) {
    m_bRecording = recording;
    m_bCancelRequested = false;
    for (QWidget* input : std::initializer_list<QWidget*>{m_buttons, m_ticks, m_width, m_height,
                                                          m_format, m_file, m_browse, m_record}) {
        input->setEnabled(!recording);
    }
    if (!recording) {
        m_progress->setValue(0);
    }
}

}  // namespace velnor
