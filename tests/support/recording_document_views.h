#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/document_seam.h"
#include "model/page.h"

namespace velnor::test {

// Records what the document tells the windows.
class RecordingDocumentViews final : public IDocumentViews {
public:
    RecordingDocumentViews() : m_previous(SetDocumentViews(this)) {}
    ~RecordingDocumentViews() override { SetDocumentViews(m_previous); }
    RecordingDocumentViews(const RecordingDocumentViews&) = delete;
    RecordingDocumentViews& operator=(const RecordingDocumentViews&) = delete;

    void ModifiedChanged(bool modified) override { modifiedChanges.push_back(modified); }
    void Refresh(int hint) override { hints.push_back(hint); }
    void PageChanged(const CGpage& current, bool pageSelected) override {
        pageChanges.push_back(current.m_strName);
        lastPageSelected = pageSelected;
    }
    void PageListChanged() override { ++pageListChanges; }
    void CompileComponent(const CGpage& page, uint16_t number) override {
        compiled.emplace_back(page.m_nId, number);
    }
    void Redraw() override { ++redraws; }
    void SceneSettingsReplaced() override { ++settingsReplaced; }
    void UsePerspectiveProjection() override { ++perspectiveRequests; }

    // Drops what was recorded so far.
    void Forget() {
        modifiedChanges.clear();
        hints.clear();
        pageChanges.clear();
        pageListChanges = 0;
        compiled.clear();
        redraws = 0;
        settingsReplaced = 0;
        perspectiveRequests = 0;
    }

    std::vector<bool> modifiedChanges;
    std::vector<int> hints;
    std::vector<std::string> pageChanges;  // names of the pages that became current
    bool lastPageSelected = false;
    int pageListChanges = 0;
    std::vector<std::pair<uint16_t, uint16_t>> compiled;  // page id, component number
    int redraws = 0;
    int settingsReplaced = 0;
    int perspectiveRequests = 0;

private:
    IDocumentViews* m_previous;
};

}  // namespace velnor::test
