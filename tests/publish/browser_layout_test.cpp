// The published pages as a league's members see them: each page is opened in headless Chromium at a
// phone's and a desktop's width, and a script injected into it measures the layout the page must have.

#include "platform/file_system.h"
#include "publish/published_folder.h"
#include "results/html_escape.h"
#include "results/html_results.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// Gives the frame's host the title "fits" or what does not: a page wider than the frame, a header cell cut
// off by the page or a box, a wanted cell not in view, or a header that scrolls away with the table.
const char* const measure = R"(<script>(function (wanted, headerStays) {
  const problems = [], inView = [], page = document.documentElement;
  if (page.scrollWidth > window.innerWidth) problems.push('the page is ' + page.scrollWidth + ' px wide');
  for (const th of document.querySelectorAll('th')) {
    const r = th.getBoundingClientRect();
    if (getComputedStyle(th).display === 'none' || r.width === 0) continue;
    let visibleRight = window.innerWidth;
    for (let box = th.parentElement; box !== document.body; box = box.parentElement)
      if (getComputedStyle(box).overflowX !== 'visible')
        visibleRight = Math.min(visibleRight, box.getBoundingClientRect().left + box.clientWidth);
    if (r.left >= 0 && r.right <= visibleRight + 0.5) inView.push(th.textContent);
    else problems.push(th.textContent + ' ends at ' + r.right + ', in view up to ' + visibleRight);
  }
  problems.push(...wanted.filter(text => !inView.includes(text)).map(text => text + ' is not in view'));
  const table = document.querySelector('table');
  if (headerStays && (!table || page.scrollHeight <= window.innerHeight)) problems.push('nothing to scroll');
  else if (headerStays) {
    window.scrollTo(0, window.scrollY + table.getBoundingClientRect().top + table.offsetHeight / 2);
    const tableTop = table.getBoundingClientRect().top;
    const headerTop = document.querySelector('th').getBoundingClientRect().top;
    if (tableTop >= 0 || Math.abs(headerTop) > 1)
      problems.push('scrolled, the table starts at ' + tableTop + ' and its header at ' + headerTop);
  }
  parent.document.title = problems.length ? problems.join('; ') : 'fits';
}))";

class BrowserLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::system("command -v chromium >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "Debian's chromium is not installed (scripts/setup.sh installs it)";
        for (std::string name : {"Quorvahtml.html", "Quorvasample.won", "Quorvasample.stn"})
            program.Write(name, ReadFileBytes(std::string(QUORVA_DATA_DIR) + name).bytes);
    }

    // Opens the page with the measuring script in Chromium, in a frame width pixels wide (a headless
    // window is never narrower than 500 pixels), and expects the script's verdict to be "fits".
    void ExpectFits(const std::string& page, int width, const std::string& wanted, bool headerStays = true) {
        std::string measured = page.substr(0, page.rfind("</body>")) + measure + "(" + wanted + ", " +
                               (headerStays ? "true" : "false") + ");</script></body></html>";
        program.Write("host.html",
                      "<!DOCTYPE html><html><body style=\"margin:0\"><iframe style=\"border:0\" width=\"" +
                          std::to_string(width) + "\" height=\"800\" srcdoc=\"" + HtmlEscape(measured) +
                          "\"></iframe></body></html>");
        std::string command =
            "chromium --headless --no-sandbox --disable-gpu --window-size=1400,900 --dump-dom 'file://" +
            program.File("host.html") + "' >'" + program.File("dom.txt") + "' 2>/dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0);
        std::string dom = program.Read("dom.txt");
        size_t start = dom.find("<title>") + 7;
        EXPECT_EQ(dom.substr(start, dom.find("</title>") - start), "fits") << wanted;
    }

    ScopedProgramFolder program;
    MessageRecorder recorder;
};

} // namespace

// Race pages keep their header in view as the table scrolls; the status page and the standings of one
// race's drivers are too short to scroll.
TEST_F(BrowserLayoutTest, EveryPageShowsItsColumnsOnAPhoneAndADesktop) {
    std::string racePages[2];
    RaceResults made;
    for (int simulator : {0, 1}) {
        CHtmlResults sample = CHtmlResults::Sample(simulator);
        EXPECT_TRUE(sample.MakeHtmlResults());
        racePages[simulator] = program.Read("Quorvasample.html");
        if (simulator == 1)
            made = sample.Made();
    }
    PublishedFolder folder(program.File("site/"), "Thursday Night Legends League",
                           program.File("Quorvahtml.html"));
    for (int race = 0; race < 40; ++race)
        folder.KeepRace(made, 1796677470 + race * 3600);
    folder.RebuildIndex();
    RunStatus status{
        RunState::CountingDown, 1796677470, StatusEvent{"NL", "Oak Ridge Mile", 1796677770}, 0, "", {}, {}};
    status.nextEvents.assign(5, {"N3", "Bristol Motor Speedway Night Race", 0});
    folder.WriteStatus(status);
    for (int width : {390, 1280}) {
        SCOPED_TRACE(width);
        bool phone = width == 390;
        ExpectFits(racePages[0], width, phone ? "['Fin', 'Driver', 'Pts']" : "['St', 'Avg time', 'Inc']");
        ExpectFits(racePages[1], width, phone ? "['Fin', 'Driver', 'Pts']" : "['St', 'Qual time']");
        ExpectFits(program.Read("site/index.html"), width, "['Date', 'Track', 'Winner', 'Laps']");
        ExpectFits(program.Read("site/status.html"), width, "['Starts', 'Sim', 'Track']", false);
        ExpectFits(program.Read("site/standings.html"), width,
                   phone ? "['Pos', 'Driver', 'Pts']" : "['Pos', 'Driver', 'Pts', 'Top 10', 'Avg']", false);
    }
    EXPECT_TRUE(recorder.messages.empty());
}
