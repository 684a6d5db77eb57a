// SPDX-License-Identifier: MIT
#include "calc/water_form.h"

// The kinds and roles of the table rows below, by their own names.
using enum FieldKind;
using enum FieldRole;

FieldTable SewageFieldTable() {
    static const SewageInput s;
    static const std::vector<Field> table = {
        {1005, "workers", Float, Input, "工人数", "", "", "number of workers", s.workers},
        {1006, "residents", Float, Input, "其中住宿人数", "", "", "of whom live on site",
         s.residents},
        {.id = 1007,
         .name = "days",
         .kind = Float,
         .role = Input,
         .label = "工作天数",
         .meaning = "working days per year",
         .start = s.workDays,
         .helpUnit = "d"},
        {.id = 1008,
         .name = "water-nonresident",
         .kind = Float,
         .role = Input,
         .label = "不住宿每人每日用水量",
         .symbol = "q1",
         .unit = "升",
         .meaning = "water use per non-resident and day",
         .start = s.waterNonResident,
         .helpUnit = "L"},
        {.id = 1009,
         .name = "water-resident",
         .kind = Float,
         .role = Input,
         .label = "住宿每人每日用水量",
         .symbol = "q2",
         .unit = "升",
         .meaning = "water use per resident and day",
         .start = s.waterResident,
         .helpUnit = "L"},
        {1010, "discharge", Float, Input, "排水量按照用水量的", "k", "%",
         "sewage as a share of water use", s.dischargePercent},
        {1011, "cod", Float, Input, "COD初始浓度", "", "mg/L", "raw COD concentration",
         s.codInitial},
        {1012, "cod-limit", Float, Input, "COD达标浓度", "", "mg/L",
         "COD concentration at the discharge limit", s.codLimit},
        {1013, "nh3n", Float, Input, "NH3-N初始浓度", "", "mg/L", "raw NH3-N concentration",
         s.nh3nInitial},
        {1015, "nh3n-limit", Float, Input, "NH3-N达标浓度", "", "mg/L",
         "NH3-N concentration at the discharge limit", s.nh3nLimit},
        {1014, "annual-water", Float, Result, "年用水量", "", "吨", "annual water use", 0.0},
        {1016, "daily-discharge", Float, Result, "日排放量", "", "吨", "daily sewage discharge",
         0.0},
        {1017, "annual-discharge", Float, Result, "年排放量", "", "吨", "annual sewage discharge",
         0.0},
        {1018, "cod-annual", Float, Result, "COD年排放量", "", "吨",
         "annual COD load before treatment", 0.0},
        {1019, "cod-limit-annual", Float, Result, "COD达标年排放量", "", "吨",
         "annual COD load at the limit", 0.0},
        {1020, "nh3n-annual", Float, Result, "NH3-N年排放量", "", "吨",
         "annual NH3-N load before treatment", 0.0},
        {1021, "nh3n-limit-annual", Float, Result, "NH3-N达标年排放量", "", "吨",
         "annual NH3-N load at the limit", 0.0},
        {1022, "cod-reduction", Float, Result, "COD削减量", "", "吨", "COD reduction", 0.0},
        {1023, "nh3n-reduction", Float, Result, "NH3-N削减量", "", "吨", "NH3-N reduction", 0.0},
        {1024, "refuse-daily", Float, Result, "生活垃圾日产量", "", "千克",
         "domestic refuse per day", 0.0},
        {1025, "refuse-annual", Float, Result, "生活垃圾年产量", "", "吨",
         "domestic refuse per year", 0.0},
    };
    return table;
}

std::optional<CheckBox> CheckSewage(const SewageInput& in) {
    switch (CheckSewageInput(in)) {
        case SewageCheck::Negative:
            // Whichever figure is negative, the workers field takes the focus.
            return CheckBox{.text = "不能是负数，请重新输入", .focusId = 1005};
        case SewageCheck::MoreResidentsThanWorkers:
            return CheckBox{.text = "逻辑常识错误，请重新输入", .focusId = 1006};
        case SewageCheck::Ok:
            break;
    }
    return std::nullopt;
}

Answer<SewageResult> RunSewage(const SewageInput& in) {
    if (const auto box = CheckSewage(in))
        return Stopped<SewageResult>(*box);
    return {.result = ComputeSewage(in)};
}

const CalculatorDef<SewageInput, SewageResult>& SewageCalculator() {
    using I = SewageInput;
    using R = SewageResult;
    static const CalculatorDef<I, R> def{
        .name = "sewage",
        .summary = "domestic sewage, COD and NH3-N loads and refuse of a works' staff",
        .table = SewageFieldTable(),
        .inputs = {{"workers", &I::workers},
                   {"residents", &I::residents},
                   {"days", &I::workDays},
                   {"water-nonresident", &I::waterNonResident},
                   {"water-resident", &I::waterResident},
                   {"discharge", &I::dischargePercent},
                   {"cod", &I::codInitial},
                   {"cod-limit", &I::codLimit},
                   {"nh3n", &I::nh3nInitial},
                   {"nh3n-limit", &I::nh3nLimit}},
        // The page's exchange order.
        .results = {{"cod-limit-annual", &R::codLimitAnnual},
                    {"cod-annual", &R::codAnnual},
                    {"cod-reduction", &R::codReduction},
                    {"nh3n-limit-annual", &R::nh3nLimitAnnual},
                    {"nh3n-annual", &R::nh3nAnnual},
                    {"nh3n-reduction", &R::nh3nReduction},
                    {"annual-discharge", &R::annualDischarge},
                    {"annual-water", &R::annualWater},
                    {"daily-discharge", &R::dailyDischarge},
                    {"refuse-annual", &R::refuseAnnual},
                    {"refuse-daily", &R::refuseDaily}},
        .run = RunSewage,
        .record = {.title = "生活污水和垃圾",
                   .formulas = {"日排放量=((工人数-住宿人数)*q1+住宿人数*q2)*k/100/1000",
                                "年排放量=日排放量*工作天数", "年用水量=年排放量*100/k",
                                "COD年排放量=年排放量*COD初始浓度/10^6",
                                "COD达标年排放量=年排放量*COD达标浓度/10^6",
                                "COD削减量=COD年排放量-COD达标年排放量",
                                "NH3-N年排放量=年排放量*NH3-N初始浓度/10^6",
                                "NH3-N达标年排放量=年排放量*NH3-N达标浓度/10^6",
                                "NH3-N削减量=NH3-N年排放量-NH3-N达标年排放量",
                                "生活垃圾日产量=住宿人数*1+(工人数-住宿人数)*0.5",
                                "生活垃圾年产量=生活垃圾日产量*工作天数/1000"}},
    };
    return def;
}
