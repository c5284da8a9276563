#pragma once

#include <QString>
#include <QStringList>

namespace velnor {

// The lines entered in the input line, walked with Up and Down as a shell walks its history:
// Up goes to older lines, Down back to newer ones and, past the newest, to what was being typed.
class LineHistory {
public:
    // A line entered; walking starts again from the newest. A repeat of the newest is kept once.
    void Add(const QString& line);
    // The line to show after Up or Down, given the one shown now.
    QString Older(const QString& shown);
    QString Newer(const QString& shown);

private:
    QStringList m_lines;
    qsizetype m_nPosition = 0;  // m_lines.size() while nothing older is shown
    QString m_strDraft;
};

}  // namespace velnor
