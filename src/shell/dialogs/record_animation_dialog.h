#pragma once

#include <QDialog>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace velnor {

// A button the dialog offers to press.
struct RecordableButton {
    uint16_t key = 0;
    QString caption;
};

// What the teacher asked to record.
struct AnimationRequest {
    std::optional<uint16_t> pressKey;  // none: the buttons running now
    int ticks = 0;
    QSize size;
    QString path;
};

// "录制动画": the button to press (or the buttons running now), the longest length in ticks, the
// size of the frames, GIF or WebP and the file; then records with a progress bar that 取消 stops.
class RecordAnimationDialog : public QDialog {
    Q_OBJECT

public:
    // Records a request, telling `progress` the ticks done; `progress` returns false when the
    // teacher cancelled. Returns why no file was written (empty when it was, or on cancel).
    using Recorder = std::function<QString(const AnimationRequest& request,
                                           const std::function<bool(int ticks)>& progress)>;

    RecordAnimationDialog(const std::vector<RecordableButton>& buttons, bool buttonsRunning,
                          QSize size, const QString& path, Recorder recorder,
                          QWidget* parent = nullptr);

    AnimationRequest Request() const;
    void reject() override;

    QComboBox& Buttons() { return *m_buttons; }
    QSpinBox& Ticks() { return *m_ticks; }
    QSpinBox& FrameWidth() { return *m_width; }
    QSpinBox& FrameHeight() { return *m_height; }
    QComboBox& Format() { return *m_format; }
    QLineEdit& File() { return *m_file; }
    QProgressBar& Progress() { return *m_progress; }
    QPushButton& RecordButton() { return *m_record; }
    QPushButton& CancelButton() { return *m_cancel; }

private:
    void Record();
    void Browse();
    void FollowFormat();
    void SetRecording(bool recording);

    Recorder m_recorder;
    QComboBox* m_buttons;
    QSpinBox* m_ticks;
    QSpinBox* m_width;
    QSpinBox* m_height;
    QComboBox* m_format;
    QLineEdit* m_file;
    QPushButton* m_browse;
    QProgressBar* m_progress;
    QPushButton* m_record;
    QPushButton* m_cancel;
    bool m_bRecording = false;
    bool m_bCancelRequested = false;
};

}  // namespace velnor
