// Runs the window tests inside a wxWidgets application; a wx assertion fails the test that caused it.

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>

static void FailOnAssert(const wxString& file, int line, const wxString& function, const wxString& condition,
                         const wxString& message) {
    ADD_FAILURE_AT(file.utf8_str(), line) << "wx assertion in " << function.utf8_str() << ": "
                                          << condition.utf8_str() << " " << message.utf8_str();
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
        return 1;
    wxSetAssertHandler(FailOnAssert);
    int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
