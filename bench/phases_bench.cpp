// Times the phases of one conversion inside one process, so that the next
// step of work is visible: read and split, cleaning, conversion, write.
//
//   phases_bench RECORD OUTPUT [RUNS]

#include "line_list.h"
#include "median.h"
#include "record_conversion.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using Clock = std::chrono::steady_clock;

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fputs("usage: phases_bench RECORD OUTPUT [RUNS]\n", stderr);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 5;
    const char* names[] = {"read and split", "cleaning", "conversion", "write"};
    std::vector<double> times[4];
    for (int run = 0; run < runs; ++run) {
        zrl::LineList input;
        zrl::LineList output;
        zrl::LineList pairs;
        zrl::RecordConversion conversion(input, output, pairs);
        Clock::time_point marks[5];
        marks[0] = Clock::now();
        input.ReadFromFile(argv[1]);
        marks[1] = Clock::now();
        conversion.CleanLeadingSpaces();
        marks[2] = Clock::now();
        if (!conversion.ConvertRecord()) { // cleans again, finding nothing to cut
            std::fputs("the record failed its checks\n", stderr);
            return 1;
        }
        marks[3] = Clock::now();
        output.WriteToFile(argv[2]);
        marks[4] = Clock::now();
        for (int phase = 0; phase < 4; ++phase)
            times[phase].push_back(std::chrono::duration<double>(marks[phase + 1] - marks[phase]).count());
    }
    std::printf("phases of %s, median of %d runs\n", argv[1], runs);
    double total = 0;
    for (int phase = 0; phase < 4; ++phase) {
        std::printf("  %-16s %8.3f s\n", names[phase], Median(times[phase]));
        total += Median(times[phase]);
    }
    std::printf("  %-16s %8.3f s\n", "total", total);
    return 0;
}
