#pragma once

#include <memory>
#include <string>

#include "model/cmd.h"
#include "model/page.h"

namespace velnor {

class CPlomDoc;

// Inserts its page next to the current one (insert mode) or takes the current page out (delete
// mode); Undo does the other. It owns the page exactly while the page is outside the document.
// As on every change of the current page, only the current page's buttons keep windows.
class CCmdNewDelPage final : public CCmd {
public:
    static constexpr int kDelete = 0;
    static constexpr int kInsert = 1;

    CCmdNewDelPage(int mode, CPlomDoc& doc, std::string name,
                   std::unique_ptr<CGpage> page = nullptr);

    bool Undo() override;
    bool Redo() override;

private:
    bool InsertPage();
    bool DeleteCurrentPage();

    bool m_bInsertBefore = false;
    int m_bInsert;
    CPlomDoc* m_pDoc;
    std::unique_ptr<CGpage> m_pPage;
};

}  // namespace velnor
