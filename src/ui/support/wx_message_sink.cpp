#include "ui/support/wx_message_sink.h"

#include <wx/msgdlg.h>
#include <wx/utils.h>

namespace {

long ButtonStyle(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return wxOK;
    case MessageButtons::OkCancel:
        return wxOK | wxCANCEL;
    case MessageButtons::YesNo:
        return wxYES_NO;
    case MessageButtons::YesNoCancel:
        return wxYES_NO | wxCANCEL;
    }
    return wxOK;
}

long IconStyle(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None:
        return wxICON_NONE;
    case MessageIcon::Information:
        return wxICON_INFORMATION;
    case MessageIcon::Warning:
        return wxICON_WARNING;
    case MessageIcon::Error:
        return wxICON_ERROR;
    case MessageIcon::Question:
        return wxICON_QUESTION;
    }
    return wxICON_NONE;
}

} // namespace

MessageAnswer WxMessageSink::Show(const Message& message) {
    wxMessageDialog dialog(wxGetActiveWindow(), wxString::FromUTF8(message.text), "Quorva",
                           ButtonStyle(message.buttons) | IconStyle(message.icon));
    switch (dialog.ShowModal()) {
    case wxID_CANCEL:
        return MessageAnswer::Cancel;
    case wxID_YES:
        return MessageAnswer::Yes;
    case wxID_NO:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Ok;
    }
}

void WxMessageSink::Beep() {
    wxBell();
}
