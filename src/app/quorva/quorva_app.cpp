#include "app/quorva/quorva_app.h"

#include "platform/messages.h"
#include "startup/startup.h"
#include "ui/dialogs/dlg_main.h"

wxIMPLEMENT_APP(CQuorvaApp);

bool CQuorvaApp::OnInit() {
    SetAppName("Quorva");
    SetMessageSink(&m_messages);
    return true;
}

int CQuorvaApp::OnRun() {
    if (StartUp()) {
        CDlgMain main(nullptr);
        SetTopWindow(&main);
        main.ShowModal();
        SetTopWindow(nullptr);
    }
    ShutDown();
    return 0;
}

int CQuorvaApp::OnExit() {
    SetMessageSink(nullptr);
    return wxApp::OnExit();
}
