// Opens and converts a record in the window on the offscreen platform and
// times it next to zrlconv-cli converting the same file.
//
//   window_bench RECORD ZRLCONV-CLI [RUNS]

#include "median.h"
#include "tfmain.h"

#include <QApplication>
#include <QListView>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

double TimeCli(const char* cli, const char* record)
{
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(cli, cli, record, "/dev/null", static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "zrlconv-cli failed on %s\n", record);
        std::exit(1);
    }
    return Seconds(start);
}

// Open and Convert as the buttons do them, until the lists are painted.
double TimeWindow(const char* record)
{
    TFMain window;
    window.show();
    QApplication::processEvents();
    const Clock::time_point start = Clock::now();
    window.OpenRecord(QString::fromLocal8Bit(record));
    window.ConvertRecord();
    window.zrl->repaint();
    window.log->repaint();
    QApplication::processEvents();
    return Seconds(start);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fputs("usage: window_bench RECORD ZRLCONV-CLI [RUNS]\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName("ZRLConv");
    const int runs = argc > 3 ? std::atoi(argv[3]) : 5;

    std::vector<double> cli;
    std::vector<double> window;
    for (int run = 0; run < runs; ++run) {
        cli.push_back(TimeCli(argv[2], argv[1]));
        window.push_back(TimeWindow(argv[1]));
    }
    const double ratio = Median(window) / Median(cli);
    std::printf("record %s, median of %d runs\n", argv[1], runs);
    std::printf("zrlconv-cli (read, convert, write)  %8.3f s\n", Median(cli));
    std::printf("window (open, convert, paint)       %8.3f s\n", Median(window));
    std::printf("window / zrlconv-cli                %8.2f (target at most 1.50: %s)\n", ratio,
                ratio <= 1.5 ? "met" : "NOT MET");
    return 0;
}
