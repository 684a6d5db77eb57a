// SPDX-License-Identifier: MIT
#pragma once
// A calculator definition of vek_core as a command-line calculator: the
// given values go into the input struct through its slots, the run gives
// the box and the result struct, and the result slots give the values shown.

#include "calc/calculator.h"
#include "tools/vek-calc/calculator.h"

namespace vek::cli {

namespace adapt {

const Field& FieldOf(FieldTable table, const char* calculator, const char* name);

}  // namespace adapt

template <class In, class Out>
Calculator Adapt(const CalculatorDef<In, Out>& def) {
    Calculator calculator{def.name, def.summary, {}, {}, {}};
    for (const Slot<In>& slot : def.inputs)
        calculator.inputs.push_back(&adapt::FieldOf(def.table, def.name, slot.name));
    for (const Slot<Out>& slot : def.results)
        calculator.outputs.push_back(&adapt::FieldOf(def.table, def.name, slot.name));
    calculator.compute = [&def](const Inputs& given, const Context& context) {
        In in{};
        // A choice fills other inputs first; what is typed besides wins.
        for (std::size_t i = 0; i < def.inputs.size(); ++i)
            if (def.inputs[i].choose && given.Given(i))
                def.inputs[i].choose(in, static_cast<int>(std::get<double>(*given.At(i))));
        for (std::size_t i = 0; i < def.inputs.size(); ++i)
            if (given.Given(i))
                def.inputs[i].set(in, *given.At(i));

        const Answer<Out> answer = def.run(in);
        Outcome outcome;
        if (answer.box)
            outcome.box = Box{answer.box->caption, answer.box->text};
        outcome.stopped = answer.stopped;
        if (!answer.stopped) {
            const Out out = answer.result.value_or(Out{});
            for (const Slot<Out>& slot : def.results) outcome.results.push_back(slot.get(out));
        }
        if (context.record)
            outcome.record = MakeRecord(def, in, answer);
        return outcome;
    };
    return calculator;
}

}  // namespace vek::cli
