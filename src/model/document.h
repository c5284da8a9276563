#pragma once

#include <array>
#include <cstdint>
#include <list>
#include <memory>
#include <string>

#include "model/cmd_processor.h"
#include "model/gl_model.h"
#include "model/page.h"
#include "model/refresh_hint.h"

namespace velnor {

using PageList = std::list<std::unique_ptr<CGpage>>;
using PagePosition = PageList::iterator;

// " 第一页 " ... " 第十页 ", then " 第11页 " and on; the blanks belong to the name.
std::string PageNameForId(uint16_t id);

// The document: pages in order with one current page, the page components, the undo history
// and the notes text. Changes reach the windows through DocumentViews().
class CPlomDoc {
public:
    static constexpr int kHistoryCapacity = 100;
    static constexpr uint16_t kMaxComponents = 22;
    static constexpr int kComponentSlots = 30;

    CPlomDoc();
    ~CPlomDoc();
    CPlomDoc(const CPlomDoc&) = delete;
    CPlomDoc& operator=(const CPlomDoc&) = delete;

    // One empty page " 第一页 " with id 1, current; nothing modified.
    void OnNewDocument();
    // Deletes every page (and the button windows of the current one) and empties the history. New
    // and Open run it first.
    void DeleteContents();

    // A new empty page with the next page id and the name of that id.
    std::unique_ptr<CGpage> CreatePage();
    CGpage& CurrentPage() const { return *m_pCurPage; }
    // 1 for the first page.
    int CurrentPageNumber() const;
    bool IsFirstPage() const { return m_posCurPage == m_pages.begin(); }
    bool IsLastPage() const { return std::next(m_posCurPage) == m_pages.end(); }
    // Destroys the button windows of the page that stops being current and creates those of the
    // new one (shown unless hidden).
    void ActivatePage(PagePosition position);

    // Loading runs DeleteContents, appends the pages read (at least one), then finishes: compiles
    // the page components, makes the first page current (creating its button windows) and tells the
    // windows.
    void AppendPage(std::unique_ptr<CGpage> page);
    void FinishLoading();

    // Gives the current page the next component number (up to 22) unless it has one, then has
    // its drawing compiled into that component's display list. A 23rd component does nothing.
    void AssembleCurrentPage();
    // Renames what a manager-tree item stands for: code = page id * 10000 + r, r = 0 the page,
    // otherwise kind * 2000 - 1000 + key (1 vertex with key = index + 1, 2 line, 3 face, 4 solid).
    void RenameFromTree(uint32_t code, const std::string& name);

    // Notifications to the windows.
    void SetModifiedFlag(bool modified = true);
    bool IsModified() const { return m_bModified; }
    void Refresh(int hint);
    void NotifyPageChanged();
    void NotifyPageListChanged();
    void Redraw();

    // The notes text, as the RTF bytes it was loaded or imported with.
    const std::string& NotesRtf() const { return m_strNotesRtf; }
    void SetNotesRtf(std::string rtf) { m_strNotesRtf = std::move(rtf); }
    // An imported notes file marks the document modified.
    void ImportNotesRtf(std::string rtf);

    // The scene settings, stored in the file; the pages of this document take theirs from here.
    CGlModel& Settings() { return m_settings; }
    const CGlModel& Settings() const { return m_settings; }

    CCmdProcessor& CommandProcessor() { return m_cmdProcessor; }
    const CCmdProcessor& CommandProcessor() const { return m_cmdProcessor; }

    PageList m_pages;
    PagePosition m_posCurPage = m_pages.end();
    CGpage* m_pCurPage = nullptr;
    uint16_t m_nNextPageId = 1;
    std::array<std::string, kComponentSlots> m_componentNames;
    uint16_t m_nComponentCount = 0;
    bool m_bSmoothShading = false;  // "面光滑着色": positions double as colours; New keeps it
    bool m_bPageSelected = false;   // the current page as a whole is selected

private:
    CGpage* FindPage(uint16_t id) const;

    CGlModel m_settings;
    CCmdProcessor m_cmdProcessor{kHistoryCapacity};
    std::string m_strNotesRtf;
    bool m_bModified = false;
};

}  // namespace velnor
