#include "files/result_files.h"

#include <string>

#include "files/atomic_text_file.h"
#include "files/printf_text.h"

namespace {

// " %f %f %f %f" then " %f %f %f\n": every figure after one space, none after the last.
std::string FiguresLine(const TTankResults& results)
{
    std::string line;
    for (float figure : {results.Ar_in, results.K, results.DepthRatio, results.LimitTheta,
                         results.Qs, results.Eta1, results.Eta2})
        line += ' ' + PrintfFixed(figure);
    return line + "\r\n";
}

// Line i: entry i of the five snapshots and of the limit profile, "%f " five times, then "%f\n".
std::string ProfileLines(const TTankResults& results, int tankDivisions)
{
    std::string lines;
    for (int i = 0; i <= tankDivisions; ++i) {
        for (const TStoredProfile& snapshot : results.Snapshots)
            lines += PrintfFixed(snapshot[i]) + ' ';
        lines += PrintfFixed(results.LimitProfile[i]) + "\r\n";
    }
    return lines;
}

}  // namespace

bool WriteResults(const TTankParameters& params, const TTankResults& results,
                  const LineSink& figuresMemo, const std::filesystem::path& folder)
{
    if (!ReplaceTextFile(folder / "ts.out", FiguresLine(results), figuresMemo)) return false;
    // A refused run has no profiles of that length to write; the old ondo.out stays.
    if (params.TankDivisions < 1 || params.TankDivisions > kMaxTankDivisions) return true;
    return ReplaceTextFile(folder / "ondo.out", ProfileLines(results, params.TankDivisions),
                           figuresMemo);
}
