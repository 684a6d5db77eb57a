// SPDX-License-Identifier: MIT
// The catalogue shipped beside the program: it loads, each kind has one base
// unit, no unit name belongs to two kinds, and known pairs convert exactly
// as the converter page computes them (divide by the first factor, multiply
// by the second, in single precision).
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "text/number_text.h"
#include "units/unit_catalogue.h"
#include "units/unit_lookup.h"

namespace {

class ShippedCatalogue : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(UnitCatalogue::ReadOnly(VEK_SHIPPED_CATALOGUE, entries), "");
        ASSERT_FALSE(entries.empty());
    }
    // value in `from` shown in `to`, as the page converts after choosing
    // the two units.
    float Convert(const char* kind, const char* from, const char* to, float value) const {
        const float factor1 = FactorOf(entries, kind, from, -1);
        const float factor2 = FactorOf(entries, kind, to, -1);
        EXPECT_GT(factor1, 0) << from;
        EXPECT_GT(factor2, 0) << to;
        return static_cast<float>(static_cast<double>(value) / factor1 * factor2);
    }
    std::vector<UnitEntry> entries;
};

TEST_F(ShippedCatalogue, EveryLineIsWellFormedWithOneBasePerKind) {
    std::map<std::string, std::string> baseOf;
    for (const UnitEntry& e : entries) {
        SCOPED_TRACE(e.kind + " " + e.unit);
        EXPECT_FALSE(e.kind.empty());
        EXPECT_FALSE(e.unit.empty());
        EXPECT_EQ(e.baseQuantity, 1.0f);
        EXPECT_GT(e.quantity, 0.0f);
        EXPECT_NE(e.unit, e.baseUnit);
        const auto [it, added] = baseOf.emplace(e.kind, e.baseUnit);
        EXPECT_EQ(it->second, e.baseUnit);
    }
    // The page starts on the kind that first occurs last in the file.
    EXPECT_EQ(KindsInOrder(entries).back(), "质量浓度");
}

TEST_F(ShippedCatalogue, NoUnitNameBelongsToTwoKinds) {
    std::map<std::string, std::string> kindOf;
    std::set<std::pair<std::string, std::string>> seen;
    for (const UnitEntry& e : entries)
        for (const std::string& name : {e.baseUnit, e.unit}) {
            const auto [it, added] = kindOf.emplace(name, e.kind);
            EXPECT_EQ(it->second, e.kind) << name << " in " << it->second << " and " << e.kind;
            if (name == e.unit) {
                EXPECT_TRUE(seen.insert({e.kind, name}).second) << name << " listed twice";
            }
        }
}

TEST_F(ShippedCatalogue, KnownPairsConvertExactly) {
    struct Case {
        const char* kind;
        const char* from;
        const char* to;
        float value;
        float expected;
        const char* shown;
    };
    const Case cases[] = {
        {"长度", "km", "m", 1, 1000, "1000"},
        {"长度", "m", "km", 1000, 1, "1"},
        {"长度", "m", "cm", 2.5f, 250, "250"},
        {"压力", "atm", "kPa", 1, 101.325f, "101.325"},
        {"压力", "atm", "Pa", 1, 101325, "101325"},
        {"压力", "atm", "mmHg", 1, 759.99989f, "760"},
        {"能量和热量", "kWh", "MJ", 1, 3.6f, "3.6"},
        {"能量和热量", "kWh", "kJ", 1, 3600, "3600"},
        {"质量", "t", "kg", 1, 1000, "1000"},
        {"质量", "kg", "g", 1, 1000, "1000"},
        {"质量浓度", "mg/m³", "μg/m³", 1, 1000, "1000"},
        {"质量浓度", "mg/L", "mg/m³", 1, 1000, "1000"},
        {"体积流量", "m³/s", "m³/h", 1, 3600, "3600"},
        {"体积流量", "m³/d", "m³/s", 86400, 1, "1"},
        {"质量流量", "kg/s", "t/d", 1, 86.4f, "86.4"},
        {"功率", "MW", "kW", 1, 1000, "1000"},
        {"面积", "km²", "亩", 1, 1500, "1500"},
        {"时间", "d", "h", 1, 24, "24"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
        const float converted = Convert(c.kind, c.from, c.to, c.value);
        EXPECT_FLOAT_EQ(converted, c.expected);
        EXPECT_EQ(vek::text::FormatFloat(converted), c.shown);
    }
    // The three named pairs hold to the last bit of single precision.
    EXPECT_EQ(Convert("长度", "km", "m", 1), 1000.0f);
    EXPECT_EQ(Convert("压力", "atm", "kPa", 1), 101.325f);
    EXPECT_EQ(Convert("能量和热量", "kWh", "MJ", 1), 3.6f);
}

}  // namespace
