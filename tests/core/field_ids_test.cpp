// SPDX-License-Identifier: MIT
// Each window's fields in table order as name:id: the windows bind their
// controls and vek-calc its names and ids by these tables.

#include <gtest/gtest.h>

#include <string>

#include "calc/air_forms.h"
#include "calc/noise_forms.h"
#include "calc/unit_form.h"
#include "calc/water_form.h"

namespace {

const struct {
    FieldTable table;
    const char* fields;
} kTables[] = {
    {SewageFieldTable(),
     "workers:1005 residents:1006 days:1007 water-nonresident:1008 water-resident:1009 "
     "discharge:1010 cod:1011 cod-limit:1012 nh3n:1013 nh3n-limit:1015 annual-water:1014 "
     "daily-discharge:1016 annual-discharge:1017 cod-annual:1018 cod-limit-annual:1019 "
     "nh3n-annual:1020 nh3n-limit-annual:1021 cod-reduction:1022 nh3n-reduction:1023 "
     "refuse-daily:1024 refuse-annual:1025"},
    {FlueGasFieldTable(),
     "fuel:1027 use:1028 so2-limit:1029 dust-limit:1030 sulphur:1031 ash:1032 "
     "dust-share:1033 combustible:1034 volume:1036 so2-conc:1021 dust-conc:1022 so2:1015 "
     "dust:1016 so2-std:1017 dust-std:1018 so2-reduction:1023 dust-reduction:1024"},
    {ProtectionFieldTable(),
     "area:1037 wind:1038 pollutant:1039 limit:1040 stack:1041 reaction:1044 "
     "stack-share:1047 emission:1049 distance:1051 graded:1052"},
    {SolventFieldTable(),
     "wind:1114 area:1089 mol-weight:1116 vapour-pressure:1117 evaporation:1118"},
    {OdourFieldTable(),
     "wind:1114 diffusivity:1115 width:1119 length:1088 compound-mass:1116 total-mass:1089 "
     "vapour-pressure:1120 correction:1122 emission-rate:1121"},
    {DecibelSumFieldTable(), "level1:0 level2:0 result:1066"},
    {DecibelDifferenceFieldTable(), "level1:0 level2:0 result:1066"},
    {IndoorNoiseFieldTable(),
     "lp1:1054 tl:1055 area:1056 distance:1057 level:1058 background:1061 total:1062"},
    {Lp1FieldTable(), "lw:1076 q:1078 room-area:1079 absorption:1080 distance:1077 lp1:1054"},
    {WorkshopNoiseFieldTable(),
     "lr:1082 screen:1064 height:1083 frequency:1089 length:1092 width:1093 delta1:1085 "
     "delta2:1086 delta3:1087 distance:1077 level:1090 background:1054 total:1091"},
    {PathDifferenceFieldTable(),
     "barrier-height:1083 source-height:1084 receiver-height:1085 source-distance:1086 "
     "receiver-distance:1087 barrier-length:1088 source-offset:1089 receiver-offset:1090 "
     "side:1093 delta1:1091 delta2:1092 delta3:1095"},
    {NoiseIndexFieldTable(),
     "levels:1098 intervals:1067 equal-interval:1099 quantity:1094 day-level:1105 "
     "night-level:1106 day-hours:1110 night-hours:1109 result:1101"},
    {UnitConverterFieldTable(),
     "kind:1029 value:1073 from:1074 to:1028 converted:1067 new-kind:1075 "
     "new-base-quantity:1068 new-base-unit:1069 new-quantity:1070 new-unit:1071"},
};

TEST(FieldIds, EveryWindowsFieldsInOrder) {
    for (const auto& t : kTables) {
        std::string fields;
        for (const Field& f : t.table)
            fields +=
                (fields.empty() ? "" : " ") + std::string(f.name) + ":" + std::to_string(f.id);
        EXPECT_EQ(fields, t.fields);
    }
}

}  // namespace
