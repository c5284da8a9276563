#pragma once

#include <QMainWindow>

#include <memory>
#include <string>

namespace velnor {

class CPlomDoc;
class CPlomView;
class ViewDocumentBridge;

// A window holding the 3D view of the document's current page, with the camera's keyboard
// commands, F4 stepping through the display presets and PageUp / PageDown through the pages.
class PlainWindow : public QMainWindow {
    Q_OBJECT

public:
    PlainWindow();
    ~PlainWindow() override;

    // Opens `path` once the view can draw; an empty path, or a file that cannot be read (after a
    // message), gives the demonstration page.
    void OpenWhenReady(const std::string& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Open(const std::string& path);
    void OpenDemonstration();
    void ShowPage(int step);

    std::unique_ptr<CPlomDoc> m_doc;
    CPlomView* m_view;
    std::unique_ptr<ViewDocumentBridge> m_bridge;
    int m_nPreset = 0;
};

}  // namespace velnor
