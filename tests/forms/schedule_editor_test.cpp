#include "forms/schedule_editor.h"

#include "support/message_recorder.h"
#include "support/runner_fakes.h"
#include "support/sample_calendars.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <tuple>

// A schedule of three events, and the sample calendars.
class ScheduleEditorTest : public ::testing::Test {
protected:
    ScheduleEditorTest() {
        UseNewServerWithSimulatorsIn(program);
        Server->ExeFileNL = "legends.exe";
        DefaultRace = std::make_unique<RACE>();
        SetNewDefaultRaceValues(*DefaultRace, false);
        UseSampleCalendarsIn(program);
        for (const char* track : {"Ashford", "Bayview", "Oak Ridge"})
            EventList.push_back(Event(track));
    }

    static std::unique_ptr<RACE> Event(const char* track) {
        auto event = std::make_unique<RACE>(*DefaultRace);
        event->TrackName = track;
        return event;
    }
    // The lines between "|", the selected line, and whether Edit, Delete, Move Up and Move Down may act.
    static std::string State(const ScheduleEditor& editor) {
        std::string state;
        for (const std::string& line : editor.Lines())
            state += (state.empty() ? "" : "|") + line;
        state += " @" + std::to_string(editor.Selected()) + " ";
        const ScheduleEditor::Buttons& buttons = editor.ButtonStates();
        for (bool enabled : {buttons.edit, buttons.remove, buttons.moveUp, buttons.moveDown})
            state += enabled ? 'E' : '-';
        return state;
    }
    static std::string Scheduled() {
        std::string names;
        for (const auto& event : EventList)
            names += (names.empty() ? "" : "|") + event->TrackName;
        return names;
    }
    bool Stored(const std::string& line) const {
        return program.Read("Quorvadata.ini").find(line) != std::string::npos;
    }

    ScopedProgramFolder program;
    MessageRecorder recorder;
};

// Each row works an editor opened on the schedule, one letter an operation: a digit selects that line,
// d and u move down and up, e and c are an edit and a cancelled one, a and n an add and a cancelled
// one, x deletes, X deletes all, L adds all NL tracks.
TEST_F(ScheduleEditorTest, EachOperationLeavesTheLinesTheSelectionAndTheButtonsAsTheEditorShowsThem) {
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"opens on the first line", "", "Ashford|Bayview|Oak Ridge @0 EE-E"},
        {"moves down to the end and no further", "ddd", "Bayview|Oak Ridge|Ashford @2 EEE-"},
        {"moves up from the first line nowhere", "u", "Ashford|Bayview|Oak Ridge @0 EE-E"},
        {"edits the selected line and keeps it", "1e", "Ashford|Edited|Oak Ridge @1 EEEE"},
        {"a cancelled edit changes nothing", "2c", "Ashford|Bayview|Oak Ridge @2 EEE-"},
        {"adds at the end and selects it", "a", "Ashford|Bayview|Oak Ridge|Edited @3 EEE-"},
        {"deleting selects the line in its place", "1x", "Ashford|Oak Ridge @1 EEE-"},
        {"deleting the last line selects the new last", "2x", "Ashford|Bayview @1 EEE-"},
        {"deleting every line disables the buttons", "xxxx", " @-1 ----"},
        {"delete all", "X", " @-1 ----"},
        // Add All leaves the buttons as they were until the next operation works them out again.
        {"add all appends without selecting", "XL", "Oak Ridge|Millbrook @-1 ----"},
        {"with no line selected the buttons act on nothing", "XLnexd", "Oak Ridge|Millbrook @-1 EE-E"},
    };
    const std::map<char, std::function<void(ScheduleEditor&)>> byLetter = {
        {'d', &ScheduleEditor::MoveDown},
        {'u', &ScheduleEditor::MoveUp},
        {'x', &ScheduleEditor::Delete},
        {'X', &ScheduleEditor::DeleteAll},
        {'e', [](ScheduleEditor& e) { e.Edit(*Event("Edited")); }},
        {'c', [](ScheduleEditor& e) { e.Edit(std::nullopt); }},
        {'a', [](ScheduleEditor& e) { e.Add(*Event("Edited")); }},
        {'n', [](ScheduleEditor& e) { e.Add(std::nullopt); }},
        {'L', [](ScheduleEditor& e) { EXPECT_EQ(e.AddAll(SimulatorNL), std::nullopt); }},
    };
    for (auto [name, letters, state] : rows) {
        SCOPED_TRACE(name);
        ScheduleEditor editor;
        for (const char* op = letters; *op != '\0'; ++op) {
            auto operation = byLetter.find(*op);
            if (operation != byLetter.end())
                operation->second(editor);
            else
                editor.Select(*op - '0');
        }
        EXPECT_EQ(State(editor), state);
        EXPECT_EQ(Scheduled(), "Ashford|Bayview|Oak Ridge");
    }
}

// A mended fault: a runner in another process reads LastRace from the file.
TEST_F(ScheduleEditorTest, AcceptHandsOverTheLinesAndForgetsTheRememberedPlaceOnlyWhenTheScheduleChanged) {
    program.Write("Quorvadata.ini", "[SERVER]\r\nLastRace=3\r\n");
    Server->LastRace = 3;
    ScheduleEditor unchanged;
    unchanged.Accept();
    EXPECT_EQ(Server->LastRace, 3);
    EXPECT_TRUE(Stored("LastRace=3\r\n") && Stored("Events=3\r\n"));
    ScheduleEditor editor;
    editor.MoveDown();
    editor.AddAll(SimulatorNL);
    editor.Accept();
    EXPECT_EQ(Server->LastRace, -1);
    EXPECT_TRUE(Stored("LastRace=-1\r\n") && Stored("Events=5\r\n") && ScheduleLoaded);
    EXPECT_EQ(Scheduled(), "Bayview|Ashford|Oak Ridge|Oak Ridge|Millbrook");
    RACE expected = SampleMillbrookEvent(program, *DefaultRace);
    EXPECT_EQ(*EventList.at(4), expected);
}

// A mended fault: a calendar that fails never throws the edits away; Add All needs a program path.
TEST_F(ScheduleEditorTest, AddAllWithoutTracksKeepsTheWorkAndTellsWhy) {
    CalendarNL.reset();
    CreateCalendarN3(program.File("missing.cal"));
    ScheduleEditor editor;
    editor.Delete();
    EXPECT_EQ(editor.AddAll(SimulatorNL)->text, "Calendar file not initialized");
    EXPECT_EQ(editor.AddAll(SimulatorN3)->text,
              "Schedule Tab reports no tracks found in specified calendar file.");
    EXPECT_EQ(State(editor), "Bayview|Oak Ridge @0 EE-E");
    EXPECT_TRUE(ScheduleEditor::CanAddAll(SimulatorNL));
    Server->PathNL.clear();
    EXPECT_FALSE(ScheduleEditor::CanAddAll(SimulatorNL));
}
