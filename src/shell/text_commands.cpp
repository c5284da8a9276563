#include "shell/text_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "commands/clipboard_seam.h"
#include "commands/command_ids.h"
#include "editing/rich_text_cells.h"
#include "model/document.h"
#include "model/message_seam.h"
#include "shell/command_actions.h"
#include "shell/dialogs/find_dialog.h"
#include "shell/dialogs/selective_paste_dialog.h"
#include "shell/dialogs/replace_dialog.h"
#include "shell/dialogs/text_edit_dialog.h"
#include "shell/main_frame.h"
#include "shell/notes_pane.h"
#include "view/plom_view.h"

namespace velnor {

namespace {

void ShowBeside(QDialog& dialog) {
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

}  // namespace

bool TextCommands::Handles(int commandId) {
    return commandId == cmd::kProperties || commandId == cmd::kAddText || commandId == cmd::kFind ||
           commandId == cmd::kReplace || commandId == cmd::kPasteSpecial;
}

bool TextCommands::Run(int commandId) {
    switch (commandId) {
        case cmd::kProperties:
            EditSelectedText();
            return true;
        case cmd::kAddText:
            AddText();
            return true;
        case cmd::kFind:
            OpenFind();
            return true;
        case cmd::kReplace:
            OpenReplace();
            return true;
        case cmd::kPasteSpecial:
            PasteSpecial();
            return true;
        default:
            return false;
    }
}

void TextCommands::AddText() {
    TextEditDialog dialog({}, &m_frame);
    if (dialog.exec() == QDialog::Accepted) {
        const EditedText& text = dialog.Result();
        AddRichText(m_frame.Document(), text,
                    m_frame.View().Tools().FreeTextCorner(text.width, text.height));
    }
}

void TextCommands::EditSelectedText() {
    const CGpage& page = m_frame.Document().CurrentPage();
    if (page.m_selSolids.size() == 1) {
        EditRichText(m_frame.Document(), static_cast<uint16_t>(page.m_selSolids.front()), &m_frame);
    }
}

void TextCommands::OpenFind() {
    if (m_find == nullptr) {
        m_find = new FindDialog(m_frame.Notes(), &m_frame);
    }
    ShowBeside(*m_find);
}

void TextCommands::OpenReplace() {
    if (m_replace == nullptr) {
        m_replace = new ReplaceDialog(m_frame.Notes(), &m_frame);
    }
    ShowBeside(*m_replace);
}

void TextCommands::PasteSpecial() {
    const bool viewActive = m_frame.View().hasFocus();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    const std::vector<PasteChoice> choices =
        PasteChoices(data, viewActive, viewActive && Clipboard().DocumentData().has_value());
    if (choices.empty()) {
        ShowMessage("剪贴板中没有可以这样粘贴的内容");
        return;
    }
    PasteSpecialDialog dialog(choices, &m_frame);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (dialog.Choice() == PasteChoice::kFigure) {
        m_frame.Actions().Run(cmd::kPaste);
    } else if (const QMimeData* current = QApplication::clipboard()->mimeData()) {
        PasteIntoNotes(m_frame.Notes(), *current, dialog.Choice());
    }
}

}  // namespace velnor
