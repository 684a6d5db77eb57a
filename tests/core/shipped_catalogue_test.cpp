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

// One name, one kind; only the density and the mass concentration share
// their SI units, which mean the same amount in both.
TEST_F(ShippedCatalogue, NoUnitNameBelongsToTwoKinds) {
    const std::set<std::string> shared = {"kg/m³", "g/L"};
    std::map<std::string, std::string> kindOf;
    std::set<std::pair<std::string, std::string>> seen;
    for (const UnitEntry& e : entries)
        for (const std::string& name : {e.baseUnit, e.unit}) {
            const std::string kind = e.kind == "密度" && shared.count(name) ? "质量浓度" : e.kind;
            const auto [it, added] = kindOf.emplace(name, kind);
            EXPECT_EQ(it->second, kind) << name << " in " << it->second << " and " << e.kind;
            if (name == e.unit) {
                EXPECT_TRUE(seen.insert({e.kind, name}).second) << name << " listed twice";
            }
        }
}

// Each factor is its definition, to the float the catalogue holds: the
// operating hours in the names of annual amounts, 1 kgce = 29307 kJ, the US
// gallon of 3.785411784 L, 1 蒸吨 = 0.7 MW, 1 kcal = 4.1868 kJ.
TEST_F(ShippedCatalogue, FactorsMatchTheirDefinitions) {
    const struct {
        const char* kind;
        const char* unit;
        double perBase;  // how many of the unit make the kind's base unit
    } cases[] = {
        {"面积", "平方米", 1e6},
        {"面积", "万m²", 100},
        {"体积", "立方米", 1},
        {"体积", "gal(US)", 1 / 0.003785411784},
        {"质量", "吨", 1},
        {"质量", "公斤", 1000},
        {"长度", "公里", 1},
        {"体积流量", "万m³/a(365d)", 8760 * 3600 / 1e4},
        {"体积流量", "m³/a(8000h)", 8000 * 3600},
        {"体积流量", "m³/a(7200h)", 7200 * 3600},
        {"体积流量", "m³/a(2400h)", 2400 * 3600},
        {"质量流量", "万t/a(365d)", 8760 * 3.6 / 1e4},
        {"质量流量", "kg/a(365d)", 8760 * 3600},
        {"质量流量", "t/a(8000h)", 8000 * 3.6},
        {"质量流量", "t/a(7200h)", 7200 * 3.6},
        {"质量流量", "t/a(2400h)", 2400 * 3.6},
        {"能量和热量", "tce", 3600 / 29307e3},
        {"能量和热量", "万tce", 3600 / 29307e7},
        {"功率", "蒸吨", 1 / 0.7},
        {"密度", "kg/m³", 1},
        {"密度", "g/L", 1},
        {"密度", "t/m³", 0.001},
        {"密度", "g/cm³", 0.001},
        {"燃气热值", "MJ/m³", 1},
        {"燃气热值", "kJ/m³", 1000},
        {"燃气热值", "kcal/m³", 1000 / 4.1868},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FactorOf(entries, c.kind, c.unit, -1), static_cast<float>(c.perBase))
            << c.kind << " " << c.unit;
}

// Common pairs as the converter page shows them.
TEST_F(ShippedCatalogue, KnownPairsConvertAsShown) {
    const struct {
        const char* kind;
        const char* from;
        const char* to;
        float value;
        const char* shown;
    } cases[] = {
        {"长度", "km", "m", 1, "1000"},
        {"压力", "atm", "kPa", 1, "101.325"},
        {"压力", "atm", "mmHg", 1, "760"},
        {"能量和热量", "kWh", "MJ", 1, "3.6"},
        {"质量", "t", "kg", 1, "1000"},
        {"质量浓度", "mg/m³", "μg/m³", 1, "1000"},
        {"质量浓度", "mg/L", "mg/m³", 1, "1000"},
        {"体积流量", "m³/s", "m³/h", 1, "3600"},
        {"体积流量", "m³/d", "m³/s", 86400, "1"},
        {"质量流量", "kg/s", "t/d", 1, "86.4"},
        {"面积", "km²", "亩", 1, "1500"},
        {"时间", "d", "h", 1, "24"},
        {"质量流量", "t/a(7200h)", "kg/h", 7200, "1000"},
        {"密度", "kg/m³", "g/cm³", 1000, "1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vek::text::FormatFloat(Convert(c.kind, c.from, c.to, c.value)), c.shown)
            << c.from << " -> " << c.to;
}

}  // namespace
