#include "files/parameter_file.h"

#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <system_error>

#include "files/atomic_text_file.h"
#include "files/printf_text.h"
#include "files/scanf_reader.h"
#include "platform/conversions.h"

namespace {

const char kParameterFileName[] = "ts.dat";

// One scanf call: its conversions in order, up to the first that fails; the rest keep their
// values, and the reader stays where that one stopped.
void ReadInts(TScanfReader& reader, std::initializer_list<std::int32_t*> fields)
{
    for (std::int32_t* field : fields)
        if (!reader.ReadInt(*field)) return;
}

void ReadFloats(TScanfReader& reader, std::initializer_list<float*> fields)
{
    for (float* field : fields)
        if (!reader.ReadFloat(*field)) return;
}

std::string FixedLine(std::initializer_list<float> values)
{
    std::string line;
    for (float value : values) {
        if (!line.empty()) line += ' ';
        line += PrintfFixed(value);
    }
    return line + "\r\n";
}

}  // namespace

bool LoadParameters(TTankParameters& params, const LineSink& statusMemo,
                    const std::filesystem::path& folder)
{
    std::filesystem::path file = folder / kParameterFileName;
    std::error_code ignored;
    std::ifstream in;
    // A folder of that name opens on this system but has nothing to read: treat it as missing.
    if (!std::filesystem::is_directory(file, ignored)) in.open(file, std::ios::binary);
    if (!in.is_open()) {
        if (statusMemo) statusMemo("データファイル ts.dat をカレントドライブにおいて実行してください。");
        return false;
    }
    TScanfReader reader(std::string(std::istreambuf_iterator<char>(in), {}));

    ReadInts(reader, {&params.InletType, &params.TankDivisions, &params.TimeDivisions});
    ReadFloats(reader, {&params.InitialTemp, &params.InletTemp, &params.LimitTemp,
                        &params.FlowRate});
    ReadFloats(reader, {&params.TankVolume, &params.WaterDepth, &params.InletSize,
                        &params.WeirWidth});
    ReadFloats(reader, {&params.Diffusivity});
    return true;
}

bool SaveParameters(const TTankParameters& params, const LineSink& figuresMemo,
                    const std::filesystem::path& folder)
{
    std::string content = IntToStr(params.InletType) + ' ' + IntToStr(params.TankDivisions) +
                          ' ' + IntToStr(params.TimeDivisions) + "\r\n";
    content += FixedLine({params.InitialTemp, params.InletTemp, params.LimitTemp,
                          params.FlowRate});
    content += FixedLine({params.TankVolume, params.WaterDepth, params.InletSize,
                          params.WeirWidth});
    content += FixedLine({params.Diffusivity});
    return ReplaceTextFile(folder / kParameterFileName, content, figuresMemo);
}
