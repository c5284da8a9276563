#include "shell/line_history.h"

namespace velnor {

void LineHistory::Add(const QString& line) {
    if (m_lines.isEmpty() || m_lines.back() != line) {
        m_lines << line;
    }
    m_nPosition = m_lines.size();
    m_strDraft.clear();
}

QString LineHistory::Older(const QString& shown) {
    if (m_nPosition == 0) {
        return shown;
    }
    if (m_nPosition == m_lines.size()) {
        m_strDraft = shown;
    }
    return m_lines[--m_nPosition];
}

QString LineHistory::Newer(const QString& shown) {
    if (m_nPosition == m_lines.size()) {
        return shown;
    }
    ++m_nPosition;
    return m_nPosition == m_lines.size() ? m_strDraft : m_lines[m_nPosition];
}

}  // namespace velnor
