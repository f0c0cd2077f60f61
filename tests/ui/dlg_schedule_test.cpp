#include "ui/dialogs/dlg_schedule.h"

#include "race_dialog_fixture.h"

namespace {

using Texts = std::vector<std::string>;

class ScheduleEditorTest : public RaceDialogTest {
protected:
    ScheduleEditorTest() {
        for (const char* track : {"Ashford", "Bayview", "Oak Ridge"})
            AddScheduled(track);
    }

    void AddScheduled(const std::string& track) {
        auto event = std::make_unique<RACE>(*DefaultRace);
        event->TrackName = track;
        EventList.push_back(std::move(event));
    }

    void OpenEditor() {
        editor = std::make_unique<CDlgSchedule>(nullptr, [this](wxWindow*, RACE& event, bool isNew) {
            edits.push_back({event.TrackName, isNew});
            if (nextResult == wxID_OK)
                event.TrackName = nextName;
            return nextResult;
        });
        Open(*editor);
    }

    wxListBox* List() { return Find<wxListBox>(*editor, CDlgSchedule::IDC_EVENTS); }
    Texts LineTexts() { return Lines(List()); }
    static Texts Scheduled() {
        Texts names;
        for (const auto& event : EventList)
            names.push_back(event->TrackName);
        return names;
    }
    // Edit, Delete, Move Up and Move Down.
    std::string SingleButtons() {
        return EnabledStates(*editor, {CDlgSchedule::IDC_EDIT_EVENT, CDlgSchedule::IDC_DELETE_EVENT,
                                       CDlgSchedule::IDC_MOVE_UP, CDlgSchedule::IDC_MOVE_DOWN});
    }
    void Select(int line) { SelectLine(List(), line); }
    void Press(int id) { Click(*editor, id); }

    std::unique_ptr<CDlgSchedule> editor;
    std::vector<std::pair<std::string, bool>> edits;
    int nextResult = wxID_OK;
    std::string nextName = "Edited";
};

} // namespace

TEST_F(ScheduleEditorTest, OpensOnCopiesWithTheFirstLineChosenAndTheButtonRule) {
    OpenEditor();
    EXPECT_EQ(editor->GetTitle(), "Current Schedule, v0.1.0");
    EXPECT_EQ(LineTexts(), (Texts{"Ashford", "Bayview", "Oak Ridge"}));
    EXPECT_EQ(List()->GetSelection(), 0);
    EXPECT_EQ(SingleButtons(), "EE-E");
    Select(1);
    EXPECT_EQ(SingleButtons(), "EEEE");
    Select(2);
    EXPECT_EQ(SingleButtons(), "EEE-");
    EXPECT_EQ(EnabledStates(*editor, {CDlgSchedule::IDC_ADD_ALL_N3, CDlgSchedule::IDC_ADD_ALL_NL}), "EE");

    Server->PathNL.clear();
    OpenEditor();
    EXPECT_EQ(EnabledStates(*editor, {CDlgSchedule::IDC_ADD_ALL_N3, CDlgSchedule::IDC_ADD_ALL_NL}), "E-");
}

TEST_F(ScheduleEditorTest, MovesAndEditsKeepTheOrderThatOkHandsOver) {
    OpenEditor();
    Press(CDlgSchedule::IDC_MOVE_DOWN);
    EXPECT_EQ(LineTexts(), (Texts{"Bayview", "Ashford", "Oak Ridge"}));
    EXPECT_EQ(List()->GetSelection(), 1);
    Press(CDlgSchedule::IDC_MOVE_DOWN);
    EXPECT_EQ(List()->GetSelection(), 2);
    EXPECT_EQ(SingleButtons(), "EEE-");
    Press(CDlgSchedule::IDC_MOVE_DOWN);
    EXPECT_EQ(LineTexts(), (Texts{"Bayview", "Oak Ridge", "Ashford"}));

    Select(1);
    Press(CDlgSchedule::IDC_EDIT_EVENT);
    EXPECT_EQ(edits, (std::vector<std::pair<std::string, bool>>{{"Oak Ridge", false}}));
    EXPECT_EQ(LineTexts(), (Texts{"Bayview", "Edited", "Ashford"}));
    EXPECT_EQ(List()->GetSelection(), 1);
    Select(0);
    Press(CDlgSchedule::IDC_MOVE_UP);
    EXPECT_EQ(Scheduled(), (Texts{"Ashford", "Bayview", "Oak Ridge"}));

    ClickOk(*editor);
    EXPECT_EQ(editor->GetReturnCode(), wxID_OK);
    EXPECT_EQ(Scheduled(), (Texts{"Bayview", "Edited", "Ashford"}));
}

TEST_F(ScheduleEditorTest, CancelLeavesTheScheduleAsItWas) {
    RACE first = *EventList.front();
    OpenEditor();
    Press(CDlgSchedule::IDC_EDIT_EVENT);
    Press(CDlgSchedule::IDC_DELETE_EVENT);
    Press(CDlgSchedule::IDC_ADD_ALL_NL);
    Press(wxID_CANCEL);
    EXPECT_EQ(editor->GetReturnCode(), wxID_CANCEL);
    EXPECT_EQ(Scheduled(), (Texts{"Ashford", "Bayview", "Oak Ridge"}));
    EXPECT_EQ(*EventList.front(), first);
}

TEST_F(ScheduleEditorTest, AddEventAppendsAndChoosesTheNewLineOnlyOnOk) {
    OpenEditor();
    nextResult = wxID_CANCEL;
    Press(CDlgSchedule::IDC_ADD_EVENT);
    EXPECT_EQ(LineTexts().size(), 3u);
    EXPECT_EQ(List()->GetSelection(), 0);
    nextResult = wxID_OK;
    nextName = "Cedar Park";
    Press(CDlgSchedule::IDC_ADD_EVENT);
    EXPECT_EQ(edits, (std::vector<std::pair<std::string, bool>>{{"", true}, {"", true}}));
    EXPECT_EQ(LineTexts().back(), "Cedar Park");
    EXPECT_EQ(List()->GetSelection(), 3);
    EXPECT_EQ(SingleButtons(), "EEE-");
}

TEST_F(ScheduleEditorTest, DeletingChoosesTheLineInItsPlaceOrTheNewLast) {
    OpenEditor();
    Select(1);
    Press(CDlgSchedule::IDC_DELETE_EVENT);
    EXPECT_EQ(LineTexts(), (Texts{"Ashford", "Oak Ridge"}));
    EXPECT_EQ(List()->GetSelection(), 1);
    Press(CDlgSchedule::IDC_DELETE_EVENT);
    EXPECT_EQ(List()->GetSelection(), 0);
    EXPECT_EQ(SingleButtons(), "EE--");
    Press(CDlgSchedule::IDC_DELETE_EVENT);
    EXPECT_TRUE(LineTexts().empty());
    EXPECT_EQ(SingleButtons(), "----");
    Press(wxID_OK);
    EXPECT_TRUE(EventList.empty());
}

TEST_F(ScheduleEditorTest, DeleteAllAsksFirst) {
    OpenEditor();
    recorder.answers.push_back(MessageAnswer::No);
    Press(CDlgSchedule::IDC_DELETE_ALL);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text,
              "This will delete ALL events from the schedule.\nAre you sure you want to do this?");
    EXPECT_EQ(recorder.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(LineTexts().size(), 3u);
    recorder.answers.push_back(MessageAnswer::Yes);
    Press(CDlgSchedule::IDC_DELETE_ALL);
    EXPECT_TRUE(LineTexts().empty());
    EXPECT_EQ(SingleButtons(), "----");
}

TEST_F(ScheduleEditorTest, AddAllAppendsDefaultRacesWithoutChoosingALine) {
    ClearEvents();
    DefaultRace->Date = "07/04/2026";
    DefaultRace->Temperature = 91;
    OpenEditor();
    Press(CDlgSchedule::IDC_ADD_ALL_NL);
    Press(CDlgSchedule::IDC_ADD_ALL_N3);
    EXPECT_EQ(LineTexts(), (Texts{"Oak Ridge", "Millbrook", "Ashford", "Bayview", "Cedar Park"}));
    EXPECT_EQ(List()->GetSelection(), wxNOT_FOUND);
    // After a cancelled addition the buttons follow the line count; with no line chosen they act on
    // nothing.
    nextResult = wxID_CANCEL;
    Press(CDlgSchedule::IDC_ADD_EVENT);
    ASSERT_EQ(SingleButtons(), "EE-E");
    for (int id : {CDlgSchedule::IDC_EDIT_EVENT, CDlgSchedule::IDC_DELETE_EVENT, CDlgSchedule::IDC_MOVE_DOWN})
        Press(id);
    EXPECT_EQ(edits.size(), 1u);
    EXPECT_EQ(LineTexts().size(), 5u);

    Press(wxID_OK);
    ASSERT_EQ(EventList.size(), 5u);
    RACE expected = *DefaultRace;
    expected.Sim = 1;
    expected.SimExe = program.File("nl/") + "legends.exe";
    expected.CalendarFile = program.File("nl.cal");
    expected.TrackName = "Millbrook";
    expected.TrackId = "millbrk";
    expected.TrackNumber = 2;
    EXPECT_EQ(*EventList[1], expected);
    EXPECT_EQ(EventList[4]->TrackNumber, 3);
    EXPECT_EQ(EventList[4]->Sim, 0);
    EXPECT_EQ(EventList[4]->SimExe, program.File("n3/") + "nascar3.exe");
}

TEST_F(ScheduleEditorTest, AddAllWithoutTracksKeepsTheEditorAndItsWork) {
    CalendarNL.reset();
    CreateCalendarN3(program.File("missing.cal"));
    OpenEditor();
    Press(CDlgSchedule::IDC_DELETE_EVENT);
    Press(CDlgSchedule::IDC_ADD_ALL_NL);
    Press(CDlgSchedule::IDC_ADD_ALL_N3);
    EXPECT_EQ(recorder.Texts(), (Texts{"Calendar file not initialized",
                                       "Schedule Tab reports no tracks found in specified calendar file."}));
    EXPECT_TRUE(editor->IsShown());
    EXPECT_EQ(editor->GetReturnCode(), 0);
    EXPECT_EQ(LineTexts(), (Texts{"Bayview", "Oak Ridge"}));
    Press(wxID_OK);
    EXPECT_EQ(Scheduled(), (Texts{"Bayview", "Oak Ridge"}));
}
