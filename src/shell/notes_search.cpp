#include "shell/notes_search.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace velnor {

namespace {

QTextDocument::FindFlags FlagsOf(const SearchRequest& request) {
    QTextDocument::FindFlags flags;
    if (request.matchCase) {
        flags |= QTextDocument::FindCaseSensitively;
    }
    if (request.wholeWord) {
        flags |= QTextDocument::FindWholeWords;
    }
    if (request.backward) {
        flags |= QTextDocument::FindBackward;
    }
    return flags;
}

bool IsMatch(const QTextCursor& selection, const SearchRequest& request) {
    const Qt::CaseSensitivity sensitivity =
        request.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    return selection.hasSelection() &&
           selection.selectedText().compare(request.text, sensitivity) == 0;
}

}  // namespace

bool FindNext(QTextEdit& edit, const SearchRequest& request) {
    if (request.text.isEmpty()) {
        return false;
    }
    const QTextDocument& document = *edit.document();
    const QTextDocument::FindFlags flags = FlagsOf(request);
    QTextCursor found = document.find(request.text, edit.textCursor(), flags);
    if (found.isNull()) {
        QTextCursor wrap(edit.document());
        wrap.movePosition(request.backward ? QTextCursor::End : QTextCursor::Start);
        found = document.find(request.text, wrap, flags);
    }
    if (found.isNull()) {
        return false;
    }
    edit.setTextCursor(found);
    return true;
}

bool ReplaceAndFindNext(QTextEdit& edit, const SearchRequest& request, const QString& replacement) {
    QTextCursor cursor = edit.textCursor();
    if (IsMatch(cursor, request)) {
        cursor.insertText(replacement);
        edit.setTextCursor(cursor);
    }
    return FindNext(edit, request);
}

int ReplaceAll(QTextEdit& edit, const SearchRequest& request, const QString& replacement) {
    if (request.text.isEmpty()) {
        return 0;
    }
    SearchRequest forward = request;
    forward.backward = false;
    QTextDocument& document = *edit.document();
    QTextCursor step(&document);
    step.beginEditBlock();
    int count = 0;
    QTextCursor found = document.find(forward.text, 0, FlagsOf(forward));
    while (!found.isNull()) {
        found.insertText(replacement);
        ++count;
        found = document.find(forward.text, found, FlagsOf(forward));
    }
    step.endEditBlock();
    return count;
}

}  // namespace velnor
