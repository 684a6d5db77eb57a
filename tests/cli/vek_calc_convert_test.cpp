// SPDX-License-Identifier: MIT
// vek-calc convert over a catalogue file of its own: conversions as the
// unit converter page makes them, factors from the selected kind only, and a
// file that is only read, never written.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "run_vek_calc.h"

namespace fs = std::filesystem;

namespace {

// 吨 is a mass (0.001 per kg) and a volume of water (1 per m³); the last kind
// met starts with base quantity 2, as a catalogue edited by hand may.
const char* const kCatalogue =
    "[长度][1][米]=[100][厘米]\r\n"
    "[质量][1][千克]=[1000][克]\r\n"
    "[质量][1][千克]=[0.001][吨]\r\n"
    "[长度][1][米]=[abc][坏]\r\n"
    "[水的体积][2][立方米]=[2][吨]\n";

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

struct Conversion {
    const char* title;
    const char* inputs;
    const char* converted;  // nullptr when the command line is refused
};

const Conversion kConversions[] = {
    {"metres_to_centimetres", "kind=长度 from=米 to=厘米 value=2.5", "250"},
    {"centimetres_to_metres_by_id", "1029=长度 1074=厘米 1028=米 1073=30", "0.3"},
    // Choosing the units shows their factors, which is their relation.
    {"units_chosen_without_value", "kind=长度 from=米 to=厘米", "100"},
    {"start_up_kind_is_the_last_new_kind", "", "2"},
    {"tonne_as_water_volume", "kind=水的体积 from=立方米 to=吨 value=3", "3"},
    // A quantity that is no number reads as a factor of 0.
    {"unit_with_zero_factor", "kind=长度 from=坏 to=米 value=1", "inf"},
    {"zero_factor_shown_as_chosen_until_a_value_is_typed", "kind=长度 from=坏 to=米", "1"},
    {"unknown_kind_refused", "kind=体积", nullptr},
    {"unit_of_another_kind_refused", "kind=长度 to=吨", nullptr},
    {"value_not_a_number_refused", "value=2,5", nullptr},
};

class Convert : public testing::TestWithParam<Conversion> {};

TEST_P(Convert, CatalogueInCurrentDirectory) {
    const Conversion& c = GetParam();
    const fs::path dir = FreshTestDirectory();
    WriteBytes(dir / "data.ini", kCatalogue);
    const CalcRun run = RunVekCalc(Split(std::string("convert ") + c.inputs), dir);
    if (!c.converted)
        return ExpectRefused(run);
    EXPECT_EQ(run.out, std::string("converted=") + c.converted + "\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
    std::ostringstream after;  // only read: never written, whatever is converted
    after << std::ifstream(dir / "data.ini", std::ios::binary).rdbuf();
    EXPECT_EQ(after.str(), kCatalogue);
}

INSTANTIATE_TEST_SUITE_P(UnitConverter, Convert, testing::ValuesIn(kConversions),
                         [](const auto& info) { return std::string(info.param.title); });

// An empty catalogue has no kind to convert in (a missing one: command_line_test.cpp).
TEST(ConvertCatalogue, EmptyFileHoldsNoUnits) {
    const fs::path dir = FreshTestDirectory();
    WriteBytes(dir / "data.ini", "");
    ExpectRefused(RunVekCalc({"convert"}, dir));
}

}  // namespace
