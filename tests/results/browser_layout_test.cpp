// The published pages as a league's members see them: each page is opened in headless Chromium at a
// phone's and a desktop's width, and a script injected into it measures the layout the page must have.

#include "platform/file_system.h"
#include "results/html_results.h"
#include "results/json.h"
#include "results/published_folder.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// Runs in the page, in a frame of the width measured, and writes into the frame's host, after layout, the
// header cells' places and whether the header stays in view while the page is scrolled to the middle of the
// table.
const char* const measure = R"(<script>(function () {
  const cells = [...document.querySelectorAll('th')].map(th => {
    const r = th.getBoundingClientRect();
    let visibleRight = window.innerWidth;
    for (let box = th.parentElement; box !== document.body; box = box.parentElement) {
      if (getComputedStyle(box).overflowX !== 'visible')
        visibleRight = Math.min(visibleRight, box.getBoundingClientRect().left + box.clientWidth);
    }
    return {text: th.textContent, shown: getComputedStyle(th).display !== 'none' && r.width > 0,
            left: r.left, right: r.right, visibleRight};
  });
  const table = document.querySelector('table');
  let tableTop = 0, headerTop = 0, scrolled = false;
  if (table && document.documentElement.scrollHeight > window.innerHeight) {
    window.scrollTo(0, window.scrollY + table.getBoundingClientRect().top + table.offsetHeight / 2);
    scrolled = true;
    tableTop = table.getBoundingClientRect().top;
    headerTop = document.querySelector('th').getBoundingClientRect().top;
    window.scrollTo(0, 0);
  }
  const out = document.createElement('pre');
  out.id = 'layout';
  out.textContent = JSON.stringify({width: window.innerWidth, pageWidth: document.documentElement.scrollWidth,
                                    cells, scrolled, tableTop, headerTop});
  parent.document.body.appendChild(out);
})();</script>)";

struct Cell {
    std::string text;
    bool shown = false;
    double left = 0;
    double right = 0;
    double visibleRight = 0;
};

struct Layout {
    double width = 0;
    double pageWidth = 0;
    std::vector<Cell> cells;
    bool scrolled = false;
    double tableTop = 0;
    double headerTop = 0;

    const Cell* Find(const std::string& text) const {
        for (const Cell& cell : cells)
            if (cell.text == text)
                return &cell;
        return nullptr;
    }
    bool InView(const std::string& text) const {
        const Cell* cell = Find(text);
        return cell != nullptr && cell->shown && cell->left >= 0 && cell->right <= cell->visibleRight + 0.5;
    }
};

bool HaveChromium() {
    return std::system("command -v chromium >/dev/null 2>&1") == 0;
}

class BrowserLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveChromium())
            GTEST_SKIP() << "Debian's chromium is not installed (scripts/setup.sh installs it)";
        for (std::string name : {"Quorvahtml.html", "Quorvasample.won", "Quorvasample.stn"})
            program.Write(name, ReadFileBytes(std::string(QUORVA_DATA_DIR) + name).bytes);
    }

    // Opens the page with the measuring script in Chromium, in a frame width pixels wide (a headless
    // window is never narrower than 500 pixels), and reads back what it measured.
    Layout Measure(const std::string& page, int width) {
        std::string measured = page.substr(0, page.rfind("</body>")) + measure + "</body></html>";
        std::string quoted;
        for (char c : measured)
            quoted += c == '&' ? "&amp;" : c == '"' ? "&quot;" : std::string(1, c);
        program.Write("host.html",
                      "<!DOCTYPE html><html><body style=\"margin:0\"><iframe style=\"border:0\" width=\"" +
                          std::to_string(width) + "\" height=\"800\" srcdoc=\"" + quoted +
                          "\"></iframe></body></html>");
        std::string command =
            "chromium --headless --no-sandbox --disable-gpu --window-size=1400,900 --dump-dom 'file://" +
            program.File("host.html") + "' >'" + program.File("dom.txt") + "' 2>/dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0);
        std::string dom = program.Read("dom.txt");
        size_t start = dom.find("<pre id=\"layout\">");
        size_t end = dom.find("</pre>", start);
        Layout layout;
        if (start == std::string::npos || end == std::string::npos) {
            ADD_FAILURE() << "no measurement in the page";
            return layout;
        }
        start += 17;
        std::optional<JsonValue> json = ParseJson(dom.substr(start, end - start));
        if (!json) {
            ADD_FAILURE() << "a damaged measurement: " << dom.substr(start, end - start);
            return layout;
        }
        auto number = [](const JsonValue& object, const char* name) { return object.Find(name)->number; };
        layout.width = number(*json, "width");
        layout.pageWidth = number(*json, "pageWidth");
        layout.scrolled = json->Find("scrolled")->boolean;
        layout.tableTop = number(*json, "tableTop");
        layout.headerTop = number(*json, "headerTop");
        for (const JsonValue& cell : json->Find("cells")->items)
            layout.cells.push_back({cell.TextOf("text"), cell.Find("shown")->boolean, number(cell, "left"),
                                    number(cell, "right"), number(cell, "visibleRight")});
        return layout;
    }

    // The page of a sample race as the published folder keeps it.
    std::string RacePage(int simulator) {
        EXPECT_TRUE(CHtmlResults("", simulator).MakeHtmlResults());
        return program.Read("Quorvasample.html");
    }

    ScopedProgramFolder program;
    MessageRecorder recorder;
};

// Every header cell shown lies within the page's width and within every box that would cut it off or
// scroll it, and the page does not scroll sideways.
void ExpectNothingCut(const Layout& layout) {
    EXPECT_LE(layout.pageWidth, layout.width);
    for (const Cell& cell : layout.cells) {
        if (cell.shown) {
            EXPECT_TRUE(cell.left >= 0 && cell.right <= cell.visibleRight + 0.5)
                << cell.text << " ends at " << cell.right << ", in view up to " << cell.visibleRight;
        }
    }
}

} // namespace

TEST_F(BrowserLayoutTest, RacePagesShowTheirColumnsOnAPhoneAndADesktopAndKeepTheHeaderInView) {
    const struct {
        const char* name;
        int simulator;
        int width;
        std::vector<std::string> inView;
    } rows[] = {
        {"NASCAR Racing 3 on a phone", 0, 390, {"Fin", "Driver", "Pts"}},
        {"NASCAR Legends on a phone", 1, 390, {"Fin", "Driver", "Pts"}},
        {"NASCAR Racing 3 on a desktop",
         0,
         1280,
         {"Fin", "St", "Car", "Driver", "Laps", "Led", "Pts", "Qual time", "Qual speed", "Status", "Avg time",
          "Avg speed", "Best time", "Best speed", "Inc"}},
        {"NASCAR Legends on a desktop",
         1,
         1280,
         {"Fin", "St", "Car", "Driver", "Laps", "Led", "Pts", "Qual time", "Status"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Layout layout = Measure(RacePage(row.simulator), row.width);
        for (const std::string& text : row.inView)
            EXPECT_TRUE(layout.InView(text)) << text;
        ExpectNothingCut(layout);
        ASSERT_TRUE(layout.scrolled);
        EXPECT_LT(layout.tableTop, 0);
        EXPECT_NEAR(layout.headerTop, 0, 1);
    }
}

TEST_F(BrowserLayoutTest, TheIndexAndStatusPagesFitAPhoneAndADesktop) {
    program.Write("evt00001.stn", ReadFileBytes(program.File("Quorvasample.stn")).bytes);
    program.Write("evt00001.html", RacePage(1));
    PublishedFolder folder(program.File("site/"), "Thursday Night Legends League",
                           program.File("Quorvahtml.html"));
    for (int race = 0; race < 40; ++race)
        folder.KeepRace(program.File("evt00001.html"), program.File("evt00001.stn"), 1,
                        1796677470 + race * 3600);
    folder.RebuildIndex();
    RunStatus status{
        RunState::CountingDown, 1796677470, StatusEvent{"NL", "Oak Ridge Mile", 1796677770}, 0, "", {}, {}};
    for (int k = 0; k < 5; ++k)
        status.nextEvents.push_back({"N3", "Bristol Motor Speedway Night Race", 0});
    folder.WriteStatus(status);
    for (int width : {390, 1280}) {
        SCOPED_TRACE(width);
        Layout index = Measure(program.Read("site/index.html"), width);
        for (const char* text : {"Date", "Track", "Winner", "Laps"})
            EXPECT_TRUE(index.InView(text)) << text;
        ExpectNothingCut(index);
        ASSERT_TRUE(index.scrolled);
        EXPECT_NEAR(index.headerTop, 0, 1);
        Layout statusPage = Measure(program.Read("site/status.html"), width);
        for (const char* text : {"Starts", "Sim", "Track"})
            EXPECT_TRUE(statusPage.InView(text)) << text;
        ExpectNothingCut(statusPage);
    }
    EXPECT_TRUE(recorder.messages.empty());
}
