#pragma once

class QImage;
class QTextCursor;

namespace velnor {

// Inserts the image at the cursor, shown width × height pixels, and keeps it in the cursor's
// document under a name unique in the whole program, so that text holding it can be pasted into
// another document beside pictures of its own.
void InsertImage(QTextCursor& cursor, const QImage& image, double width, double height);

}  // namespace velnor
